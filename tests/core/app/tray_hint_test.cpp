#include "core/app/tray_hint.h"

#include <gtest/gtest.h>

#include "../alarms/alarm_test_files.h"
#include "core/alarms/alarm_db.h"

namespace {

using alarm_test::At;
using alarm_test::MakeAlarm;

const core::ShellVersion kOld{4, 71};
const core::ShellVersion kModern{6, 1};

core::TimeFormatSettings EnUs() {
    return core::ParseTimeFormatPicture("h:mm:ss tt");
}

TEST(NextAlarmAfter, TheCurrentMinuteHasHadItsTurn) {
    core::TAlarmDB db;
    db.InitDefaults();
    EXPECT_FALSE(core::NextAlarmAfter(db, At(2024, 5, 6, 7, 0)).has_value()) << "no alarms";
    db.AddAlarm(MakeAlarm(core::atEveryDay, 7, 30, "Wake up"));
    db.AddAlarm(MakeAlarm(core::atOnce, 7, 31, "Bus", At(2024, 5, 6)));
    // At 07:29:59 the 07:30 alarm is next; from its own minute on, the next one.
    auto next = core::NextAlarmAfter(db, At(2024, 5, 6, 7, 29, 59));
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->when, At(2024, 5, 6, 7, 30));
    EXPECT_EQ(next->index, 0);
    next = core::NextAlarmAfter(db, At(2024, 5, 6, 7, 30, 0));
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->index, 1);
    next = core::NextAlarmAfter(db, At(2024, 5, 6, 7, 31, 20));
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->when, At(2024, 5, 7, 7, 30)) << "tomorrow's; the Once alarm is gone";
}

TEST(NextAlarmWhen, DayAndTimeInTheLocaleWithTheDateAWeekOrMoreAhead) {
    const core::DateFormatSettings en;
    core::DateFormatSettings de;
    de.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    de.shortDatePicture = "dd.MM.yyyy";
    const core::TimeFormatSettings deTime = core::ParseTimeFormatPicture("HH:mm:ss");
    const core::TDateTime monday = At(2024, 5, 6, 10, 0);
    EXPECT_EQ(core::NextAlarmWhen(At(2024, 5, 7, 7, 30), monday, en, EnUs()), "Tue 7:30 AM");
    EXPECT_EQ(core::NextAlarmWhen(At(2024, 5, 7, 7, 30), monday, de, deTime), "Di 07:30");
    EXPECT_EQ(core::NextAlarmWhen(At(2024, 5, 12, 23, 59), monday, en, EnUs()), "Sun 11:59 PM")
        << "six days ahead";
    EXPECT_EQ(core::NextAlarmWhen(At(2024, 5, 13, 0, 0), monday, en, EnUs()),
              "Mon 5/13/2024 12:00 AM");
    EXPECT_EQ(core::NextAlarmWhen(At(2024, 12, 24, 18, 5), monday, de, deTime),
              "Di 24.12.2024 18:05");
}

TEST(FormatDatePicture, WindowsPictures) {
    core::DateFormatSettings s;
    const core::TDateTime d = At(2007, 3, 4);  // a Sunday
    const struct {
        const char* picture;
        const char* text;
    } cases[] = {
        {"M/d/yyyy", "3/4/2007"},       {"dd.MM.yy", "04.03.07"}, {"yyyy-MM-dd", "2007-03-04"},
        {"ddd d MMM y", "Sun 4 Mar 7"}, {"d'. 'MMMM", "4. Mar"},  {"gg yyyy'年'", " 2007年"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::FormatDatePicture(d, c.picture, s), c.text) << c.picture;
    EXPECT_EQ(core::FormatDatePicture(1e9, "d", s), "") << "outside the calendar";
}

TEST(TrayHintText, NameAloneNextAlarmAndTheTitleCutToTheTip) {
    const std::string name60(60, 'n');
    const std::string title63 = "Call the garage about the winter tyres before the first frost!!";
    const struct {
        std::string name, when, title;
        bool next;
        core::ShellVersion shell;
        std::string tip;
    } cases[] = {
        {"Sample Clock", "", "", false, kModern, "Sample Clock"},
        // Without an alarm the name stands as it is; the icon's own rules still apply to it.
        {"Red|help", "", "", false, kModern, "Red|help"},
        {"Sample Clock", "Tue 07:30", "Wake up", true, kModern,
         "Sample Clock - next: Tue 07:30 Wake up"},
        {"Sample Clock", "Tue 07:30", "", true, kModern, "Sample Clock - next: Tue 07:30"},
        {"", "Tue 07:30", "Wake up", true, kModern, "next: Tue 07:30 Wake up"},
        // The title's own line breaks, tabs and bars would break or end the tip.
        {"Red|help", "Tue 07:30", " Lunch\r\nwith|Bob\t", true, kModern,
         "Red - next: Tue 07:30 Lunch  with Bob"},
        {"Red\r\nClock", "Tue 07:30", "Tea", true, kOld, "Red - Clock - next: Tue 07:30 Tea"},
        // 83 + 1 + 43 = 127: the title is cut to its first 40 characters and "...".
        {name60, "Tue 12/24/2024", title63, true, kModern,
         name60 + " - next: Tue 12/24/2024 " + title63.substr(0, 40) + "..."},
        {name60, "Tue", title63, true, kOld, name60},  // no room for the next alarm at all
        {std::string(36, 'n'), "Tue 07:30", "Wake up now", true, kOld,
         std::string(36, 'n') + " - next: Tue 07:30 Wake..."},  // the cut's blank dropped
        {std::string(40, 'n'), "Tue 07:30", "Wake", true, kOld,
         std::string(40, 'n') + " - next: Tue 07:30 Wake"},  // exactly 63
        {std::string(42, 'n'), "Tue 07:30", "Wake up", true, kOld,
         std::string(42, 'n') + " - next: Tue 07:30"},  // not one character and "..."
    };
    for (const auto& c : cases) {
        core::ClockHint hint{c.name, std::nullopt};
        if (c.next)
            hint.next = core::NextAlarmTip{c.when, c.title};
        const std::string tip = core::TrayHintText(hint, c.shell);
        EXPECT_EQ(tip, c.tip) << c.name << " / " << c.title;
        if (c.next) {
            EXPECT_EQ(core::TrayTipText(core::NormalizeTrayHint(tip, c.shell), c.shell), tip)
                << "the icon's rules leave it as it is";
        }
    }
}

}  // namespace
