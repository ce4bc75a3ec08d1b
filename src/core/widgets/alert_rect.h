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

// Places stored in design files are arbitrary numbers: an edge beyond the 32-bit range stops
// at its end instead of wrapping around.
inline int32_t Saturated(int64_t v) {
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return int32_t(v);
}
inline int32_t SaturatedAdd(int32_t a, int32_t b) {
    return Saturated(int64_t(a) + int64_t(b));
}

inline AlertRect RectOfSize(int32_t left, int32_t top, int32_t width, int32_t height) {
    return AlertRect{left, top, SaturatedAdd(left, width), SaturatedAdd(top, height)};
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
