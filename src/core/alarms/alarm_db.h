#pragma once
// TAlarmDB: the user's alarms and the two stored options, in memory and in the alarm file.
// File layout: a 10-byte header (magic "ZQM" and a zero byte, one more magic byte, one padding
// byte, the 16-bit count, the auto-run byte, the always-on-top byte) and then `Count` records
// of 352 bytes. The header is kept byte for byte as read, so bytes we do not interpret
// survive a load and a save. No operation saves by itself: callers that change the store call
// SaveToFile afterwards.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/alarms/alarm_record.h"
#include "core/common/bytes.h"
#include "core/common/file_io.h"

namespace core {

class TAlarmDB {
  public:
    static constexpr size_t kHeaderSize = 10;
    static constexpr size_t kCountOffset = 6;
    static constexpr size_t kAutoRunOffset = 8;
    static constexpr size_t kShowOnTipOffset = 9;
    static constexpr unsigned kMaxAlarms = 65535;

    // An empty store: all header bytes zero, no records.
    TAlarmDB();

    // Magic letters and a zero byte, Count 0, AutoRun off, ShowOnTip on, no records. The fifth
    // magic byte and the padding byte are left as they are.
    void InitDefaults();

    // A missing file leaves the store unchanged. Throws FileError ("Cannot open file ...") when
    // the file cannot be opened, StreamError ("Stream read error") when it is shorter than the
    // header (no alarms then) or than its records (the records read, then zero-filled ones).
    // A file whose first four bytes are not the magic yields no alarms; its header bytes are
    // kept as read, with the count set to 0.
    void LoadFromFile(const std::string& path);
    // The same rules for a file already in memory.
    void LoadFromBytes(const uint8_t* data, size_t size);

    // Writes header and records through an atomic replace: on failure (FileError "Cannot
    // create file ...", StreamError "Stream write error") the old file stays whole and the
    // store keeps its memory state.
    void SaveToFile(const std::string& path);

    // Another program (alarmtool, a second clock) may write the file while we hold it. When
    // the file at `path` is no longer the one this store last read or wrote (another identity,
    // size or write time), it is read again and replaces the memory; returns true then. A file
    // that is gone, cannot be read now or is not an alarm store leaves the memory as it is
    // (and is looked at again next time). Callers ask before they use or change the alarms.
    bool ReloadIfChanged(const std::string& path);
    // Counts the reloads that replaced the memory, so that a view of the alarms can tell that
    // its rows are stale.
    unsigned Generation() const { return generation_; }
    // The exact bytes SaveToFile writes.
    Bytes SaveToBytes() const;

    // Throws AppError "Cannot add more than 65535 alarms" when the store is full.
    void AddAlarm(const TAlarmRecord& alarm);
    // Indices out of range throw AppError "List index out of bounds (N)".
    void DeleteAlarm(unsigned index);
    void SetAlarm(const TAlarmRecord& alarm, unsigned index);
    TAlarmRecord GetAlarm(unsigned index) const;

    void SetAutoRun(bool on);
    void SetShowOnTip(bool on);

    uint16_t Count() const { return GetU16(&header_[kCountOffset]); }
    // Any byte other than 0 counts as on.
    bool AutoRun() const { return header_[kAutoRunOffset] != 0; }
    bool ShowOnTip() const { return header_[kShowOnTipOffset] != 0; }

    // True when the first four header bytes are the magic letters and a zero byte.
    bool HasMagic() const;
    // True when the last load met a file that is not an alarm store (a foreign magic); the
    // store then holds the defaults.
    bool ForeignFile() const { return foreign_; }
    const std::array<uint8_t, kHeaderSize>& Header() const { return header_; }

    // The records as one block of Count * 352 bytes, in store order.
    const uint8_t* RecordData() const { return records_.data(); }

  private:
    bool foreign_ = false;
    FileStamp stamp_;  // of the file last read or written
    unsigned generation_ = 0;
    void SetCount(size_t count);
    void CheckIndex(unsigned index) const;

    std::array<uint8_t, kHeaderSize> header_;
    Bytes records_;
};

}  // namespace core
