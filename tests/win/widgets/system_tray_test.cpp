// The tray icon against the real shell: under Wine without a tray manager the icons live in the
// stand-alone "Wine System Tray" window, one child window per icon.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "win/widgets/tray_icon.h"
#include "win/win_test_support.h"

namespace win {
namespace {

class QuietHost : public TrayHost {
  public:
    HWND ApplicationWindow() override { return nullptr; }
    void HideMainForm() override {}
    void Minimize() override {}
    HICON ApplicationIcon() override { return LoadIconA(nullptr, IDI_APPLICATION); }
    void ShowError(const std::exception& e) override { ADD_FAILURE() << e.what(); }
};

bool PumpUntil(const std::function<bool()>& done, DWORD ms = 3000) {
    return wintest::PumpUntil(done, ms);
}

HWND VisibleTrayIconWindow() {
    HWND tray = FindWindowA(nullptr, "Wine System Tray");
    if (!tray || !IsWindowVisible(tray))
        return nullptr;
    HWND icon = FindWindowExA(tray, nullptr, nullptr, nullptr);
    return icon && IsWindowVisible(icon) ? icon : nullptr;
}

TEST(SystemTrayShellTest, ShellVersionIsReadFromShell32) {
    SystemTrayShell shell;
    core::ShellVersion v = shell.Version();
    EXPECT_TRUE(v.Modern()) << v.major << "." << v.minor;
    core::ShellVersion again = FileVersionOf("shell32.dll");
    EXPECT_EQ(again.major, v.major);
    EXPECT_EQ(again.minor, v.minor);
    EXPECT_EQ(FileVersionOf("no-such-file-here.dll").major, 0);
}

TEST(SystemTrayShellTest, IconAppearsTakesClicksAndLeaves) {
    ASSERT_EQ(VisibleTrayIconWindow(), nullptr) << "another icon is already in the tray";
    SystemTrayShell shell;
    QuietHost host;
    auto tray = std::make_unique<TTrayIcon>(shell, host);
    int popups = 0;
    std::vector<ui::TMouseButton> dblClicks;
    tray->PopupMenu = [&](int, int) { ++popups; };
    tray->OnDblClick = [&](TTrayIcon&, ui::TMouseButton b, ui::TShiftState, int, int) {
        dblClicks.push_back(b);
    };
    tray->SetHint("Test Clock");
    tray->SetActive(true);
    tray->Loaded();
    HWND icon = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (icon = VisibleTrayIconWindow()) != nullptr; }));

    // What the shell forwards for the clicks the user makes on the icon.
    PostMessageA(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(icon, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PostMessageA(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return !dblClicks.empty(); }));
    ASSERT_EQ(dblClicks.size(), 1u);
    EXPECT_EQ(dblClicks[0], ui::mbLeft);
    EXPECT_EQ(popups, 0);

    PostMessageA(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageA(icon, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return popups > 0; }));
    PumpUntil([] { return false; }, 500);  // a second menu would arrive meanwhile
    EXPECT_EQ(popups, 1);

    // The taskbar restarting: the icon is put back.
    SendMessageA(tray->Handle(), tray->TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return VisibleTrayIconWindow() != nullptr; }));

    tray.reset();
    EXPECT_TRUE(PumpUntil([] { return VisibleTrayIconWindow() == nullptr; }));
}

}  // namespace
}  // namespace win
