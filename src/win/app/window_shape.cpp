#include "win/app/window_shape.h"

#include <algorithm>
#include <stdexcept>

#include "core/app/bitmap_region.h"
#include "win/ui/graphics.h"

namespace app {

ui::ScopedRegion BitmapRegion(const core::Bitmap& bitmap, uint32_t key, int left, int top) {
    std::vector<core::RegionRect> rects = core::BitmapRegionRects(bitmap, key, left, top);
    std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds{0, 0, 0, 0};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < rects.size(); ++i) {
        const core::RegionRect& r = rects[i];
        out[i] = RECT{r.left, r.top, r.right, r.bottom};
        if (i == 0) {
            bounds = out[i];
        } else {
            bounds.left = std::min(bounds.left, out[i].left);
            bounds.top = std::min(bounds.top, out[i].top);
            bounds.right = std::max(bounds.right, out[i].right);
            bounds.bottom = std::max(bounds.bottom, out[i].bottom);
        }
    }
    data->rdh.rcBound = bounds;
    ui::ScopedRegion region(
        ::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
    if (!region) throw std::runtime_error("Out of system resources");
    return region;
}

ui::ScopedRegion BitmapRegionByPath(const core::Bitmap& bitmap, uint32_t key, int left, int top,
                                    HWND window) {
    ui::TBitmap picture;
    picture.Assign(bitmap.pixels.data(), bitmap.width, bitmap.height);
    ui::ScopedGetDC windowDC = ui::ScopedGetDC::WholeWindow(window);
    HDC wdc = windowDC.get();
    if (!wdc) throw std::runtime_error("Out of system resources");
    ui::ScopedMemoryDC memory(::CreateCompatibleDC(wdc));
    ui::ScopedSelectObject select(memory.get(), picture.Handle());
    ::BeginPath(wdc);
    for (int x = 0; x < bitmap.width; ++x) {
        bool open = false;
        int sx = 0, sy = 0;
        for (int y = 0; y < bitmap.height; ++y) {
            COLORREF p = ::GetPixel(memory.get(), x, y);
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
    if (!region) region.reset(::CreateRectRgn(0, 0, 0, 0));  // no figure: an empty shape
    return region;
}

bool SetWindowRegion(HWND window, ui::ScopedRegion&& region, bool redraw) {
    if (!::SetWindowRgn(window, region.get(), redraw)) return false;
    region.release();  // the system owns it now
    return true;
}

std::vector<uint8_t> RegionData(HRGN region) {
    DWORD size = ::GetRegionData(region, 0, nullptr);
    std::vector<uint8_t> data(size);
    if (size) ::GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data()));
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
