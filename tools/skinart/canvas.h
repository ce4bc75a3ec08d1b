#pragma once
// Small drawing helpers for the default skin's artwork. Edges are hard (no blending) because
// the skin keys transparency on exact magenta.
#include <algorithm>
#include <cmath>

#include "core/common/bitmap.h"
#include "core/skin/img_util.h"

namespace skinart {

using core::Bitmap;
using core::Rect;

inline void Pixel(Bitmap& b, int x, int y, uint32_t c) {
    if (x >= 0 && y >= 0 && x < b.width && y < b.height)
        b.Set(x, y, c);
}

inline void HLine(Bitmap& b, int x0, int x1, int y, uint32_t c) {
    for (int x = x0; x < x1; ++x)
        Pixel(b, x, y, c);
}

inline void VLine(Bitmap& b, int x, int y0, int y1, uint32_t c) {
    for (int y = y0; y < y1; ++y)
        Pixel(b, x, y, c);
}

// Where a pixel lies relative to a rectangle with rounded corners of radius r.
enum class Zone { Outside, Edge, Inside };

inline Zone RoundZone(const Rect& r, int radius, int x, int y, int thickness = 1) {
    if (x < r.left || y < r.top || x >= r.right || y >= r.bottom)
        return Zone::Outside;
    const double px = x + 0.5, py = y + 0.5;
    double cx = px, cy = py;
    if (px < r.left + radius)
        cx = r.left + radius;
    if (px > r.right - radius)
        cx = r.right - radius;
    if (py < r.top + radius)
        cy = r.top + radius;
    if (py > r.bottom - radius)
        cy = r.bottom - radius;
    const bool corner = (cx != px) && (cy != py);
    if (corner) {
        const double d = std::hypot(px - cx, py - cy);
        if (d > radius + 0.15)
            return Zone::Outside;
        return d > radius - thickness + 0.15 ? Zone::Edge : Zone::Inside;
    }
    const int inset = std::min({x - r.left, y - r.top, r.right - 1 - x, r.bottom - 1 - y});
    return inset < thickness ? Zone::Edge : Zone::Inside;
}

// A rounded rectangle: `outside` where the corners are cut (usually magenta), a border line
// and a fill; an `outside` of kKeep leaves those pixels alone.
constexpr uint32_t kKeep = 0xFFFFFFFFu;

inline void RoundRect(Bitmap& b,
                      const Rect& r,
                      int radius,
                      uint32_t fill,
                      uint32_t border,
                      uint32_t outside = kKeep) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            switch (RoundZone(r, radius, x, y)) {
                case Zone::Outside:
                    if (outside != kKeep)
                        Pixel(b, x, y, outside);
                    break;
                case Zone::Edge:
                    if (border != kKeep)
                        Pixel(b, x, y, border);
                    break;
                case Zone::Inside:
                    if (fill != kKeep)
                        Pixel(b, x, y, fill);
                    break;
            }
        }
}

inline uint32_t Shade(uint32_t c, int delta) {
    auto ch = [&](uint32_t v) { return uint32_t(std::min(255, std::max(0, int(v) + delta))); };
    return core::RGBColour(ch(core::RedOf(c)), ch(core::GreenOf(c)), ch(core::BlueOf(c)));
}

}  // namespace skinart
