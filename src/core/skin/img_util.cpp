#include "core/skin/img_util.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

int ClampChannel(long v) {
    return int(std::min(255L, std::max(0L, v)));
}

struct RampEntry {
    int length = -1;
    uint32_t c1 = 0, c2 = 0;
    std::vector<uint32_t> colours;
};

constexpr int kRampCacheSize = 16;

}  // namespace

uint32_t MixColors(TSkinColor c1, TSkinColor c2, int weight) {
    const uint32_t a = ResolveColour(c1), b = ResolveColour(c2);
    const long base = weight < 100 ? 100 : 1000;
    auto mix = [&](uint32_t x, uint32_t y) {
        // Division of a negative sum would round the wrong way; the clamp makes it moot.
        long v = (long(x) * weight + long(y) * (base - weight) + base / 2) / base;
        return uint32_t(ClampChannel(v));
    };
    return RGBColour(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)),
                     mix(BlueOf(a), BlueOf(b)));
}

int SaturationFigure(TSkinColor c) {
    const uint32_t v = ResolveColour(c);
    const int r = int(RedOf(v)), g = int(GreenOf(v)), b = int(BlueOf(v));
    const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
    if (hi <= 159)
        return 200;
    return int(std::lround(double(hi - lo) / hi * 255.0));
}

const std::vector<uint32_t>& GradientRamp(int length, uint32_t c1, uint32_t c2) {
    static RampEntry cache[kRampCacheSize];
    static int next = 0;
    length = std::max(0, length);
    for (RampEntry& e : cache)
        if (e.length == length && e.c1 == c1 && e.c2 == c2)
            return e.colours;
    RampEntry& e = cache[next];
    next = (next + 1) % kRampCacheSize;
    e.length = length;
    e.c1 = c1;
    e.c2 = c2;
    e.colours.assign(size_t(length), c1);
    const int steps = length - 1;
    for (int i = 1; i < length; ++i) {
        auto ch = [&](uint32_t a, uint32_t b) {
            return uint32_t(int(a) + (int(b) - int(a)) * i / steps);
        };
        e.colours[size_t(i)] = RGBColour(ch(RedOf(c1), RedOf(c2)), ch(GreenOf(c1), GreenOf(c2)),
                                         ch(BlueOf(c1), BlueOf(c2)));
    }
    return e.colours;
}

Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.Empty())
        return Rect{};
    return r;
}

void GradientFill(Bitmap& bmp,
                  const Rect& r,
                  uint32_t c1,
                  uint32_t c2,
                  bool vertical,
                  const Rect& clip) {
    const Rect visible = Intersect(Intersect(r, clip), Rect{0, 0, bmp.width, bmp.height});
    if (visible.Empty())
        return;
    const std::vector<uint32_t>& ramp = GradientRamp(vertical ? r.Height() : r.Width(), c1, c2);
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x)
            bmp.Set(x, y, ramp[size_t(vertical ? y - r.top : x - r.left)]);
}

void FillRect(Bitmap& bmp, const Rect& r, uint32_t colour) {
    const Rect v = Intersect(r, Rect{0, 0, bmp.width, bmp.height});
    for (int y = v.top; y < v.bottom; ++y)
        for (int x = v.left; x < v.right; ++x)
            bmp.Set(x, y, colour);
}

void ReplaceMagenta(Bitmap& bmp, uint32_t colour) {
    for (uint32_t& p : bmp.pixels)
        if ((p & 0xFFFFFF) == kMagenta)
            p = colour & 0xFFFFFF;
}

void MakeGrey(Bitmap& bmp) {
    for (uint32_t& p : bmp.pixels) {
        const uint32_t avg = (RedOf(p) + GreenOf(p) + BlueOf(p)) / 3;
        p = RGBColour(avg, avg, avg);
    }
}

Bitmap Mirrored(const Bitmap& bmp) {
    Bitmap out(bmp.width, bmp.height);
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x)
            out.Set(bmp.width - 1 - x, y, bmp.At(x, y));
    return out;
}

Bitmap Flipped(const Bitmap& bmp) {
    Bitmap out(bmp.width, bmp.height);
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x)
            out.Set(x, bmp.height - 1 - y, bmp.At(x, y));
    return out;
}

Bitmap Rotated(const Bitmap& bmp, bool clockwise) {
    Bitmap out(bmp.height, bmp.width);
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x) {
            if (clockwise)
                out.Set(bmp.height - 1 - y, x, bmp.At(x, y));
            else
                out.Set(y, bmp.width - 1 - x, bmp.At(x, y));
        }
    return out;
}

Bitmap Crop(const Bitmap& bmp, const Rect& r) {
    if (r.Empty())
        return Bitmap();
    Bitmap out(r.Width(), r.Height());
    const Rect v = Intersect(r, Rect{0, 0, bmp.width, bmp.height});
    for (int y = v.top; y < v.bottom; ++y)
        for (int x = v.left; x < v.right; ++x)
            out.Set(x - r.left, y - r.top, bmp.At(x, y));
    return out;
}

}  // namespace core
