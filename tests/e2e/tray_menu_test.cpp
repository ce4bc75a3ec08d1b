// The running sample clock through its notification-area icon: double clicks hide and show it,
// a right click opens its menu once. Needs the 64-bit sample clock (scripts/make_sample.sh).
#include <gtest/gtest.h>

#include <string>

#include "clock_process.h"

namespace {

TEST(TrayMenuTest, DoubleClicksHideAndShowTheClockAndRightClickOpensTheMenu) {
    const std::string sample = e2e::BinFolder() + "..\\..\\sample\\win64\\";
    if (!e2e::Exists(sample + "SampleClock.exe"))
        GTEST_SKIP() << "no sample clock built";
    ASSERT_EQ(e2e::TrayIconWindow(), nullptr) << "another icon is already in the tray";
    e2e::TempFolder folder;
    for (const char* name : {"SampleClock.exe", "SampleClock.clk"})
        ASSERT_TRUE(CopyFileA((sample + name).c_str(), (folder / name).c_str(), FALSE));

    e2e::ClockProcess clock;
    ASSERT_TRUE(clock.Start(folder / "SampleClock.exe", "p"));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    HWND icon = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (icon = e2e::TrayIconWindow()) != nullptr; }));

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
