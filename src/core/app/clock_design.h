#pragma once
// The fixed-size records of the executable trailer and the clock design file, kept as the raw
// bytes they are stored as, with typed accessors named after their fields.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/bytes.h"
#include "core/widgets/alert_types.h"

namespace core {

// Raw record storage with little-endian field access at fixed offsets.
template <size_t N>
class FixedRecord {
  public:
    static constexpr size_t kSize = N;
    std::array<uint8_t, N> bytes{};

    const uint8_t* data() const { return bytes.data(); }
    uint8_t* data() { return bytes.data(); }
    bool operator==(const FixedRecord& o) const { return bytes == o.bytes; }
    bool operator!=(const FixedRecord& o) const { return bytes != o.bytes; }

  protected:
    uint8_t U8(size_t at) const { return bytes[at]; }
    uint16_t U16(size_t at) const { return GetU16(&bytes[at]); }
    uint32_t U32(size_t at) const { return GetU32(&bytes[at]); }
    int32_t I32(size_t at) const { return GetI32(&bytes[at]); }
    std::string Text(size_t at, size_t width) const { return GetFixedText(&bytes[at], width); }
    void SetU8(size_t at, uint8_t v) { bytes[at] = v; }
    void SetU16(size_t at, uint16_t v) { PutU16(&bytes[at], v); }
    void SetU32(size_t at, uint32_t v) { PutU32(&bytes[at], v); }
    void SetI32(size_t at, int32_t v) { PutI32(&bytes[at], v); }
    // Zero-fills the whole field first so that no stale bytes follow the text.
    bool SetText(size_t at, size_t width, const std::string& s) {
        std::fill(bytes.begin() + at, bytes.begin() + at + width, uint8_t(0));
        return PutFixedText(&bytes[at], width, s);
    }
};

// Field offsets and widths, byte for byte as stored.
namespace trailer_field {
constexpr size_t kDesignName = 32, kDesignNameWidth = 32;
}
namespace header_field {
constexpr size_t kMagic = 0, kMagicWidth = 5;
constexpr size_t kClockName = 5, kClockNameWidth = 64;
constexpr size_t kAuthor = 69, kAuthorWidth = 32;
constexpr size_t kEmail = 101, kEmailWidth = 64;
constexpr size_t kWebSite = 165, kWebSiteWidth = 64;
}  // namespace header_field
namespace clock_field {
constexpr size_t kFaceSize = 4;
constexpr size_t kFaceExt = 8, kFaceExtWidth = 6;
constexpr size_t kTransColor = 16;
constexpr size_t kFaceLeft = 20, kFaceTop = 24, kFaceWidth = 28, kFaceHeight = 32;
constexpr size_t kLedLeft = 36, kLedTop = 40;
constexpr size_t kAlphaValue = 44, kLedHidden = 46, kCutShape = 47;
constexpr size_t kLedBGColor = 48, kLedLightColor = 52;
constexpr size_t kLedThick = 56, kLedWordWidth = 58, kLedWordHeight = 60, kLedSpace = 62;
constexpr size_t kLedOffSetX = 64, kLedOffSetY = 66;
}  // namespace clock_field
namespace font_field {
constexpr size_t kCharset = 0, kColor = 4, kHeight = 8;
constexpr size_t kName = 12, kNameWidth = 128;
constexpr size_t kPitch = 140, kSize = 144, kStyle = 148;
}  // namespace font_field
namespace alert_field {
constexpr size_t kAlertStyle = 0;
constexpr size_t kCaptionFrom = 4, kCaptionTo = 8, kWindowFrom = 16, kWindowTo = 20;
constexpr size_t kMessageFont = 24, kHeaderFont = 176;
constexpr size_t kUseDuration = 328, kDurationSeconds = 332, kAlertPosition = 336;
constexpr size_t kAlertLeft = 340, kAlertTop = 344, kAlertWidth = 348, kAlertHeight = 352;
constexpr size_t kSoundName = 356, kSoundNameWidth = 32;
constexpr size_t kSoundSize = 392;
}  // namespace alert_field

// The last 64 bytes of the executable: names the design file beside it.
class ExeTrailer : public FixedRecord<64> {
  public:
    std::string DesignName() const {
        return Text(trailer_field::kDesignName, trailer_field::kDesignNameWidth);
    }
    bool SetDesignName(const std::string& s) {
        return SetText(trailer_field::kDesignName, trailer_field::kDesignNameWidth, s);
    }
};

// File name (without folder) of the clock design file named by the trailer.
std::string DesignFileName(const ExeTrailer& trailer);
// The trailer of an executable image held in memory: its last 64 bytes.
// Throws StreamReadError when there are fewer.
ExeTrailer TrailerFrom(const uint8_t* data, size_t size);
// Reads the last 64 bytes of the file at `path`. Throws CannotOpenFile / StreamReadError.
ExeTrailer ReadExeTrailer(const std::string& path);

class DesignHeader : public FixedRecord<230> {
  public:
    std::string Magic() const { return Text(header_field::kMagic, header_field::kMagicWidth); }
    std::string ClockName() const {
        return Text(header_field::kClockName, header_field::kClockNameWidth);
    }
    std::string Author() const { return Text(header_field::kAuthor, header_field::kAuthorWidth); }
    std::string Email() const { return Text(header_field::kEmail, header_field::kEmailWidth); }
    std::string WebSite() const {
        return Text(header_field::kWebSite, header_field::kWebSiteWidth);
    }
    bool SetMagic(const std::string& s) {
        return SetText(header_field::kMagic, header_field::kMagicWidth, s);
    }
    bool SetClockName(const std::string& s) {
        return SetText(header_field::kClockName, header_field::kClockNameWidth, s);
    }
    bool SetAuthor(const std::string& s) {
        return SetText(header_field::kAuthor, header_field::kAuthorWidth, s);
    }
    bool SetEmail(const std::string& s) {
        return SetText(header_field::kEmail, header_field::kEmailWidth, s);
    }
    bool SetWebSite(const std::string& s) {
        return SetText(header_field::kWebSite, header_field::kWebSiteWidth, s);
    }
};

constexpr char kDesignMagic[] = "ZQM";

class ClockRecord : public FixedRecord<68> {
  public:
    uint32_t FaceSize() const { return U32(clock_field::kFaceSize); }
    std::string FaceExt() const { return Text(clock_field::kFaceExt, clock_field::kFaceExtWidth); }
    uint32_t TransColor() const { return U32(clock_field::kTransColor); }
    int32_t FaceLeft() const { return I32(clock_field::kFaceLeft); }
    int32_t FaceTop() const { return I32(clock_field::kFaceTop); }
    int32_t FaceWidth() const { return I32(clock_field::kFaceWidth); }
    int32_t FaceHeight() const { return I32(clock_field::kFaceHeight); }
    int32_t LedLeft() const { return I32(clock_field::kLedLeft); }
    int32_t LedTop() const { return I32(clock_field::kLedTop); }
    uint8_t AlphaValue() const { return U8(clock_field::kAlphaValue); }
    uint8_t LedHidden() const { return U8(clock_field::kLedHidden); }
    uint8_t CutShape() const { return U8(clock_field::kCutShape); }
    uint32_t LedBGColor() const { return U32(clock_field::kLedBGColor); }
    uint32_t LedLightColor() const { return U32(clock_field::kLedLightColor); }
    uint16_t LedThick() const { return U16(clock_field::kLedThick); }
    uint16_t LedWordWidth() const { return U16(clock_field::kLedWordWidth); }
    uint16_t LedWordHeight() const { return U16(clock_field::kLedWordHeight); }
    uint16_t LedSpace() const { return U16(clock_field::kLedSpace); }
    uint16_t LedOffSetX() const { return U16(clock_field::kLedOffSetX); }
    uint16_t LedOffSetY() const { return U16(clock_field::kLedOffSetY); }
    // A movie face is chosen by the extension ".swf" in any letter case.
    bool IsMovieFace() const;

    void SetFaceSize(uint32_t v) { SetU32(clock_field::kFaceSize, v); }
    bool SetFaceExt(const std::string& s) {
        return SetText(clock_field::kFaceExt, clock_field::kFaceExtWidth, s);
    }
    void SetTransColor(uint32_t v) { SetU32(clock_field::kTransColor, v); }
    void SetFaceLeft(int32_t v) { SetI32(clock_field::kFaceLeft, v); }
    void SetFaceTop(int32_t v) { SetI32(clock_field::kFaceTop, v); }
    void SetFaceWidth(int32_t v) { SetI32(clock_field::kFaceWidth, v); }
    void SetFaceHeight(int32_t v) { SetI32(clock_field::kFaceHeight, v); }
    void SetLedLeft(int32_t v) { SetI32(clock_field::kLedLeft, v); }
    void SetLedTop(int32_t v) { SetI32(clock_field::kLedTop, v); }
    void SetAlphaValue(uint8_t v) { SetU8(clock_field::kAlphaValue, v); }
    void SetLedHidden(uint8_t v) { SetU8(clock_field::kLedHidden, v); }
    void SetCutShape(uint8_t v) { SetU8(clock_field::kCutShape, v); }
    void SetLedBGColor(uint32_t v) { SetU32(clock_field::kLedBGColor, v); }
    void SetLedLightColor(uint32_t v) { SetU32(clock_field::kLedLightColor, v); }
    void SetLedThick(uint16_t v) { SetU16(clock_field::kLedThick, v); }
    void SetLedWordWidth(uint16_t v) { SetU16(clock_field::kLedWordWidth, v); }
    void SetLedWordHeight(uint16_t v) { SetU16(clock_field::kLedWordHeight, v); }
    void SetLedSpace(uint16_t v) { SetU16(clock_field::kLedSpace, v); }
    void SetLedOffSetX(uint16_t v) { SetU16(clock_field::kLedOffSetX, v); }
    void SetLedOffSetY(uint16_t v) { SetU16(clock_field::kLedOffSetY, v); }
};

// Style bits of a font record.
constexpr uint8_t fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;
// Pitch values of a font record.
constexpr uint8_t fpDefault = 0, fpVariable = 1, fpFixed = 2;

class FontRecord : public FixedRecord<152> {
  public:
    uint8_t Charset() const { return U8(font_field::kCharset); }
    uint32_t Color() const { return U32(font_field::kColor); }
    int32_t Height() const { return I32(font_field::kHeight); }
    std::string Name() const { return Text(font_field::kName, font_field::kNameWidth); }
    uint8_t Pitch() const { return U8(font_field::kPitch); }
    int32_t Size() const { return I32(font_field::kSize); }
    uint8_t Style() const { return U8(font_field::kStyle); }

    void SetCharset(uint8_t v) { SetU8(font_field::kCharset, v); }
    void SetColor(uint32_t v) { SetU32(font_field::kColor, v); }
    void SetHeight(int32_t v) { SetI32(font_field::kHeight, v); }
    bool SetName(const std::string& s) {
        return SetText(font_field::kName, font_field::kNameWidth, s);
    }
    void SetPitch(uint8_t v) { SetU8(font_field::kPitch, v); }
    void SetSize(int32_t v) { SetI32(font_field::kSize, v); }
    void SetStyle(uint8_t v) { SetU8(font_field::kStyle, v); }
};

// Alert styles and popup positions as stored in the alert record: core/widgets/alert_types.h.

class AlertRecord : public FixedRecord<396> {
  public:
    uint8_t AlertStyle() const { return U8(alert_field::kAlertStyle); }
    uint32_t CaptionFrom() const { return U32(alert_field::kCaptionFrom); }
    uint32_t CaptionTo() const { return U32(alert_field::kCaptionTo); }
    uint32_t WindowFrom() const { return U32(alert_field::kWindowFrom); }
    uint32_t WindowTo() const { return U32(alert_field::kWindowTo); }
    FontRecord MessageFont() const { return FontAt(alert_field::kMessageFont); }
    FontRecord HeaderFont() const { return FontAt(alert_field::kHeaderFont); }
    uint8_t UseDuration() const { return U8(alert_field::kUseDuration); }
    int32_t DurationSeconds() const { return I32(alert_field::kDurationSeconds); }
    uint8_t AlertPosition() const { return U8(alert_field::kAlertPosition); }
    int32_t AlertLeft() const { return I32(alert_field::kAlertLeft); }
    int32_t AlertTop() const { return I32(alert_field::kAlertTop); }
    int32_t AlertWidth() const { return I32(alert_field::kAlertWidth); }
    int32_t AlertHeight() const { return I32(alert_field::kAlertHeight); }
    std::string SoundName() const {
        return Text(alert_field::kSoundName, alert_field::kSoundNameWidth);
    }
    uint32_t SoundSize() const { return U32(alert_field::kSoundSize); }

    void SetAlertStyle(uint8_t v) { SetU8(alert_field::kAlertStyle, v); }
    void SetCaptionFrom(uint32_t v) { SetU32(alert_field::kCaptionFrom, v); }
    void SetCaptionTo(uint32_t v) { SetU32(alert_field::kCaptionTo, v); }
    void SetWindowFrom(uint32_t v) { SetU32(alert_field::kWindowFrom, v); }
    void SetWindowTo(uint32_t v) { SetU32(alert_field::kWindowTo, v); }
    void SetMessageFont(const FontRecord& f) { PutFont(alert_field::kMessageFont, f); }
    void SetHeaderFont(const FontRecord& f) { PutFont(alert_field::kHeaderFont, f); }
    void SetUseDuration(uint8_t v) { SetU8(alert_field::kUseDuration, v); }
    void SetDurationSeconds(int32_t v) { SetI32(alert_field::kDurationSeconds, v); }
    void SetAlertPosition(uint8_t v) { SetU8(alert_field::kAlertPosition, v); }
    void SetAlertLeft(int32_t v) { SetI32(alert_field::kAlertLeft, v); }
    void SetAlertTop(int32_t v) { SetI32(alert_field::kAlertTop, v); }
    void SetAlertWidth(int32_t v) { SetI32(alert_field::kAlertWidth, v); }
    void SetAlertHeight(int32_t v) { SetI32(alert_field::kAlertHeight, v); }
    bool SetSoundName(const std::string& s) {
        return SetText(alert_field::kSoundName, alert_field::kSoundNameWidth, s);
    }
    void SetSoundSize(uint32_t v) { SetU32(alert_field::kSoundSize, v); }

  private:
    FontRecord FontAt(size_t at) const;
    void PutFont(size_t at, const FontRecord& f);
};

// File offsets of the parts of a clock design file.
constexpr size_t kDesignHeaderOffset = 0;
constexpr size_t kClockRecordOffset = DesignHeader::kSize;
constexpr size_t kAlertRecordOffset = kClockRecordOffset + ClockRecord::kSize;
constexpr size_t kFaceStreamOffset = kAlertRecordOffset + AlertRecord::kSize;
static_assert(kFaceStreamOffset == 694, "design file layout");

// A whole design as it is stored: the records, then the face and sound streams. The stored
// sizes are kept as they stand, so a design may describe streams it does not carry.
struct ClockDesign {
    DesignHeader Header;
    ClockRecord Clock;
    AlertRecord Alert;
    Bytes Face;
    Bytes Sound;
};

// The file bytes of a design: records and streams in file order.
Bytes BuildDesignFile(const ClockDesign& design);

// Only the file-name part of a stored name, so that a design cannot make us write outside the
// folder we choose: no folders, no drive, no "." or "..". Empty when nothing usable is left.
std::string SafeFileName(const std::string& name);

}  // namespace core
