#include "core/app/clock_db.h"

#include <algorithm>

#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace core {

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
}  // namespace

void ByteReader::ReadBuffer(uint8_t* out, size_t count) {
    size_t n = std::min(count, Remaining());
    std::copy(data_ + pos_, data_ + pos_ + n, out);
    pos_ += n;
    if (n != count)
        throw StreamReadError();
}

void ByteReader::CopyTo(Bytes& out, size_t count) {
    if (count > Remaining())
        throw StreamReadError();
    out.insert(out.end(), data_ + pos_, data_ + pos_ + count);
    pos_ += count;
}

void TClockDB::ReadDesign(const std::string& path) {
    if (!FileExists(path))
        return;
    Bytes file = ReadWholeFile(path);
    ReadDesignFrom(file.data(), file.size());
}

void TClockDB::ReadDesignFrom(const uint8_t* data, size_t size) {
    ByteReader in(data, size);
    face_.clear();
    sound_.clear();
    in.ReadBuffer(Header.data(), DesignHeader::kSize);
    if (Header.Magic() != kDesignMagic)
        return;
    in.ReadBuffer(Clock.data(), ClockRecord::kSize);
    in.ReadBuffer(Alert.data(), AlertRecord::kSize);
    if (Clock.FaceSize() > 0)
        in.CopyTo(face_, Clock.FaceSize());
    if (Alert.SoundSize() > 0)
        in.CopyTo(sound_, Alert.SoundSize());
}

std::string TClockDB::SaveSound(const std::string& folder) const {
    if (sound_.empty())
        return std::string();
    std::string name = SafeFileName(Alert.SoundName());
    if (name.empty())
        return std::string();
    std::string path = folder + name;
    WriteWholeFile(path, sound_.data(), sound_.size());
    return path;
}

void TClockDB::LoadFacePicture(Bitmap& bitmap) const {
    if (face_.empty())
        return;
    bitmap = DecodeBmp(face_.data(), face_.size());
}

std::string TClockDB::SaveFaceMovie(const std::string& folder) const {
    if (face_.empty())
        return std::string();
    std::string path = folder + kSeparator + "tmp.swf";
    WriteWholeFile(path, face_.data(), face_.size());
    return path;
}

}  // namespace core
