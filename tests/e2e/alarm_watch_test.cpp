// The real clock with a state file left by an earlier run: what fell due since is offered in
// one "Missed alarms" popup, and a snooze left pending rings as a normal popup; the popup's
// Snooze link snoozes again and the state file keeps it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_watch.h"
#include "core/common/date_time.h"
#include "e2e/clock_design_fixture.h"
#include "e2e/clock_process.h"

namespace e2e {
namespace {

std::vector<HWND> Popups(const ClockProcess& clock) {
    return VisibleWindowsOf(clock.pid(), "TFormDesktopAlert");
}

core::TDateTime LocalNow() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return core::EncodeDate(st.wYear, st.wMonth, st.wDay) +
           core::EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
}

core::TAlarmRecord Daily(core::TDateTime at, const std::string& title) {
    int h, m, s, ms;
    core::DecodeTime(at, h, m, s, ms);
    core::TAlarmRecord a;
    a.SetAlarmType(core::atEveryDay);
    a.SetAlarmTime(core::EncodeTime(h, m, 0, 0));
    a.SetTitle(title);
    return a;
}

void WriteStore(const ClockSetup& setup, const std::vector<core::TAlarmRecord>& alarms) {
    core::TAlarmDB db;
    db.InitDefaults();
    for (const auto& a : alarms)
        db.AddAlarm(a);
    db.SaveToFile(setup.folder / "Alarm.sav");
}

void CloseClock(ClockProcess& clock) {
    PostMessageA(clock.WaitForWindow("TForm1"), WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(clock.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

constexpr double kHour = 1.0 / 24;

TEST(AlarmWatch, AStartThreeHoursAfterTheLastRunOffersWhatFellDueInOnePopup) {
    ClockSetup setup(StandardDesign());
    const core::TDateTime now = LocalNow();
    WriteStore(setup, {Daily(now - 2 * kHour, "Early"), Daily(now - 1 * kHour, "Later")});
    core::TAlarmWatch earlier;
    earlier.Tick(now - 3 * kHour);
    earlier.Save(setup.folder / core::kAlarmStateFileName);

    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe, "p"));
    ASSERT_NE(clock.WaitForWindow("TForm1"), nullptr);
    std::vector<HWND> popups;
    ASSERT_TRUE(WaitFor([&] { return !(popups = Popups(clock)).empty(); }, 10000));
    Sleep(1500);  // nothing else comes
    popups = Popups(clock);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(WindowText(popups[0]), "Missed alarms");
    RECT r;
    GetWindowRect(popups[0], &r);
    EXPECT_GE(r.bottom - r.top, 76) << "two lines fit";
    CloseClock(clock);

    // The exit wrote the minute it last tested: a start right after offers nothing.
    ClockProcess again;
    ASSERT_TRUE(again.Start(setup.exe, "p"));
    ASSERT_NE(again.WaitForWindow("TForm1"), nullptr);
    Sleep(2500);
    EXPECT_TRUE(Popups(again).empty());
    CloseClock(again);
}

TEST(AlarmWatch, ASnoozeLeftByTheLastRunRingsAndItsLinkSnoozesAgain) {
    ClockSetup setup(StandardDesign());
    const core::TDateTime now = LocalNow();
    WriteStore(setup, {});
    core::TAlarmWatch earlier;
    earlier.Tick(now);
    earlier.Snooze(Daily(now, "Nap"), now, 4);
    const std::string state = setup.folder / core::kAlarmStateFileName;
    earlier.Save(state);

    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe, "p"));
    ASSERT_NE(clock.WaitForWindow("TForm1"), nullptr);
    std::vector<HWND> popups;
    ASSERT_TRUE(WaitFor([&] { return !(popups = Popups(clock)).empty(); }, 15000));
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(WindowText(popups[0]), "Nap");

    // The link stands at the bottom right of the message area, left of the button column.
    RECT client;
    GetClientRect(popups[0], &client);
    const LPARAM at = MAKELPARAM(client.right - 36, client.bottom - 8);
    PostMessageA(popups[0], WM_MOUSEMOVE, 0, at);
    PostMessageA(popups[0], WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(popups[0], WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(WaitFor([&] { return Popups(clock).empty(); }, 5000)) << "the popup closes";
    core::TAlarmWatch saved;
    ASSERT_TRUE(WaitFor([&] { return saved.Load(state) && saved.Snoozes().size() == 1; }, 5000));
    const int64_t ahead = saved.Snoozes()[0].due - core::SecondStamp(LocalNow());
    EXPECT_GT(ahead, 280);
    EXPECT_LE(ahead, 300);
    EXPECT_EQ(saved.Snoozes()[0].alarm.Title(), "Nap");
    CloseClock(clock);
    ASSERT_TRUE(saved.Load(state));
    EXPECT_EQ(saved.Snoozes().size(), 1u) << "the exit keeps the snooze";
}

}  // namespace
}  // namespace e2e
