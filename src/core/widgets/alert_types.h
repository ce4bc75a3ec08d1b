#pragma once
// The alert's style and placement values: one definition for the popup and for the design
// record that stores them.
#include <cstdint>

namespace core {

enum TAlertStyle : int32_t { asFade, asCenterGrow };

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

}  // namespace core
