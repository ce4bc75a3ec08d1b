// Exit ends the clock in every state (hidden, with the alarm list open), and a second start
// from the folder of a running clock shows the running one and ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/clock_design_fixture.h"
#include "e2e/clock_process.h"

namespace e2e {
namespace {

// The running clock with its window and its tray icon.
struct RunningClock {
    ClockSetup setup{StandardDesign()};
    ClockProcess process;
    HWND form = nullptr;
    HWND icon = nullptr;

    RunningClock() {
        EXPECT_EQ(TrayIconWindow(), nullptr) << "another icon is already in the tray";
        EXPECT_TRUE(process.Start(setup.exe, "p"));
        form = process.WaitForWindow("TForm1");
        EXPECT_NE(form, nullptr);
        EXPECT_TRUE(WaitFor([&] { return (icon = TrayIconWindow()) != nullptr; }));
    }
    // A double click on the icon, as "&Hide" does.
    void Hide() const {
        PostMessageA(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(form); })) << "not hidden";
    }
    // Chooses a menu item by keyboard: `upPresses` times up from the top wraps to the end
    // (one press: Exit, the last item).
    void ChooseFromTrayMenu(int upPresses) const {
        HWND menu = OpenTrayMenu(icon, process.pid());
        ASSERT_NE(menu, nullptr) << "no menu";
        for (int i = 0; i < upPresses; ++i)
            PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    }
    void ExpectEnded() {
        DWORD code = 1234;
        EXPECT_TRUE(process.WaitForExit(10000, &code)) << "the clock goes on running";
        EXPECT_EQ(code, 0u);
        EXPECT_TRUE(WaitFor([] { return TrayIconWindow() == nullptr; })) << "icon left behind";
    }
};

TEST(ClockExit, ACloseMessageToTheHiddenClockEndsIt) {
    RunningClock clock;
    ASSERT_NE(clock.icon, nullptr);
    clock.Hide();
    PostMessageA(clock.form, WM_CLOSE, 0, 0);
    clock.ExpectEnded();
}

TEST(ClockExit, ExitFromTheTrayMenuEndsTheHiddenClock) {
    RunningClock clock;
    ASSERT_NE(clock.icon, nullptr);
    clock.Hide();
    clock.ChooseFromTrayMenu(1);
    clock.ExpectEnded();
}

// "&Hide" chosen from the clock's own menu (a right click on the clock), then Exit from the
// tray icon's menu.
TEST(ClockExit, ExitFromTheTrayEndsAClockHiddenFromItsOwnMenu) {
    RunningClock clock;
    ASSERT_NE(clock.icon, nullptr);
    HWND led = FindChild(clock.form, "TLEDFontNum");
    ASSERT_NE(led, nullptr);
    PostMessageA(led, WM_CONTEXTMENU, WPARAM(led), MAKELPARAM(900, 700));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return VisibleMenus(clock.process.pid(), &menu) > 0; }));
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);  // "&Hide"
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(clock.form); })) << "not hidden";
    clock.ChooseFromTrayMenu(1);
    clock.ExpectEnded();
}

TEST(ClockExit, ExitWithTheAlarmListOpenClosesTheListAndEnds) {
    RunningClock clock;
    ASSERT_NE(clock.icon, nullptr);
    HWND menu = OpenTrayMenu(clock.icon, clock.process.pid());
    ASSERT_NE(menu, nullptr);
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);  // "&Alarms", the first item
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_NE(clock.process.WaitForWindow("TfrmAlarmList"), nullptr) << "no alarm list";
    clock.ChooseFromTrayMenu(1);
    clock.ExpectEnded();
}

// The alarm list opened and closed again, then a close message or Exit.
TEST(ClockExit, AfterTheAlarmListWasClosedTheClockStillEnds) {
    for (bool byMenu : {false, true}) {
        RunningClock clock;
        ASSERT_NE(clock.icon, nullptr);
        HWND menu = OpenTrayMenu(clock.icon, clock.process.pid());
        ASSERT_NE(menu, nullptr);
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);  // "&Alarms"
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        HWND list = clock.process.WaitForWindow("TfrmAlarmList");
        ASSERT_NE(list, nullptr) << "no alarm list";
        PostMessageA(list, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(list); })) << "list stays";
        if (byMenu)
            clock.ChooseFromTrayMenu(1);
        else
            PostMessageA(clock.form, WM_CLOSE, 0, 0);
        clock.ExpectEnded();
    }
}

// "Always On &Tip" taken off re-creates the clock's window; it still ends.
TEST(ClockExit, AClockNoLongerOnTopStillEnds) {
    for (bool byMenu : {false, true}) {
        RunningClock clock;
        ASSERT_NE(clock.icon, nullptr);
        const LONG_PTR before = GetWindowLongPtrA(clock.form, GWL_EXSTYLE);
        ASSERT_TRUE(before & WS_EX_TOPMOST);
        HWND menu = nullptr;
        if (byMenu) {
            HWND led = FindChild(clock.form, "TLEDFontNum");
            ASSERT_NE(led, nullptr);
            PostMessageA(led, WM_CONTEXTMENU, WPARAM(led), MAKELPARAM(900, 700));
            ASSERT_TRUE(WaitFor([&] { return VisibleMenus(clock.process.pid(), &menu) > 0; }));
        } else {
            menu = OpenTrayMenu(clock.icon, clock.process.pid());
        }
        ASSERT_NE(menu, nullptr);
        for (int i = 0; i < 3; ++i)  // "Always On &Tip", past the separator
            PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        HWND form = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            form = clock.process.WaitForWindow("TForm1");
            return form && !(GetWindowLongPtrA(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
        })) << "still on top";
        if (byMenu)
            clock.ChooseFromTrayMenu(1);
        else
            PostMessageA(form, WM_CLOSE, 0, 0);
        clock.ExpectEnded();
    }
}

TEST(SingleClock, ASecondStartFromTheFolderShowsTheRunningClockAndEnds) {
    RunningClock clock;
    ASSERT_NE(clock.icon, nullptr);
    clock.Hide();
    ClockProcess second;
    ASSERT_TRUE(second.Start(clock.setup.exe, "p"));
    DWORD code = 1234;
    EXPECT_TRUE(second.WaitForExit(10000, &code)) << "the second clock stays";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(clock.form) != FALSE; }))
        << "the running clock was not shown";
    EXPECT_TRUE(clock.process.Running());
    // Shown as "&Show" would: the next double click hides it again.
    clock.Hide();
    PostMessageA(clock.form, WM_CLOSE, 0, 0);
    clock.ExpectEnded();
}

}  // namespace
}  // namespace e2e
