#include "win/ui/timer.h"

namespace ui {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    WindowParams p;
    p.className = "TTimerWindow";
    p.style = WS_POPUP;
    p.parent = HWND_MESSAGE;  // never shown, never activated
    CreateWindowHandle(p);
    UpdateTimer();
}

TTimer::~TTimer() {
    timer_.reset();
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_)
        return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    timer_.reset();
    if (enabled_ && interval_ > 0 && Handle())
        timer_ = ScopedTimer(Handle(), 1, interval_);
}

LRESULT TTimer::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        // An error in the handler shows the error box (Window's boundary); the timer goes on.
        if (OnTimer)
            OnTimer(this);
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}

}  // namespace ui
