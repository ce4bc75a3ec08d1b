#pragma once
// The seven-segment LED text display without its window: properties and their acceptance
// rules, the cell geometry, and the list of filled polygons that one drawing consists of.
// The Win32 control `TLEDFontNum` owns one of these and executes its drawings with GDI.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

struct LedPoint {
    int32_t x = 0, y = 0;
    bool operator==(const LedPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const LedPoint& o) const { return !(*this == o); }
};
// Every polygon is drawn with all six points; shorter outlines repeat their last point.
using LedPolygon = std::array<LedPoint, 6>;
// Polygon numbers: 0 top, 1 upper right, 2 lower right, 3 bottom, 4 lower left, 5 upper left,
// 6 middle, 7 decimal point, 8 upper colon dot, 9 lower colon dot.
using LedCellPolygons = std::array<LedPolygon, 10>;

constexpr int kLedDecimalPoint = 7, kLedUpperDot = 8, kLedLowerDot = 9;
// For each glyph (digits 0-9, the minus sign at 10, then the letters "A" and "P" that a
// 12-hour time's marker needs) the polygons to light, in drawing order. Entry 8 also draws
// the unlit bars of every non-colon cell.
extern const char* const GlyphSegments[13];
constexpr int kGlyphAllBars = 8, kGlyphMinus = 10, kGlyphA = 11, kGlyphP = 12;

// Outlines of one cell whose top-left corner is (x, y), cell size W x H, stroke T.
LedCellPolygons CellPolygons(int32_t x, int32_t y, int32_t W, int32_t H, int32_t T);

struct LedSize {
    int32_t width = 0, height = 0;
    bool operator==(const LedSize& o) const { return width == o.width && height == o.height; }
};

// One filled polygon, outlined with a one-pixel pen of the same colour.
struct LedFill {
    uint32_t color = 0;
    LedPolygon points{};
};

// One drawing: a `width` x `height` picture filled with `background`, then `fills` in order,
// copied to the control at (0, 0). Then, when `resize` is set, the control takes that size
// (Width first, then Height).
struct LedDrawing {
    int32_t width = 0, height = 0;
    uint32_t background = 0;
    std::vector<LedFill> fills;
    std::optional<LedSize> resize;
};

// What a property write asks of the control.
struct LedUpdate {
    bool changed = false;           // the stored value is different now
    bool invalidate = false;        // repaint later
    bool drawNow = false;           // run DrawDigits at once (Text)
    std::optional<LedSize> resize;  // set Width, then Height
};

class LEDFontNumModel {
  public:
    LEDFontNumModel() = default;

    bool AutoSize() const { return AutoSize_; }
    int32_t OffSetX() const { return OffSetX_; }
    int32_t WordWidth() const { return WordWidth_; }
    int32_t OffSetY() const { return OffSetY_; }
    int32_t Space() const { return Space_; }
    int32_t WordHeight() const { return WordHeight_; }
    int32_t Thick() const { return Thick_; }
    const std::string& Text() const { return Text_; }
    uint32_t LightColor() const { return LightColor_; }
    uint32_t BGColor() const { return BGColor_; }
    uint32_t DarkColor() const { return DarkColor_; }
    // The control's current size, which the auto-size rule compares against.
    int32_t Width() const { return Width_; }
    int32_t Height() const { return Height_; }

    LedUpdate SetOffSetX(int32_t v) { return Plain(OffSetX_, v); }
    LedUpdate SetOffSetY(int32_t v) { return Plain(OffSetY_, v); }
    LedUpdate SetSpace(int32_t v) { return Plain(Space_, v); }
    LedUpdate SetBGColor(uint32_t v) { return Plain(BGColor_, v); }
    LedUpdate SetLightColor(uint32_t v) { return Plain(LightColor_, v); }
    LedUpdate SetDarkColor(uint32_t v) { return Plain(DarkColor_, v); }
    // Accepted only while the cell stays drawable; see the rules in led_font.cpp.
    LedUpdate SetWordWidth(int32_t v);
    LedUpdate SetWordHeight(int32_t v);
    LedUpdate SetThick(int32_t v);
    LedUpdate SetText(const std::string& s);
    LedUpdate SetAutoSize(bool b);
    // The control reports its size here whenever it changes (also after applying a resize).
    void SetSize(int32_t width, int32_t height) {
        Width_ = width;
        Height_ = height;
    }

    // The size the text needs: n cells with their gaps and both margins (n counts the text
    // without its first "."). Never negative.
    LedSize TextSize() const;
    // The drawing of the whole text at the control's current size.
    LedDrawing DrawDigits() const;

  private:
    // Stores an accepted, different value and asks for a repaint; anything else does nothing.
    template <typename T>
    static LedUpdate Store(T& field, T v, bool accepted) {
        LedUpdate u;
        if (field == v || !accepted)
            return u;
        field = v;
        u.changed = u.invalidate = true;
        return u;
    }
    template <typename T>
    static LedUpdate Plain(T& field, T v) {
        return Store(field, v, true);
    }
    // The auto-size rule: a new size when `compareWidth` differs from the current width.
    std::optional<LedSize> AutoSizeAgainst(int64_t compareWidth) const;

    bool AutoSize_ = true;
    int32_t OffSetX_ = 4;
    int32_t WordWidth_ = 17;
    int32_t OffSetY_ = 4;
    int32_t Space_ = 4;
    int32_t WordHeight_ = 29;
    int32_t Thick_ = 3;
    std::string Text_ = "00";
    uint32_t LightColor_ = 0x0000FFF7;
    uint32_t BGColor_ = 0x004A424A;
    uint32_t DarkColor_ = 0x00636363;
    int32_t Width_ = 47;
    int32_t Height_ = 38;
};

}  // namespace core
