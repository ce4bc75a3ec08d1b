#pragma once
// Skin colours may name a Windows system colour instead of a value: a negative number whose low
// byte is the system colour index. They stay symbolic in the definitions and are resolved when
// drawn, through this seam; the Win32 shell installs GetSysColor, the core defaults to the
// classic Windows scheme.
#include <cstdint>
#include <functional>

namespace core {

// Skin colour: COLORREF 0x00BBGGRR, or a system colour (negative).
using TSkinColor = int32_t;

// System colour indexes (the COLOR_* numbers of Windows).
enum SystemColourIndex : int {
    kColorScrollbar = 0,
    kColorActiveCaption = 2,
    kColorInactiveCaption = 3,
    kColorMenu = 4,
    kColorWindow = 5,
    kColorMenuText = 7,
    kColorWindowText = 8,
    kColorCaptionText = 9,
    kColorHighlight = 13,
    kColorHighlightText = 14,
    kColorBtnFace = 15,
    kColorBtnShadow = 16,
    kColorGrayText = 17,
    kColorBtnText = 18,
    kColorInactiveCaptionText = 19,
    kColorBtnHighlight = 20,
    kColor3DDkShadow = 21,
    kColor3DLight = 22,
};

constexpr TSkinColor SystemColour(int index) {
    return TSkinColor(int32_t(0xFF000000u | uint32_t(index & 0xFF)));
}
constexpr bool IsSystemColour(TSkinColor c) {
    return c < 0;
}
constexpr int SystemColourIndexOf(TSkinColor c) {
    return int(uint32_t(c) & 0xFF);
}

constexpr uint32_t RGBColour(uint32_t r, uint32_t g, uint32_t b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr uint32_t RedOf(uint32_t c) {
    return c & 0xFF;
}
constexpr uint32_t GreenOf(uint32_t c) {
    return (c >> 8) & 0xFF;
}
constexpr uint32_t BlueOf(uint32_t c) {
    return (c >> 16) & 0xFF;
}

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kWhite = 0xFFFFFF;

using SystemColourFunction = std::function<uint32_t(int index)>;

// Installs the source of system colours; an empty function restores the built-in table.
void SetSystemColourFunction(SystemColourFunction f);
// The classic Windows scheme, used when no source is installed.
uint32_t DefaultSystemColour(int index);
// A system colour becomes its current value; a plain colour is returned as it is (low 24 bits).
uint32_t ResolveColour(TSkinColor c);

}  // namespace core
