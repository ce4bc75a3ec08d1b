// Painting of the alert popup: the core's paint plan, then the labels and the close button.
#include <string>

#include "win/widgets/desktop_alert_form.h"

namespace win {

namespace {

constexpr COLORREF kButtonFrame = 0x663300;
constexpr COLORREF kButtonHot = 0xD6BEB5;
constexpr COLORREF kButtonPressed = 0xCC9999;
constexpr COLORREF kMessageHover = 0x800000;

void FillSolid(HDC dc, const core::AlertRect& r, COLORREF c) {
    RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
    SetDCBrushColor(dc, c);
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FrameSolid(HDC dc, const core::AlertRect& r, COLORREF c) {
    RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
    SetDCBrushColor(dc, c);
    FrameRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawLabel(HDC dc,
               HFONT font,
               COLORREF color,
               const std::string& text,
               const core::AlertRect& r,
               UINT format) {
    if (text.empty() || r.Empty())
        return;
    ui::ScopedSelectObject sel(dc, font);
    SetTextColor(dc, color);
    RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
    DrawTextA(dc, text.c_str(), int(text.size()), &rc, format);
}

}  // namespace

void TFormDesktopAlert::PaintTo(HDC dc) {
    const core::AlertRect client = RectOfClient();
    // The form's own colour shows only in the row between caption and body.
    FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
    const bool grip = behavior_.CanMove || behavior_.CanMoveAnywhere;
    for (const core::PaintOp& op : core::AlertPaintPlan(client, colors_, grip)) {
        switch (op.What) {
            case core::PaintOp::Fill:
                FillSolid(dc, op.Rect, op.Color);
                break;
            case core::PaintOp::Frame:
                FrameSolid(dc, op.Rect, op.Color);
                break;
            case core::PaintOp::Pixel:
                SetPixelV(dc, op.Rect.Left, op.Rect.Top, op.Color);
                break;
        }
    }
    PaintLabels(dc);
    PaintCloseButton(dc);
}

void TFormDesktopAlert::PaintLabels(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    DrawLabel(dc, header_font_.Handle(), ui::ColorToRGB(header_font_.Color()), header_text_,
              header_rect_, DT_SINGLELINE | DT_LEFT | DT_TOP);
    const bool hover = message_hot_ && behavior_.CanClickMessage;
    DrawLabel(dc, hover ? message_hover_font_.Handle() : message_font_.Handle(),
              hover ? kMessageHover : ui::ColorToRGB(message_font_.Color()), message_text_,
              message_rect_, DT_WORDBREAK | DT_LEFT | DT_TOP);
    if (!link_text_.empty())
        DrawLabel(dc, message_hover_font_.Handle(),
                  link_hot_ ? kMessageHover : ui::ColorToRGB(message_font_.Color()), link_text_,
                  link_rect_, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
}

void TFormDesktopAlert::PaintCloseButton(HDC dc) {
    if (!layout_.CloseButtonVisible)
        return;
    const core::AlertRect& b = layout_.CloseButton;
    if (close_hot_) {
        FrameSolid(dc, b, kButtonFrame);
        core::AlertRect inner{b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1};
        FillSolid(dc, inner, close_pressed_ ? kButtonPressed : kButtonHot);
    }
    SetBkMode(dc, TRANSPARENT);
    DrawLabel(dc, glyph_font_.Handle(), GetSysColor(COLOR_BTNTEXT), "r", b,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace win
