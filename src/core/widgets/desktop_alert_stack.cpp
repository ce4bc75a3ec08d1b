#include "core/widgets/desktop_alert_stack.h"

#include <algorithm>

namespace core {

TDesktopAlertStack::TDesktopAlertStack(WorkAreaSource work_area)
    : work_area_(std::move(work_area)) {}

bool TDesktopAlertStack::Contains(const StackedAlert* alert) const {
    return alert && std::find(slots_.begin(), slots_.end(), alert) != slots_.end();
}

void TDesktopAlertStack::AddAlert(StackedAlert* alert) {
    // A popup listed twice would stay behind in the list after its removal, dangling once the
    // popup is freed.
    if (alert && !Contains(alert))
        slots_.push_back(alert);
    ArrangeAlerts();
}

void TDesktopAlertStack::RemoveAlert(StackedAlert* alert) {
    if (!Contains(alert))
        return;
    auto gone = std::find(slots_.begin(), slots_.end(), alert);
    *gone = nullptr;
    const size_t start = size_t(gone - slots_.begin()) + 1;
    for (size_t i = start; i < slots_.size(); ++i) {
        StackedAlert* a = slots_[i];
        // The popup under the mouse keeps its slot, so it does not move away from the pointer.
        if (!a || a->MouseInside())
            continue;
        size_t j = i;
        while (j > 0 && slots_[j - 1] != nullptr)
            --j;
        if (j == 0)
            continue;
        slots_[j - 1] = a;
        slots_[i] = nullptr;
    }
    while (!slots_.empty() && slots_.back() == nullptr)
        slots_.pop_back();
    ArrangeAlerts();
}

void TDesktopAlertStack::ArrangeAlerts() {
    if (slots_.empty())
        return;
    const bool top = position_ == dapTopLeft || position_ == dapTopRight;
    const bool left = position_ == dapTopLeft || position_ == dapBottomLeft;
    if (!top && position_ != dapBottomLeft && position_ != dapBottomRight)
        return;
    const AlertRect wa = work_area_ ? work_area_() : AlertRect{};
    int32_t y = top ? wa.Top : wa.Bottom;
    // Indexing, not iterators: moving a window runs window code that may touch the list.
    for (size_t i = 0; i < slots_.size(); ++i) {
        StackedAlert* a = slots_[i];
        if (!a || !a->AlertVisible())
            continue;
        const int32_t x = left ? wa.Left : wa.Right - a->AlertWidth();
        if (top) {
            a->MoveAlertTo(x, y);
            y += a->AlertHeight();
        } else {
            y -= a->AlertHeight();
            a->MoveAlertTo(x, y);
        }
    }
}

}  // namespace core
