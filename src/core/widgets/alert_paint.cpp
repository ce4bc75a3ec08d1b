#include "core/widgets/alert_paint.h"

#include <algorithm>
#include <cstdlib>

namespace core {

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0)
        return -1;
    int64_t product = int64_t(a) * int64_t(b);
    bool negative = (product < 0) != (c < 0);
    uint64_t magnitude = uint64_t(product < 0 ? -product : product);
    uint64_t divisor = uint64_t(c < 0 ? -int64_t(c) : int64_t(c));
    uint64_t q = (magnitude + divisor / 2) / divisor;
    if (q > 2147483647u)
        return -1;
    return negative ? -int32_t(q) : int32_t(q);
}

namespace {

uint8_t Blend(uint8_t from, uint8_t to, int32_t i, int32_t last) {
    return uint8_t(from + MulDiv(i, int32_t(to) - int32_t(from), last));
}

}  // namespace

std::vector<GradientBand> FillGradient(const AlertRect& rect,
                                       AlertColor from,
                                       AlertColor to,
                                       int32_t colors) {
    std::vector<GradientBand> bands;
    if (rect.Empty())
        return bands;
    if (colors < 2 || from == to) {
        bands.push_back({rect, from});
        return bands;
    }
    const int32_t height = rect.Height();
    const int32_t k = std::max<int32_t>(2, std::min(colors, height));
    const int32_t band = height / k;
    if (band > 0) {
        for (int32_t i = 0; i < k; ++i) {
            AlertColor c = MakeColor(Blend(RedOf(from), RedOf(to), i, k - 1),
                                     Blend(GreenOf(from), GreenOf(to), i, k - 1),
                                     Blend(BlueOf(from), BlueOf(to), i, k - 1));
            bands.push_back(
                {AlertRect{rect.Left, rect.Top + i * band, rect.Right, rect.Top + (i + 1) * band},
                 c});
        }
    }
    const int32_t rest = height % k;
    if (rest != 0)
        bands.push_back({AlertRect{rect.Left, rect.Bottom - rest, rect.Right, rect.Bottom}, to});
    return bands;
}

namespace {

void AddFill(std::vector<PaintOp>& ops, const AlertRect& r, AlertColor c) {
    ops.push_back({PaintOp::Fill, r, c});
}

void AddGradient(std::vector<PaintOp>& ops,
                 const AlertRect& r,
                 AlertColor from,
                 AlertColor to,
                 int32_t colors) {
    for (const GradientBand& b : FillGradient(r, from, to, colors))
        AddFill(ops, b.Rect, b.Color);
}

}  // namespace

std::vector<PaintOp> AlertPaintPlan(const AlertRect& client,
                                    const AlertColors& colors,
                                    bool show_grip) {
    std::vector<PaintOp> ops;
    AlertRect caption = client;
    caption.Bottom = client.Top + 8;
    AddGradient(ops, caption, colors.CaptionFrom, colors.CaptionTo, 8);

    if (show_grip) {
        int32_t x = client.Left + client.Width() / 2 - 20;
        const int32_t y = client.Top + 3;
        for (int dot = 0; dot < 10; ++dot, x += 4) {
            AddFill(ops, RectOfSize(x, y, 2, 2), kGripDark);
            AddFill(ops, RectOfSize(x + 1, y + 1, 2, 2), kGripLight);
            ops.push_back({PaintOp::Pixel, RectOfSize(x + 1, y + 1, 1, 1), kGripCentre});
        }
    }

    // The row between caption and body keeps the window's own background.
    AlertRect body = client;
    body.Top = client.Top + 9;
    body.Bottom = client.Bottom - 1;
    int32_t n = client.Height() - 10;
    if (n >= 255)
        n = 32;
    AddGradient(ops, body, colors.WindowFrom, colors.WindowTo, n);

    ops.push_back({PaintOp::Frame, client, kFrameColor});
    return ops;
}

}  // namespace core
