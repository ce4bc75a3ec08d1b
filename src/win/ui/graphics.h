#pragma once
// Fonts, pens, brushes, canvases and off-screen bitmaps over GDI.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/common/bitmap.h"
#include "win/ui/handles.h"

namespace ui {

// COLORREF layout ($00BBGGRR); a negative value names a system colour by its low byte.
using TColor = int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);
constexpr TColor clWindow = static_cast<TColor>(0xFF000005);
constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
COLORREF ColorToRGB(TColor color);

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;  // bit set of TFontStyle

class TFont {
  public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    uint8_t Charset() const { return charset_; }
    TColor Color() const { return color_; }
    int Height() const { return height_; }
    const std::string& Name() const { return name_; }
    TFontPitch Pitch() const { return pitch_; }
    int Size() const;
    TFontStyles Style() const { return style_; }

    void SetCharset(uint8_t v);
    void SetColor(TColor v);
    void SetHeight(int v);
    void SetName(const std::string& v);
    void SetPitch(TFontPitch v);
    // Points at the screen's 96 pixels per inch: Height becomes -Size * 96 / 72.
    void SetSize(int v);
    void SetStyle(TFontStyles v);
    void Assign(const TFont& other);

    HFONT Handle() const;  // made on demand, kept until the next change
    std::function<void()> OnChange;

  private:
    void Changed();

    uint8_t charset_ = DEFAULT_CHARSET;
    TColor color_ = clWindowText;
    int height_ = -11;
    std::string name_ = "MS Sans Serif";
    TFontPitch pitch_ = fpDefault;
    TFontStyles style_ = 0;
    mutable ScopedFont handle_;
};

class TPen {
  public:
    TColor Color() const { return color_; }
    int Width() const { return width_; }
    void SetColor(TColor v);
    void SetWidth(int v);
    std::function<void()> OnChange;

  private:
    TColor color_ = clBlack;
    int width_ = 1;
};

class TBrush {
  public:
    TColor Color() const { return color_; }
    bool Clear() const { return clear_; }  // hollow: fills nothing
    void SetColor(TColor v);
    void SetClear(bool v);
    std::function<void()> OnChange;

  private:
    TColor color_ = clWhite;
    bool clear_ = false;
};

class TBitmap;

// Draws on a DC that someone else owns. Pen, brush and font are selected on first use and the
// DC's own objects are put back when the handle changes.
class TCanvas {
  public:
    TCanvas();
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    virtual HDC Handle();
    bool HandleAllocated() const { return dc_ != nullptr; }
    void SetHandle(HDC dc);

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }

    void FillRect(const RECT& r);
    void Polygon(const POINT* points, int count);
    void Polygon(const std::vector<POINT>& points) {
        Polygon(points.data(), static_cast<int>(points.size()));
    }
    void Rectangle(int left, int top, int right, int bottom);
    void TextOut(int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    void Draw(int x, int y, TBitmap& bitmap);
    COLORREF Pixel(int x, int y);
    RECT ClipRect();

  private:
    void RequirePen();
    void RequireBrush();
    void RequireFont();
    void Deselect();

    HDC dc_ = nullptr;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    ScopedPen penHandle_;
    ScopedBrush brushHandle_;
    bool penSelected_ = false, brushSelected_ = false, fontSelected_ = false;
    HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
};

// An off-screen picture: a 32-bit top-down DIB section with its own memory DC and canvas.
class TBitmap {
  public:
    TBitmap() = default;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    void SetSize(int width, int height);  // content is cleared to black
    // Takes COLORREF pixels ($00BBGGRR), row-major, top row first.
    void Assign(const uint32_t* colorRefPixels, int width, int height);
    void Assign(const TBitmap& other);
    void Assign(const core::Bitmap& picture) {
        Assign(picture.pixels.data(), picture.width, picture.height);
    }
    // The pixels as a core picture, copied in one pass.
    core::Bitmap ToBitmap() const;
    // The pixels in DIB order ($00RRGGBB), row-major, top row first; null when empty. Call
    // GdiFlush before reading what GDI drew.
    uint32_t* Bits() const { return bits_; }
    COLORREF PixelAt(int x, int y) const;  // no bounds check beyond returning 0 outside

    HBITMAP Handle() const { return bitmap_.get(); }
    TCanvas& Canvas();
    std::function<void()> OnChange;

  private:
    void Allocate(int width, int height);

    int width_ = 0, height_ = 0;
    uint32_t* bits_ = nullptr;  // owned by the DIB section
    ScopedBitmap bitmap_;
    ScopedMemoryDC dc_;
    HGDIOBJ oldBitmap_ = nullptr;
    TCanvas canvas_;
};

}  // namespace ui
