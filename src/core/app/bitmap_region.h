#pragma once
// The window shape cut from a face picture: every pixel whose colour differs from the
// background key, except the picture's last row, as rectangles ready for a region.
#include <cstdint>
#include <vector>

#include "core/common/bitmap.h"
#include "core/common/bytes.h"

namespace core {

struct RegionRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool operator==(const RegionRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Rectangles covering exactly the shape's pixels, moved by (left, top), in y-x banded order:
// sorted by top, then left; the rectangles of one band share top and bottom; bands do not
// overlap, and consecutive rows with the same runs form one band. This is the layout that
// ExtCreateRegion expects. Colours compare as exact 32-bit values.
std::vector<RegionRect> BitmapRegionRects(const Bitmap& bitmap,
                                          uint32_t key,
                                          int32_t left,
                                          int32_t top);

// The smallest rectangle holding all of `rects` (all zero when there are none).
RegionRect RegionBounds(const std::vector<RegionRect>& rects);

// `rects` as a Win32 RGNDATA block for ExtCreateRegion: the 32-byte header (size 32, type
// RDH_RECTANGLES, count, rectangle bytes, bounds) followed by the rectangles, little-endian.
Bytes RegionData(const std::vector<RegionRect>& rects);

}  // namespace core
