#include "win/widgets/alert_font.h"

#include <cstring>

namespace win {

int ScreenPixelsPerInch() {
    ScopedGetDC dc(nullptr);
    int dpi = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

AlertFont AlertFont::IconFont() {
    AlertFont f;
    LOGFONTA lf = {};
    if (SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) {
        f.name_ = lf.lfFaceName;
        f.height_ = lf.lfHeight;
        f.charset_ = lf.lfCharSet;
        f.pitch_ = lf.lfPitchAndFamily & 3;
        f.style_ = uint8_t((lf.lfWeight >= FW_BOLD ? fsBold : 0) | (lf.lfItalic ? fsItalic : 0) |
                           (lf.lfUnderline ? fsUnderline : 0) | (lf.lfStrikeOut ? fsStrikeOut : 0));
    }
    f.color_ = GetSysColor(COLOR_WINDOWTEXT);
    return f;
}

int32_t AlertFont::Size() const {
    return -MulDiv(height_, 72, ScreenPixelsPerInch());
}

void AlertFont::SetSize(int32_t points) {
    height_ = -MulDiv(points, ScreenPixelsPerInch(), 72);
}

ScopedGdiObj<HFONT> AlertFont::Create(uint8_t extra_style) const {
    const uint8_t s = style_ | extra_style;
    LOGFONTA lf = {};
    lf.lfHeight = height_;
    lf.lfWeight = (s & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (s & fsItalic) ? 1 : 0;
    lf.lfUnderline = (s & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (s & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = charset_;
    lf.lfPitchAndFamily = pitch_;
    lf.lfQuality = DEFAULT_QUALITY;
    std::strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    return ScopedGdiObj<HFONT>(CreateFontIndirectA(&lf));
}

}  // namespace win
