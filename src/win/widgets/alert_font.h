#pragma once
// A font description as the alert's labels keep it: face, height, style, colour.
#include <windows.h>

#include <cstdint>
#include <string>

#include "win/widgets/gdi_handles.h"

namespace win {

enum AlertFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class AlertFont {
  public:
    // The screen's icon font, as the popup uses by default.
    static AlertFont IconFont();

    const std::string& Name() const { return name_; }
    int32_t Height() const { return height_; }  // negative: character height in pixels
    int32_t Size() const;                       // points, from the height
    uint8_t Charset() const { return charset_; }
    uint8_t Pitch() const { return pitch_; }
    uint8_t Style() const { return style_; }
    COLORREF Color() const { return color_; }

    void SetName(const std::string& n) { name_ = n; }
    void SetHeight(int32_t h) { height_ = h; }
    void SetSize(int32_t points);
    void SetCharset(uint8_t c) { charset_ = c; }
    void SetPitch(uint8_t p) { pitch_ = p; }
    void SetStyle(uint8_t s) { style_ = s; }
    void SetColor(COLORREF c) { color_ = c; }

    ScopedGdiObj<HFONT> Create(uint8_t extra_style = 0) const;

  private:
    std::string name_ = "MS Sans Serif";
    int32_t height_ = -11;
    uint8_t charset_ = DEFAULT_CHARSET;
    uint8_t pitch_ = DEFAULT_PITCH;
    uint8_t style_ = 0;
    COLORREF color_ = 0;
};

// Pixels per logical inch of the screen, for point sizes.
int ScreenPixelsPerInch();

}  // namespace win
