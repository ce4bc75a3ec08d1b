#pragma once
// Recording stand-ins for the alert's timer and popup window.
#include <cstdint>
#include <string>
#include <vector>

#include "core/widgets/alert_style_handler.h"
#include "core/widgets/desktop_alert_stack.h"

namespace alert_test {

struct TimerLog {
    bool running = false;
    uint32_t interval = 0;
    std::vector<uint32_t> starts;  // interval of every start
};

class FakeTimer : public core::AlertTimer {
  public:
    explicit FakeTimer(TimerLog& log) : log_(log) {}
    void Start(uint32_t interval_ms) override {
        log_.running = true;
        log_.interval = interval_ms;
        log_.starts.push_back(interval_ms);
    }
    void Stop() override { log_.running = false; }
    bool Running() const override { return log_.running; }

  private:
    TimerLog& log_;
};

// Records every call as a short text: "show", "close", "alpha 25", "region 1,2,3,4".
class RecordingPopup : public core::AlertAnimationTarget {
  public:
    int32_t width = 329;
    int32_t height = 76;
    std::vector<std::string> calls;

    void ShowPopup() override { calls.push_back("show"); }
    void ClosePopup() override { calls.push_back("close"); }
    void SetAlpha(uint8_t alpha) override { calls.push_back("alpha " + std::to_string(alpha)); }
    void SetRegionRect(const core::AlertRect& r) override {
        calls.push_back("region " + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
                        std::to_string(r.Right) + "," + std::to_string(r.Bottom));
    }
    int32_t PopupWidth() const override { return width; }
    int32_t PopupHeight() const override { return height; }

    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(calls);
        return out;
    }
};

// A popup window as the stack sees it, with the window's own "stay put under the mouse" rule.
class FakeStacked : public core::StackedAlert {
  public:
    FakeStacked(int32_t w, int32_t h) : w_(w), h_(h) {}
    int32_t left = -1000;
    int32_t top = -1000;
    bool visible = true;
    bool mouse = false;
    int moves = 0;

    int32_t AlertWidth() const override { return w_; }
    int32_t AlertHeight() const override { return h_; }
    bool AlertVisible() const override { return visible; }
    bool MouseInside() const override { return mouse; }
    void MoveAlertTo(int32_t x, int32_t y) override {
        if (mouse || (left == x && top == y))
            return;
        left = x;
        top = y;
        ++moves;
    }

  private:
    int32_t w_, h_;
};

}  // namespace alert_test
