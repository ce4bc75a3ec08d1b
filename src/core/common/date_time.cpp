#include "core/common/date_time.h"

#include <cmath>
#include <cstdio>

#include "core/common/errors.h"

namespace core {
namespace {

constexpr int kMonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};
constexpr int kDaysPer400Years = 146097;
constexpr int kDaysPer100Years = 36524;
constexpr int kDaysPer4Years = 1461;
// Past this the millisecond count would not fit 64 bits.
constexpr double kMaxTimeMagnitude = 1e11;
// Day stamps (days since 1 January 0001, that day being 1) of the decodable calendar.
constexpr int64_t kMinDayStamp = 1;
constexpr int64_t kMaxDayStamp = 3652059;  // 31 December 9999

// Splits a value into its day stamp and its milliseconds of the day. Rounds to the millisecond
// before splitting so that a time a hair below midnight belongs to the next day.
bool SplitValue(TDateTime value, int64_t& dayStamp, int64_t& msOfDay) {
    if (!std::isfinite(value) || std::fabs(value) > kMaxTimeMagnitude)
        return false;
    const int64_t ms = static_cast<int64_t>(std::nearbyint(value * double(kMSecsPerDay)));
    const int64_t magnitude = ms < 0 ? -ms : ms;
    const int64_t days = magnitude / kMSecsPerDay;
    dayStamp = kDateDelta + (ms < 0 ? -days : days);
    msOfDay = magnitude % kMSecsPerDay;
    return true;
}

bool CalendarDayStamp(TDateTime value, int64_t& dayStamp, int64_t& msOfDay) {
    return SplitValue(value, dayStamp, msOfDay) && dayStamp >= kMinDayStamp &&
           dayStamp <= kMaxDayStamp;
}

void DayStampToDate(int64_t dayStamp, int& year, int& month, int& day) {
    int64_t t = dayStamp - 1;
    int y = 1;
    y += int(t / kDaysPer400Years) * 400;
    t %= kDaysPer400Years;
    int64_t c = t / kDaysPer100Years;
    if (c == 4)
        c = 3;  // the last day of a 400-year cycle
    t -= c * kDaysPer100Years;
    y += int(c) * 100;
    y += int(t / kDaysPer4Years) * 4;
    t %= kDaysPer4Years;
    int64_t n = t / 365;
    if (n == 4)
        n = 3;  // the leap day closing a 4-year cycle
    t -= n * 365;
    y += int(n);
    const int* lengths = kMonthDays[IsLeapYear(y) ? 1 : 0];
    int m = 0;
    while (t >= lengths[m])
        t -= lengths[m++];
    year = y;
    month = m + 1;
    day = int(t) + 1;
}

int64_t DateToDayStamp(int year, int month, int day) {
    const int* lengths = kMonthDays[IsLeapYear(year) ? 1 : 0];
    int64_t d = day;
    for (int m = 0; m < month - 1; ++m)
        d += lengths[m];
    const int64_t i = year - 1;
    return i * 365 + i / 4 - i / 100 + i / 400 + d;
}

}  // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12)
        return 0;
    return kMonthDays[IsLeapYear(year) ? 1 : 0][month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int msec) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 &&
           msec >= 0 && msec < 1000;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (!IsValidDate(year, month, day))
        return false;
    result = double(DateToDayStamp(year, month, day) - kDateDelta);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result) {
    if (!IsValidTime(hour, minute, second, msec))
        return false;
    const int64_t ms = ((int64_t(hour) * 60 + minute) * 60 + second) * 1000 + msec;
    result = double(ms) / double(kMSecsPerDay);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result))
        throw AppError("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime result;
    if (!TryEncodeTime(hour, minute, second, msec, result))
        throw AppError("Invalid argument to time encode");
    return result;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    const double whole = std::trunc(date);
    const double fraction = std::fabs(time - std::trunc(time));
    return whole < 0 ? whole - fraction : whole + fraction;
}

bool TryDecodeDate(TDateTime value, int& year, int& month, int& day) {
    int64_t dayStamp, msOfDay;
    if (!CalendarDayStamp(value, dayStamp, msOfDay)) {
        year = month = day = 0;
        return false;
    }
    DayStampToDate(dayStamp, year, month, day);
    return true;
}

bool TryDecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
    int64_t dayStamp, ms;
    if (!SplitValue(value, dayStamp, ms)) {
        hour = minute = second = msec = 0;
        return false;
    }
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
    msec = int(ms % 1000);
    return true;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    TryDecodeDate(value, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
    TryDecodeTime(value, hour, minute, second, msec);
}

int DayOfWeek(TDateTime value) {
    int64_t dayStamp, msOfDay;
    if (!CalendarDayStamp(value, dayStamp, msOfDay))
        return 0;
    // Day stamp 1 (1 January 0001) was a Monday.
    return int(dayStamp % 7) + 1;
}

int64_t MinuteStamp(TDateTime value) {
    int64_t dayStamp, msOfDay;
    if (!CalendarDayStamp(value, dayStamp, msOfDay))
        return -1;
    return dayStamp * kMinutesPerDay + msOfDay / 60000;
}

TDateTime MinuteStampToDateTime(int64_t stamp) {
    const double date = double(stamp / kMinutesPerDay - kDateDelta);
    const double time = double(stamp % kMinutesPerDay) / kMinutesPerDay;
    return date < 0 ? date - time : date + time;
}

namespace {

bool ReadDigits(const std::string& text, size_t pos, size_t count, int& value) {
    if (pos + count > text.size())
        return false;
    value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

bool ParseIsoDate(const std::string& text, TDateTime& result) {
    int y, m, d;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    if (!ReadDigits(text, 0, 4, y) || !ReadDigits(text, 5, 2, m) || !ReadDigits(text, 8, 2, d))
        return false;
    return TryEncodeDate(y, m, d, result);
}

bool ParseHourMinute(const std::string& text, int& hour, int& minute) {
    int h, m;
    if (text.size() != 5 || text[2] != ':')
        return false;
    if (!ReadDigits(text, 0, 2, h) || !ReadDigits(text, 3, 2, m))
        return false;
    if (!IsValidTime(h, m, 0, 0))
        return false;
    hour = h;
    minute = m;
    return true;
}

std::string FormatIsoDate(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

std::string FormatHourMinute(TDateTime value) {
    int h, m, s, ms;
    DecodeTime(value, h, m, s, ms);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", h, m);
    return buf;
}

}  // namespace core
