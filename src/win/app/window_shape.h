#pragma once
// Window shapes cut from a face picture: pixels that differ from the background colour, moved
// by the face control's position, the picture's last row excluded.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/common/bitmap.h"
#include "win/ui/handles.h"
#include "win/ui/region.h"

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

using ui::RegionData;
using ui::SetWindowRegion;
using ui::UniteRect;

}  // namespace app
