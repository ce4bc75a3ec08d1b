#include "core/common/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/common/errors.h"

namespace {

using core::TDateTime;

struct Ymd {
    int y, m, d;
};

Ymd DateOf(TDateTime v) {
    Ymd r{};
    core::DecodeDate(v, r.y, r.m, r.d);
    return r;
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(core::IsLeapYear(2000));
    EXPECT_TRUE(core::IsLeapYear(2024));
    EXPECT_FALSE(core::IsLeapYear(1900));
    EXPECT_FALSE(core::IsLeapYear(2100));
    EXPECT_FALSE(core::IsLeapYear(2026));
    EXPECT_EQ(core::DaysInMonth(2024, 2), 29);
    EXPECT_EQ(core::DaysInMonth(2100, 2), 28);
    EXPECT_EQ(core::DaysInMonth(2026, 4), 30);
    EXPECT_EQ(core::DaysInMonth(2026, 12), 31);
    EXPECT_EQ(core::DaysInMonth(2026, 13), 0);
    EXPECT_TRUE(core::IsValidDate(2024, 2, 29));
    EXPECT_FALSE(core::IsValidDate(2023, 2, 29));
    EXPECT_FALSE(core::IsValidDate(2026, 4, 31));
    EXPECT_FALSE(core::IsValidDate(0, 1, 1));
    EXPECT_FALSE(core::IsValidDate(10000, 1, 1));
    EXPECT_FALSE(core::IsValidDate(2026, 0, 1));
    EXPECT_FALSE(core::IsValidDate(2026, 1, 0));
}

TEST(Calendar, KnownDayCounts) {
    EXPECT_EQ(core::EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(core::EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(core::EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(core::EncodeDate(2026, 12, 8), 46364.0);
    EXPECT_EQ(core::EncodeDate(1, 1, 1), core::kMinDateTime);
    EXPECT_EQ(core::EncodeDate(9999, 12, 31), core::kMaxDateTime - 1);
}

// Every day of the calendar decodes back to the date it was made from, and consecutive day
// counts are consecutive dates, so encoder and decoder cannot share one mistake unnoticed.
TEST(Calendar, EveryDayRoundTripsAndFollowsTheDayBefore) {
    Ymd prev{1, 1, 0};
    for (double v = core::kMinDateTime; v < core::kMaxDateTime; v += 1) {
        const Ymd cur = DateOf(v);
        Ymd expect{prev.y, prev.m, prev.d + 1};
        if (expect.d > core::DaysInMonth(expect.y, expect.m)) {
            expect.d = 1;
            if (++expect.m > 12) {
                expect.m = 1;
                ++expect.y;
            }
        }
        ASSERT_TRUE(cur.y == expect.y && cur.m == expect.m && cur.d == expect.d)
            << "value " << v << " decoded as " << cur.y << "-" << cur.m << "-" << cur.d;
        ASSERT_EQ(core::EncodeDate(cur.y, cur.m, cur.d), v);
        prev = cur;
    }
    EXPECT_EQ(prev.y, 9999);
}

TEST(Calendar, DayOfWeekCountsFromSunday) {
    EXPECT_EQ(core::DayOfWeek(0.0), 7);  // 30 December 1899 was a Saturday
    EXPECT_EQ(core::DayOfWeek(core::EncodeDate(2026, 12, 8)), 3);   // Tuesday
    EXPECT_EQ(core::DayOfWeek(core::EncodeDate(2026, 12, 13)), 1);  // Sunday
    EXPECT_EQ(core::DayOfWeek(core::EncodeDate(2000, 2, 29)), 3);
    EXPECT_EQ(core::DayOfWeek(core::EncodeDate(1, 1, 1)), 2);  // a Monday
    EXPECT_EQ(core::DayOfWeek(-1.5), 6);                       // 29 December 1899, Friday
    EXPECT_EQ(core::DayOfWeek(core::EncodeDate(2026, 12, 8) + 0.99), 3) << "time ignored";
    EXPECT_EQ(core::DayOfWeek(std::nan("")), 0);
    EXPECT_EQ(core::DayOfWeek(1e12), 0);
}

TEST(Calendar, BadPartsAreRefusedWithTheUserText) {
    try {
        core::EncodeDate(2023, 2, 29);
        FAIL() << "no error";
    } catch (const core::AppError& e) {
        EXPECT_STREQ(e.what(), "Invalid argument to date encode");
    }
    try {
        core::EncodeTime(24, 0, 0, 0);
        FAIL() << "no error";
    } catch (const core::AppError& e) {
        EXPECT_STREQ(e.what(), "Invalid argument to time encode");
    }
    TDateTime out = 42;
    EXPECT_FALSE(core::TryEncodeTime(10, 60, 0, 0, out));
    EXPECT_FALSE(core::TryEncodeTime(10, 0, 0, 1000, out));
    EXPECT_FALSE(core::TryEncodeTime(-1, 0, 0, 0, out));
    EXPECT_EQ(out, 42);
}

TEST(TimeOfDay, EncodesAndDecodesToTheMillisecond) {
    EXPECT_EQ(core::EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(core::EncodeTime(6, 0, 0, 0), 0.25);
    for (int ms = 0; ms < 86400000; ms += 7919) {
        const int h = ms / 3600000, m = ms / 60000 % 60, s = ms / 1000 % 60, x = ms % 1000;
        int h2, m2, s2, x2;
        core::DecodeTime(core::EncodeTime(h, m, s, x) + 45000, h2, m2, s2, x2);
        ASSERT_TRUE(h == h2 && m == m2 && s == s2 && x == x2) << ms;
    }
}

TEST(TimeOfDay, RoundsToTheMillisecondBeforeSplitting) {
    int y, mo, d, h, m, s, ms;
    const TDateTime almost = 45000 + 0.99999999999;
    core::DecodeDate(almost, y, mo, d);
    core::DecodeTime(almost, h, m, s, ms);
    EXPECT_EQ(core::EncodeDate(y, mo, d), 45001.0) << "a hair below midnight is the next day";
    EXPECT_EQ(h + m + s + ms, 0);
    core::DecodeTime(core::EncodeTime(10, 30, 59, 999) + 4e-10, h, m, s, ms);
    EXPECT_EQ(ms, 999) << "rounding stays inside the millisecond";
}

TEST(TimeOfDay, NegativeValuesKeepTheTimeInTheFractionsMagnitude) {
    int y, mo, d, h, m, s, ms;
    core::DecodeDate(-1.25, y, mo, d);
    core::DecodeTime(-1.25, h, m, s, ms);
    EXPECT_EQ(y * 10000 + mo * 100 + d, 18991229);
    EXPECT_EQ(h, 6);
    core::DecodeDate(-0.75, y, mo, d);
    core::DecodeTime(-0.75, h, m, s, ms);
    EXPECT_EQ(y * 10000 + mo * 100 + d, 18991230) << "the whole part is truncated to zero";
    EXPECT_EQ(h, 18);
    EXPECT_EQ(core::ComposeDateTime(-1, 0.25), -1.25);
    EXPECT_EQ(core::ComposeDateTime(3, 0.25), 3.25);
    EXPECT_EQ(core::ComposeDateTime(3.9, -2.25), 3.25) << "date and time parts only";
}

TEST(TimeOfDay, ValuesThatDoNotDecodeAreReportedAndZeroed) {
    const double bad[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 1e300, -1e300};
    for (double v : bad) {
        int y = 9, mo = 9, d = 9, h = 9, m = 9, s = 9, ms = 9;
        EXPECT_FALSE(core::TryDecodeDate(v, y, mo, d));
        EXPECT_FALSE(core::TryDecodeTime(v, h, m, s, ms));
        EXPECT_EQ(y + mo + d + h + m + s + ms, 0);
        EXPECT_EQ(core::MinuteStamp(v), -1);
    }
    int y, mo, d;
    EXPECT_FALSE(core::TryDecodeDate(core::kMinDateTime - 1, y, mo, d)) << "year 0";
    EXPECT_FALSE(core::TryDecodeDate(core::kMaxDateTime, y, mo, d)) << "year 10000";
    int h, m, s, ms;
    EXPECT_TRUE(core::TryDecodeTime(5e6 + 0.5, h, m, s, ms)) << "a time far outside the calendar";
    EXPECT_EQ(h, 12);
}

TEST(MinuteStamps, RiseWithRealTimeAndRoundTrip) {
    const TDateTime base = core::EncodeDate(2026, 12, 31) + core::EncodeTime(23, 59, 30, 0);
    const int64_t stamp = core::MinuteStamp(base);
    EXPECT_EQ(core::MinuteStamp(base + 30.0 / 86400), stamp + 1) << "across the year's end";
    EXPECT_EQ(core::MinuteStampToDateTime(stamp), base - 30.0 / 86400);
    EXPECT_LT(core::MinuteStamp(-1.25), core::MinuteStamp(-1.75)) << "06:00 before 18:00";
    EXPECT_LT(core::MinuteStamp(-1.75), core::MinuteStamp(-0.25)) << "the 29th before the 30th";
    for (TDateTime v : {-2.75, -1.25, 0.0, 0.5, 45000.125}) {
        const int64_t s = core::MinuteStamp(v);
        EXPECT_EQ(core::MinuteStamp(core::MinuteStampToDateTime(s)), s) << v;
        EXPECT_EQ(core::MinuteStampToDateTime(s), v) << v;
    }
}

TEST(TextForms, AreStrict) {
    TDateTime v = 0;
    EXPECT_TRUE(core::ParseIsoDate("2024-02-29", v));
    EXPECT_EQ(core::FormatIsoDate(v), "2024-02-29");
    for (const char* bad : {"2023-02-29", "2024-2-29", "2024/02/29", "02024-02-29", "",
                            "2024-02-2x", "0000-01-01", "2024-13-01"}) {
        EXPECT_FALSE(core::ParseIsoDate(bad, v)) << bad;
    }
    int h = -1, m = -1;
    EXPECT_TRUE(core::ParseHourMinute("07:05", h, m));
    EXPECT_EQ(h * 100 + m, 705);
    for (const char* bad : {"24:00", "7:05", "07:60", "07-05", "07:05:00", "ab:cd"}) {
        EXPECT_FALSE(core::ParseHourMinute(bad, h, m)) << bad;
    }
    EXPECT_EQ(core::FormatHourMinute(core::EncodeTime(7, 5, 59, 0)), "07:05");
    EXPECT_EQ(core::FormatIsoDate(std::nan("")), "0000-00-00");
}

}  // namespace
