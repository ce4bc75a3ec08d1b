#pragma once
// Window regions from rectangles, and handing a region to a window.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "win/ui/handles.h"

namespace ui {

// One region holding `count` rectangles (ExtCreateRegion). Callers keep the count per call
// small (a band, a block of runs): some systems add the rectangles one by one.
ScopedRegion RegionFromRects(const RECT* rects, size_t count);

// The union of `parts`, merged pairwise: n log n work instead of n squared. No parts gives an
// empty region.
ScopedRegion MergeRegions(std::vector<ScopedRegion> parts);

// Hands the region to the window, which owns it after success; on failure it stays ours.
bool SetWindowRegion(HWND window, ScopedRegion&& region, bool redraw);

// The region's rectangles as GetRegionData reports them (for comparisons).
std::vector<uint8_t> RegionData(HRGN region);

// Adds a rectangle to a region (a null region becomes the rectangle).
void UniteRect(ScopedRegion& region, const RECT& rect);

}  // namespace ui
