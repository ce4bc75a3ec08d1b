#include "core/widgets/led_font.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace core {

const char* const GlyphSegments[13] = {
    "012345",   // 0
    "12",       // 1
    "01643",    // 2
    "01623",    // 3
    "5612",     // 4
    "05623",    // 5
    "054326",   // 6
    "012",      // 7
    "0123456",  // 8, and the unlit bars of every non-colon cell
    "650123",   // 9
    "6",        // minus
    "012456",   // A
    "01456",    // P
};

namespace {

// Absurd property values must not overflow the point arithmetic.
int32_t Clamp32(int64_t v) {
    return int32_t(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, v)));
}

LedPolygon Poly(std::initializer_list<std::pair<int64_t, int64_t>> pts) {
    LedPolygon p{};
    size_t i = 0;
    for (const auto& xy : pts)
        p[i++] = LedPoint{Clamp32(xy.first), Clamp32(xy.second)};
    // Outlines with fewer corners repeat their last point.
    for (; i < p.size(); ++i)
        p[i] = p[i - 1];
    return p;
}

}  // namespace

LedCellPolygons CellPolygons(int32_t x32, int32_t y32, int32_t W32, int32_t H32, int32_t T32) {
    const int64_t x = x32, y = y32, W = W32, H = H32, T = T32;
    const int64_t a = (H - 1) / 2, b = (H + 1) / 2;
    const int64_t cx = int64_t(std::trunc(double(W) / 2));
    const int64_t c1 = int64_t(std::trunc(3.0 * double(H) / 9));
    const int64_t c2 = int64_t(std::trunc(5.0 * double(H) / 9));
    LedCellPolygons c;
    c[0] = Poly(
        {{x + 2, y}, {x + T + 1, y + T - 1}, {x + W - 2 * T - 3, y + T - 1}, {x + W - T - 4, y}});
    c[1] = Poly({{x + W - T - 2, y + 1},
                 {x + W - 2 * T - 1, y + T},
                 {x + W - 2 * T - 1, y + a - T},
                 {x + W - T - 2, y + a - 1}});
    c[2] = Poly({{x + W - T - 2, y + a + 1},
                 {x + W - 2 * T - 1, y + a + T},
                 {x + W - 2 * T - 1, y + H - T - 1},
                 {x + W - T - 2, y + H - 2}});
    c[3] = Poly({{x + W - T - 4, y + H - 1},
                 {x + W - 2 * T - 3, y + H - T},
                 {x + T + 1, y + H - T},
                 {x + 2, y + H - 1}});
    c[4] =
        Poly({{x, y + H - 2}, {x + T - 1, y + H - T - 1}, {x + T - 1, y + a + T}, {x, y + a + 1}});
    c[5] = Poly({{x, y + a - 1}, {x + T - 1, y + a - T}, {x + T - 1, y + T}, {x, y + 1}});
    c[6] = Poly({{x + T, y + b - T + 1},
                 {x + 2, y + b - 1},
                 {x + T, y + b + T - 3},
                 {x + W - 2 * T - 2, y + b + T - 3},
                 {x + W - T - 4, y + b - 1},
                 {x + W - 2 * T - 2, y + b - T + 1}});
    if (T == 1) {
        // A one-pixel stroke flattens the middle bar to a line at y + b - 1.
        c[6][0].x += 1, c[6][0].y -= 1;
        c[6][2].x += 1, c[6][2].y += 1;
        c[6][3].x -= 1, c[6][3].y += 1;
        c[6][5].x -= 1, c[6][5].y -= 1;
    }
    c[7] = Poly({{x + W - T, y + H - T},
                 {x + W - T, y + H},
                 {x + W, y + H},
                 {x + W, y + H - T},
                 {x + W - T, y + H - T}});
    auto dot = [&](int64_t top) {
        return Poly({{x + cx, y + top},
                     {x + cx + T, y + top},
                     {x + cx + T, y + top + T},
                     {x + cx, y + top + T},
                     {x + cx, y + top}});
    };
    c[8] = dot(c1);
    c[9] = dot(c2);
    return c;
}

LedUpdate LEDFontNumModel::SetWordWidth(int32_t v) {
    return Store(WordWidth_, v, int64_t(v) > 2 * int64_t(Thick_));
}

LedUpdate LEDFontNumModel::SetWordHeight(int32_t v) {
    LedUpdate u;
    if (v == WordHeight_ || !(int64_t(v) >= 4 * int64_t(Thick_)))
        return u;
    // The middle bar needs a centre row: heights are kept odd.
    int32_t stored = (v % 2 != 0) ? v : Clamp32(int64_t(v) + 1);
    u.changed = stored != WordHeight_;
    WordHeight_ = stored;
    u.invalidate = true;
    return u;
}

LedUpdate LEDFontNumModel::SetThick(int32_t v) {
    const int64_t t = v;
    return Store(Thick_, v, 2 * t < WordWidth_ && 4 * t - 1 < WordHeight_ && WordHeight_ % 2 != 0);
}

LedUpdate LEDFontNumModel::SetText(const std::string& s) {
    LedUpdate u;
    if (s == Text_)
        return u;
    Text_ = s;
    // Drawn at once, without an erase in between, so the time display never flickers.
    u.changed = u.drawNow = true;
    return u;
}

LedUpdate LEDFontNumModel::SetAutoSize(bool b) {
    LedUpdate u;
    if (b == AutoSize_)
        return u;
    AutoSize_ = b;
    u.changed = true;
    if (b)
        u.resize = AutoSizeAgainst(TextSize().width);
    return u;
}

LedSize LEDFontNumModel::TextSize() const {
    int64_t n = int64_t(Text_.size()) - (Text_.find('.') != std::string::npos ? 1 : 0);
    int64_t cw = n * WordWidth_ + (n - 1) * Space_ + 2 * int64_t(OffSetX_);
    int64_t ch = 2 * int64_t(OffSetY_) + WordHeight_;
    // An empty text leaves 2 x OffSetX - Space, which may be negative: no width then.
    return LedSize{Clamp32(std::max<int64_t>(0, cw)), Clamp32(std::max<int64_t>(0, ch))};
}

std::optional<LedSize> LEDFontNumModel::AutoSizeAgainst(int64_t compareWidth) const {
    if (compareWidth == Width_)
        return std::nullopt;
    return TextSize();
}

LedDrawing LEDFontNumModel::DrawDigits() const {
    LedDrawing d;
    d.width = Width_;
    d.height = Height_;
    d.background = BGColor_;

    const size_t dot = Text_.find('.');
    std::string s = Text_;
    if (dot != std::string::npos)
        s.erase(dot, 1);

    auto draw = [&](uint32_t color, const LedCellPolygons& cell, const char* numbers) {
        for (const char* n = numbers; *n; ++n)
            d.fills.push_back(LedFill{color, cell[*n - '0']});
    };
    int64_t cellX = 0, cellY = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i == 0) {
            cellX += OffSetX_;
            cellY += OffSetY_;
        } else {
            cellX += int64_t(WordWidth_) + Space_;
        }
        const LedCellPolygons cell =
            CellPolygons(Clamp32(cellX), Clamp32(cellY), WordWidth_, WordHeight_, Thick_);
        const char ch = s[i];
        if (DarkColor_ != BGColor_) {
            if (ch != ':') {
                draw(DarkColor_, cell, GlyphSegments[kGlyphAllBars]);
                draw(DarkColor_, cell, "7");
            } else {
                draw(DarkColor_, cell, "89");
            }
        }
        if (ch != ' ' && LightColor_ != BGColor_) {
            if (ch == '-') {
                draw(LightColor_, cell, GlyphSegments[kGlyphMinus]);
            } else if (ch >= '0' && ch <= '9') {
                draw(LightColor_, cell, GlyphSegments[ch - '0']);
                // The removed "." belonged to the digit just before it.
                if (dot != std::string::npos && dot == i + 1)
                    draw(LightColor_, cell, "7");
            } else if (ch == ':') {
                draw(LightColor_, cell, "89");
            } else if (ch == 'A') {
                draw(LightColor_, cell, GlyphSegments[kGlyphA]);
            } else if (ch == 'P') {
                draw(LightColor_, cell, GlyphSegments[kGlyphP]);
            }
        }
    }
    // Compared with one more than the text width, so a control exactly one pixel wider keeps
    // its size (as the constructor's 47 x 38 does for "00").
    if (AutoSize_)
        d.resize = AutoSizeAgainst(int64_t(TextSize().width) + 1);
    return d;
}

}  // namespace core
