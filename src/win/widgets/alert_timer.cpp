#include "win/widgets/alert_timer.h"

#include <algorithm>

namespace win {

AlertWindowTimer::AlertWindowTimer() {
    timer_.SetEnabled(false);
    timer_.OnTimer = [this](ui::TObject*) { Fire(); };
}

void AlertWindowTimer::Start(uint32_t interval_ms) {
    timer_.SetEnabled(false);
    // A zero interval would leave an enabled timer that never ticks, and the popup stuck in
    // its animation; it runs at the shortest interval instead.
    timer_.SetInterval(std::max<uint32_t>(interval_ms, 1));
    timer_.SetEnabled(true);
}

}  // namespace win
