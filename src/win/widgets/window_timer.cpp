#include "win/widgets/window_timer.h"

#include "core/common/errors.h"
#include "win/widgets/callback_guard.h"

namespace win {

namespace {

constexpr UINT_PTR kTimerId = 1;
const char kTimerClass[] = "TAlertTimerWindow";

void RegisterTimerClass(WNDPROC proc) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kTimerClass, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTimerClass;
    RegisterClassA(&wc);
}

}  // namespace

WindowTimer::WindowTimer() {
    RegisterTimerClass(&WindowTimer::Proc);
    hwnd_ = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        throw core::AppError("Error creating window");
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WindowTimer::~WindowTimer() {
    if (hwnd_) {
        KillTimer(hwnd_, kTimerId);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void WindowTimer::Start(uint32_t interval_ms) {
    interval_ = interval_ms;
    running_ = SetTimer(hwnd_, kTimerId, interval_ms, nullptr) != 0;
}

void WindowTimer::Stop() {
    if (running_)
        KillTimer(hwnd_, kTimerId);
    running_ = false;
}

LRESULT CALLBACK WindowTimer::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kTimerId) {
        return GuardCallback(0, [&]() -> LRESULT {
            auto* self = reinterpret_cast<WindowTimer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
            if (self && self->running_)
                self->Fire();
            return 0;
        });
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace win
