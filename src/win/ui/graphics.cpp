#include "win/ui/graphics.h"

#include <cstring>
#include <stdexcept>

namespace ui {

COLORREF ColorToRGB(TColor color) {
    if (color < 0)
        return ::GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0xFFFFFF;
}

// --- TFont -------------------------------------------------------------------------------

TFont::TFont() = default;

int TFont::Size() const {
    return -::MulDiv(height_, 72, 96);
}

void TFont::Changed() {
    handle_.reset();
    if (OnChange)
        OnChange();
}

void TFont::SetCharset(uint8_t v) {
    if (v == charset_)
        return;
    charset_ = v;
    Changed();
}
void TFont::SetColor(TColor v) {
    if (v == color_)
        return;
    color_ = v;
    Changed();
}
void TFont::SetHeight(int v) {
    if (v == height_)
        return;
    height_ = v;
    Changed();
}
void TFont::SetName(const std::string& v) {
    if (v == name_ || v.empty())
        return;
    name_ = v;
    Changed();
}
void TFont::SetPitch(TFontPitch v) {
    if (v == pitch_)
        return;
    pitch_ = v;
    Changed();
}
void TFont::SetSize(int v) {
    SetHeight(-::MulDiv(v, 96, 72));
}
void TFont::SetStyle(TFontStyles v) {
    if (v == style_)
        return;
    style_ = v;
    Changed();
}

void TFont::Assign(const TFont& o) {
    if (&o == this)
        return;
    bool same = charset_ == o.charset_ && color_ == o.color_ && height_ == o.height_ &&
                name_ == o.name_ && pitch_ == o.pitch_ && style_ == o.style_;
    if (same)
        return;
    charset_ = o.charset_;
    color_ = o.color_;
    height_ = o.height_;
    name_ = o.name_;
    pitch_ = o.pitch_;
    style_ = o.style_;
    Changed();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) != 0;
        lf.lfUnderline = (style_ & fsUnderline) != 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) != 0;
        lf.lfCharSet = charset_;
        lf.lfPitchAndFamily = pitch_ == fpFixed      ? FIXED_PITCH
                              : pitch_ == fpVariable ? VARIABLE_PITCH
                                                     : DEFAULT_PITCH;
        lf.lfQuality = DEFAULT_QUALITY;
        std::strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_.reset(::CreateFontIndirectA(&lf));
    }
    return handle_.get();
}

// --- TPen / TBrush -----------------------------------------------------------------------

void TPen::SetColor(TColor v) {
    if (v == color_)
        return;
    color_ = v;
    if (OnChange)
        OnChange();
}
void TPen::SetWidth(int v) {
    if (v == width_)
        return;
    width_ = v;
    if (OnChange)
        OnChange();
}
void TBrush::SetColor(TColor v) {
    if (v == color_ && !clear_)
        return;
    color_ = v;
    clear_ = false;
    if (OnChange)
        OnChange();
}
void TBrush::SetClear(bool v) {
    if (v == clear_)
        return;
    clear_ = v;
    if (OnChange)
        OnChange();
}

// --- TCanvas -----------------------------------------------------------------------------

TCanvas::TCanvas() {
    pen_.OnChange = [this] {
        if (penSelected_ && dc_)
            ::SelectObject(dc_, oldPen_);
        penSelected_ = false;
        penHandle_.reset();
    };
    brush_.OnChange = [this] {
        if (brushSelected_ && dc_)
            ::SelectObject(dc_, oldBrush_);
        brushSelected_ = false;
        brushHandle_.reset();
    };
    font_.OnChange = [this] {
        if (fontSelected_ && dc_)
            ::SelectObject(dc_, oldFont_);
        fontSelected_ = false;
    };
}

TCanvas::~TCanvas() {
    Deselect();
}

HDC TCanvas::Handle() {
    return dc_;
}

void TCanvas::Deselect() {
    if (dc_) {
        if (penSelected_)
            ::SelectObject(dc_, oldPen_);
        if (brushSelected_)
            ::SelectObject(dc_, oldBrush_);
        if (fontSelected_)
            ::SelectObject(dc_, oldFont_);
    }
    penSelected_ = brushSelected_ = fontSelected_ = false;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_)
        return;
    Deselect();
    dc_ = dc;
}

void TCanvas::RequirePen() {
    HDC dc = Handle();
    if (penSelected_ || !dc)
        return;
    if (!penHandle_)
        penHandle_.reset(::CreatePen(PS_SOLID, pen_.Width(), ColorToRGB(pen_.Color())));
    oldPen_ = ::SelectObject(dc, penHandle_.get());
    penSelected_ = true;
}

void TCanvas::RequireBrush() {
    HDC dc = Handle();
    if (brushSelected_ || !dc)
        return;
    if (!brushHandle_) {
        brushHandle_.reset(brush_.Clear() ? static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH))
                                          : ::CreateSolidBrush(ColorToRGB(brush_.Color())));
        if (brush_.Clear())
            brushHandle_.release();  // stock objects are never deleted
    }
    HBRUSH b =
        brushHandle_ ? brushHandle_.get() : static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
    oldBrush_ = ::SelectObject(dc, b);
    brushSelected_ = true;
}

void TCanvas::RequireFont() {
    HDC dc = Handle();
    if (fontSelected_ || !dc)
        return;
    oldFont_ = ::SelectObject(dc, font_.Handle());
    ::SetTextColor(dc, ColorToRGB(font_.Color()));
    fontSelected_ = true;
}

void TCanvas::FillRect(const RECT& r) {
    HDC dc = Handle();
    if (!dc || brush_.Clear())
        return;
    RequireBrush();
    ::FillRect(dc, &r, brushHandle_.get());
}

void TCanvas::Polygon(const POINT* points, int count) {
    HDC dc = Handle();
    if (!dc || count < 2)
        return;
    RequirePen();
    RequireBrush();
    ::Polygon(dc, points, count);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    HDC dc = Handle();
    if (!dc)
        return;
    RequirePen();
    RequireBrush();
    ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    HDC dc = Handle();
    if (!dc)
        return;
    RequireFont();
    RequireBrush();
    if (brush_.Clear()) {
        ::SetBkMode(dc, TRANSPARENT);
    } else {
        ::SetBkMode(dc, OPAQUE);
        ::SetBkColor(dc, ColorToRGB(brush_.Color()));
    }
    ::TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

SIZE TCanvas::TextExtent(const std::string& text) {
    SIZE s{0, 0};
    HDC dc = Handle();
    if (!dc)
        return s;
    RequireFont();
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &s);
    return s;
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
    HDC dc = Handle();
    if (!dc || bitmap.Empty())
        return;
    ::BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

COLORREF TCanvas::Pixel(int x, int y) {
    HDC dc = Handle();
    return dc ? ::GetPixel(dc, x, y) : CLR_INVALID;
}

RECT TCanvas::ClipRect() {
    RECT r{0, 0, 0, 0};
    HDC dc = Handle();
    if (dc)
        ::GetClipBox(dc, &r);
    return r;
}

// --- TBitmap -----------------------------------------------------------------------------

void TBitmap::Allocate(int width, int height) {
    canvas_.SetHandle(nullptr);
    if (dc_ && oldBitmap_)
        ::SelectObject(dc_.get(), oldBitmap_);
    oldBitmap_ = nullptr;
    bitmap_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    if (width <= 0 || height <= 0)
        return;

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down, like our pixel arrays
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
        throw std::runtime_error("Out of system resources");
    if (!dc_)
        dc_.reset(::CreateCompatibleDC(nullptr));
    if (!dc_)
        throw std::runtime_error("Out of system resources");
    oldBitmap_ = ::SelectObject(dc_.get(), bitmap_.get());
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    canvas_.SetHandle(dc_.get());
}

void TBitmap::SetSize(int width, int height) {
    Allocate(width, height);
    if (OnChange)
        OnChange();
}

void TBitmap::Assign(const uint32_t* pixels, int width, int height) {
    Allocate(width, height);
    ::GdiFlush();
    size_t n = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    for (size_t i = 0; i < n; ++i) {
        uint32_t c = pixels[i];  // $00BBGGRR -> DIB order $00RRGGBB
        bits_[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
    if (OnChange)
        OnChange();
}

void TBitmap::Assign(const TBitmap& other) {
    if (&other == this)
        return;
    Allocate(other.width_, other.height_);
    if (bits_) {
        ::GdiFlush();
        std::memcpy(bits_, other.bits_, size_t(width_) * size_t(height_) * 4);
    }
    if (OnChange)
        OnChange();
}

core::Bitmap TBitmap::ToBitmap() const {
    core::Bitmap out(width_, height_);
    if (!bits_)
        return out;
    ::GdiFlush();
    const size_t n = size_t(width_) * size_t(height_);
    for (size_t i = 0; i < n; ++i) {
        const uint32_t c = bits_[i];
        out.pixels[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
    return out;
}

COLORREF TBitmap::PixelAt(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    ::GdiFlush();
    uint32_t c = bits_[size_t(y) * size_t(width_) + size_t(x)];
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

TCanvas& TBitmap::Canvas() {
    if (!dc_) {
        // An empty bitmap still gets a DC so that callers can draw (onto nothing).
        dc_.reset(::CreateCompatibleDC(nullptr));
        canvas_.SetHandle(dc_.get());
    }
    return canvas_;
}

}  // namespace ui
