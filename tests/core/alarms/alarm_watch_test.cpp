#include "core/alarms/alarm_watch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm_test_files.h"
#include "core/alarms/alarm_db.h"
#include "core/common/file_io.h"

namespace {

using alarm_test::At;
using alarm_test::MakeAlarm;
using alarm_test::TempFile;
using core::TDateTime;

constexpr double kSecond = 1.0 / 86400;

core::TAlarmDB Store(const std::vector<core::TAlarmRecord>& alarms) {
    core::TAlarmDB db;
    db.InitDefaults();
    for (const auto& a : alarms)
        db.AddAlarm(a);
    return db;
}

// What the clock does with one tick: the titles it rings and those it offers as missed
// ("hh:mm title").
struct Outcome {
    std::vector<std::string> rung, missed;
};

void Apply(core::TAlarmWatch& watch, const core::TAlarmDB& db, TDateTime now, Outcome& out) {
    const core::TWatchTick tick = watch.Tick(now);
    for (TDateTime minute : tick.check.minutes)
        for (uint16_t i : core::DueAlarmIndices(db, minute))
            out.rung.push_back(db.GetAlarm(i).Title());
    for (const auto& a : tick.snoozed)
        out.rung.push_back(a.Title() + " again");
    for (const auto& m :
         core::MissedAlarms(db, tick.check.missedFirst, tick.check.missedLast, tick.missedSnoozes))
        out.missed.push_back(core::FormatHourMinute(m.due) + " " + m.title);
}

TEST(AlarmWatch, TheHourRepeatedAtTheEndOfDaylightSavingTimeRingsOnce) {
    const auto db = Store({MakeAlarm(core::atEveryDay, 1, 30, "night")});
    core::TAlarmWatch watch;
    Outcome out;
    // Local time from 00:00 to 02:00, then (at 03:00 summer time) back to 01:00 until 03:00.
    for (int s = 0; s < 3 * 3600; s += 7) {
        const int local = s < 2 * 3600 ? s : s - 3600;
        Apply(watch, db, At(2026, 10, 25) + local * kSecond, out);
    }
    EXPECT_EQ(out.rung, std::vector<std::string>{"night"});
    EXPECT_TRUE(out.missed.empty());
}

TEST(AlarmWatch, SleepOffersWhatFellDueAsMissedAndRingsOnlyTheCurrentMinute) {
    const auto db =
        Store({MakeAlarm(core::atEveryDay, 7, 10, "tea"), MakeAlarm(core::atEveryDay, 7, 30, "bus"),
               MakeAlarm(core::atEveryDay, 7, 40, "now")});
    core::TAlarmWatch watch;
    Outcome out;
    Apply(watch, db, At(2026, 3, 2, 7, 0, 10), out);
    Apply(watch, db, At(2026, 3, 2, 7, 0, 11), out);
    watch.MarkJump();  // resumed
    Apply(watch, db, At(2026, 3, 2, 7, 40, 5), out);
    EXPECT_EQ(out.rung, std::vector<std::string>{"now"});
    EXPECT_EQ(out.missed, std::vector<std::string>({"07:10 tea", "07:30 bus"}));

    // Two minutes asleep are still a sleep; the same two minutes of a late timer ring late.
    core::TAlarmWatch slept, late;
    Outcome a, b;
    for (auto* w : {&slept, &late})
        Apply(*w, db, At(2026, 3, 2, 7, 9, 0), w == &slept ? a : b);
    slept.MarkJump();
    Apply(slept, db, At(2026, 3, 2, 7, 11, 2), a);
    Apply(late, db, At(2026, 3, 2, 7, 11, 2), b);
    EXPECT_EQ(a.missed, std::vector<std::string>{"07:10 tea"});
    EXPECT_EQ(b.rung, std::vector<std::string>{"tea"});
}

TEST(AlarmWatch, AClockSetForwardOffersTheHoursBetweenAndSetBackFarReArms) {
    const auto db = Store({MakeAlarm(core::atEveryDay, 10, 5, "morning"),
                           MakeAlarm(core::atEveryDay, 15, 0, "afternoon")});
    core::TAlarmWatch watch;
    Outcome out;
    Apply(watch, db, At(2026, 3, 2, 10, 5, 0), out);
    Apply(watch, db, At(2026, 3, 2, 20, 5, 0), out);   // forward 10 hours
    Apply(watch, db, At(2026, 3, 2, 10, 4, 58), out);  // and back again
    Apply(watch, db, At(2026, 3, 2, 10, 5, 0), out);
    EXPECT_EQ(out.rung, std::vector<std::string>({"morning", "morning"}));
    EXPECT_EQ(out.missed, std::vector<std::string>{"15:00 afternoon"});
}

TEST(AlarmWatch, ARestartOffersWhatFellDueSinceTheLastRunAndKeepsItsSnoozes) {
    TempFile file(".state");
    const auto db =
        Store({MakeAlarm(core::atEveryDay, 9, 30, "a"), MakeAlarm(core::atEveryDay, 11, 0, "b"),
               MakeAlarm(core::atEveryDay, 12, 0, "c")});
    {
        core::TAlarmWatch watch;
        Outcome out;
        Apply(watch, db, At(2026, 3, 2, 9, 0, 0), out);
        watch.Snooze(MakeAlarm(core::atOnce, 9, 0, "s1"), At(2026, 3, 2, 9, 0, 0), 300);
        watch.Snooze(MakeAlarm(core::atOnce, 9, 0, "s2"), At(2026, 3, 2, 9, 0, 0), 3 * 3600 + 600);
        EXPECT_TRUE(watch.NeedsSave());
        watch.Save(file.path());
        EXPECT_FALSE(watch.NeedsSave());
    }
    core::TAlarmWatch watch;  // three hours later
    ASSERT_TRUE(watch.Load(file.path()));
    Outcome out;
    Apply(watch, db, At(2026, 3, 2, 12, 0, 20), out);
    EXPECT_EQ(out.rung, std::vector<std::string>{"c"});
    EXPECT_EQ(out.missed, std::vector<std::string>({"09:05 s1", "09:30 a", "11:00 b"}));
    Apply(watch, db, At(2026, 3, 2, 12, 9, 59), out);
    Apply(watch, db, At(2026, 3, 2, 12, 10, 0), out);
    EXPECT_EQ(out.rung, std::vector<std::string>({"c", "s2 again"}));

    // Days later: at most the last 24 hours are looked at.
    ASSERT_TRUE(watch.Load(file.path()));
    Outcome later;
    Apply(watch, db, At(2026, 3, 5, 10, 0, 30), later);
    EXPECT_EQ(later.missed, std::vector<std::string>({"11:00 b", "12:00 c", "09:30 a"}));
}

TEST(AlarmWatch, AMissingOrDamagedStateFileOffersNothing) {
    const auto db = Store({MakeAlarm(core::atEveryDay, 9, 30, "a")});
    core::TAlarmWatch saved;
    saved.Tick(At(2026, 3, 2, 9, 0, 0));
    saved.Snooze(MakeAlarm(core::atOnce, 9, 0, "s"), At(2026, 3, 2, 9, 0, 0), 60);
    const core::Bytes good = saved.Encode();
    auto flipped = good, shortened = good, longer = good, wrongCount = good;
    flipped[30] ^= 1;
    shortened.pop_back();
    longer.push_back(0);
    wrongCount[20] = 200;
    const std::vector<std::pair<const char*, core::Bytes>> damaged = {
        {"empty", {}},    {"flipped", flipped},  {"short", shortened},
        {"long", longer}, {"count", wrongCount}, {"text", core::Bytes(good.size(), 'x')}};
    TempFile file(".state");
    core::TAlarmWatch watch;
    EXPECT_FALSE(watch.Load(file.path())) << "missing";
    for (const auto& [what, bytes] : damaged) {
        core::WriteWholeFile(file.path(), bytes.data(), bytes.size());
        EXPECT_FALSE(watch.Load(file.path())) << what;
        Outcome out;
        Apply(watch, db, At(2026, 3, 2, 12, 0, 20), out);
        EXPECT_TRUE(out.rung.empty() && out.missed.empty()) << what;
        EXPECT_TRUE(watch.Snoozes().empty()) << what;
    }
    core::WriteWholeFile(file.path(), good.data(), good.size());
    EXPECT_TRUE(watch.Load(file.path()));
    EXPECT_EQ(watch.Snoozes().size(), 1u);
}

}  // namespace
