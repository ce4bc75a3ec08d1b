#include "core/alarms/alarm_schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "alarm_test_files.h"
#include "core/alarms/alarm_db.h"

namespace {

using alarm_test::At;
using alarm_test::MakeAlarm;
using core::TAlarmRecord;
using core::TDateTime;

constexpr double kSecond = 1.0 / 86400;

TEST(SameHourMinute, IgnoresSecondsAndTheDate) {
    EXPECT_TRUE(core::SameHourMinute(At(2026, 1, 1, 10, 30), At(1999, 5, 5, 10, 30, 59, 999)));
    EXPECT_FALSE(core::SameHourMinute(At(2026, 1, 1, 10, 30), At(2026, 1, 1, 10, 31)));
    EXPECT_FALSE(core::SameHourMinute(At(2026, 1, 1, 10, 30), At(2026, 1, 1, 11, 30)));
    EXPECT_TRUE(core::SameHourMinute(-1.25, 0.25)) << "negative values: the fraction's magnitude";
    EXPECT_FALSE(core::SameHourMinute(std::nan(""), std::nan("")));
}

TEST(IsAlarmDue, EveryDayAtItsMinuteOnly) {
    const TAlarmRecord daily = MakeAlarm(core::atEveryDay, 10, 30, "d", At(1990, 1, 1));
    EXPECT_TRUE(core::IsAlarmDue(daily, At(2026, 12, 8, 10, 30, 0)));
    EXPECT_TRUE(core::IsAlarmDue(daily, At(2026, 2, 28, 10, 30, 0, 500)));
    EXPECT_FALSE(core::IsAlarmDue(daily, At(2026, 12, 8, 10, 29, 59, 999)));
    EXPECT_FALSE(core::IsAlarmDue(daily, At(2026, 12, 8, 10, 31, 0)));
    EXPECT_FALSE(core::IsAlarmDue(daily, At(2026, 12, 8, 22, 30, 0))) << "24-hour clock";
}

TEST(IsAlarmDue, OnceOnlyOnItsOwnDateYearIncluded) {
    const TAlarmRecord once = MakeAlarm(core::atOnce, 7, 0, "o", At(2026, 12, 24, 18, 45));
    EXPECT_TRUE(core::IsAlarmDue(once, At(2026, 12, 24, 7, 0))) << "the date's time is ignored";
    EXPECT_FALSE(core::IsAlarmDue(once, At(2027, 12, 24, 7, 0)));
    EXPECT_FALSE(core::IsAlarmDue(once, At(2026, 11, 24, 7, 0)));
    EXPECT_FALSE(core::IsAlarmDue(once, At(2026, 12, 25, 7, 0)));
    EXPECT_FALSE(core::IsAlarmDue(once, At(2026, 12, 24, 7, 1)));
}

TEST(IsAlarmDue, EveryWeekOnItsDayAndNeverWithoutOne) {
    // 13 December 2026 is a Sunday.
    auto firesOn = [](uint16_t weekDay) {
        std::vector<int> days;
        const TAlarmRecord weekly = MakeAlarm(core::atEveryWeek, 8, 15, "w", 0, weekDay);
        for (int d = 13; d < 13 + 14; ++d) {
            const TDateTime day = core::EncodeDate(2026, 12, 13) + (d - 13);
            if (core::IsAlarmDue(weekly, day + core::EncodeTime(8, 15, 0, 0)))
                days.push_back(d);
        }
        return days;
    };
    EXPECT_EQ(firesOn(0), std::vector<int>({13, 20}));
    EXPECT_EQ(firesOn(6), std::vector<int>({19, 26}));
    EXPECT_EQ(firesOn(3), std::vector<int>({16, 23}));
    EXPECT_TRUE(firesOn(7).empty());
    EXPECT_TRUE(firesOn(core::kNoWeekDay).empty()) << "65535 + 1 must not wrap to 0";
}

// Counts the days of the given years on which the alarm is due at its own minute.
std::map<int, int> DueDaysPerYear(const TAlarmRecord& alarm, int firstYear, int lastYear) {
    std::map<int, int> count;
    for (TDateTime day = core::EncodeDate(firstYear, 1, 1);
         day <= core::EncodeDate(lastYear, 12, 31); day += 1) {
        if (core::IsAlarmDue(alarm, day + alarm.AlarmTime())) {
            int y, m, d;
            core::DecodeDate(day, y, m, d);
            ++count[y];
        }
    }
    return count;
}

TEST(IsAlarmDue, EveryMonthSkipsMonthsWithoutItsDay) {
    const TAlarmRecord the31st = MakeAlarm(core::atEveryMonth, 9, 0, "m", At(2020, 1, 31));
    EXPECT_EQ(DueDaysPerYear(the31st, 2026, 2026)[2026], 7);
    const TAlarmRecord the30th = MakeAlarm(core::atEveryMonth, 9, 0, "m", At(2020, 4, 30));
    EXPECT_EQ(DueDaysPerYear(the30th, 2024, 2024)[2024], 11) << "February never has a 30th";
    const TAlarmRecord the29th = MakeAlarm(core::atEveryMonth, 9, 0, "m", At(2020, 4, 29));
    auto perYear = DueDaysPerYear(the29th, 2024, 2025);
    EXPECT_EQ(perYear[2024], 12);
    EXPECT_EQ(perYear[2025], 11);
    EXPECT_TRUE(core::IsAlarmDue(the31st, At(2026, 3, 31, 9, 0)));
    EXPECT_FALSE(core::IsAlarmDue(the31st, At(2026, 4, 30, 9, 0)));
}

TEST(IsAlarmDue, EveryYearOnItsMonthAndDayAndTheLeapDayInLeapYearsOnly) {
    const TAlarmRecord leap = MakeAlarm(core::atEveryYear, 0, 0, "y", At(2000, 2, 29));
    const auto perYear = DueDaysPerYear(leap, 2095, 2105);
    EXPECT_EQ(perYear, (std::map<int, int>{{2096, 1}, {2104, 1}})) << "2100 is no leap year";
    const TAlarmRecord birthday = MakeAlarm(core::atEveryYear, 12, 0, "y", At(1970, 6, 1));
    EXPECT_TRUE(core::IsAlarmDue(birthday, At(2026, 6, 1, 12, 0)));
    EXPECT_FALSE(core::IsAlarmDue(birthday, At(2026, 7, 1, 12, 0)));
    EXPECT_FALSE(core::IsAlarmDue(birthday, At(2026, 6, 2, 12, 0)));
}

TEST(IsAlarmDue, UnknownTypesAndUndecodableFieldsAreNeverDue) {
    const TDateTime now = At(2026, 12, 8, 10, 30);
    for (int type = 5; type < 256; ++type) {
        ASSERT_FALSE(core::IsAlarmDue(MakeAlarm(uint8_t(type), 10, 30, "x", now), now)) << type;
    }
    TAlarmRecord badTime = MakeAlarm(core::atEveryDay, 10, 30, "x");
    badTime.SetAlarmTime(std::nan(""));
    EXPECT_FALSE(core::IsAlarmDue(badTime, now));
    badTime.SetAlarmTime(HUGE_VAL);
    EXPECT_FALSE(core::IsAlarmDue(badTime, now));
    for (uint8_t type : {core::atOnce, core::atEveryMonth, core::atEveryYear}) {
        TAlarmRecord badDate = MakeAlarm(type, 10, 30, "x");
        badDate.SetAlarmDate(std::nan(""));
        EXPECT_FALSE(core::IsAlarmDue(badDate, now)) << int(type);
        badDate.SetAlarmDate(-1e9);
        EXPECT_FALSE(core::IsAlarmDue(badDate, now)) << int(type);
    }
    EXPECT_FALSE(core::IsAlarmDue(TAlarmRecord(), now)) << "a zero record";
    TAlarmRecord weeklyBadDate = MakeAlarm(core::atEveryWeek, 10, 30, "x", 0, 2);
    weeklyBadDate.SetAlarmDate(std::nan(""));
    EXPECT_TRUE(core::IsAlarmDue(weeklyBadDate, now)) << "a weekly alarm does not use its date";
}

TEST(DueAlarmIndices, ListsDueAlarmsInStoreOrder) {
    core::TAlarmDB db;
    db.InitDefaults();
    const TDateTime now = At(2026, 12, 8, 10, 30);
    db.AddAlarm(MakeAlarm(core::atEveryDay, 10, 30, "a"));
    db.AddAlarm(MakeAlarm(core::atEveryDay, 10, 31, "b"));
    db.AddAlarm(MakeAlarm(core::atOnce, 10, 30, "c", now));
    db.AddAlarm(MakeAlarm(core::atEveryWeek, 10, 30, "d", 0, 2));
    EXPECT_EQ(core::DueAlarmIndices(db, now), std::vector<uint16_t>({0, 2, 3}));
}

// Feeds tick times to a tracker; returns the tested minutes as "hh:mm".
std::vector<std::string> Track(core::TMinuteTracker& tracker, const std::vector<TDateTime>& ticks) {
    std::vector<std::string> tested;
    for (TDateTime t : ticks) {
        for (TDateTime minute : tracker.Tick(t)) {
            int h, m, s, ms;
            core::DecodeTime(minute, h, m, s, ms);
            EXPECT_EQ(s * 1000 + ms, 0) << "minutes are tested at their second 0";
            tested.push_back(core::FormatHourMinute(minute));
        }
    }
    return tested;
}

TEST(MinuteTracker, StartsWatchingAtTheFirstTick) {
    core::TMinuteTracker late, onTime;
    EXPECT_EQ(Track(late, {At(2026, 12, 8, 10, 29, 30), At(2026, 12, 8, 10, 29, 31)}),
              std::vector<std::string>{});
    EXPECT_EQ(Track(onTime, {At(2026, 12, 8, 10, 30, 0, 400)}), std::vector<std::string>{"10:30"});
}

TEST(MinuteTracker, ASkippedSecondZeroStillTestsItsMinuteOnce) {
    core::TMinuteTracker tracker;
    EXPECT_EQ(Track(tracker, {At(2026, 12, 8, 10, 29, 58, 990), At(2026, 12, 8, 10, 29, 59, 980),
                              At(2026, 12, 8, 10, 30, 1, 10), At(2026, 12, 8, 10, 30, 2, 0)}),
              std::vector<std::string>{"10:30"});
}

TEST(MinuteTracker, TwoTicksInSecondZeroTestOnce) {
    core::TMinuteTracker tracker;
    EXPECT_EQ(Track(tracker, {At(2026, 12, 8, 10, 29, 59, 500), At(2026, 12, 8, 10, 30, 0, 20),
                              At(2026, 12, 8, 10, 30, 0, 980), At(2026, 12, 8, 10, 30, 1, 500)}),
              std::vector<std::string>{"10:30"});
}

TEST(MinuteTracker, CatchesUpAFewMissedMinutesInOrder) {
    core::TMinuteTracker tracker;
    Track(tracker, {At(2026, 12, 8, 23, 57, 10)});
    EXPECT_EQ(Track(tracker, {At(2026, 12, 9, 0, 1, 40)}),
              std::vector<std::string>({"23:58", "23:59", "00:00", "00:01"}));
    const auto minutes = tracker.Tick(At(2026, 12, 9, 0, 2, 5));
    ASSERT_EQ(minutes.size(), 1u);
    EXPECT_EQ(minutes[0], At(2026, 12, 9, 0, 2)) << "tested against the minute's own date";
}

TEST(MinuteTracker, AClockJumpRestartsWithoutABurst) {
    core::TMinuteTracker tracker;
    Track(tracker, {At(2026, 12, 8, 10, 0, 30)});
    EXPECT_EQ(Track(tracker, {At(2026, 12, 8, 14, 0, 30), At(2026, 12, 8, 14, 1, 0, 300)}),
              std::vector<std::string>({"14:00", "14:01"}))
        << "forward: the hours in between are not fired, the current minute is";
    EXPECT_EQ(Track(tracker, {At(2026, 12, 8, 9, 0, 0, 100), At(2026, 12, 8, 9, 1, 0, 100)}),
              std::vector<std::string>({"09:00", "09:01"}))
        << "set back an hour: the minutes come again";
}

TEST(MinuteTracker, ASmallStepBackDoesNotFireTwice) {
    core::TMinuteTracker tracker;
    EXPECT_EQ(Track(tracker, {At(2026, 12, 8, 10, 30, 0, 200), At(2026, 12, 8, 10, 29, 59, 400),
                              At(2026, 12, 8, 10, 30, 0, 400), At(2026, 12, 8, 10, 31, 0, 50)}),
              std::vector<std::string>({"10:30", "10:31"}));
    core::TMinuteTracker back3;
    EXPECT_EQ(Track(back3, {At(2026, 12, 8, 10, 30, 0), At(2026, 12, 8, 10, 27, 0),
                            At(2026, 12, 8, 10, 30, 0), At(2026, 12, 8, 10, 31, 0)}),
              std::vector<std::string>({"10:30", "10:31"}));
}

// A day of ticks from a timer that drifts, stalls now and then and sometimes fires twice in a
// second: every daily alarm fires exactly once.
TEST(MinuteTracker, EveryAlarmOfADayFiresExactlyOnceUnderAJitteryTimer) {
    core::TAlarmDB db;
    db.InitDefaults();
    for (int m = 0; m < 24 * 60; m += 7)
        db.AddAlarm(MakeAlarm(core::atEveryDay, m / 60, m % 60, ""));
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> jitter(-40, 60), event(0, 99);
    std::vector<int> fired(db.Count(), 0);
    core::TMinuteTracker tracker;
    const TDateTime start = At(2026, 12, 7, 23, 59, 59), end = At(2026, 12, 9, 0, 0, 5);
    int64_t ms = 0;
    for (TDateTime now = start; now < end; now = start + double(ms) / 86400000) {
        for (TDateTime minute : tracker.Tick(now))
            for (uint16_t i : core::DueAlarmIndices(db, minute))
                if (core::EncodeDate(2026, 12, 8) <= minute &&
                    minute < core::EncodeDate(2026, 12, 9))
                    ++fired[i];
        const int e = event(rng);
        ms += e < 3 ? 2500 : e < 6 ? 120 : 1000 + jitter(rng);
    }
    for (size_t i = 0; i < fired.size(); ++i)
        ASSERT_EQ(fired[i], 1) << "alarm " << i;
}

TEST(NextSecond, CountsTheMillisecondsToTheBoundary) {
    EXPECT_EQ(core::MillisecondsToNextSecond(At(2026, 12, 8, 10, 30, 0, 250)), 750);
    EXPECT_EQ(core::MillisecondsToNextSecond(At(2026, 12, 8, 10, 30, 0, 999)), 1);
    EXPECT_EQ(core::MillisecondsToNextSecond(At(2026, 12, 8, 10, 30, 5, 0)), 1000);
    EXPECT_EQ(core::MillisecondsToNextSecond(At(2026, 12, 8, 23, 59, 59, 600) + kSecond / 2), 900);
}

}  // namespace
