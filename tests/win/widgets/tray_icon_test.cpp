#include "win/widgets/tray_icon.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace win {
namespace {

// One recorded Shell_NotifyIconA call: the message and a copy of the bytes the shell would read.
struct ShellCall {
    DWORD message;
    DWORD size;
    std::vector<unsigned char> bytes;

    NOTIFYICONDATAA Block() const {
        NOTIFYICONDATAA block{};
        std::memcpy(&block, bytes.data(), bytes.size());
        return block;
    }
    std::string Tip() const { return Block().szTip; }
};

class RecordingShell : public TrayShell {
  public:
    explicit RecordingShell(core::ShellVersion v) : version(v) {}
    bool NotifyIcon(DWORD message, const void* data, DWORD size) override {
        auto* p = static_cast<const unsigned char*>(data);
        calls.push_back({message, size, std::vector<unsigned char>(p, p + size)});
        return true;
    }
    core::ShellVersion Version() override {
        ++versionReads;
        return version;
    }

    core::ShellVersion version;
    std::vector<ShellCall> calls;
    int versionReads = 0;
};

// Behaves like the framework's application window: a minimize command minimizes it unless it
// is already minimized, without showing it again.
LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_SYSCOMMAND && (w & 0xFFF0) == SC_MINIMIZE) {
        if (!IsIconic(h))
            ShowWindow(h, SW_MINIMIZE);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

HWND MakeWindow(const char* title, DWORD style, HWND owner = nullptr) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TrayTestWindow";
        RegisterClassA(&wc);
        registered = true;
    }
    return CreateWindowExA(0, "TrayTestWindow", title, style, 10, 10, 120, 80, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// The application as the framework would present it: an application window that owns the
// clock window.
class TestHost : public TrayHost {
  public:
    TestHost() {
        app = MakeWindow("App", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
        mainForm = MakeWindow("Clock", WS_POPUP | WS_VISIBLE, app);
    }
    // Wine waits for the X server on every unmap of a framed window, so the windows live for
    // the whole run and each test starts them shown and restored.
    void Reset() {
        if (IsIconic(app) || !IsWindowVisible(app))
            ShowWindow(app, SW_RESTORE);
        if (!IsWindowVisible(mainForm))
            ShowWindow(mainForm, SW_SHOWNOACTIVATE);
        hideMainFormCalls = 0;
        minimizeCalls = 0;
        errors.clear();
    }
    HWND ApplicationWindow() override { return app; }
    void HideMainForm() override {
        ++hideMainFormCalls;
        ShowWindow(mainForm, SW_HIDE);
    }
    void Minimize() override {
        ++minimizeCalls;
        ShowWindow(app, SW_MINIMIZE);
    }
    HICON ApplicationIcon() override { return LoadIconA(nullptr, IDI_APPLICATION); }
    void ShowError(const std::exception& error) override { errors.push_back(error.what()); }

    HWND app;
    HWND mainForm;
    int hideMainFormCalls = 0;
    int minimizeCalls = 0;
    std::vector<std::string> errors;
};

constexpr core::ShellVersion kOldShell{4, 71};
constexpr core::ShellVersion kModernShell{6, 0};

// Sizes of the two block layouts the shell knows, for this build's pointer width.
constexpr DWORD kOldSize = sizeof(void*) == 4 ? 88 : 104;
constexpr DWORD kModernSize = sizeof(void*) == 4 ? 488 : 504;

class TrayIconTest : public ::testing::Test {
  protected:
    TrayIconTest() : host(SharedHost()) { host.Reset(); }
    static TestHost& SharedHost() {
        static TestHost* shared = new TestHost;
        return *shared;
    }

    void Make(core::ShellVersion version) {
        shell = std::make_unique<RecordingShell>(version);
        tray = std::make_unique<TTrayIcon>(*shell, host);
        tray->SetActive(true);
        tray->PopupMenu = [this](int x, int y) {
            popups.push_back({x, y});
            // The hidden window must own the foreground while the menu runs.
            foregroundDuringPopup = GetForegroundWindow();
        };
        tray->OnDblClick = [this](TTrayIcon& sender, ui::TMouseButton button, ui::TShiftState,
                                  int x, int y) {
            EXPECT_EQ(&sender, tray.get());
            dblClicks.push_back(button);
            dblClickPoints.push_back({x, y});
        };
    }
    void Start(core::ShellVersion version) {
        Make(version);
        tray->Loaded();
        shell->calls.clear();
    }
    LRESULT Notify(UINT mouseMessage) {
        return SendMessageA(tray->Handle(), TTrayIcon::kCallbackMessage, 1, mouseMessage);
    }
    bool WmNullPosted() {
        MSG msg;
        bool found = false;
        while (PeekMessageA(&msg, tray->Handle(), 0, 0, PM_REMOVE)) {
            if (msg.message == WM_NULL)
                found = true;
        }
        return found;
    }

    TestHost& host;
    std::unique_ptr<RecordingShell> shell;
    std::unique_ptr<TTrayIcon> tray;
    std::vector<POINT> popups;
    std::vector<ui::TMouseButton> dblClicks;
    std::vector<POINT> dblClickPoints;
    HWND foregroundDuringPopup = nullptr;
};

TEST_F(TrayIconTest, HiddenWindowHasItsClassAndIsNeverShown) {
    Make(kModernShell);
    char name[64] = {};
    GetClassNameA(tray->Handle(), name, sizeof name);
    EXPECT_STREQ(name, "TTrayIconWindow");
    EXPECT_FALSE(IsWindowVisible(tray->Handle()));
    LONG_PTR ex = GetWindowLongPtrA(tray->Handle(), GWL_EXSTYLE);
    LONG_PTR style = GetWindowLongPtrA(tray->Handle(), GWL_STYLE);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(tray->TaskbarCreatedMessage(), RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_EQ(shell->versionReads, 1);
    // Nothing reaches the shell before loading ends.
    EXPECT_TRUE(shell->calls.empty());
    EXPECT_FALSE(tray->Added());
}

TEST_F(TrayIconTest, ModernShellAddsFullBlockThenSwitchesVersion) {
    Make(kModernShell);
    tray->Loaded();
    ASSERT_EQ(shell->calls.size(), 2u);
    const ShellCall& add = shell->calls[0];
    EXPECT_EQ(add.message, DWORD(NIM_ADD));
    EXPECT_EQ(add.size, kModernSize);
    NOTIFYICONDATAA b = add.Block();
    EXPECT_EQ(b.cbSize, kModernSize);
    EXPECT_EQ(b.hWnd, tray->Handle());
    EXPECT_EQ(b.uID, 1u);
    EXPECT_EQ(b.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(b.uCallbackMessage, 1025u);
    EXPECT_NE(b.hIcon, nullptr);
    EXPECT_EQ(b.szTip[0], 0);
    EXPECT_EQ(b.uVersion, 3u);
    const ShellCall& setVersion = shell->calls[1];
    EXPECT_EQ(setVersion.message, DWORD(NIM_SETVERSION));
    EXPECT_EQ(setVersion.Block().uFlags, 0u);
    EXPECT_EQ(setVersion.Block().uVersion, 3u);
    EXPECT_TRUE(tray->Added());
}

TEST_F(TrayIconTest, OldShellAddsShortBlockWithoutVersionCall) {
    Make(kOldShell);
    tray->Loaded();
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_ADD));
    EXPECT_EQ(shell->calls[0].size, kOldSize);
    EXPECT_EQ(shell->calls[0].Block().cbSize, kOldSize);
    // The shell must not be handed bytes past the old layout's 64-byte tip.
    EXPECT_EQ(shell->calls[0].bytes.size(), offsetof(NOTIFYICONDATAA, szTip) + 64);
}

TEST_F(TrayIconTest, InactiveIconIsNotAddedUntilActivated) {
    shell = std::make_unique<RecordingShell>(kModernShell);
    tray = std::make_unique<TTrayIcon>(*shell, host);
    tray->Loaded();
    EXPECT_TRUE(shell->calls.empty());
    tray->SetActive(true);
    ASSERT_FALSE(shell->calls.empty());
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_ADD));
    shell->calls.clear();
    tray->SetActive(false);
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_DELETE));
}

TEST_F(TrayIconTest, IconIsPrivateCopyOfConfiguredOrApplicationIcon) {
    Make(kModernShell);
    HICON configured =
        CreateIcon(GetModuleHandleA(nullptr), 16, 16, 1, 1, std::vector<BYTE>(32, 0xFF).data(),
                   std::vector<BYTE>(32, 0x00).data());
    ASSERT_NE(configured, nullptr);
    tray->SetIcon(configured);
    DestroyIcon(configured);  // the caller's icon may go away; the tray keeps its copy
    tray->Loaded();
    HICON shown = shell->calls[0].Block().hIcon;
    EXPECT_NE(shown, configured);
    ICONINFO info{};
    EXPECT_TRUE(GetIconInfo(shown, &info));
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);

    shell->calls.clear();
    tray->SetIcon(nullptr);
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_MODIFY));
    EXPECT_EQ(shell->calls[0].Block().uFlags, UINT(NIF_ICON));
    EXPECT_NE(shell->calls[0].Block().hIcon, nullptr);  // falls back to the application's
}

TEST_F(TrayIconTest, TipUpdatesAtNextMouseMoveOnlyWhenHintChanged) {
    Start(kModernShell);
    tray->SetHint("Red Clock|the red one");
    EXPECT_TRUE(shell->calls.empty());
    Notify(WM_MOUSEMOVE);
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_MODIFY));
    EXPECT_EQ(shell->calls[0].Block().uFlags, UINT(NIF_TIP));
    EXPECT_EQ(shell->calls[0].Tip(), "Red Clock");
    Notify(WM_MOUSEMOVE);
    tray->SetHint("Red Clock|the red one");
    Notify(WM_MOUSEMOVE);
    EXPECT_EQ(shell->calls.size(), 1u);
    tray->SetHint(std::string(200, 'n'));
    Notify(WM_MOUSEMOVE);
    ASSERT_EQ(shell->calls.size(), 2u);
    EXPECT_EQ(shell->calls[1].Tip(), std::string(127, 'n'));
    // A shorter tip must not keep bytes of the longer one.
    tray->SetHint("ab");
    Notify(WM_MOUSEMOVE);
    const auto& bytes = shell->calls[2].bytes;
    size_t tip = offsetof(NOTIFYICONDATAA, szTip);
    for (size_t i = tip + 2; i < tip + 128; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
}

TEST_F(TrayIconTest, OldShellTipIsCutAndLineBreaksJoined) {
    Start(kOldShell);
    tray->SetHint(std::string(64, 'c'));
    Notify(WM_MOUSEMOVE);
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_EQ(shell->calls[0].Tip(), std::string(63, 'c'));
    tray->SetHint("Alarm\r\nClock");
    EXPECT_EQ(tray->Hint(), "Alarm - Clock");
    Notify(WM_MOUSEMOVE);
    EXPECT_EQ(shell->calls.back().Tip(), "Alarm - Clock");
}

TEST_F(TrayIconTest, HintBeforeRemovalIsNotSentButKeptForReAdd) {
    Start(kModernShell);
    tray->SetActive(false);
    shell->calls.clear();
    tray->SetHint("Blue");
    Notify(WM_MOUSEMOVE);
    EXPECT_TRUE(shell->calls.empty());
    tray->SetActive(true);
    ASSERT_FALSE(shell->calls.empty());
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_ADD));
    EXPECT_EQ(shell->calls[0].Tip(), "Blue");
}

TEST_F(TrayIconTest, TaskbarCreatedReAddsIconWithItsTip) {
    Start(kModernShell);
    tray->SetHint("Green");
    Notify(WM_MOUSEMOVE);
    shell->calls.clear();
    SendMessageA(tray->Handle(), tray->TaskbarCreatedMessage(), 0, 0);
    ASSERT_EQ(shell->calls.size(), 3u);
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_DELETE));
    EXPECT_EQ(shell->calls[0].Block().uFlags, 0u);
    EXPECT_EQ(shell->calls[1].message, DWORD(NIM_ADD));
    EXPECT_EQ(shell->calls[1].Block().uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(shell->calls[1].Tip(), "Green");
    EXPECT_EQ(shell->calls[2].message, DWORD(NIM_SETVERSION));
}

TEST_F(TrayIconTest, SessionEndRemovesAndCancelledEndReAdds) {
    Start(kModernShell);
    EXPECT_EQ(SendMessageA(tray->Handle(), WM_QUERYENDSESSION, 0, 0), 1);
    SendMessageA(tray->Handle(), WM_ENDSESSION, TRUE, 0);
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_DELETE));
    EXPECT_FALSE(tray->Added());
    SendMessageA(tray->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(shell->calls.size(), 1u);  // not removed twice
    SendMessageA(tray->Handle(), WM_ENDSESSION, FALSE, 0);
    ASSERT_EQ(shell->calls.size(), 3u);
    EXPECT_EQ(shell->calls[1].message, DWORD(NIM_ADD));
    EXPECT_TRUE(tray->Added());
}

TEST_F(TrayIconTest, MenuOpensAtPointerOnContextMenuAndKeySelect) {
    Start(kModernShell);
    ASSERT_TRUE(SetCursorPos(301, 207));
    Notify(WM_CONTEXTMENU);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].x, 301);
    EXPECT_EQ(popups[0].y, 207);
    EXPECT_EQ(foregroundDuringPopup, tray->Handle());
    EXPECT_TRUE(WmNullPosted());
    Notify(NIN_KEYSELECT);
    EXPECT_EQ(popups.size(), 2u);
    // Presses and single clicks of any button leave the menu closed on a modern shell.
    for (UINT m :
         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP})
        Notify(m);
    EXPECT_EQ(popups.size(), 2u);
    EXPECT_TRUE(dblClicks.empty());
    EXPECT_TRUE(shell->calls.empty());
}

TEST_F(TrayIconTest, OldShellOpensMenuOnRightButtonRelease) {
    Start(kOldShell);
    ASSERT_TRUE(SetCursorPos(40, 50));
    Notify(WM_RBUTTONUP);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].x, 40);
    Notify(WM_LBUTTONUP);
    Notify(WM_MBUTTONUP);
    EXPECT_EQ(popups.size(), 1u);
}

TEST_F(TrayIconTest, NoMenuSetMeansNothingHappens) {
    Start(kModernShell);
    tray->PopupMenu = nullptr;
    Notify(WM_CONTEXTMENU);
    EXPECT_FALSE(WmNullPosted());
}

TEST_F(TrayIconTest, DoubleClickWithEachButtonReportsButtonAndPointer) {
    Start(kModernShell);
    ASSERT_TRUE(SetCursorPos(123, 45));
    Notify(WM_LBUTTONDBLCLK);
    Notify(WM_RBUTTONDBLCLK);
    Notify(WM_MBUTTONDBLCLK);
    ASSERT_EQ(dblClicks.size(), 3u);
    EXPECT_EQ(dblClicks[0], ui::mbLeft);
    EXPECT_EQ(dblClicks[1], ui::mbRight);
    EXPECT_EQ(dblClicks[2], ui::mbMiddle);
    EXPECT_EQ(dblClickPoints[2].x, 123);
    EXPECT_EQ(dblClickPoints[2].y, 45);
    EXPECT_TRUE(popups.empty());
}

TEST_F(TrayIconTest, HandlerErrorGoesToErrorBoxAndIconKeepsWorking) {
    Start(kModernShell);
    tray->OnDblClick = [](TTrayIcon&, ui::TMouseButton, ui::TShiftState, int, int) {
        throw std::runtime_error("Stream write error");
    };
    Notify(WM_LBUTTONDBLCLK);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], "Stream write error");
    Notify(WM_CONTEXTMENU);
    EXPECT_EQ(popups.size(), 1u);
}

TEST_F(TrayIconTest, DestructionRemovesIconAndDestroysWindow) {
    Start(kModernShell);
    HWND hidden = tray->Handle();
    tray.reset();
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_EQ(shell->calls[0].message, DWORD(NIM_DELETE));
    EXPECT_EQ(shell->calls[0].Block().uFlags, 0u);
    EXPECT_FALSE(IsWindow(hidden));
}

TEST_F(TrayIconTest, MinimizeHidesClockAndTaskbarButton) {
    Start(kModernShell);
    SendMessageA(host.app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(host.hideMainFormCalls, 1);
    EXPECT_EQ(host.minimizeCalls, 1);
    EXPECT_FALSE(IsWindowVisible(host.mainForm));
    EXPECT_FALSE(IsWindowVisible(host.app));
    EXPECT_TRUE(IsIconic(host.app));
    EXPECT_TRUE(tray->Added());  // the icon stays
    // Already minimized: only hidden again, not minimized twice.
    SendMessageA(host.app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(host.minimizeCalls, 1);
}

TEST_F(TrayIconTest, MinimizeHookRespectsSnapActiveAndAutoHide) {
    Start(kModernShell);
    tray->Snap = false;
    SendMessageA(host.app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(host.hideMainFormCalls, 0);
    EXPECT_EQ(host.minimizeCalls, 1);
    EXPECT_FALSE(IsWindowVisible(host.app));

    ShowWindow(host.app, SW_RESTORE);
    tray->Visibility = tvVisibleTaskBar | tvVisibleTaskList;
    SendMessageA(host.app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(host.minimizeCalls, 1);
    EXPECT_TRUE(IsWindowVisible(host.app));  // minimized by the system, button kept

    ShowWindow(host.app, SW_RESTORE);
    tray->Visibility = tvAutoHide;
    tray->SetActive(false);
    SendMessageA(host.app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsWindowVisible(host.app));
    EXPECT_EQ(host.minimizeCalls, 1);
}

TEST_F(TrayIconTest, TaskbarButtonStaysGoneWhenApplicationPassesMinimizeOn) {
    // An application window that leaves the command to the default handling, which would
    // show the minimized window again.
    HWND plain = CreateWindowExA(
        0, "STATIC", "Plain app", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE,
        0, 0, 50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND saved = host.app;
    host.app = plain;
    Start(kModernShell);
    SendMessageA(plain, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(plain));
    EXPECT_FALSE(IsWindowVisible(plain));
    tray.reset();
    host.app = saved;
    DestroyWindow(plain);
}

TEST_F(TrayIconTest, HookIsRemovedWithTheIcon) {
    Start(kModernShell);
    tray.reset();
    SendMessageA(host.app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(host.minimizeCalls, 0);
    EXPECT_TRUE(IsWindowVisible(host.app));
}

}  // namespace
}  // namespace win
