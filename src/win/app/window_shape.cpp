#include "win/app/window_shape.h"

#include <algorithm>
#include <stdexcept>

#include "core/app/bitmap_region.h"
#include "win/ui/graphics.h"

namespace app {

namespace {

// One region from a run of rectangles. Kept to one band at a time: some systems add the
// rectangles of ExtCreateRegion one by one, which grows with the square of their number.
ui::ScopedRegion RegionOf(const core::RegionRect* rects, size_t count) {
    std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    RECT bounds{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
    for (size_t i = 0; i < count; ++i) {
        out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        bounds.left = std::min(bounds.left, out[i].left);
        bounds.top = std::min(bounds.top, out[i].top);
        bounds.right = std::max(bounds.right, out[i].right);
        bounds.bottom = std::max(bounds.bottom, out[i].bottom);
    }
    data->rdh.rcBound = bounds;
    ui::ScopedRegion region(::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
    if (!region)
        throw std::runtime_error("Out of system resources");
    return region;
}

}  // namespace

ui::ScopedRegion BitmapRegion(const core::Bitmap& bitmap, uint32_t key, int left, int top) {
    std::vector<core::RegionRect> rects = core::BitmapRegionRects(bitmap, key, left, top);
    if (rects.empty())
        return ui::ScopedRegion(::CreateRectRgn(0, 0, 0, 0));
    std::vector<ui::ScopedRegion> parts;
    for (size_t begin = 0; begin < rects.size();) {
        size_t end = begin + 1;
        while (end < rects.size() && rects[end].top == rects[begin].top)
            ++end;
        parts.push_back(RegionOf(&rects[begin], end - begin));
        begin = end;
    }
    // Pairwise merging keeps every union small: n log n work instead of n squared.
    while (parts.size() > 1) {
        std::vector<ui::ScopedRegion> merged;
        for (size_t i = 0; i + 1 < parts.size(); i += 2) {
            ::CombineRgn(parts[i].get(), parts[i].get(), parts[i + 1].get(), RGN_OR);
            merged.push_back(std::move(parts[i]));
        }
        if (parts.size() % 2)
            merged.push_back(std::move(parts.back()));
        parts = std::move(merged);
    }
    return std::move(parts.front());
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

bool SetWindowRegion(HWND window, ui::ScopedRegion&& region, bool redraw) {
    if (!::SetWindowRgn(window, region.get(), redraw))
        return false;
    region.release();  // the system owns it now
    return true;
}

std::vector<uint8_t> RegionData(HRGN region) {
    DWORD size = ::GetRegionData(region, 0, nullptr);
    std::vector<uint8_t> data(size);
    if (size)
        ::GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data()));
    return data;
}

void UniteRect(ui::ScopedRegion& region, const RECT& rect) {
    ui::ScopedRegion r(::CreateRectRgnIndirect(&rect));
    if (!region) {
        region = std::move(r);
        return;
    }
    ::CombineRgn(region.get(), region.get(), r.get(), RGN_OR);
}

}  // namespace app
