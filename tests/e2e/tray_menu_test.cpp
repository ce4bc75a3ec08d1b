// The running sample clock through its notification-area icon: double clicks hide and show it,
// a right click opens its menu once, the pointer over it shows the tip with the next alarm.
// Needs the 64-bit sample clock (scripts/make_sample.sh).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "clock_process.h"
#include "core/alarms/alarm_db.h"
#include "core/app/tray_hint.h"
#include "win/app/local_time.h"
#include "win/widgets/tray_shell.h"

namespace {

// Copies the 64-bit sample clock (scripts/make_sample.sh) into `folder`, starts it silent and
// waits for its window and its tray icon.
void StartSampleClock(const e2e::TempFolder& folder,
                      e2e::ClockProcess& clock,
                      HWND& form,
                      HWND& icon) {
    const std::string sample = e2e::BinFolder() + "..\\..\\sample\\win64\\";
    ASSERT_TRUE(e2e::Exists(sample + "SampleClock.exe")) << "no sample clock built";
    ASSERT_EQ(e2e::TrayIconWindow(), nullptr) << "another icon is already in the tray";
    for (const char* name : {"SampleClock.exe", "SampleClock.clk"})
        ASSERT_TRUE(CopyFileA((sample + name).c_str(), (folder / name).c_str(), FALSE));
    ASSERT_TRUE(clock.Start(folder / "SampleClock.exe", "p"));
    form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(e2e::WaitFor([&] { return (icon = e2e::TrayIconWindow()) != nullptr; }));
}

// The text of a visible tooltip window of any process: the shell's tray shows the icon's tip in
// one. Asked by WM_GETTEXT, which a tooltip answers with the text on show.
struct TipSearch {
    std::string text;
};

BOOL CALLBACK FindTip(HWND hwnd, LPARAM param) {
    if (!IsWindowVisible(hwnd) || e2e::ClassOf(hwnd) != "tooltips_class32")
        return TRUE;
    char text[512] = {};
    DWORD_PTR length = 0;
    if (SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 1000, &length) &&
        length > 0) {
        reinterpret_cast<TipSearch*>(param)->text = text;
    }
    return TRUE;
}

TEST(TrayMenuTest, ThePointerOverTheIconShowsTheNextAlarm) {
    e2e::TempFolder folder;
    // A daily alarm three hours from now, which no minute of this test reaches.
    const core::TDateTime now = app::LocalNow();
    core::TAlarmDB db;
    db.InitDefaults();
    core::TAlarmRecord alarm;
    alarm.SetAlarmType(core::atEveryDay);
    alarm.SetAlarmTime(std::fmod(now + 3.0 / 24, 1.0));
    alarm.SetTitle("Water the plants");
    db.AddAlarm(alarm);
    db.SaveToFile(folder / "Alarm.sav");
    const auto next = core::NextAlarmAfter(db, now);
    ASSERT_TRUE(next.has_value());
    const core::ClockHint hint{
        "Sample Clock",
        core::NextAlarmTip{
            core::NextAlarmWhen(next->when, now, app::UserDateFormat(), app::UserTimeFormat()),
            "Water the plants"}};
    const std::string want = core::TrayHintText(hint, win::FileVersionOf("shell32.dll"));

    e2e::ClockProcess clock;
    HWND form = nullptr, icon = nullptr;
    StartSampleClock(folder, clock, form, icon);
    if (HasFatalFailure())
        return;
    RECT r{};
    GetWindowRect(icon, &r);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    TipSearch tip;
    // The pointer comes to rest over the icon until the shell's tooltip shows the clock's tip.
    bool shown = false;
    for (int attempt = 0; attempt < 4 && !shown; ++attempt) {
        // As the user's mouse moves (a warped cursor sends the tray no mouse message).
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = ((r.left + r.right) / 2 + attempt % 2) * 65535 / (screenWidth - 1);
        move.mi.dy = (r.top + r.bottom) / 2 * 65535 / (screenHeight - 1);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &move, sizeof move);
        shown = e2e::WaitFor(
            [&] {
                tip.text.clear();
                EnumWindows(FindTip, reinterpret_cast<LPARAM>(&tip));
                return tip.text == want;
            },
            3000);
    }
    EXPECT_TRUE(shown) << "tooltip: \"" << tip.text << "\", wanted \"" << want << "\"";
    SetCursorPos(screenWidth / 2, screenHeight / 2);
    // Ended by Exit, so that its icon leaves the tray before the next test.
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(clock.WaitForExit(10000));
    EXPECT_TRUE(e2e::WaitFor([] { return e2e::TrayIconWindow() == nullptr; }));
}

TEST(TrayMenuTest, DoubleClicksHideAndShowTheClockAndRightClickOpensTheMenu) {
    e2e::TempFolder folder;
    e2e::ClockProcess clock;
    HWND form = nullptr, icon = nullptr;
    StartSampleClock(folder, clock, form, icon);
    if (HasFatalFailure())
        return;

    PostMessageA(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(form); }));
    PostMessageA(icon, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(4, 4));
    ASSERT_TRUE(e2e::WaitFor([&] { return IsWindowVisible(form) != FALSE; }));
    // Showing puts the clock back at the lower right corner.
    RECT r{};
    GetWindowRect(form, &r);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN) - 30);

    HWND menu = e2e::OpenTrayMenu(icon, clock.pid());
    EXPECT_NE(menu, nullptr);
    EXPECT_EQ(e2e::VisibleMenus(clock.pid()), 1);
    if (menu)
        PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(clock.Running());
}

}  // namespace
