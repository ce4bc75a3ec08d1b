#pragma once
// Date-time values: double day counts. The whole part counts days since 30 December 1899, the
// fraction is the time of day. A negative value keeps its date in the whole part (truncated
// towards zero) and its time in the fraction's absolute value, so -1.25 is 29 December 1899,
// 06:00. Every decoding rounds to the millisecond first, so 0.99999999999 is the next midnight.
#include <cstdint>
#include <string>

namespace core {

using TDateTime = double;

constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerDay = 24 * 60;
constexpr int64_t kMSecsPerDay = 24LL * 60 * 60 * 1000;
// Days from 1 January 0001 to 30 December 1899: the day stamp of the value 0.0.
constexpr int64_t kDateDelta = 693594;

// Calendar values decode only between 1 January 0001 and 31 December 9999; times decode from
// any finite value whose millisecond count fits 64 bits.
constexpr double kMinDateTime = -693593.0;  // 0001-01-01 00:00
constexpr double kMaxDateTime = 2958466.0;  // 10000-01-01 00:00, exclusive

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int msec);

// Throw AppError "Invalid argument to date encode" / "... time encode" on bad parts.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
// A date and a time of day joined by the sign rule above (the time adds to a non-negative date
// and subtracts from a negative one).
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// False (and zero parts) for values outside the calendar, NaN or infinities.
bool TryDecodeDate(TDateTime value, int& year, int& month, int& day);
bool TryDecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);
// As the Try forms; values that do not decode give all parts 0.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);

// 1 Sunday .. 7 Saturday; 0 for a value outside the calendar.
int DayOfWeek(TDateTime value);

// Whole minutes since 1 January 0001 00:00, rising with real time also for negative values;
// -1 for a value outside the calendar. The inverse gives the value at second 0 of the minute.
int64_t MinuteStamp(TDateTime value);
TDateTime MinuteStampToDateTime(int64_t stamp);

// "YYYY-MM-DD" and "HH:MM", strict (fixed widths, valid parts). False on anything else.
bool ParseIsoDate(const std::string& text, TDateTime& result);
bool ParseHourMinute(const std::string& text, int& hour, int& minute);
std::string FormatIsoDate(TDateTime value);  // "0000-00-00" when it does not decode
std::string FormatHourMinute(TDateTime value);

}  // namespace core
