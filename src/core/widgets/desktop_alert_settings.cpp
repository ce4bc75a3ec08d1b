#include "core/widgets/desktop_alert_settings.h"

namespace core {

TDesktopAlertOptions NormalizeAlertOptions(TDesktopAlertOptions set) {
    set &= kAllAlertOptions;
    if (!HasOption(set, daoCanMove))
        set &= TDesktopAlertOptions(~OptionBit(daoCanMoveAnywhere));
    return set;
}

void TDesktopAlertColors::Set(AlertColor& field, AlertColor c) {
    if (field == c)
        return;
    field = c;
    Changed();
}

void TDesktopAlertLocation::SetPosition(TDesktopAlertPosition p) {
    position_ = p;
    Changed();
}

void TDesktopAlertLocation::Set(int32_t& field, int32_t v) {
    if (field == v)
        return;
    field = v;
    Changed();
}

void TDesktopAlertLocation::SetAlwaysResetPosition(bool v) {
    if (always_reset_ == v)
        return;
    always_reset_ = v;
    Changed();
}

}  // namespace core
