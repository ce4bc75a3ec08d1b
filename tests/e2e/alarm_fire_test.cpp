// The real clock with a crafted Alarm.sav: alarms set for the next minute fire at that minute,
// as popups stacked in the design's corner.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/common/date_time.h"
#include "e2e/clock_design_fixture.h"
#include "e2e/clock_process.h"

namespace e2e {
namespace {

struct PopupSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectPopups(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<PopupSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == "TFormDesktopAlert")
        s->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Popups(const ClockProcess& clock) {
    PopupSearch s{clock.pid(), {}};
    EnumWindows(CollectPopups, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

TEST(AlarmFire, TwoAlarmsOfTheNextMinuteRaiseTwoStackedPopupsAtThatMinute) {
    auto design = StandardDesign();
    design.Alert.SetAlertPosition(3);  // bottom right
    design.Alert.SetUseDuration(0);    // stay until closed
    ClockSetup setup(design);

    SYSTEMTIME now;
    GetLocalTime(&now);
    // Far enough ahead that the clock is up before the minute begins.
    const int ahead = now.wSecond >= 45 ? 2 : 1;
    const int minuteOfDay = (now.wHour * 60 + now.wMinute + ahead) % (24 * 60);
    core::TAlarmDB db;
    db.InitDefaults();
    for (const char* title : {"First", "Second"}) {
        core::TAlarmRecord alarm;
        alarm.SetAlarmType(1);  // every day
        alarm.SetAlarmTime(core::EncodeTime(minuteOfDay / 60, minuteOfDay % 60, 0, 0));
        alarm.SetTitle(title);
        alarm.SetToDoText("Stand up and stretch");
        db.AddAlarm(alarm);
    }
    db.SaveToFile(setup.folder / "Alarm.sav");
    const auto before = ReadBytes(setup.folder / "Alarm.sav");

    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe, "p"));
    ASSERT_NE(clock.WaitForWindow("TForm1"), nullptr);
    EXPECT_TRUE(Popups(clock).empty()) << "nothing is due yet";

    std::vector<HWND> popups;
    SYSTEMTIME when{};
    for (DWORD start = GetTickCount(); GetTickCount() - start < 150000; Sleep(200)) {
        popups = Popups(clock);
        if (popups.size() >= 2) {
            GetLocalTime(&when);
            break;
        }
    }
    ASSERT_EQ(popups.size(), 2u) << "the alarms did not fire";
    EXPECT_EQ(when.wHour * 60 + when.wMinute, minuteOfDay) << "fired in another minute";

    // Default size, one above the other at the work area's bottom right corner.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    std::vector<RECT> rects;
    for (HWND p : popups) {
        RECT r;
        GetWindowRect(p, &r);
        rects.push_back(r);
    }
    std::sort(rects.begin(), rects.end(),
              [](const RECT& a, const RECT& b) { return a.top > b.top; });
    for (const RECT& r : rects) {
        EXPECT_EQ(r.right - r.left, 329);
        EXPECT_EQ(r.bottom - r.top, 76);
        EXPECT_EQ(r.right, work.right);
    }
    EXPECT_EQ(rects[0].bottom, work.bottom);
    EXPECT_EQ(rects[1].bottom, rects[0].top);

    // They stay (no display time) and the store file is not touched by firing.
    Sleep(2500);
    EXPECT_EQ(Popups(clock).size(), 2u);
    EXPECT_EQ(ReadBytes(setup.folder / "Alarm.sav"), before);
    PostMessageA(clock.WaitForWindow("TForm1"), WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(clock.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace e2e
