// Skin files from untrusted bytes: decoding and the archive directory must never read out of
// bounds, and whatever opens must hand out every entry within the archive.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/skin/lzh.h"
#include "core/skin/skin_file.h"
#include "core/skin/skin_reader.h"

namespace {

constexpr uint32_t kLargestDeclared = 8u << 10;

void ReadEveryEntry(const core::TSkinReader& reader) {
    core::Bytes out;
    std::string found;
    for (size_t i = 0; i < reader.EntryCount(); ++i) {
        if (reader.Entry(i).size() != reader.EntrySize(i))
            std::abort();
        reader.GetEntry(reader.Names()[i], out);
        reader.FindEntry(reader.Names()[i], out, found);
    }
    reader.FindEntry(".ini", out, found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    core::TSkinReader reader([](const std::string&) {});
    const uint8_t* body = data + 1;
    const size_t bodySize = size - 1;
    if (data[0] & 1) {
        // The rest is an archive: it must survive the codec unchanged, then be read.
        core::Bytes file = core::EncodeSkinFile(body, bodySize);
        core::Bytes back = core::DecodeSkinFile(file);
        if (back.size() != bodySize || !std::equal(back.begin(), back.end(), body))
            std::abort();
        if (reader.Open(file))
            ReadEveryEntry(reader);
        return 0;
    }
    // The rest is a skin file as found on disk, its declared length folded into a range that
    // keeps each run short (the length limit itself is a plain comparison).
    core::Bytes file(body, body + bodySize);
    if (file.size() >= 4)
        core::PutU32(file.data(), core::GetU32(file.data()) % kLargestDeclared);
    if (reader.Open(file))
        ReadEveryEntry(reader);
    return 0;
}
