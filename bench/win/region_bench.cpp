// Window shape of a 512 x 512 complex face: the per-column path way against the fast one.
// Prints both times, the ratio, and whether GetRegionData of both regions is identical.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "win/app/window_shape.h"

namespace {

constexpr uint32_t kKey = 0x00FF00FF;

core::Bitmap ComplexFace(int size) {
    core::Bitmap b(size, size, kKey);
    uint32_t lcg = 12345;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int dx = x - size / 2, dy = y - size / 2;
            bool ring = ((dx * dx + dy * dy) / 900) % 2 == 0;
            bool band = std::abs(x - y) < size / 16;
            lcg = lcg * 1103515245u + 12345u;
            bool speck = (lcg >> 16) % 97 == 0;
            if ((ring != band) || speck)
                b.Set(x, y, 0x00102030 + uint32_t(x));
        }
    }
    return b;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 600, nullptr, nullptr,
                                    nullptr, nullptr);
    core::Bitmap face = ComplexFace(512);

    const int fastRuns = 20;
    auto start = std::chrono::steady_clock::now();
    ui::ScopedRegion fast;
    for (int i = 0; i < fastRuns; ++i)
        fast = app::BitmapRegion(face, kKey, 13, 7);
    double fastSeconds = Seconds(start) / fastRuns;

    start = std::chrono::steady_clock::now();
    ui::ScopedRegion path = app::BitmapRegionByPath(face, kKey, 13, 7, window);
    double pathSeconds = Seconds(start);

    std::vector<uint8_t> fastData = app::RegionData(fast.get());
    bool same = fastData == app::RegionData(path.get());
    DWORD rects = reinterpret_cast<const RGNDATAHEADER*>(fastData.data())->nCount;
    std::printf("region 512x512 complex face: %lu rectangles\n", static_cast<unsigned long>(rects));
    std::printf("per-column path: %.3f ms\n", pathSeconds * 1000);
    std::printf(
        "fast (core rectangles, one region per band, merged pairwise): %.3f ms (mean of %d)\n",
        fastSeconds * 1000, fastRuns);
    std::printf("ratio: %.1fx\n", pathSeconds / fastSeconds);
    std::printf("GetRegionData identical: %s\n", same ? "yes" : "NO");
    ::DestroyWindow(window);
    return same ? 0 : 1;
}
