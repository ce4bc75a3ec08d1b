#pragma once
// An in-memory picture and the Windows bitmap file codec.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/common/bytes.h"

namespace core {

// Pixels are COLORREF values 0x00BBGGRR so that they compare directly with design colours;
// row-major, top row first.
struct Bitmap {
    int32_t width = 0, height = 0;
    std::vector<uint32_t> pixels;

    Bitmap() = default;
    Bitmap(int32_t w, int32_t h, uint32_t fill = 0)
        : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}

    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    void Set(int x, int y, uint32_t c) { pixels[size_t(y) * size_t(width) + size_t(x)] = c; }
    bool Empty() const { return width <= 0 || height <= 0; }
};

// Largest picture we accept: protects against headers that announce absurd sizes.
constexpr int32_t kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = int64_t(64) * 1024 * 1024;

// Decodes a Windows bitmap file ("BM" + file header + core/info/V4/V5 header): 1, 4, 8, 16,
// 24 and 32 bits per pixel, BI_RGB and BI_BITFIELDS, either row order. Anything else, or a
// damaged file, throws AppError("Bitmap image is not valid").
Bitmap DecodeBmp(const uint8_t* data, size_t size);
inline Bitmap DecodeBmp(const Bytes& b) {
    return DecodeBmp(b.data(), b.size());
}

// Bottom-up BI_RGB files with a BITMAPINFOHEADER. The 32-bit form stores 0 in the fourth byte.
Bytes EncodeBmp24(const Bitmap& bmp);
Bytes EncodeBmp32(const Bitmap& bmp);

}  // namespace core
