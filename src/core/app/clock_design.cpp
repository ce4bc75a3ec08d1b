#include "core/app/clock_design.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace core {

std::string DesignFileName(const ExeTrailer& trailer) {
    return trailer.DesignName();
}

ExeTrailer TrailerFrom(const uint8_t* data, size_t size) {
    ExeTrailer t;
    if (data == nullptr || size < ExeTrailer::kSize)
        throw StreamReadError();
    std::copy(data + size - ExeTrailer::kSize, data + size, t.bytes.begin());
    return t;
}

ExeTrailer ReadExeTrailer(const std::string& path) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "rb"));
    if (!f)
        throw CannotOpenFile(path, SystemErrorText());
    ExeTrailer t;
    if (std::fseek(f.get(), -long(ExeTrailer::kSize), SEEK_END) != 0 ||
        std::fread(t.data(), 1, ExeTrailer::kSize, f.get()) != ExeTrailer::kSize)
        throw StreamReadError();
    return t;
}

bool ClockRecord::IsMovieFace() const {
    std::string ext = FaceExt();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".swf";
}

FontRecord AlertRecord::FontAt(size_t at) const {
    FontRecord f;
    std::copy(bytes.begin() + at, bytes.begin() + at + FontRecord::kSize, f.bytes.begin());
    return f;
}

void AlertRecord::PutFont(size_t at, const FontRecord& f) {
    std::copy(f.bytes.begin(), f.bytes.end(), bytes.begin() + at);
}

Bytes BuildDesignFile(const ClockDesign& d) {
    Bytes out;
    out.reserve(kFaceStreamOffset + d.Face.size() + d.Sound.size());
    out.insert(out.end(), d.Header.bytes.begin(), d.Header.bytes.end());
    out.insert(out.end(), d.Clock.bytes.begin(), d.Clock.bytes.end());
    out.insert(out.end(), d.Alert.bytes.begin(), d.Alert.bytes.end());
    out.insert(out.end(), d.Face.begin(), d.Face.end());
    out.insert(out.end(), d.Sound.begin(), d.Sound.end());
    return out;
}

std::string SafeFileName(const std::string& name) {
    size_t cut = name.find_last_of("/\\:");
    std::string base = cut == std::string::npos ? name : name.substr(cut + 1);
    // Names of dots only ("", ".", "..") name a folder, not a file.
    if (base.find_first_not_of('.') == std::string::npos)
        return std::string();
    return base;
}

}  // namespace core
