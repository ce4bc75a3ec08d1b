#include "core/alarms/alarm_forecast.h"

#include <gtest/gtest.h>

#include <cmath>

#include "alarm_test_files.h"
#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_schedule.h"

namespace {

using alarm_test::At;
using alarm_test::MakeAlarm;
using core::TAlarmDB;
using core::TAlarmFiring;
using core::TDateTime;

std::vector<std::pair<int64_t, uint16_t>> AsStamps(const std::vector<TAlarmFiring>& firings) {
    std::vector<std::pair<int64_t, uint16_t>> out;
    for (const auto& f : firings)
        out.push_back({core::MinuteStamp(f.when), f.index});
    return out;
}

// Alarms on the awkward days: month ends, the leap day, week days at both ends and none, odd
// types and fields that do not decode.
TAlarmDB AwkwardStore() {
    TAlarmDB db;
    db.InitDefaults();
    db.AddAlarm(MakeAlarm(core::atEveryMonth, 23, 59, "31st", At(2001, 1, 31)));
    db.AddAlarm(MakeAlarm(core::atEveryMonth, 0, 0, "30th", At(2001, 9, 30, 13)));
    db.AddAlarm(MakeAlarm(core::atEveryYear, 6, 0, "leap", At(2000, 2, 29)));
    db.AddAlarm(MakeAlarm(core::atEveryYear, 6, 0, "new year", At(1999, 1, 1)));
    db.AddAlarm(MakeAlarm(core::atEveryWeek, 7, 30, "sunday", 0, 0));
    db.AddAlarm(MakeAlarm(core::atEveryWeek, 7, 30, "saturday", 0, 6));
    db.AddAlarm(MakeAlarm(core::atEveryWeek, 7, 30, "no day", 0, core::kNoWeekDay));
    db.AddAlarm(MakeAlarm(core::atOnce, 12, 0, "once", At(2027, 3, 1)));
    db.AddAlarm(MakeAlarm(core::atOnce, 12, 0, "past", At(2020, 3, 1)));
    db.AddAlarm(MakeAlarm(9, 12, 0, "odd type", At(2027, 3, 1)));
    db.AddAlarm(MakeAlarm(core::atEveryDay, 23, 59, "daily"));
    core::TAlarmRecord nan = MakeAlarm(core::atEveryDay, 1, 0, "nan");
    nan.SetAlarmTime(std::nan(""));
    db.AddAlarm(nan);
    core::TAlarmRecord tail = MakeAlarm(core::atEveryYear, 0, 0, "nan date");
    tail.SetAlarmDate(std::nan(""));
    db.AddAlarm(tail);
    return db;
}

// Every minute of a stretch that holds month ends, a leap day and a year's end, tested the slow
// way, gives the same firings as the day-by-day search.
TEST(NextFirings, AgreesWithAMinuteByMinuteScan) {
    const TAlarmDB db = AwkwardStore();
    const TDateTime from = At(2027, 12, 30, 23, 58, 40);
    const int64_t first = core::MinuteStamp(from);
    const int64_t last = core::MinuteStamp(At(2028, 3, 2));
    std::vector<std::pair<int64_t, uint16_t>> expect;
    for (int64_t m = first; m < last; ++m) {
        for (uint16_t i : core::DueAlarmIndices(db, core::MinuteStampToDateTime(m)))
            expect.push_back({m, i});
    }
    ASSERT_GT(expect.size(), 80u);
    const auto got = AsStamps(core::NextFirings(db, from, expect.size() + 1000, 1));
    ASSERT_GE(got.size(), expect.size());
    using Firings = std::vector<std::pair<int64_t, uint16_t>>;
    EXPECT_EQ(Firings(got.begin(), got.begin() + expect.size()), expect);
    EXPECT_GE(got[expect.size()].first, last);
}

TEST(NextFirings, IncludesTheStartingMinuteAndOrdersTiesByIndex) {
    TAlarmDB db;
    db.InitDefaults();
    db.AddAlarm(MakeAlarm(core::atEveryDay, 10, 30, "b"));
    db.AddAlarm(MakeAlarm(core::atEveryDay, 9, 0, "a"));
    db.AddAlarm(MakeAlarm(core::atOnce, 10, 30, "c", At(2026, 12, 8)));
    const auto firings = core::NextFirings(db, At(2026, 12, 8, 10, 30, 45), 4);
    ASSERT_EQ(firings.size(), 4u);
    EXPECT_EQ(firings[0].when, At(2026, 12, 8, 10, 30));
    EXPECT_EQ(firings[0].index, 0);
    EXPECT_EQ(firings[1].index, 2);
    EXPECT_EQ(firings[2].when, At(2026, 12, 9, 9, 0));
    EXPECT_EQ(firings[2].index, 1);
    EXPECT_EQ(firings[3].when, At(2026, 12, 9, 10, 30));
}

TEST(NextFirings, LooksTenYearsAheadAndNoFurther) {
    TAlarmDB db;
    db.InitDefaults();
    db.AddAlarm(MakeAlarm(core::atOnce, 8, 0, "inside", At(2036, 12, 8)));
    db.AddAlarm(MakeAlarm(core::atOnce, 8, 0, "outside", At(2036, 12, 9)));
    db.AddAlarm(MakeAlarm(core::atEveryYear, 8, 0, "leap", At(2000, 2, 29)));
    const auto firings = core::NextFirings(db, At(2026, 12, 8, 8, 1), 100);
    ASSERT_EQ(firings.size(), 4u);
    EXPECT_EQ(firings[0].when, At(2028, 2, 29, 8, 0));
    EXPECT_EQ(firings[1].when, At(2032, 2, 29, 8, 0));
    EXPECT_EQ(firings[2].when, At(2036, 2, 29, 8, 0));
    EXPECT_EQ(firings[3].when, At(2036, 12, 8, 8, 0));
    EXPECT_EQ(firings[3].index, 0);
    EXPECT_EQ(core::NextFirings(db, At(2026, 12, 8, 8, 0), 100).size(), 3u)
        << "the same minute ten years later is outside";
    const auto later = core::NextFirings(db, At(2096, 3, 1), 1);
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(later[0].when, At(2104, 2, 29, 8, 0)) << "2100 is no leap year";
}

TEST(NextFirings, StopsAtTheCountAndAtTheCalendarsEnd) {
    TAlarmDB db;
    db.InitDefaults();
    EXPECT_TRUE(core::NextFirings(db, At(2026, 1, 1), 10).empty());
    db.AddAlarm(MakeAlarm(core::atEveryDay, 0, 0, "midnight"));
    EXPECT_EQ(core::NextFirings(db, At(2026, 1, 1), 7).size(), 7u);
    EXPECT_TRUE(core::NextFirings(db, At(2026, 1, 1), 0).empty());
    const auto end = core::NextFirings(db, At(9999, 12, 29, 12, 0), 10);
    ASSERT_EQ(end.size(), 2u);
    EXPECT_EQ(end[1].when, At(9999, 12, 31));
    EXPECT_TRUE(core::NextFirings(db, std::nan(""), 10).empty());
}

TEST(NextFirings, HandlesAFullStoreQuickly) {
    TAlarmDB db;
    db.InitDefaults();
    for (unsigned i = 0; i < TAlarmDB::kMaxAlarms; ++i) {
        const uint8_t type = uint8_t(i % 6);
        db.AddAlarm(MakeAlarm(type, int(i % 24), int(i % 60), "", At(2020, 1 + i % 12, 1 + i % 28),
                              uint16_t(i % 8)));
    }
    const auto firings = core::NextFirings(db, At(2026, 12, 8), 2000);
    ASSERT_EQ(firings.size(), 2000u);
    for (size_t k = 1; k < firings.size(); ++k) {
        const bool ordered =
            firings[k - 1].when < firings[k].when ||
            (firings[k - 1].when == firings[k].when && firings[k - 1].index < firings[k].index);
        ASSERT_TRUE(ordered) << k;
    }
    for (const auto& f : firings)
        ASSERT_TRUE(core::IsAlarmDue(db.GetAlarm(f.index), f.when));
}

}  // namespace
