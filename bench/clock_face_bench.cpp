// Prints what a clock start-up and tick cost in the core: decoding a face picture, cutting the
// window shape from it, reading a whole design, and composing one LED drawing.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "core/app/bitmap_region.h"
#include "core/app/clock_db.h"
#include "core/common/bitmap.h"
#include "core/widgets/led_font.h"

namespace {

// The best of several batches: the machine is shared, so the mean mostly measures others.
template <typename F>
double MicrosPerRun(int runs, F&& f) {
    double best = 1e300;
    for (int batch = 0; batch < 7; ++batch) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < runs; ++i)
            f();
        std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / runs);
    }
    return best;
}

// A round face with a ring and a few spokes on a key-coloured background.
core::Bitmap RoundFace(int w, int h) {
    const uint32_t key = 0xFF00FF;
    core::Bitmap b(w, h, key);
    const double cx = w / 2.0, cy = h / 2.0, r = std::min(w, h) / 2.0 - 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > r)
                continue;
            double a = std::atan2(y + 0.5 - cy, x + 0.5 - cx);
            bool spoke = std::fabs(std::sin(6 * a)) < 0.02 && d > r * 0.3;
            b.Set(x, y, d > r - 6 || spoke ? 0x202020 : uint32_t(0x406080 + int(d) % 64));
        }
    }
    return b;
}

}  // namespace

int main() {
    for (int size : {256, 1024}) {
        core::Bitmap face = RoundFace(size, size * 3 / 4);
        core::Bytes bmp = core::EncodeBmp24(face);
        // Reading a pixel of each result keeps the compiler from dropping the work.
        volatile size_t sink = 0;
        double decode = MicrosPerRun(10, [&] {
            core::Bitmap b = core::DecodeBmp(bmp);
            sink = sink + b.pixels[b.pixels.size() / 2];
        });
        std::vector<core::RegionRect> rects;
        double shape =
            MicrosPerRun(10, [&] { rects = core::BitmapRegionRects(face, 0xFF00FF, 0, 0); });

        core::ClockDesign d;
        d.Header.SetMagic(core::kDesignMagic);
        d.Clock.SetFaceExt(".bmp");
        d.Clock.SetFaceSize(uint32_t(bmp.size()));
        d.Face = bmp;
        core::Bytes file = core::BuildDesignFile(d);
        double read = MicrosPerRun(10, [&] {
            core::TClockDB db;
            db.ReadDesignFrom(file.data(), file.size());
            core::Bitmap pic;
            db.LoadFacePicture(pic);
            sink = sink + pic.pixels[pic.pixels.size() / 2];
        });
        std::printf(
            "face %4d x %3d: DecodeBmp %8.1f us, BitmapRegionRects %8.1f us (%zu rects), "
            "read design + picture %8.1f us\n",
            face.width, face.height, decode, shape, rects.size(), read);
    }
    core::LEDFontNumModel led;
    led.SetText("10:42:37 PM");
    size_t fills = 0;
    double draw = MicrosPerRun(2000, [&] { fills = led.DrawDigits().fills.size(); });
    std::printf("LED DrawDigits \"10:42:37 PM\": %.2f us (%zu polygons)\n", draw, fills);
    return 0;
}
