#pragma once
// When alarms fall due, and which minutes the once-a-second tick tests.
#include <cstdint>
#include <vector>

#include "core/alarms/alarm_record.h"
#include "core/common/date_time.h"

namespace core {

class TAlarmDB;

// Same hour and same minute of the day; seconds and milliseconds do not count. False when
// either value is not a finite date-time.
bool SameHourMinute(TDateTime a, TDateTime b);

// The due rules, against the given moment (the clock window passes the current time):
//   Once         year, month and day of AlarmDate are those of now, and the same hour:minute
//   Every day    the same hour:minute
//   Every week   DayOfWeek(now) == WeekDay + 1 (no 16-bit wrap: 65535 matches no day)
//   Every month  the day of the month of AlarmDate is that of now
//   Every year   month and day of AlarmDate are those of now
//   other types  never due
// A date or time field that does not decode (NaN, outside years 1..9999) is never due.
bool IsAlarmDue(const TAlarmRecord& alarm, TDateTime now);

// Store indices of the alarms due at `now`, in store order.
std::vector<uint16_t> DueAlarmIndices(const TAlarmDB& db, TDateTime now);

// Decides, tick by tick, which minutes are to be tested, so that every minute is tested
// exactly once even when the timer skips second 0 or fires twice within it:
// - The tracking starts at the first tick (and again after the clock jumped) at the current
//   minute; that minute is tested only when the tick falls into its second 0, because the
//   program was not watching when it began.
// - Afterwards each tick in a minute not yet tested tests it, and also any minutes skipped
//   since the last tested one (a delayed or suspended timer), oldest first, each against its
//   own time at second 0.
// - A clock moved forwards by more than kMaxCatchUpMinutes restarts the tracking instead of
//   firing a burst of old alarms; a clock moved back by no more than that tests nothing until
//   it passes the last tested minute again (no double firing after a time sync); moved back
//   further, it restarts the tracking.
class TMinuteTracker {
  public:
    static constexpr int64_t kMaxCatchUpMinutes = 5;

    // The minutes (date-time values at second 0, oldest first) to test at this tick.
    std::vector<TDateTime> Tick(TDateTime now);
    void Reset() { started_ = false; }

  private:
    std::vector<TDateTime> Restart(TDateTime now, int64_t minute);

    bool started_ = false;
    int64_t lastTested_ = 0;  // minute stamp
};

// Milliseconds from `now` to the next whole second (1..1000), for timers that keep in step
// with the clock's seconds.
int MillisecondsToNextSecond(TDateTime now);

}  // namespace core
