#pragma once
// A picture whose shape is hard to cut: rings, a diagonal band, holes and scattered single
// pixels on the key colour; deterministic. Shared by the shape tests and the shape benchmark.
#include <cstdint>
#include <cstdlib>

#include "core/common/bitmap.h"

namespace testpictures {

constexpr uint32_t kKey = 0x00FF00FF;  // the background colour (COLORREF)

inline core::Bitmap ComplexPicture(int size) {
    core::Bitmap b(size, size, kKey);
    uint32_t noise = 12345;  // a linear congruential sequence: the same specks every time
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dx = x - size / 2, dy = y - size / 2;
            const bool ring = ((dx * dx + dy * dy) / 900) % 2 == 0;
            const bool band = std::abs(x - y) < size / 16;
            noise = noise * 1103515245u + 12345u;
            const bool speck = (noise >> 16) % 97 == 0;
            if ((ring != band) || speck)
                b.Set(x, y, 0x00102030 + uint32_t(x));
        }
    }
    return b;
}

}  // namespace testpictures
