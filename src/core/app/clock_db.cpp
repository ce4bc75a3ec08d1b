#include "core/app/clock_db.h"

#include <algorithm>
#include <fstream>

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

namespace {

// Reads a design straight from its file, so that bytes after the sound are never loaded and a
// stored size is checked against the file's length before anything is reserved.
class FileReader {
  public:
    explicit FileReader(const std::string& path) : in_(path, std::ios::binary) {
        if (!in_)
            throw CannotOpenFile(path, SystemErrorText());
        in_.seekg(0, std::ios::end);
        std::streamoff end = in_.tellg();
        in_.seekg(0, std::ios::beg);
        if (!in_ || end < 0)
            throw StreamReadError();
        size_ = uint64_t(end);
    }

    uint64_t Remaining() const { return size_ - pos_; }

    void ReadBuffer(uint8_t* out, size_t count) {
        size_t n = size_t(std::min<uint64_t>(count, Remaining()));
        Read(out, n);
        if (n != count)
            throw StreamReadError();
    }

    void CopyTo(Bytes& out, size_t count) {
        if (count > Remaining())
            throw StreamReadError();
        size_t old = out.size();
        out.resize(old + count);
        Read(out.data() + old, count);
    }

  private:
    void Read(uint8_t* out, size_t n) {
        in_.read(reinterpret_cast<char*>(out), std::streamsize(n));
        if (size_t(in_.gcount()) != n)
            throw StreamReadError();
        pos_ += n;
    }

    std::ifstream in_;
    uint64_t size_ = 0;
    uint64_t pos_ = 0;
};

}  // namespace

template <typename Reader>
void TClockDB::ReadFrom(Reader& in) {
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

void TClockDB::ReadDesign(const std::string& path) {
    if (!FileExists(path))
        return;
    FileReader in(path);
    ReadFrom(in);
}

void TClockDB::ReadDesignFrom(const uint8_t* data, size_t size) {
    ByteReader in(data, size);
    ReadFrom(in);
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
