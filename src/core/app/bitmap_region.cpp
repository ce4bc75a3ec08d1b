#include "core/app/bitmap_region.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

using Runs = std::vector<std::pair<int32_t, int32_t>>;  // [begin, end) columns

void RowRuns(const Bitmap& bmp, int32_t y, uint32_t key, Runs& runs) {
    runs.clear();
    const uint32_t* row = &bmp.pixels[size_t(y) * size_t(bmp.width)];
    int32_t x = 0;
    while (x < bmp.width) {
        while (x < bmp.width && row[x] == key)
            ++x;
        if (x == bmp.width)
            break;
        int32_t start = x;
        while (x < bmp.width && row[x] != key)
            ++x;
        runs.emplace_back(start, x);
    }
}

}  // namespace

std::vector<RegionRect> BitmapRegionRects(const Bitmap& bmp,
                                          uint32_t key,
                                          int32_t left,
                                          int32_t top) {
    std::vector<RegionRect> out;
    if (bmp.Empty() || bmp.pixels.size() != size_t(bmp.width) * size_t(bmp.height))
        return out;
    Runs band, row;
    int32_t bandTop = 0;
    auto flush = [&](int32_t bandBottom) {
        for (const auto& r : band)
            out.push_back(
                RegionRect{left + r.first, top + bandTop, left + r.second, top + bandBottom});
    };
    // Column runs close at the top edge of the last row, so that row never belongs to the shape.
    const int32_t rows = bmp.height - 1;
    for (int32_t y = 0; y < rows; ++y) {
        RowRuns(bmp, y, key, row);
        if (y > 0 && row == band)
            continue;
        flush(y);
        std::swap(band, row);
        bandTop = y;
    }
    if (rows > 0)
        flush(rows);
    return out;
}

RegionRect RegionBounds(const std::vector<RegionRect>& rects) {
    if (rects.empty())
        return RegionRect{};
    RegionRect b = rects.front();
    for (const auto& r : rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

Bytes RegionData(const std::vector<RegionRect>& rects) {
    constexpr size_t kHeader = 32, kRect = 16;
    constexpr uint32_t kRdhRectangles = 1;
    Bytes out(kHeader + kRect * rects.size(), 0);
    auto putRect = [&](size_t at, const RegionRect& r) {
        PutI32(&out[at], r.left);
        PutI32(&out[at + 4], r.top);
        PutI32(&out[at + 8], r.right);
        PutI32(&out[at + 12], r.bottom);
    };
    PutU32(&out[0], uint32_t(kHeader));
    PutU32(&out[4], kRdhRectangles);
    PutU32(&out[8], uint32_t(rects.size()));
    PutU32(&out[12], uint32_t(kRect * rects.size()));
    putRect(16, RegionBounds(rects));
    for (size_t i = 0; i < rects.size(); ++i)
        putRect(kHeader + kRect * i, rects[i]);
    return out;
}

}  // namespace core
