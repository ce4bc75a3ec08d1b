#include "core/alarms/alarm_schedule.h"

#include <algorithm>

#include "core/alarms/alarm_db.h"

namespace core {
namespace {

struct DateParts {
    int year = 0, month = 0, day = 0;
};

bool DecodeParts(TDateTime value, DateParts& parts) {
    return TryDecodeDate(value, parts.year, parts.month, parts.day);
}

}  // namespace

bool SameHourMinute(TDateTime a, TDateTime b) {
    int ha, ma, hb, mb, s, ms;
    if (!TryDecodeTime(a, ha, ma, s, ms) || !TryDecodeTime(b, hb, mb, s, ms))
        return false;
    return ha == hb && ma == mb;
}

bool IsAlarmDue(const TAlarmRecord& alarm, TDateTime now) {
    const uint8_t type = alarm.AlarmType();
    if (type > atEveryYear)
        return false;
    if (!SameHourMinute(now, alarm.AlarmTime()))
        return false;
    if (type == atEveryDay)
        return true;
    if (type == atEveryWeek)
        return DayOfWeek(now) == int(alarm.WeekDay()) + 1;
    DateParts today, date;
    if (!DecodeParts(now, today) || !DecodeParts(alarm.AlarmDate(), date))
        return false;
    switch (type) {
        case atOnce:
            return date.year == today.year && date.month == today.month && date.day == today.day;
        case atEveryMonth:
            return date.day == today.day;
        default:  // atEveryYear
            return date.month == today.month && date.day == today.day;
    }
}

std::vector<uint16_t> DueAlarmIndices(const TAlarmDB& db, TDateTime now) {
    std::vector<uint16_t> due;
    const unsigned count = db.Count();
    for (unsigned i = 0; i < count; ++i)
        if (IsAlarmDue(db.GetAlarm(i), now))
            due.push_back(uint16_t(i));
    return due;
}

TMinuteCheck TMinuteTracker::Restart(TDateTime now, int64_t minute) {
    started_ = true;
    jumped_ = false;
    lastTested_ = minute;
    TMinuteCheck check;
    int h, m, s, ms;
    DecodeTime(now, h, m, s, ms);
    if (s == 0)
        check.minutes.push_back(MinuteStampToDateTime(minute));
    return check;
}

void TMinuteTracker::ResumeFrom(int64_t lastTested) {
    started_ = lastTested >= 0;
    lastTested_ = lastTested;
    jumped_ = true;
}

TMinuteCheck TMinuteTracker::Check(TDateTime now) {
    const int64_t minute = MinuteStamp(now);
    if (minute < 0)
        return {};  // a clock outside the calendar tests nothing
    if (!started_)
        return Restart(now, minute);
    const int64_t ahead = minute - lastTested_;
    if (ahead == 0)
        return {};
    if (ahead < 0) {
        if (-ahead > kRestartBackMinutes)
            return Restart(now, minute);
        jumped_ = false;  // the minutes to come are watched again
        return {};
    }
    TMinuteCheck check;
    int64_t first = lastTested_ + 1;
    if (jumped_ || ahead - 1 > kMaxCatchUpMinutes) {
        check.missedFirst = std::max(first, minute - kLookBackMinutes);
        check.missedLast = minute - 1;
        first = minute;
    }
    for (int64_t m = first; m <= minute; ++m)
        check.minutes.push_back(MinuteStampToDateTime(m));
    lastTested_ = minute;
    jumped_ = false;
    return check;
}

int MillisecondsToNextSecond(TDateTime now) {
    int h, m, s, ms;
    DecodeTime(now, h, m, s, ms);
    return 1000 - ms;
}

}  // namespace core
