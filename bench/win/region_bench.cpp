// Window shape of a 512 x 512 complex face: the per-column path way against the fast one, timed
// the same way: one warm-up run each, then the mean of RUNS runs each, taken in turns so that
// both meet the same machine. Prints both times, the ratio, and whether GetRegionData of both
// regions is identical.
//   region_bench [RUNS]
#include <windows.h>

#include <algorithm>
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

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 600, nullptr, nullptr,
                                    nullptr, nullptr);
    core::Bitmap face = testpictures::ComplexPicture(512);

    // Warm: the first run of each pays for caches and the first touch of the memory.
    ui::ScopedRegion fast = app::BitmapRegion(face, kKey, 13, 7);
    ui::ScopedRegion path = app::BitmapRegionByPath(face, kKey, 13, 7, window);
    double fastSeconds = 0, pathSeconds = 0;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        fast = app::BitmapRegion(face, kKey, 13, 7);
        fastSeconds += Seconds(start);
        start = std::chrono::steady_clock::now();
        path = app::BitmapRegionByPath(face, kKey, 13, 7, window);
        pathSeconds += Seconds(start);
    }
    fastSeconds /= runs;
    pathSeconds /= runs;

    std::vector<uint8_t> fastData = app::RegionData(fast.get());
    bool same = fastData == app::RegionData(path.get());
    DWORD rects = reinterpret_cast<const RGNDATAHEADER*>(fastData.data())->nCount;
    std::printf("region 512x512 complex face: %lu rectangles\n", static_cast<unsigned long>(rects));
    std::printf("per-column path: %.3f ms (warm, mean of %d)\n", pathSeconds * 1000, runs);
    std::printf(
        "fast (core rectangles, one region per band, merged pairwise): %.3f ms (warm, mean of "
        "%d)\n",
        fastSeconds * 1000, runs);
    std::printf("ratio: %.1fx\n", pathSeconds / fastSeconds);
    std::printf("GetRegionData identical: %s\n", same ? "yes" : "NO");
    ::DestroyWindow(window);
    return same ? 0 : 1;
}
