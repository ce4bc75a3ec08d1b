#include "win/app/window_shape.h"

#include <algorithm>
#include <stdexcept>

#include "core/app/bitmap_region.h"
#include "win/ui/graphics.h"

namespace app {

ui::ScopedRegion BitmapRegion(const core::Bitmap& bitmap, uint32_t key, int left, int top) {
    const std::vector<core::RegionRect> rects = core::BitmapRegionRects(bitmap, key, left, top);
    // One region per band: each call stays small.
    std::vector<ui::ScopedRegion> parts;
    std::vector<RECT> band;
    for (size_t begin = 0; begin < rects.size();) {
        band.clear();
        size_t end = begin;
        for (; end < rects.size() && rects[end].top == rects[begin].top; ++end)
            band.push_back(
                RECT{rects[end].left, rects[end].top, rects[end].right, rects[end].bottom});
        parts.push_back(ui::RegionFromRects(band.data(), band.size()));
        begin = end;
    }
    return ui::MergeRegions(std::move(parts));
}

ui::ScopedRegion BitmapRegionByPath(const core::Bitmap& bitmap,
                                    uint32_t key,
                                    int left,
                                    int top,
                                    HWND window) {
    ui::TBitmap picture;
    picture.Assign(bitmap.pixels.data(), bitmap.width, bitmap.height);
    ui::ScopedGetDC windowDC = ui::ScopedGetDC::WholeWindow(window);
    HDC wdc = windowDC.get();
    if (!wdc)
        throw std::runtime_error("Out of system resources");
    // The picture sits in its own memory DC already (a bitmap can be in one DC at a time).
    HDC memory = picture.Canvas().Handle();
    ::BeginPath(wdc);
    for (int x = 0; x < bitmap.width; ++x) {
        bool open = false;
        int sx = 0, sy = 0;
        for (int y = 0; y < bitmap.height; ++y) {
            COLORREF p = ::GetPixel(memory, x, y);
            if (p != key && !open) {
                open = true;
                sx = left + x;
                sy = top + y;
            }
            if (open && (p == key || y == bitmap.height - 1)) {
                open = false;
                ::MoveToEx(wdc, sx, sy, nullptr);
                ::LineTo(wdc, sx, top + y);
                ::LineTo(wdc, sx + 1, top + y);
                ::LineTo(wdc, sx + 1, sy);
                ::CloseFigure(wdc);
            }
        }
    }
    ::EndPath(wdc);
    ui::ScopedRegion region(::PathToRegion(wdc));
    if (!region)
        region.reset(::CreateRectRgn(0, 0, 0, 0));  // no figure: an empty shape
    return region;
}

}  // namespace app
