#pragma once
// What a test needs to know of a Windows program file, read from its bytes on any system: the
// machine and subsystem in its headers, the libraries it imports at load time and the file
// version of its version resource. Values that do not read are 0 or empty.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace pe {

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kOptionalPe32 = 0x10B;
constexpr uint16_t kSubsystemGui = 2;
constexpr uint16_t kSubsystemConsole = 3;

class Image {
  public:
    explicit Image(std::vector<unsigned char> bytes) : f_(std::move(bytes)) {
        pe_ = U32(0x3C);
        if (U16(0) != 0x5A4D || U32(pe_) != 0x4550)
            pe_ = 0;
    }

    bool Valid() const { return pe_ != 0; }
    uint16_t Machine() const { return Valid() ? U16(pe_ + 4) : 0; }
    uint16_t OptionalMagic() const { return Valid() ? U16(Optional()) : 0; }
    uint16_t Subsystem() const { return Valid() ? U16(Optional() + 68) : 0; }

    // The names of the libraries imported at load time, lower case.
    std::set<std::string> ImportedLibraries() const {
        std::set<std::string> names;
        if (!Valid())
            return names;
        const bool plus = OptionalMagic() == 0x20B;
        const uint32_t importRva = U32(Optional() + (plus ? 120 : 104));
        for (size_t d = FileOffset(importRva); d && U32(d + 12) != 0; d += 20) {
            size_t at = FileOffset(U32(d + 12));
            std::string name;
            while (at && at < f_.size() && f_[at])
                name += char(std::tolower(f_[at++]));
            names.insert(name);
        }
        return names;
    }

    // "MAJOR.MINOR.PATCH.BUILD" of the VS_FIXEDFILEINFO block, or "" without one.
    std::string FileVersion() const {
        static const unsigned char kSignature[] = {0xBD, 0x04, 0xEF, 0xFE};
        auto at = std::search(f_.begin(), f_.end(), std::begin(kSignature), std::end(kSignature));
        if (at == f_.end())
            return "";
        const size_t info = size_t(at - f_.begin());
        const uint32_t ms = U32(info + 8), ls = U32(info + 12);
        return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." +
               std::to_string(ls >> 16) + "." + std::to_string(ls & 0xFFFF);
    }

    const std::vector<unsigned char>& Bytes() const { return f_; }

  private:
    uint32_t U16(size_t at) const { return at + 2 <= f_.size() ? f_[at] | f_[at + 1] << 8 : 0; }
    uint32_t U32(size_t at) const {
        return at + 4 <= f_.size() ? U16(at) | uint32_t(U16(at + 2)) << 16 : 0u;
    }
    size_t Optional() const { return pe_ + 24; }
    size_t FileOffset(uint32_t rva) const {
        const size_t sections = U16(pe_ + 6);
        const size_t table = Optional() + U16(pe_ + 20);
        for (size_t i = 0; i < sections; ++i) {
            const size_t s = table + i * 40;
            const uint32_t va = U32(s + 12), rawSize = U32(s + 16), raw = U32(s + 20);
            if (rva >= va && rva < va + std::max(rawSize, U32(s + 8)))
                return raw + (rva - va);
        }
        return 0;
    }

    std::vector<unsigned char> f_;
    size_t pe_ = 0;
};

}  // namespace pe
