#include "win/widgets/tray_icon.h"

#include <commctrl.h>

#include <cstring>
#include <stdexcept>

#include "win/ui/delay_load.h"

namespace win {

#ifndef _WIN64
// The shell tells the block's layout by its size: these are the two layouts it knows.
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "pre-5.0 notification block");
static_assert(NOTIFYICONDATAA_V2_SIZE == 488, "5.0 notification block");
#endif

namespace {

constexpr UINT_PTR kHookId = 0x7459;  // our subclass id on the application window

void RegisterTrayWindowClass(WNDPROC proc) {
    WNDCLASSA existing{};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(instance, TTrayIcon::kWindowClass, &existing))
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = TTrayIcon::kWindowClass;
    if (!RegisterClassA(&wc))
        throw std::runtime_error("Cannot register the tray icon window");
}

ui::TShiftState CurrentShiftState() {
    struct KeyFlag {
        int key;
        ui::TShiftState flag;
    };
    static constexpr KeyFlag kKeys[] = {{VK_SHIFT, ui::ssShift},   {VK_MENU, ui::ssAlt},
                                        {VK_CONTROL, ui::ssCtrl},  {VK_LBUTTON, ui::ssLeft},
                                        {VK_RBUTTON, ui::ssRight}, {VK_MBUTTON, ui::ssMiddle}};
    ui::TShiftState shift = 0;
    for (const KeyFlag& k : kKeys) {
        if (GetKeyState(k.key) & 0x8000)
            shift |= k.flag;
    }
    return shift;
}

ui::TMouseButton MouseButtonOf(core::TrayButton button) {
    switch (button) {
        case core::TrayButton::mbRight:
            return ui::mbRight;
        case core::TrayButton::mbMiddle:
            return ui::mbMiddle;
        case core::TrayButton::mbLeft:
            break;
    }
    return ui::mbLeft;
}

}  // namespace

TTrayIcon::TTrayIcon(TrayShell& shell, TrayHost& host)
    : shell_(shell), host_(host), version_(shell.Version()) {
    RegisterTrayWindowClass(&TTrayIcon::WindowProc);
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, GetModuleHandleA(nullptr), this);
    if (!window_)
        throw std::runtime_error("Cannot create the tray icon window");
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
}

TTrayIcon::~TTrayIcon() {
    UnhookApplication();
    RemoveIcon();
    ReplaceIcon(nullptr);
    if (ownIcon_)
        DestroyIcon(ownIcon_);
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TTrayIcon::Loaded() {
    loaded_ = true;
    if (active_)
        Start();
}

void TTrayIcon::SetActive(bool value) {
    if (value == active_)
        return;
    active_ = value;
    if (!loaded_)
        return;
    if (active_) {
        Start();
    } else {
        RemoveIcon();
    }
}

void TTrayIcon::SetIcon(HICON icon) {
    if (ownIcon_)
        DestroyIcon(ownIcon_);
    ownIcon_ = icon ? CopyIcon(icon) : nullptr;
    if (!loaded_)
        return;
    FillData();
    if (added_)
        Notify(NIM_MODIFY, NIF_ICON);
}

void TTrayIcon::SetHint(const std::string& value) {
    std::string hint = core::NormalizeTrayHint(value, version_);
    if (hint == hint_)
        return;
    hint_ = std::move(hint);
    hintChanged_ = true;
}

void TTrayIcon::ReplaceIcon(HICON copy) {
    if (currentIcon_)
        DestroyIcon(currentIcon_);
    currentIcon_ = copy;
}

void TTrayIcon::FillData() {
    const bool modern = version_.Modern();
    data_.cbSize = modern ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    data_.hWnd = window_;
    data_.uID = kIconId;
    data_.uCallbackMessage = kCallbackMessage;
    HICON source = ownIcon_ ? ownIcon_ : host_.ApplicationIcon();
    ReplaceIcon(source ? CopyIcon(source) : nullptr);
    data_.hIcon = currentIcon_;
    PutTip();
    if (modern)
        data_.uVersion = NOTIFYICON_VERSION;
}

void TTrayIcon::PutTip() {
    std::string tip = core::TrayTipText(hint_, version_);
    std::memset(data_.szTip, 0, sizeof data_.szTip);
    std::memcpy(data_.szTip, tip.data(), tip.size());  // at most 127 of 128 bytes
}

void TTrayIcon::Start() {
    FillData();
    HookApplication();
    AddIcon();
}

void TTrayIcon::Notify(DWORD message, UINT flags) {
    data_.uFlags = flags;
    // The shell reads only the first cbSize bytes, the layout of its version.
    shell_.NotifyIcon(message, &data_, data_.cbSize);
}

void TTrayIcon::AddIcon() {
    if (added_)
        return;
    // Marked before the call: a failed add shows after the next "TaskbarCreated".
    added_ = true;
    Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    if (version_.Modern())
        Notify(NIM_SETVERSION, 0);
}

void TTrayIcon::RemoveIcon() {
    if (!added_)
        return;
    added_ = false;
    Notify(NIM_DELETE, 0);
}

void TTrayIcon::PopupAt(int x, int y) {
    if (!PopupMenu)
        return;
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window_);
    PopupMenu(x, y);
    PostMessageA(window_, WM_NULL, 0, 0);
}

void TTrayIcon::HandleNotification(UINT mouseMessage) {
    POINT pt{};
    GetCursorPos(&pt);
    ui::TShiftState shift = CurrentShiftState();
    core::TrayReaction reaction = core::ClassifyTrayMessage(mouseMessage, version_);
    switch (reaction.action) {
        case core::TrayAction::UpdateTip:
            if (hintChanged_) {
                hintChanged_ = false;
                PutTip();
                if (added_)
                    Notify(NIM_MODIFY, NIF_TIP);
            }
            break;
        case core::TrayAction::PopupMenu:
            PopupAt(pt.x, pt.y);
            break;
        case core::TrayAction::DblClick:
            if (OnDblClick)
                OnDblClick(*this, MouseButtonOf(reaction.button), shift, pt.x, pt.y);
            break;
        case core::TrayAction::None:
            break;
    }
}

LRESULT TTrayIcon::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kCallbackMessage) {
        HandleNotification(static_cast<UINT>(lParam));
        return 0;
    }
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        RemoveIcon();
        if (active_)
            AddIcon();
        return 0;
    }
    switch (msg) {
        case WM_ENDSESSION:
            if (wParam) {
                RemoveIcon();
            } else if (active_) {
                AddIcon();
            }
            return 0;
        case WM_QUERYENDSESSION:
            return 1;
        default:
            return DefWindowProcA(window_, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TTrayIcon::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || !self->window_)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (const std::exception& e) {
        self->host_.ShowError(e);
        return 0;
    }
}

void TTrayIcon::HookApplication() {
    if (hookedWindow_)
        return;
    HWND app = host_.ApplicationWindow();
    if (app && sys::SetWindowSubclass(app, &TTrayIcon::ApplicationHook, kHookId,
                                 reinterpret_cast<DWORD_PTR>(this)))
        hookedWindow_ = app;
}

void TTrayIcon::UnhookApplication() {
    if (!hookedWindow_)
        return;
    sys::RemoveWindowSubclass(hookedWindow_, &TTrayIcon::ApplicationHook, kHookId);
    hookedWindow_ = nullptr;
}

bool TTrayIcon::OnApplicationMessage(UINT msg, WPARAM wParam) {
    if (msg != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_MINIMIZE)
        return false;
    if (!active_ || !(Visibility & tvAutoHide))
        return false;
    if (!IsIconic(hookedWindow_)) {
        if (Snap)
            host_.HideMainForm();
        host_.Minimize();
    }
    // Hiding the application window takes its taskbar button away.
    ShowWindow(hookedWindow_, SW_HIDE);
    return true;
}

LRESULT CALLBACK TTrayIcon::ApplicationHook(HWND hwnd,
                                            UINT msg,
                                            WPARAM wParam,
                                            LPARAM lParam,
                                            UINT_PTR id,
                                            DWORD_PTR refData) {
    auto* self = reinterpret_cast<TTrayIcon*>(refData);
    bool hidden = false;
    try {
        hidden = self->OnApplicationMessage(msg, wParam);
    } catch (const std::exception& e) {
        self->host_.ShowError(e);
    }
    // The hook only watches: the application always gets the message too.
    LRESULT result = sys::DefSubclassProc(hwnd, msg, wParam, lParam);
    // An application that hands the minimize command to the default handling has its
    // (already minimized) window shown again; the button must stay gone.
    if (hidden && IsWindowVisible(hwnd))
        ShowWindow(hwnd, SW_HIDE);
    return result;
}

}  // namespace win
