#include "core/widgets/alert_popup_behavior.h"

namespace core {

void AlertPopupBehavior::CopyOptions(TDesktopAlertOptions options) {
    options = NormalizeAlertOptions(options);
    CanClickMessage = HasOption(options, daoCanClick);
    CanMove = HasOption(options, daoCanMove);
    CanMoveAnywhere = HasOption(options, daoCanMoveAnywhere);
    CanClose = HasOption(options, daoCanClose);
}

void AlertPopupBehavior::MouseCheck(bool cursor_inside) {
    MouseInside = cursor_inside;
    if (handler_ && !handler_->TimerRunning() && !cursor_inside && DisplayDuration() > 0)
        handler_->BeginClosing();
}

void AlertPopupBehavior::MouseEnter() {
    MouseInside = true;
    if (handler_)
        handler_->StopAnimation();
}

void AlertPopupBehavior::MouseLeave(bool cursor_inside, const std::function<void()>& on_leave) {
    if (!MouseInside || cursor_inside)
        return;
    if (on_leave)
        on_leave();
    if (handler_ && DisplayDuration() > 0)
        handler_->BeginClosing();
    MouseInside = false;
}

bool AlertPopupBehavior::HitTestCaption(int32_t client_y, bool over_child) {
    if (!((CanMove && client_y <= 8) || (CanMoveAnywhere && !over_child)))
        return false;
    if (handler_)
        handler_->StopAnimation();
    return true;
}

}  // namespace core
