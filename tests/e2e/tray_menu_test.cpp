// The running sample clock through its notification-area icon: double clicks hide and show it,
// a right click opens its menu once. Needs the 64-bit sample clock (scripts/make_sample.sh).
#include <gtest/gtest.h>

#include <string>

#include "clock_process.h"

namespace {

bool WaitFor(const std::function<bool()>& done, DWORD ms = 8000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms)
            return false;
        Sleep(50);
    }
    return true;
}

// Under Wine without a tray manager every icon is a child of the stand-alone tray window.
HWND TrayIconWindow() {
    HWND tray = FindWindowA(nullptr, "Wine System Tray");
    if (!tray || !IsWindowVisible(tray))
        return nullptr;
    return FindWindowExA(tray, nullptr, nullptr, nullptr);
}

struct MenuSearch {
    DWORD pid;
    int count = 0;
    HWND menu = nullptr;
};

BOOL CALLBACK CountMenus(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<MenuSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd) && e2e::ClassOf(hwnd) == "#32768") {
        ++search->count;
        search->menu = hwnd;
    }
    return TRUE;
}

TEST(TrayMenuTest, DoubleClicksHideAndShowTheClockAndRightClickOpensTheMenu) {
    const std::string sample = e2e::BinFolder() + "..\\..\\sample\\win64\\";
    if (!e2e::Exists(sample + "SampleClock.exe"))
        GTEST_SKIP() << "no sample clock built";
    ASSERT_EQ(TrayIconWindow(), nullptr) << "another icon is already in the tray";
    e2e::TempFolder folder;
    for (const char* name : {"SampleClock.exe", "SampleClock.clk"})
        ASSERT_TRUE(CopyFileA((sample + name).c_str(), (folder / name).c_str(), FALSE));

    e2e::ClockProcess clock;
    ASSERT_TRUE(clock.Start(folder / "SampleClock.exe", "p"));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    HWND icon = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (icon = TrayIconWindow()) != nullptr; }));

    PostMessageA(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(form); }));
    PostMessageA(icon, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(4, 4));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(form) != FALSE; }));
    // Showing puts the clock back at the lower right corner.
    RECT r{};
    GetWindowRect(form, &r);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN) - 30);

    PostMessageA(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    PostMessageA(icon, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    MenuSearch search{clock.pid()};
    EXPECT_TRUE(WaitFor([&] {
        search.count = 0;
        EnumWindows(CountMenus, reinterpret_cast<LPARAM>(&search));
        return search.count > 0;
    }));
    EXPECT_EQ(search.count, 1);
    if (search.menu)
        PostMessageA(search.menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(clock.Running());
}

}  // namespace
