#pragma once
// Rectangles and colours of the alert popup, in Win32 conventions (right and bottom exclusive,
// colours as $00BBGGRR), without depending on <windows.h>.
#include <cstdint>

namespace core {

using AlertColor = uint32_t;

struct AlertRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int32_t x, int32_t y) const {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    bool operator==(const AlertRect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
    bool operator!=(const AlertRect& o) const { return !(*this == o); }
};

inline AlertRect RectOfSize(int32_t left, int32_t top, int32_t width, int32_t height) {
    return AlertRect{left, top, left + width, top + height};
}

inline uint8_t RedOf(AlertColor c) {
    return uint8_t(c);
}
inline uint8_t GreenOf(AlertColor c) {
    return uint8_t(c >> 8);
}
inline uint8_t BlueOf(AlertColor c) {
    return uint8_t(c >> 16);
}
inline AlertColor MakeColor(uint8_t r, uint8_t g, uint8_t b) {
    return AlertColor(r) | (AlertColor(g) << 8) | (AlertColor(b) << 16);
}

}  // namespace core
