#pragma once
// A window-message timer for the alert's animation and mouse check: each timer has its own
// message-only window, so it needs no owner and ticks on the thread that made it.
#include <windows.h>

#include <cstdint>

#include "core/widgets/alert_style_handler.h"

namespace win {

class WindowTimer : public core::AlertTimer {
  public:
    WindowTimer();
    ~WindowTimer() override;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void Start(uint32_t interval_ms) override;
    void Stop() override;
    bool Running() const override { return running_; }
    uint32_t Interval() const { return interval_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    bool running_ = false;
    uint32_t interval_ = 0;
};

}  // namespace win
