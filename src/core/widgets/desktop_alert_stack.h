#pragma once
// Lines up open alert popups along one corner of the work area and closes the gaps when one
// of them goes.
#include <cstdint>
#include <functional>
#include <vector>

#include "core/widgets/alert_placement.h"
#include "core/widgets/alert_rect.h"

namespace core {

// What the stack needs of a popup window.
class StackedAlert {
  public:
    virtual ~StackedAlert() = default;
    virtual int32_t AlertWidth() const = 0;
    virtual int32_t AlertHeight() const = 0;
    virtual bool AlertVisible() const = 0;
    virtual bool MouseInside() const = 0;
    // Does nothing when the popup already stands there or the mouse is over it.
    virtual void MoveAlertTo(int32_t x, int32_t y) = 0;
};

class TDesktopAlertStack {
  public:
    using WorkAreaSource = std::function<AlertRect()>;

    explicit TDesktopAlertStack(WorkAreaSource work_area);

    TDesktopAlertPosition Position() const { return position_; }
    void SetPosition(TDesktopAlertPosition p) { position_ = p; }

    void AddAlert(StackedAlert* alert);
    void RemoveAlert(StackedAlert* alert);
    void ArrangeAlerts();

    // Slots in stacking order, first nearest the corner; an entry may be empty (nullptr).
    const std::vector<StackedAlert*>& Slots() const { return slots_; }
    bool Contains(const StackedAlert* alert) const;

  private:
    WorkAreaSource work_area_;
    TDesktopAlertPosition position_ = dapBottomRight;
    std::vector<StackedAlert*> slots_;
};

}  // namespace core
