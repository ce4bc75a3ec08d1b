#pragma once
// What the clock keeps between ticks and between runs so that no alarm is lost silently and
// none rings twice: the minute tracking, the snoozed alarms, and the small state file beside
// the alarm file that carries both across a restart.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/alarms/alarm_forecast.h"
#include "core/alarms/alarm_record.h"
#include "core/alarms/alarm_schedule.h"
#include "core/common/bytes.h"
#include "core/common/date_time.h"

namespace core {

class TAlarmDB;

// The state file's name, beside "Alarm.sav".
constexpr char kAlarmStateFileName[] = "Alarm.state";

// MinuteStamp × 60 plus the seconds (-1 outside the calendar): the snoozes' time line.
int64_t SecondStamp(TDateTime value);

struct TSnooze {
    int64_t due;  // second stamp
    TAlarmRecord alarm;
};

struct TMissedAlarm {
    TDateTime due;  // second 0 of its minute
    std::string title;
};

// One tick's work: the minutes whose alarms are tested and rung, the snoozed alarms that ring
// again, and what went by unwatched.
struct TWatchTick {
    TMinuteCheck check;
    std::vector<TAlarmRecord> snoozed;        // in the order they fell due
    std::vector<TMissedAlarm> missedSnoozes;  // snoozes that fell due unwatched
};

// The store's firings in the minutes [first, last] (minute stamps), oldest first, ties in
// store order; none when first > last.
std::vector<TAlarmFiring> MissedFirings(const TAlarmDB& db, int64_t first, int64_t last);

// Those firings as the "Missed alarms" popup lists them, with the tick's missed snoozes:
// oldest first, the store's alarms of one minute before the snoozes of that minute.
std::vector<TMissedAlarm> MissedAlarms(const TAlarmDB& db,
                                       int64_t first,
                                       int64_t last,
                                       const std::vector<TMissedAlarm>& snoozes = {});

class TAlarmWatch {
  public:
    static constexpr int kDefaultSnoozeMinutes = 5;
    // More would only come from a damaged or hostile file; the oldest goes first.
    static constexpr size_t kMaxSnoozes = 1024;

    TWatchTick Tick(TDateTime now);
    void MarkJump() { minutes_.MarkJump(); }

    // The alarm rings again `seconds` after `now`.
    void Snooze(const TAlarmRecord& alarm, TDateTime now, int64_t seconds);
    const std::vector<TSnooze>& Snoozes() const { return snoozes_; }
    // The earliest snooze still to come.
    const TSnooze* NextSnooze() const;

    // The state file: the last minute tested and the snoozes, checked by a sum. False (and a
    // watch that knows nothing, so nothing is offered as missed) for a missing, short, long or
    // damaged file.
    Bytes Encode() const;
    bool Decode(const uint8_t* data, size_t size);
    bool Load(const std::string& path);
    // Through the atomic writer; throws as it does. Remembers what it wrote.
    void Save(const std::string& path);
    // True when the file is behind: a snooze came or went, or another minute was tested
    // (which happens at most once a minute).
    bool NeedsSave() const {
        return snoozesChanged_ || (minutes_.Started() && minutes_.LastTested() != savedMinute_);
    }
    const TMinuteTracker& Minutes() const { return minutes_; }

  private:
    TMinuteTracker minutes_;
    std::vector<TSnooze> snoozes_;
    bool snoozesChanged_ = false;
    int64_t savedMinute_ = -1;
};

}  // namespace core
