#pragma once
// The style handler's timer as a framework window-message timer.
#include <cstdint>

#include "core/widgets/alert_style_handler.h"
#include "win/ui/timer.h"

namespace win {

class AlertWindowTimer : public core::AlertTimer {
  public:
    AlertWindowTimer();
    void Start(uint32_t interval_ms) override;
    void Stop() override { timer_.SetEnabled(false); }
    bool Running() const override { return timer_.Enabled(); }
    unsigned Interval() const { return timer_.Interval(); }

  private:
    ui::TTimer timer_{nullptr};
};

}  // namespace win
