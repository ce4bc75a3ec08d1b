// The LED control draws exactly what the core model lists, at once on Text, through the window.
#include <gtest/gtest.h>

#include "core/app/time_format.h"
#include "win/ui/application.h"
#include "win/widgets/led_font_num.h"
#include "win/win_test_support.h"

namespace {

using widgets::TLEDFontNum;

// Even-odd test of the pixel centre against one of the model's polygons.
bool Inside(const core::LedPolygon& poly, double px, double py) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        double xi = poly[i].x, yi = poly[i].y, xj = poly[j].x, yj = poly[j].y;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            in = !in;
    }
    return in;
}

bool NearOutline(const core::LedPolygon& poly, double px, double py) {
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        double ax = poly[j].x, ay = poly[j].y, bx = poly[i].x, by = poly[i].y;
        double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
        t = t < 0 ? 0 : t > 1 ? 1 : t;
        double ex = ax + t * dx - px, ey = ay + t * dy - py;
        if (ex * ex + ey * ey < 1.5 * 1.5)
            return true;
    }
    return false;
}

// What the model says pixel (x, y) shows: the last polygon whose interior holds its centre,
// else the background; nullopt for pixels at an outline, where pen rules decide.
std::optional<uint32_t> Expected(const core::LedDrawing& d, int x, int y) {
    std::optional<uint32_t> colour = d.background;
    for (const core::LedFill& f : d.fills) {
        bool centre = Inside(f.points, x + 0.5, y + 0.5);
        // The one-pixel outline may fall on either side of an edge: skip pixels close to one.
        if (NearOutline(f.points, x + 0.5, y + 0.5))
            return std::nullopt;
        if (centre)
            colour = f.color;
    }
    return colour;
}

class LedControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.SetBorderStyle(ui::bsNone);
        form.SetBounds(20, 20, 300, 100);
        led = new TLEDFontNum(&form);
        led->SetParent(&form);
        form.Show();
        wintest::Pump(50);
    }
    COLORREF Pixel(int x, int y) {
        ui::ScopedGetDC dc(led->Handle());
        return ::GetPixel(dc.get(), x, y);
    }
    // Compares every pixel away from an outline with `want` (most pixels must be such); returns
    // how many of them in the columns [left, right) are lit, or -1 at the first mismatch.
    int LitPixelsMatching(const core::LedDrawing& want, int left, int right) {
        int checked = 0, lit = 0;
        for (int y = 0; y < want.height; ++y) {
            for (int x = 0; x < want.width; ++x) {
                const auto colour = Expected(want, x, y);
                if (!colour)
                    continue;
                if (Pixel(x, y) != COLORREF(*colour)) {
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << Pixel(x, y)
                                  << ", wanted " << *colour;
                    return -1;
                }
                ++checked;
                lit += *colour == led->LightColor() && x >= left && x < right;
            }
        }
        EXPECT_GT(checked, want.width * want.height / 2);
        return lit;
    }
    ui::TForm form{nullptr};
    TLEDFontNum* led = nullptr;
};

TEST_F(LedControlTest, PixelsMatchTheModelsPolygonsForATimeWithUnlitBars) {
    led->SetDarkColor(0x00303030);
    led->SetWordWidth(40);  // thick bars, so that most pixels lie away from an outline
    led->SetWordHeight(61);
    led->SetThick(7);
    led->SetText("12:34");
    led->SetText("-8.5 ");
    wintest::Pump(50);
    core::LedDrawing drawing = led->Model().DrawDigits();
    ASSERT_EQ(led->Width(), drawing.width);
    EXPECT_GT(LitPixelsMatching(drawing, 0, drawing.width), 50);
}

TEST_F(LedControlTest, TextDrawsAtOnceWithoutInvalidatingAndTheSameTextDrawsNothing) {
    led->SetDarkColor(led->BGColor());  // as the clock sets it: unlit bars do not show
    led->SetText("88");
    wintest::Pump(50);
    ::ValidateRect(led->Handle(), nullptr);
    led->SetText("11");
    EXPECT_FALSE(::GetUpdateRect(led->Handle(), nullptr, FALSE));
    // The top bar of the first cell is unlit for "1": background colour there, right away.
    core::LedCellPolygons cell = core::CellPolygons(
        led->OffSetX(), led->OffSetY(), led->WordWidth(), led->WordHeight(), led->Thick());
    int topX = (cell[0][0].x + cell[0][3].x) / 2, topY = cell[0][1].y - 1;
    EXPECT_EQ(Pixel(topX, topY), COLORREF(led->BGColor()));
    // A right bar is lit.
    int rightX = (cell[1][0].x + cell[1][1].x) / 2, rightY = (cell[1][1].y + cell[1][2].y) / 2;
    EXPECT_EQ(Pixel(rightX, rightY), COLORREF(led->LightColor()));

    // Paint over it; writing the same text must not redraw.
    {
        ui::ScopedGetDC dc(led->Handle());
        ui::ScopedBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
        RECT r{0, 0, led->Width(), led->Height()};
        ::FillRect(dc.get(), &r, red.get());
    }
    led->SetText("11");
    EXPECT_EQ(Pixel(rightX, rightY), RGB(255, 0, 0));
}

TEST_F(LedControlTest, AutoSizeFollowsTheTextAndGeometryWritesKeepTheirOrderRules) {
    led->SetText("12:34");
    EXPECT_EQ(led->Width(), 5 * 17 + 4 * 4 + 8);
    EXPECT_EQ(led->Height(), 37);
    led->SetThick(8);  // refused: 4 * 8 - 1 is not below 29
    EXPECT_EQ(led->Thick(), 3);
    led->SetWordHeight(30);
    EXPECT_EQ(led->WordHeight(), 31);
    led->SetText("10:00:00");
    EXPECT_EQ(led->Width(), 8 * 17 + 7 * 4 + 8);
    EXPECT_EQ(led->Height(), 39);
}

TEST_F(LedControlTest, AHiddenDisplayDrawsNothing) {
    led->SetText("88");
    wintest::Pump(50);
    led->Hide();
    int before = led->Width();
    led->SetText("888888");
    EXPECT_EQ(led->Width(), before);  // no drawing, so no auto-size either
    EXPECT_EQ(led->Text(), "888888");
}

TEST_F(LedControlTest, ATwelveHourEveningShowsPAfterTheTimeOnTheGlyphsBars) {
    form.SetBounds(20, 20, 560, 100);   // room for eleven wide cells
    led->SetDarkColor(led->BGColor());  // as the clock sets it
    led->SetWordWidth(40);
    led->SetWordHeight(61);
    led->SetThick(7);
    const core::TimeFormatSettings enUS = core::ParseTimeFormatPicture("h:mm:ss tt");
    led->SetText(core::FormatLedTime(core::EncodeTime(23, 30, 0, 0), enUS));
    ASSERT_EQ(led->Text(), "11:30:00 P ");
    wintest::Pump(50);

    // The lit bars of each cell: the digits and colons as ever, "P" top, upper right, both
    // left bars and the middle; the blank after it nothing.
    const char* const lit[] = {"12",     "12",     "89", "01623", "012345", "89",
                               "012345", "012345", "",   "01456", ""};
    core::LedDrawing want;
    want.width = led->Width();
    want.height = led->Height();
    want.background = led->BGColor();
    for (int i = 0; i < 11; ++i) {
        const core::LedCellPolygons cell = core::CellPolygons(
            led->OffSetX() + i * (40 + led->Space()), led->OffSetY(), 40, led->WordHeight(), 7);
        for (const char* bar = lit[i]; *bar; ++bar)
            want.fills.push_back(core::LedFill{led->LightColor(), cell[size_t(*bar - '0')]});
    }
    ASSERT_EQ(want.width, 11 * 40 + 10 * led->Space() + 2 * led->OffSetX());
    const int pCellLeft = led->OffSetX() + 9 * (40 + led->Space());
    EXPECT_GT(LitPixelsMatching(want, pCellLeft, pCellLeft + 40), 300)
        << "five bars of the P, away from their outlines";
}

}  // namespace
