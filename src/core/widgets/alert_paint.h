#pragma once
// What the alert popup paints, as plain data: the gradient bands and the drawing operations of
// one paint. The Win32 side only turns each operation into a GDI call.
#include <cstdint>
#include <vector>

#include "core/widgets/alert_rect.h"

namespace core {

// (a * b) / c rounded to the nearest integer, halves away from zero; -1 when c is 0 or the
// result does not fit, exactly as the Win32 function of that name behaves.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

struct GradientBand {
    AlertRect Rect;
    AlertColor Color = 0;
};

// Vertical gradient from `from` (top) to `to` (bottom) in `colors` steps. Bands of zero rows are
// left out, so every band returned paints at least one row.
std::vector<GradientBand> FillGradient(const AlertRect& rect,
                                       AlertColor from,
                                       AlertColor to,
                                       int32_t colors);

struct AlertColors {
    AlertColor WindowFrom = 0xFFE7CE;
    AlertColor WindowTo = 0xE7A67B;
    AlertColor CaptionFrom = 0xD68652;
    AlertColor CaptionTo = 0x944110;
};

struct PaintOp {
    enum Kind { Fill, Frame, Pixel };
    Kind What = Fill;
    AlertRect Rect;  // for Pixel a 1 x 1 rectangle
    AlertColor Color = 0;
};

constexpr AlertColor kGripDark = 0x808080;
constexpr AlertColor kGripLight = 0xF8FCF8;
constexpr AlertColor kGripCentre = 0xB8BCB8;
constexpr AlertColor kFrameColor = 0x808080;

// Everything one paint of the popup's client rectangle draws, in drawing order: caption strip,
// grip dots (when the popup can be moved), body gradient, frame.
std::vector<PaintOp> AlertPaintPlan(const AlertRect& client,
                                    const AlertColors& colors,
                                    bool show_grip);

}  // namespace core
