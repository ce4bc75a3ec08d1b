#pragma once
// Little-endian field access and fixed-width 8-bit texts, as stored in our record files.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace core {

using Bytes = std::vector<uint8_t>;

inline uint16_t GetU16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t GetU32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline int32_t GetI32(const uint8_t* p) { return int32_t(GetU32(p)); }
inline double GetF64(const uint8_t* p) {
    uint64_t v = uint64_t(GetU32(p)) | (uint64_t(GetU32(p + 4)) << 32);
    double d;
    std::memcpy(&d, &v, sizeof d);
    return d;
}

inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}
inline void PutI32(uint8_t* p, int32_t v) { PutU32(p, uint32_t(v)); }
inline void PutF64(uint8_t* p, double d) {
    uint64_t v;
    std::memcpy(&v, &d, sizeof v);
    PutU32(p, uint32_t(v));
    PutU32(p + 4, uint32_t(v >> 32));
}

// A text ends at its first zero byte or at the end of its field (a full field has no terminator).
inline std::string GetFixedText(const uint8_t* p, size_t width) {
    size_t n = 0;
    while (n < width && p[n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(p), n);
}

// Writes at most `width` characters, zero-terminated when shorter; bytes after the terminator
// are left as they were. Returns false when the text had to be cut.
inline bool PutFixedText(uint8_t* p, size_t width, const std::string& text) {
    size_t n = text.size() < width ? text.size() : width;
    std::memcpy(p, text.data(), n);
    if (n < width) p[n] = 0;
    return n == text.size();
}

}  // namespace core
