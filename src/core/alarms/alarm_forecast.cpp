#include "core/alarms/alarm_forecast.h"

#include <queue>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_schedule.h"

namespace core {
namespace {

// Days since 1 January 0001 (that day being 1) and back, on the calendar's whole days.
int64_t DayStampOf(int year, int month, int day) {
    return int64_t(EncodeDate(year, month, day)) + kDateDelta;
}

void DateOfDayStamp(int64_t stamp, int& year, int& month, int& day) {
    DecodeDate(TDateTime(stamp - kDateDelta), year, month, day);
}

// Walks the days on which one alarm's type rule can hold, in order. The day rule is only a
// fast filter: every candidate is still checked by IsAlarmDue.
class TCandidateDays {
  public:
    TCandidateDays(const TAlarmRecord& alarm, int64_t lastDay) : lastDay_(lastDay) {
        type_ = alarm.AlarmType();
        int y, m, d;
        if (type_ == atOnce || type_ == atEveryMonth || type_ == atEveryYear) {
            if (!TryDecodeDate(alarm.AlarmDate(), y, m, d))
                type_ = kNever;
            year_ = y;
            month_ = m;
            day_ = d;
        }
        if (type_ == atEveryWeek) {
            const int weekDay = int(alarm.WeekDay()) + 1;
            if (weekDay > 7)
                type_ = kNever;
            day_ = weekDay;
        }
        if (type_ > atEveryYear)
            type_ = kNever;
    }

    // The first candidate day at or after `from`; -1 when there is none up to the last day.
    int64_t FirstFrom(int64_t from) const {
        int64_t found = -1;
        switch (type_) {
            case atOnce: {
                const int64_t only = DayStampOf(year_, month_, day_);
                found = only >= from ? only : -1;
                break;
            }
            case atEveryDay:
                found = from;
                break;
            case atEveryWeek: {
                const int dayOfWeek = int(from % 7) + 1;  // day stamp 1 was a Monday
                found = from + (day_ - dayOfWeek + 7) % 7;
                break;
            }
            case atEveryMonth:
                found = MonthlyFrom(from);
                break;
            case atEveryYear:
                found = YearlyFrom(from);
                break;
            default:
                break;
        }
        return found > lastDay_ ? -1 : found;
    }

  private:
    static constexpr uint8_t kNever = 255;

    int64_t MonthlyFrom(int64_t from) const {
        int y, m, d;
        DateOfDayStamp(from, y, m, d);
        if (d > day_)
            NextMonth(y, m);
        // A day 31 skips the shorter months; some month within three has it.
        while (y <= 9999 && day_ > DaysInMonth(y, m))
            NextMonth(y, m);
        return y <= 9999 ? DayStampOf(y, m, day_) : -1;
    }

    int64_t YearlyFrom(int64_t from) const {
        int y, m, d;
        DateOfDayStamp(from, y, m, d);
        if (m > month_ || (m == month_ && d > day_))
            ++y;
        // 29 February waits for a leap year, at most eight years away.
        while (y <= 9999 && !IsValidDate(y, month_, day_))
            ++y;
        return y <= 9999 ? DayStampOf(y, month_, day_) : -1;
    }

    static void NextMonth(int& y, int& m) {
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }

    uint8_t type_;
    int year_ = 0, month_ = 0, day_ = 0;
    int64_t lastDay_;
};

struct TPending {
    int64_t minute;
    uint16_t index;
    bool operator>(const TPending& other) const {
        return minute != other.minute ? minute > other.minute : index > other.index;
    }
};

// The minute stamp `years` years after `minute`, a 29 February becoming the 28th; capped at
// the calendar's end.
int64_t YearsLater(int64_t minute, int years) {
    int y, m, d;
    DateOfDayStamp(minute / kMinutesPerDay, y, m, d);
    y += years;
    if (y > 9999)
        return (DayStampOf(9999, 12, 31) + 1) * kMinutesPerDay;
    if (d > DaysInMonth(y, m))
        d = DaysInMonth(y, m);
    return DayStampOf(y, m, d) * kMinutesPerDay + minute % kMinutesPerDay;
}

}  // namespace

void ForEachFiring(const TAlarmDB& db,
                   TDateTime from,
                   int years,
                   const std::function<bool(const TAlarmFiring&)>& take) {
    const int64_t start = MinuteStamp(from);
    if (start < 0 || years <= 0)
        return;
    const int64_t end = YearsLater(start, years);
    const int64_t lastDay = (end - 1) / kMinutesPerDay;

    std::vector<TCandidateDays> days;
    std::vector<int> minuteOfDay;
    days.reserve(db.Count());
    minuteOfDay.reserve(db.Count());
    std::priority_queue<TPending, std::vector<TPending>, std::greater<TPending>> queue;

    // Pushes the alarm's first candidate minute at or after `after`.
    auto schedule = [&](uint16_t index, int64_t after) {
        int64_t day = days[index].FirstFrom(after / kMinutesPerDay);
        if (day >= 0 && day * kMinutesPerDay + minuteOfDay[index] < after)
            day = days[index].FirstFrom(day + 1);
        if (day < 0)
            return;
        const int64_t minute = day * kMinutesPerDay + minuteOfDay[index];
        if (minute < end)
            queue.push({minute, index});
    };

    for (unsigned i = 0; i < db.Count(); ++i) {
        const TAlarmRecord alarm = db.GetAlarm(i);
        int h, m, s, ms;
        const bool timeOk = TryDecodeTime(alarm.AlarmTime(), h, m, s, ms);
        days.emplace_back(alarm, timeOk ? lastDay : -1);
        minuteOfDay.push_back(h * 60 + m);
        if (timeOk)
            schedule(uint16_t(i), start);
    }

    while (!queue.empty()) {
        const TPending next = queue.top();
        queue.pop();
        const TDateTime when = MinuteStampToDateTime(next.minute);
        if (IsAlarmDue(db.GetAlarm(next.index), when) && !take({when, next.index}))
            return;
        schedule(next.index, next.minute + 1);
    }
}

std::vector<TAlarmFiring> NextFirings(const TAlarmDB& db, TDateTime from, size_t count, int years) {
    std::vector<TAlarmFiring> firings;
    if (count == 0)
        return firings;
    ForEachFiring(db, from, years, [&](const TAlarmFiring& f) {
        firings.push_back(f);
        return firings.size() < count;
    });
    return firings;
}

}  // namespace core
