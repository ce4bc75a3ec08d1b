// Window shape of a 512 x 512 complex face: the per-column path way against the fast one.
// Prints both times, the ratio, and whether GetRegionData of both regions is identical.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "support/complex_picture.h"
#include "win/app/window_shape.h"

namespace {

using testpictures::kKey;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 600, nullptr, nullptr,
                                    nullptr, nullptr);
    core::Bitmap face = testpictures::ComplexPicture(512);

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
