#include "core/widgets/led_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using core::LedPoint;
using core::LedPolygon;

// The four or six distinct corners as listed in the display's geometry table.
std::vector<LedPoint> Corners(const LedPolygon& p, size_t n) {
    return std::vector<LedPoint>(p.begin(), p.begin() + n);
}
std::vector<LedPoint> Pts(std::initializer_list<std::pair<int, int>> xy) {
    std::vector<LedPoint> v;
    for (auto& p : xy)
        v.push_back(LedPoint{p.first, p.second});
    return v;
}

TEST(LedCellPolygons, DefaultCellMatchesTheReferenceTable) {
    const core::LedCellPolygons c = core::CellPolygons(0, 0, 17, 29, 3);
    EXPECT_EQ(Corners(c[0], 4), Pts({{2, 0}, {4, 2}, {8, 2}, {10, 0}}));
    EXPECT_EQ(Corners(c[1], 4), Pts({{12, 1}, {10, 3}, {10, 11}, {12, 13}}));
    EXPECT_EQ(Corners(c[2], 4), Pts({{12, 15}, {10, 17}, {10, 25}, {12, 27}}));
    EXPECT_EQ(Corners(c[3], 4), Pts({{10, 28}, {8, 26}, {4, 26}, {2, 28}}));
    EXPECT_EQ(Corners(c[4], 4), Pts({{0, 27}, {2, 25}, {2, 17}, {0, 15}}));
    EXPECT_EQ(Corners(c[5], 4), Pts({{0, 13}, {2, 11}, {2, 3}, {0, 1}}));
    EXPECT_EQ(Corners(c[6], 6), Pts({{3, 13}, {2, 14}, {3, 15}, {9, 15}, {10, 14}, {9, 13}}));
    EXPECT_EQ(Corners(c[7], 4), Pts({{14, 26}, {14, 29}, {17, 29}, {17, 26}}));
    EXPECT_EQ(Corners(c[8], 4), Pts({{8, 9}, {11, 9}, {11, 12}, {8, 12}}));
    EXPECT_EQ(Corners(c[9], 4), Pts({{8, 16}, {11, 16}, {11, 19}, {8, 19}}));
    // Short outlines fill their six points by repeating the last listed point.
    for (int n : {0, 1, 2, 3, 4, 5})
        EXPECT_EQ(c[n][5], c[n][3]) << n;
    EXPECT_EQ(c[7][4], (LedPoint{14, 26}));
    EXPECT_EQ(c[7][5], (LedPoint{14, 26}));
    EXPECT_EQ(c[8][5], (LedPoint{8, 9}));
}

TEST(LedCellPolygons, OffsetCellAndOnePixelStroke) {
    const core::LedCellPolygons moved = core::CellPolygons(46, 4, 17, 29, 3);
    EXPECT_EQ(moved[8][0], (LedPoint{54, 13}));
    EXPECT_EQ(moved[9][0], (LedPoint{54, 20}));

    // T = 1, W 9, H 11: a = 5, b = 6; the middle bar collapses onto row y + b - 1 = 5.
    const core::LedCellPolygons thin = core::CellPolygons(0, 0, 9, 11, 1);
    EXPECT_EQ(Corners(thin[6], 6), Pts({{2, 5}, {2, 5}, {2, 5}, {4, 5}, {4, 5}, {4, 5}}));
    // Odd sizes: the colon dots use truncated thirds and fifths of the height.
    const core::LedCellPolygons odd = core::CellPolygons(0, 0, 11, 13, 2);
    EXPECT_EQ(odd[8][0], (LedPoint{5, 4}));
    EXPECT_EQ(odd[9][0], (LedPoint{5, 7}));
}

TEST(LedGlyphs, SegmentStrings) {
    EXPECT_STREQ(core::GlyphSegments[0], "012345");
    EXPECT_STREQ(core::GlyphSegments[6], "054326");
    EXPECT_STREQ(core::GlyphSegments[9], "650123");
    EXPECT_STREQ(core::GlyphSegments[10], "6");
}

// Which colour fills which polygon, as (colour, first point) pairs.
struct Fill {
    uint32_t color;
    LedPoint first;
    bool operator==(const Fill& o) const { return color == o.color && first == o.first; }
};
std::vector<Fill> FillsOf(const core::LedDrawing& d) {
    std::vector<Fill> v;
    for (const auto& f : d.fills)
        v.push_back(Fill{f.color, f.points[0]});
    return v;
}
size_t CountColor(const core::LedDrawing& d, uint32_t c) {
    size_t n = 0;
    for (const auto& f : d.fills)
        n += f.color == c;
    return n;
}

TEST(LedDrawDigits, TimeTextCellsColonAndAutoSize) {
    core::LEDFontNumModel led;
    led.SetText("12:34");
    core::LedDrawing d = led.DrawDigits();
    EXPECT_EQ(d.width, 47) << "composed at the size the control has now";
    EXPECT_EQ(d.background, 0x4A424Au);
    // Unlit: 8 polygons for each of 4 digit cells, 2 dots for the colon; lit: 2+5+2+5+4 bars
    // of 1, 2, 3, 4 and the colon's two dots.
    EXPECT_EQ(CountColor(d, 0x636363), 4u * 8 + 2);
    EXPECT_EQ(CountColor(d, 0x00FFF7), 2u + 5 + 2 + 5 + 4);
    // Cell origins: the top-left point of the upper-right bar sits at CellX + 12.
    std::vector<int32_t> upperRight;
    for (const auto& f : d.fills)
        if (f.color == 0x636363 && f.points[1].x - f.points[0].x == -2 && f.points[0].y == 5)
            upperRight.push_back(f.points[0].x - 12);
    EXPECT_EQ(upperRight, (std::vector<int32_t>{4, 25, 67, 88}));
    // The colon cell at CellX 46: dots at x + 8, y + 9 and y + 16 (y = 4).
    std::vector<Fill> colon;
    for (const auto& f : FillsOf(d))
        if (f.first.x == 54)
            colon.push_back(f);
    EXPECT_EQ(colon, (std::vector<Fill>{{0x636363, {54, 13}},
                                        {0x636363, {54, 20}},
                                        {0x00FFF7, {54, 13}},
                                        {0x00FFF7, {54, 20}}}));
    ASSERT_TRUE(d.resize.has_value());
    EXPECT_EQ(*d.resize, (core::LedSize{109, 37}));
}

TEST(LedDrawDigits, DecimalPointBelongsToThePrecedingDigit) {
    core::LEDFontNumModel led;
    led.SetDarkColor(led.BGColor());
    led.SetText("1.5");
    core::LedDrawing d = led.DrawDigits();
    // 1 lights "12" plus its point, 5 lights "05623": no unlit polygons at all.
    ASSERT_EQ(d.fills.size(), 2u + 1 + 5);
    EXPECT_EQ(d.fills[2].points[0], (LedPoint{4 + 14, 4 + 26})) << "point of the first cell";
    EXPECT_EQ(led.TextSize().width, 2 * 17 + 4 + 8) << "n = 2";

    led.SetText("1.2.3");
    d = led.DrawDigits();
    EXPECT_EQ(led.TextSize().width, 4 * 17 + 3 * 4 + 8) << "only the first point is removed";
    // 1 + its point (3), 2 (5), the second "." lights nothing, 3 (5).
    EXPECT_EQ(d.fills.size(), 3u + 5 + 5);
    EXPECT_EQ(d.fills.back().points[0].x, 4 + 3 * 21 + 12 - 2) << "3 sits in the fourth cell";

    led.SetText("5.");
    d = led.DrawDigits();
    EXPECT_EQ(d.fills.size(), 5u + 1);
    led.SetText(".5");
    d = led.DrawDigits();
    EXPECT_EQ(d.fills.size(), 5u) << "a leading point belongs to no digit";
}

TEST(LedDrawDigits, ColourRulesBlanksLettersAndMinus) {
    core::LEDFontNumModel led;
    led.SetText(" ");
    core::LedDrawing d = led.DrawDigits();
    EXPECT_EQ(d.fills.size(), 8u) << "a blank cell shows seven bars and the point unlit";
    EXPECT_EQ(CountColor(d, led.DarkColor()), 8u);

    led.SetText("-M");
    d = led.DrawDigits();
    EXPECT_EQ(CountColor(d, led.LightColor()), 1u);
    EXPECT_EQ(d.fills[8].points[0], core::CellPolygons(4, 4, 17, 29, 3)[6][0]) << "minus bar";
    EXPECT_EQ(CountColor(d, led.DarkColor()), 16u) << "a letter is an unlit cell";

    led.SetLightColor(led.BGColor());
    led.SetText("88");
    d = led.DrawDigits();
    EXPECT_EQ(CountColor(d, led.LightColor()), 0u) << "nothing lit when light equals background";
    led.SetDarkColor(led.BGColor());
    EXPECT_TRUE(led.DrawDigits().fills.empty());
}

TEST(LedDrawDigits, MarkerLettersAAndPLightTheirBarsAndKeepTheWidth) {
    core::LEDFontNumModel led;
    led.SetDarkColor(led.BGColor());
    const LedPoint cellX{4 + 2 * 21, 4};  // the third cell
    const core::LedCellPolygons cell = core::CellPolygons(cellX.x, cellX.y, 17, 29, 3);
    const struct {
        const char* text;
        std::vector<int> bars;  // lit in the third cell: top, rights, bottom, lefts, middle
    } cases[] = {{"12A", {0, 1, 2, 4, 5, 6}}, {"12P", {0, 1, 4, 5, 6}}, {"12a", {}}, {"12M", {}}};
    for (const auto& c : cases) {
        led.SetText(c.text);
        const core::LedDrawing d = led.DrawDigits();
        std::vector<int> lit;
        for (const auto& f : d.fills)
            for (int bar = 0; bar < 10; ++bar)
                if (f.points == cell[size_t(bar)])
                    lit.push_back(bar);
        std::sort(lit.begin(), lit.end());
        EXPECT_EQ(lit, c.bars) << c.text;
        EXPECT_EQ(d.fills.size(), 2u + 5 + c.bars.size()) << "the digits as ever";
    }
    led.SetText("11:30:00 PM");
    const int32_t width = led.TextSize().width;
    led.SetText("11:30:00 P ");
    EXPECT_EQ(led.TextSize().width, width);
}

TEST(LedDrawDigits, AutoSizeAfterDrawingComparesWithOneMore) {
    core::LEDFontNumModel led;
    EXPECT_FALSE(led.DrawDigits().resize.has_value()) << "47 x 38 is CW + 1 for \"00\"";
    led.SetSize(46, 37);
    ASSERT_TRUE(led.DrawDigits().resize.has_value());
    EXPECT_EQ(*led.DrawDigits().resize, (core::LedSize{46, 37}));

    // 9:59:59 -> 10:00:00: composed at the old size, then widened by one cell and gap.
    led.SetText("9:59:59");
    core::LedDrawing d = led.DrawDigits();
    led.SetSize(d.resize->width, d.resize->height);
    int32_t before = led.Width();
    led.SetText("10:00:00");
    d = led.DrawDigits();
    EXPECT_EQ(d.width, before);
    ASSERT_TRUE(d.resize.has_value());
    EXPECT_EQ(d.resize->width, before + 17 + 4);

    led.SetAutoSize(false);
    led.SetText("1");
    EXPECT_FALSE(led.DrawDigits().resize.has_value());
    core::LedUpdate u = led.SetAutoSize(true);
    ASSERT_TRUE(u.resize.has_value()) << "switching on compares CW with Width";
    EXPECT_EQ(u.resize->width, 17 + 8);
    led.SetSize(25, 37);
    led.SetAutoSize(false);
    EXPECT_FALSE(led.SetAutoSize(true).resize.has_value());

    led.SetText("");
    EXPECT_EQ(led.TextSize().width, 4) << "2 x OffSetX - Space";
    led.SetOffSetX(1);
    EXPECT_EQ(led.TextSize().width, 0) << "never negative";
}

TEST(LedProperties, GeometrySettersCheckEachOtherInOrder) {
    core::LEDFontNumModel led;
    EXPECT_TRUE(led.SetWordHeight(30).changed);
    EXPECT_EQ(led.WordHeight(), 31) << "even heights become odd";
    led.SetWordHeight(29);
    EXPECT_FALSE(led.SetThick(8).changed) << "4 x 8 - 1 = 31 is not below 29";
    EXPECT_TRUE(led.SetThick(7).changed);
    EXPECT_EQ(led.Thick(), 7);
    led.SetThick(3);
    EXPECT_FALSE(led.SetWordWidth(6).changed) << "6 is not above 2 x Thick";
    EXPECT_TRUE(led.SetWordWidth(7).changed);
    EXPECT_FALSE(led.SetWordHeight(11).changed) << "below 4 x Thick";
    EXPECT_TRUE(led.SetWordHeight(12).changed);
    EXPECT_EQ(led.WordHeight(), 13);

    // The clock window's order (WordWidth, WordHeight, ..., Thick) decides what sticks: a big
    // thick stroke is refused while the cell is still small.
    core::LEDFontNumModel a;
    a.SetWordWidth(40);
    a.SetWordHeight(60);
    a.SetThick(9);
    EXPECT_EQ(a.WordHeight(), 61);
    EXPECT_EQ(a.Thick(), 9);
    core::LEDFontNumModel b;
    b.SetThick(9);
    b.SetWordWidth(40);
    b.SetWordHeight(60);
    EXPECT_EQ(b.Thick(), 3);

    core::LEDFontNumModel c;
    c.SetThick(7);
    EXPECT_FALSE(c.SetWordWidth(14).changed);
    EXPECT_FALSE(c.SetThick(INT32_MAX).changed) << "no overflow in the checks";
}

TEST(LedProperties, EqualWritesDoNothingAndTextDrawsAtOnce) {
    core::LEDFontNumModel led;
    core::LedUpdate u = led.SetText("00");
    EXPECT_FALSE(u.changed || u.drawNow || u.invalidate);
    u = led.SetText("01");
    EXPECT_TRUE(u.drawNow);
    EXPECT_FALSE(u.invalidate);
    u = led.SetOffSetX(4);
    EXPECT_FALSE(u.invalidate);
    u = led.SetOffSetX(5);
    EXPECT_TRUE(u.invalidate);
    EXPECT_FALSE(led.SetBGColor(0x4A424A).invalidate);
    EXPECT_TRUE(led.SetDarkColor(0x4A424A).invalidate);
    EXPECT_FALSE(led.SetAutoSize(true).changed);
}

}  // namespace
