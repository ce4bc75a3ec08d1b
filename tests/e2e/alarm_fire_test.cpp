// The real clock with a crafted Alarm.sav: alarms set for the next minute fire at that minute,
// as popups stacked in the design's corner.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/common/date_time.h"
#include "e2e/clock_design_fixture.h"
#include "e2e/clock_process.h"

namespace e2e {
namespace {

std::vector<HWND> Popups(const ClockProcess& clock) {
    return VisibleWindowsOf(clock.pid(), "TFormDesktopAlert");
}

// True while some process holds `path` open without sharing writes, as the sound device does
// with the file it plays.
bool HeldOpen(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

// A clock whose store holds two daily alarms at `minuteOfDay`.
struct AlarmedClock {
    ClockSetup setup;
    std::vector<unsigned char> store;

    AlarmedClock(const core::ClockDesign& design, int minuteOfDay) : setup(design) {
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
        store = ReadBytes(setup.folder / "Alarm.sav");
    }
};

void CloseClock(ClockProcess& clock) {
    PostMessageA(clock.WaitForWindow("TForm1"), WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(clock.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

// Both clocks wait for the same minute: one started with "p" (silent), one with its sound.
TEST(AlarmFire, TwoAlarmsOfTheNextMinuteRaiseTwoStackedPopupsAndOneSoundAtThatMinute) {
    auto design = StandardDesign();
    design.Alert.SetAlertPosition(3);  // bottom right
    design.Alert.SetUseDuration(0);    // stay until closed

    SYSTEMTIME now;
    GetLocalTime(&now);
    // Far enough ahead that the clocks are up before the minute begins.
    const int ahead = now.wSecond >= 45 ? 2 : 1;
    const int minuteOfDay = (now.wHour * 60 + now.wMinute + ahead) % (24 * 60);
    AlarmedClock silent(design, minuteOfDay), loud(design, minuteOfDay);
    const std::string sound = loud.setup.folder / "chime.wav";

    ClockProcess quiet, ringing;
    ASSERT_TRUE(quiet.Start(silent.setup.exe, "p"));
    ASSERT_TRUE(ringing.Start(loud.setup.exe));
    ASSERT_NE(quiet.WaitForWindow("TForm1"), nullptr);
    ASSERT_NE(ringing.WaitForWindow("TForm1"), nullptr);
    EXPECT_TRUE(Popups(quiet).empty()) << "nothing is due yet";
    ASSERT_TRUE(Exists(sound));
    EXPECT_FALSE(HeldOpen(sound)) << "the sound device opens only when an alarm fires";

    std::vector<HWND> popups;
    SYSTEMTIME when{};
    for (DWORD start = GetTickCount(); GetTickCount() - start < 150000; Sleep(200)) {
        popups = Popups(quiet);
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
    EXPECT_FALSE(Exists(silent.setup.folder / "chime.wav")) << "\"p\" has nothing to play";

    // The clock with its sound: two popups, the sound device holding the file.
    std::vector<HWND> loudPopups;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(100))
        if ((loudPopups = Popups(ringing)).size() >= 2)
            break;
    ASSERT_EQ(loudPopups.size(), 2u);
    EXPECT_TRUE(HeldOpen(sound)) << "no sound device is open";

    // They stay (no display time) and the store file is not touched by firing.
    Sleep(2500);
    EXPECT_EQ(Popups(quiet).size(), 2u);
    EXPECT_EQ(ReadBytes(silent.setup.folder / "Alarm.sav"), silent.store);
    EXPECT_TRUE(HeldOpen(sound)) << "the sound stopped while both popups are open";

    // Closing either popup closes the one device both popups share, while the other stays.
    PostMessageA(loudPopups[0], WM_CLOSE, 0, 0);
    bool released = false;
    for (DWORD start = GetTickCount(); !released && GetTickCount() - start < 5000; Sleep(50))
        released = !HeldOpen(sound);
    EXPECT_TRUE(released) << "the sound device stayed open";
    EXPECT_EQ(Popups(ringing).size(), 1u);

    CloseClock(quiet);
    CloseClock(ringing);
}

}  // namespace
}  // namespace e2e
