#pragma once
// Colour arithmetic and whole-picture pixel operations shared by the skin painters.
#include <cstdint>
#include <vector>

#include "core/common/bitmap.h"
#include "core/skin/system_colours.h"

namespace core {

// Weighted mix of two colours (system colours resolved first). A weight below 100 is in
// hundredths, otherwise in thousandths; each channel is rounded and kept within 0..255.
uint32_t MixColors(TSkinColor c1, TSkinColor c2, int weight);

// How saturated a light colour is, 0..255; colours with no channel above 159 count as 200.
int SaturationFigure(TSkinColor c);

// Colours of `length` one-pixel lines running from c1 to c2 (both ends included). The ramps
// are cached, at most 16, keyed by length and end colours, replaced round-robin; the returned
// reference stays valid until the next call.
const std::vector<uint32_t>& GradientRamp(int length, uint32_t c1, uint32_t c2);

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    // Right and bottom are outside, as in Windows.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // Grown by dx on the left and right and dy on the top and bottom (shrunk when negative).
    Rect Inflated(int dx, int dy) const {
        return Rect{left - dx, top - dy, right + dx, bottom + dy};
    }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};
Rect Intersect(const Rect& a, const Rect& b);

// Fills `r` with lines from c1 to c2: top to bottom when `vertical`, else left to right. Only
// the part inside `clip` (and the bitmap) is touched; the ramp still spans the whole of `r`.
void GradientFill(Bitmap& bmp,
                  const Rect& r,
                  uint32_t c1,
                  uint32_t c2,
                  bool vertical,
                  const Rect& clip);
void FillRect(Bitmap& bmp, const Rect& r, uint32_t colour);

void ReplaceMagenta(Bitmap& bmp, uint32_t colour);
void MakeGrey(Bitmap& bmp);
Bitmap Mirrored(const Bitmap& bmp);
Bitmap Flipped(const Bitmap& bmp);
// A quarter turn clockwise, or anticlockwise.
Bitmap Rotated(const Bitmap& bmp, bool clockwise);
// The part of `bmp` inside `r` (clipped to the bitmap; uncovered pixels are black).
Bitmap Crop(const Bitmap& bmp, const Rect& r);

}  // namespace core
