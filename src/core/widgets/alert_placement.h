#pragma once
// Where a new alert popup goes and how its children are laid out.
#include <cstdint>
#include <optional>

#include "core/widgets/alert_rect.h"

namespace core {

enum TDesktopAlertPosition : int32_t {
    dapTopLeft,
    dapTopRight,
    dapBottomLeft,
    dapBottomRight,
    dapCustom,
    dapDesktopCenter,
    dapMainFormCenter,
    dapOwnerFormCenter,
    dapActiveFormCenter,
};

// Stored positions come from design files; anything unknown is treated as the default corner.
TDesktopAlertPosition PositionFromValue(int32_t value);

constexpr int32_t kDefaultAlertWidth = 329;
constexpr int32_t kDefaultAlertHeight = 76;

struct AlertPlacementInput {
    int32_t Position = dapBottomRight;  // raw value, as stored
    int32_t Left = 0;                   // for dapCustom
    int32_t Top = 0;
    int32_t Width = 0;  // 0 (or less) means the default size
    int32_t Height = 0;
    AlertRect WorkArea;
    // Forms a centre position may centre on, when they exist.
    std::optional<AlertRect> ActiveForm;
    std::optional<AlertRect> MainForm;
    std::optional<AlertRect> OwnerForm;
};

// The popup's bounds when it is executed, before the stack places it again.
AlertRect PlaceDesktopAlert(const AlertPlacementInput& in);

// Centres a w x h box on r; the division truncates toward zero as the original arithmetic does.
AlertRect CentreOn(const AlertRect& r, int32_t w, int32_t h);

struct AlertLayoutInput {
    int32_t ClientWidth = kDefaultAlertWidth;
    int32_t IconLeft = 8;
    int32_t IconWidth = 0;  // no picture: the auto-sized icon is 0 x 0
    int32_t HeaderHeight = 13;
    bool CanClose = true;
    uint32_t DisplayDuration = 0;
};

struct AlertLayout {
    int32_t IconTop = 0;
    int32_t HeaderLeft = 0;  // the header label sizes itself to its text
    int32_t HeaderTop = 0;
    int32_t MessageLeft = 0;
    int32_t MessageTop = 0;
    int32_t MessageWidth = 0;  // never below 0, however narrow the popup
    AlertRect CloseButton;
    AlertRect MenuButton;
    bool CloseButtonVisible = true;
    bool MenuButtonVisible = false;  // no drop-down menu is ever set
};

// Children of a shown popup: the close button and the (hidden) menu button stand at the top
// right; the header follows the icon and the message sits under the header, 8 pixels further in.
AlertLayout LayoutDesktopAlert(const AlertLayoutInput& in);

}  // namespace core
