#include "win/ui/region.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

ScopedRegion RegionFromRects(const RECT* rects, size_t count) {
    if (count == 0)
        return ScopedRegion(::CreateRectRgn(0, 0, 0, 0));
    std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    RECT bounds = rects[0];
    for (size_t i = 0; i < count; ++i) {
        out[i] = rects[i];
        bounds.left = std::min(bounds.left, out[i].left);
        bounds.top = std::min(bounds.top, out[i].top);
        bounds.right = std::max(bounds.right, out[i].right);
        bounds.bottom = std::max(bounds.bottom, out[i].bottom);
    }
    data->rdh.rcBound = bounds;
    ScopedRegion region(::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
    if (!region)
        throw std::runtime_error("Out of system resources");
    return region;
}

ScopedRegion MergeRegions(std::vector<ScopedRegion> parts) {
    if (parts.empty())
        return ScopedRegion(::CreateRectRgn(0, 0, 0, 0));
    while (parts.size() > 1) {
        std::vector<ScopedRegion> merged;
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

bool SetWindowRegion(HWND window, ScopedRegion&& region, bool redraw) {
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

void UniteRect(ScopedRegion& region, const RECT& rect) {
    ScopedRegion r(::CreateRectRgnIndirect(&rect));
    if (!region) {
        region = std::move(r);
        return;
    }
    ::CombineRgn(region.get(), region.get(), r.get(), RGN_OR);
}

}  // namespace ui
