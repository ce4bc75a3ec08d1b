#pragma once
// The skin file (decoded length + LZH bit stream) and the stored SkinStream value that
// carries it (length of the skin file + the skin file).
#include <cstddef>
#include <cstdint>

#include "core/common/bytes.h"
#include "core/skin/lzh.h"

namespace core {

// The largest skin file worth reading: its length field and a bit stream for the largest
// archive the codec decodes, with room for data that does not compress.
constexpr uint64_t kMaxSkinFileSize = 4 + 2 * uint64_t(lzh::kMaxDecodedSize);

// The archive inside a skin file, exactly as long as the file declares. Throws StreamError
// for a file shorter than its 4-byte length field and ElzhException for a declared length
// beyond lzh::kMaxDecodedSize or beyond what the file's bit stream can hold
// (lzh::MostDecodedFrom), so that a few bytes never cost a large archive of padding. A bit stream that ends early decodes as if padded with zero
// bits; `overrun`, when given, tells whether that happened.
Bytes DecodeSkinFile(const uint8_t* data, size_t size, bool* overrun = nullptr);
inline Bytes DecodeSkinFile(const Bytes& file, bool* overrun = nullptr) {
    return DecodeSkinFile(file.data(), file.size(), overrun);
}

// The skin file of any bytes (an archive, normally). Throws ElzhException beyond the limit.
Bytes EncodeSkinFile(const uint8_t* data, size_t size);
inline Bytes EncodeSkinFile(const Bytes& archive) {
    return EncodeSkinFile(archive.data(), archive.size());
}

// Reads a SkinStream value from the start of `data` into `skinFile` and returns the bytes it
// took. A stored length of zero or less means "no skin": `skinFile` ends empty and 4 bytes
// are taken. Throws StreamError ("Stream read error") when the value is cut short.
size_t ReadSkinStreamValue(const uint8_t* data, size_t size, Bytes& skinFile);
// The SkinStream value for a skin file (an empty one stores "no skin").
Bytes WriteSkinStreamValue(const Bytes& skinFile);

}  // namespace core
