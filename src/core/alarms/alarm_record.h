#pragma once
// One alarm: 352 bytes at fixed offsets, the same in memory, in the alarm file, in the editor
// and where the tick hands an alarm on. The bytes are the record; the accessors read and write
// them in place, so fields a type does not use and the padding survive every edit.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/bytes.h"

namespace core {

enum TAlarmType : uint8_t {
    atOnce = 0,
    atEveryDay = 1,
    atEveryWeek = 2,
    atEveryMonth = 3,
    atEveryYear = 4,
};

// The week day of a weekly alarm for which no day was chosen; it matches no day.
constexpr uint16_t kNoWeekDay = 65535;

class TAlarmRecord {
  public:
    static constexpr size_t kSize = 352;
    static constexpr size_t kTypeOffset = 0;
    static constexpr size_t kTimeOffset = 8;
    static constexpr size_t kDateOffset = 16;
    static constexpr size_t kWeekDayOffset = 24;
    static constexpr size_t kTitleOffset = 26;
    static constexpr size_t kTitleWidth = 64;
    static constexpr size_t kToDoOffset = 90;
    static constexpr size_t kToDoWidth = 256;

    // A newly made record: every byte zero.
    TAlarmRecord() : bytes_{} {}
    // Copies kSize bytes from `source`.
    static TAlarmRecord FromBytes(const uint8_t* source);

    uint8_t AlarmType() const { return bytes_[kTypeOffset]; }
    double AlarmTime() const { return GetF64(&bytes_[kTimeOffset]); }
    double AlarmDate() const { return GetF64(&bytes_[kDateOffset]); }
    uint16_t WeekDay() const { return GetU16(&bytes_[kWeekDayOffset]); }
    std::string Title() const { return GetFixedText(&bytes_[kTitleOffset], kTitleWidth); }
    std::string ToDoText() const { return GetFixedText(&bytes_[kToDoOffset], kToDoWidth); }

    void SetAlarmType(uint8_t type) { bytes_[kTypeOffset] = type; }
    void SetAlarmTime(double time) { PutF64(&bytes_[kTimeOffset], time); }
    void SetAlarmDate(double date) { PutF64(&bytes_[kDateOffset], date); }
    void SetWeekDay(uint16_t day) { PutU16(&bytes_[kWeekDayOffset], day); }
    // Texts longer than the field are cut to its width (then without terminator); the bytes
    // after a terminator keep their old values. Return false when the text was cut.
    bool SetTitle(const std::string& title) {
        return PutFixedText(&bytes_[kTitleOffset], kTitleWidth, title);
    }
    bool SetToDoText(const std::string& text) {
        return PutFixedText(&bytes_[kToDoOffset], kToDoWidth, text);
    }

    const uint8_t* data() const { return bytes_.data(); }
    uint8_t* data() { return bytes_.data(); }
    const std::array<uint8_t, kSize>& bytes() const { return bytes_; }

    bool operator==(const TAlarmRecord& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const TAlarmRecord& other) const { return bytes_ != other.bytes_; }

  private:
    std::array<uint8_t, kSize> bytes_;
};

static_assert(TAlarmRecord::kToDoOffset + TAlarmRecord::kToDoWidth + 6 == TAlarmRecord::kSize,
              "the record ends with six bytes of padding");

// "Once", "Every day", "Every week", "Every month", "Every year"; "" for any other type.
const char* AlarmTypeName(uint8_t type);

}  // namespace core
