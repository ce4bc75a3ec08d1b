#pragma once
// Reads a clock design file into its three records and its face and sound streams, and hands
// the streams out as files or as a picture.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/clock_design.h"
#include "core/common/bitmap.h"
#include "core/common/bytes.h"

namespace core {

// A design file holds a picture or a movie and a sound, far below this; nothing larger is read.
constexpr uint64_t kMaxDesignFileSize = uint64_t(1) << 30;

// A read-only view of bytes with a position; reading past the end fails with
// "Stream read error" after copying what was there, as the records keep what was read so far.
class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t Remaining() const { return size_ - pos_; }
    size_t Position() const { return pos_; }
    void ReadBuffer(uint8_t* out, size_t count);
    // Appends exactly `count` bytes to `out`. Checks the length first, so that a stored length
    // larger than the data left never reserves memory.
    void CopyTo(Bytes& out, size_t count);

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

class TClockDB {
  public:
    TClockDB() = default;

    // Reads the design at `path`; a missing file changes nothing. Throws CannotOpenFile,
    // StreamReadError (short file).
    void ReadDesign(const std::string& path);
    // The same, from bytes in memory (the whole file).
    void ReadDesignFrom(const uint8_t* data, size_t size);

    // Writes the sound stream into `folder` (which ends with its separator) under the file-name
    // part of `SoundName` and returns the full path; "" when there is no sound or no usable name.
    std::string SaveSound(const std::string& folder) const;
    // Decodes the face stream into `bitmap`; an empty stream leaves it as it is.
    // Throws AppError("Bitmap image is not valid").
    void LoadFacePicture(Bitmap& bitmap) const;
    // Writes the face stream as folder + separator + "tmp.swf" and returns that path; "" when
    // there is no face stream.
    std::string SaveFaceMovie(const std::string& folder) const;

    const Bytes& FaceStream() const { return face_; }
    const Bytes& SoundStream() const { return sound_; }

    DesignHeader Header;
    ClockRecord Clock;
    AlertRecord Alert;

  private:
    // The reading steps, over memory or over the file itself.
    template <typename Reader>
    void ReadFrom(Reader& in);

    Bytes face_;
    Bytes sound_;
};

}  // namespace core
