#include "core/widgets/alert_placement.h"

#include <algorithm>

namespace core {

TDesktopAlertPosition PositionFromValue(int32_t value) {
    if (value < dapTopLeft || value > dapActiveFormCenter)
        return dapBottomRight;
    return TDesktopAlertPosition(value);
}

AlertRect CentreOn(const AlertRect& r, int32_t w, int32_t h) {
    int32_t left = r.Left + (r.Width() - w) / 2;
    int32_t top = r.Top + (r.Height() - h) / 2;
    return RectOfSize(left, top, w, h);
}

AlertRect PlaceDesktopAlert(const AlertPlacementInput& in) {
    const int32_t w = in.Width > 0 ? in.Width : kDefaultAlertWidth;
    const int32_t h = in.Height > 0 ? in.Height : kDefaultAlertHeight;
    const AlertRect& wa = in.WorkArea;
    switch (PositionFromValue(in.Position)) {
        case dapTopLeft:
            return RectOfSize(wa.Left, wa.Top, w, h);
        case dapTopRight:
            return RectOfSize(wa.Right - w, wa.Top, w, h);
        case dapBottomLeft:
            return RectOfSize(wa.Left, wa.Bottom - h, w, h);
        case dapBottomRight:
            return RectOfSize(wa.Right - w, wa.Bottom - h, w, h);
        case dapCustom:
            return RectOfSize(in.Left, in.Top, w, h);
        case dapDesktopCenter:
            return CentreOn(wa, w, h);
        case dapMainFormCenter:
            return CentreOn(in.MainForm ? *in.MainForm : wa, w, h);
        case dapOwnerFormCenter:
            return CentreOn(in.OwnerForm ? *in.OwnerForm : wa, w, h);
        case dapActiveFormCenter:
            return CentreOn(in.ActiveForm ? *in.ActiveForm : wa, w, h);
    }
    return RectOfSize(wa.Right - w, wa.Bottom - h, w, h);
}

AlertLayout LayoutDesktopAlert(const AlertLayoutInput& in) {
    AlertLayout out;
    out.CloseButton = RectOfSize(in.ClientWidth - 17, 10, 15, 15);
    out.MenuButton = out.CloseButton;
    out.MenuButton.Left -= 16;
    out.MenuButton.Right -= 16;
    if (!in.CanClose && in.DisplayDuration > 0) {
        out.CloseButtonVisible = false;
        out.MenuButton = out.CloseButton;
    }
    out.IconTop = 13;
    out.HeaderLeft = in.IconLeft + in.IconWidth + 5;
    out.HeaderTop = out.IconTop;
    out.MessageLeft = out.HeaderLeft + 8;
    out.MessageWidth = std::max(0, out.MenuButton.Left - out.MessageLeft);
    out.MessageTop = out.HeaderTop + in.HeaderHeight;
    return out;
}

}  // namespace core
