#pragma once
// Window shapes cut from a face picture: pixels that differ from the background colour, moved
// by the face control's position, the picture's last row excluded.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/common/bitmap.h"
#include "win/ui/handles.h"

namespace app {

// The fast way: the rectangles computed by the core, one region per band, merged pairwise.
ui::ScopedRegion BitmapRegion(const core::Bitmap& bitmap, uint32_t key, int left, int top);

// The per-column path way: one figure per run of shape pixels in each column, built as a path
// on `window`'s DC from pixels read one by one, then converted into a region. Kept to compare
// against (the benchmark and the tests); the result is the same region.
ui::ScopedRegion BitmapRegionByPath(const core::Bitmap& bitmap,
                                    uint32_t key,
                                    int left,
                                    int top,
                                    HWND window);

// Hands the region to the window, which owns it after success; on failure it stays ours.
bool SetWindowRegion(HWND window, ui::ScopedRegion&& region, bool redraw);

// The region's rectangles as GetRegionData reports them (for comparisons).
std::vector<uint8_t> RegionData(HRGN region);

// Adds a rectangle to a region (a null region becomes the rectangle).
void UniteRect(ui::ScopedRegion& region, const RECT& rect);

}  // namespace app
