#pragma once
// Pointer, drag and activation rules of a shown alert popup. The window feeds it what the
// system reports and acts on the answers; the animation is reached through the style handler.
#include <cstdint>
#include <functional>

#include "core/widgets/alert_style_handler.h"
#include "core/widgets/desktop_alert_settings.h"

namespace core {

class AlertPopupBehavior {
  public:
    bool CanMove = false;
    bool CanMoveAnywhere = false;
    bool CanClose = false;
    bool CanClickMessage = false;
    bool AutoFocus = false;
    bool MouseInside = false;

    // The handler may be replaced when the alert's style changes; nullptr while there is none.
    void SetHandler(TCustomDesktopAlertStyleHandler* handler) { handler_ = handler; }
    void CopyOptions(TDesktopAlertOptions options);

    // The periodic check: once the display time is over and the pointer is away, close.
    void MouseCheck(bool cursor_inside);
    // The pointer came in: full look, display wait cancelled.
    void MouseEnter();
    // A real leave raises `on_leave` first, then starts closing when there is a display time.
    void MouseLeave(bool cursor_inside, const std::function<void()>& on_leave);
    // True when the point drags the popup (answered as caption); stops the animation then.
    bool HitTestCaption(int32_t client_y, bool over_child);
    // Activation is refused unless it is a deactivation or the popup may take the focus.
    bool AcceptActivation(bool activating) const { return !activating || AutoFocus; }
    // Whether the stack's move to (x, y) is to be carried out.
    bool NeedsMove(int32_t left, int32_t top, int32_t x, int32_t y) const {
        return !MouseInside && (left != x || top != y);
    }

  private:
    uint32_t DisplayDuration() const { return handler_ ? handler_->DisplayDuration() : 0; }

    TCustomDesktopAlertStyleHandler* handler_ = nullptr;
};

}  // namespace core
