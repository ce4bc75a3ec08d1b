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

// What one check of the clock asks for: the minutes to test now, and the minutes that went by
// unwatched, whose alarms are to be offered as missed rather than rung.
struct TMinuteCheck {
    std::vector<TDateTime> minutes;  // second 0 of each, oldest first
    int64_t missedFirst = 0;         // minute stamps, inclusive; none when first > last
    int64_t missedLast = -1;
    bool AnyMissed() const { return missedFirst <= missedLast; }
};

// Decides, tick by tick, which minutes are to be tested, so that every minute is tested
// exactly once even when the timer skips second 0, fires twice within it, or the clock moves:
// - Without a minute tested before (the first start, or a state that could not be read) the
//   tracking starts at the current minute; that minute is tested only when the tick falls
//   into its second 0, because the program was not watching when it began.
// - Afterwards each tick in a minute not yet tested tests it. Up to kMaxCatchUpMinutes minutes
//   skipped by a late timer are tested too, oldest first, each against its own time at
//   second 0. More skipped minutes, or any after MarkJump (sleep, a clock change) or
//   ResumeFrom (the time the program was not running), went by unwatched: they are reported
//   as missed, at most kLookBackMinutes of them, and only the current minute is tested.
// - A clock moved back tests nothing until it passes the last tested minute again, so the
//   hour repeated at the end of daylight saving time rings nothing twice. Moved back by more
//   than kRestartBackMinutes, it is a deliberate change and the tracking starts over from the
//   new time. Three hours lie above every daylight saving shift in use (at most two hours)
//   and any time-sync correction, and below a changed time zone or a wrongly set day.
class TMinuteTracker {
  public:
    static constexpr int64_t kMaxCatchUpMinutes = 5;
    static constexpr int64_t kLookBackMinutes = 24 * 60;
    static constexpr int64_t kRestartBackMinutes = 3 * 60;

    TMinuteCheck Check(TDateTime now);
    // The minutes (date-time values at second 0, oldest first) to test at this tick.
    std::vector<TDateTime> Tick(TDateTime now) { return Check(now).minutes; }
    void Reset() { started_ = false; }
    // Goes on from a minute tested by an earlier run; the minutes since went by unwatched.
    void ResumeFrom(int64_t lastTested);
    // The clock changed or the computer slept: minutes skipped until the next check went by
    // unwatched, however few.
    void MarkJump() { jumped_ = true; }

    bool Started() const { return started_; }
    int64_t LastTested() const { return lastTested_; }

  private:
    TMinuteCheck Restart(TDateTime now, int64_t minute);

    bool started_ = false;
    bool jumped_ = false;
    int64_t lastTested_ = 0;  // minute stamp
};

// Milliseconds from `now` to the next whole second (1..1000), for timers that keep in step
// with the clock's seconds.
int MillisecondsToNextSecond(TDateTime now);

}  // namespace core
