#include "core/widgets/alert_paint.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using core::AlertRect;
using core::GradientBand;

TEST(MulDiv, RoundsHalvesAwayFromZeroInEverySign) {
    EXPECT_EQ(core::MulDiv(1, 3, 2), 2);
    EXPECT_EQ(core::MulDiv(-1, 3, 2), -2);
    EXPECT_EQ(core::MulDiv(1, -3, 2), -2);
    EXPECT_EQ(core::MulDiv(-1, -3, 2), 2);
    EXPECT_EQ(core::MulDiv(3, 1, -2), -2);
    EXPECT_EQ(core::MulDiv(1, -1, 2), -1);
    EXPECT_EQ(core::MulDiv(5, 1, 3), 2);
    EXPECT_EQ(core::MulDiv(4, 1, 3), 1);
    EXPECT_EQ(core::MulDiv(-4, 1, 3), -1);
    EXPECT_EQ(core::MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX) << "64-bit intermediate";
}

TEST(MulDiv, ZeroDivisorAndOverflowGiveMinusOne) {
    EXPECT_EQ(core::MulDiv(5, 5, 0), -1);
    EXPECT_EQ(core::MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(core::MulDiv(INT_MIN, 1, 1), -1);
    EXPECT_EQ(core::MulDiv(INT_MIN, 1, -1), -1);
}

TEST(FillGradient, DegenerateCases) {
    EXPECT_TRUE(core::FillGradient(AlertRect{0, 0, 0, 10}, 1, 2, 8).empty());
    EXPECT_TRUE(core::FillGradient(AlertRect{0, 5, 10, 5}, 1, 2, 8).empty());
    const AlertRect r{2, 3, 12, 13};
    auto one = core::FillGradient(r, 0x112233, 0x445566, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Rect, r);
    EXPECT_EQ(one[0].Color, 0x112233u);
    auto same = core::FillGradient(r, 0x445566, 0x445566, 8);
    ASSERT_EQ(same.size(), 1u);
    EXPECT_EQ(same[0].Color, 0x445566u);
}

TEST(FillGradient, CaptionColoursOfTheDefaultPopup) {
    auto bands = core::FillGradient(AlertRect{0, 0, 329, 8}, 0xD68652, 0x944110, 8);
    ASSERT_EQ(bands.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bands[size_t(i)].Rect, (AlertRect{0, i, 329, i + 1}));
    EXPECT_EQ(bands[0].Color, 0xD68652u);
    // Red 82 - 9.43 -> 73, green 134 - 9.86 -> 124, blue 214 - 9.43 -> 205.
    EXPECT_EQ(bands[1].Color, 0xCD7C49u);
    EXPECT_EQ(bands[7].Color, 0x944110u);
}

TEST(FillGradient, HalfStepsRoundAwayFromZeroBothWays) {
    auto down = core::FillGradient(AlertRect{0, 0, 1, 3}, 0x000001, 0x000000, 3);
    ASSERT_EQ(down.size(), 3u);
    EXPECT_EQ(down[1].Color, 0x000000u) << "1 + (-0.5) rounds to 0";
    auto up = core::FillGradient(AlertRect{0, 0, 1, 3}, 0x000000, 0x010000, 3);
    EXPECT_EQ(up[1].Color, 0x010000u) << "0 + 0.5 rounds to 1";
}

TEST(FillGradient, LeftoverRowsTakeTheEndColour) {
    auto bands = core::FillGradient(AlertRect{0, 0, 4, 10}, 0x000000, 0x0000FF, 4);
    ASSERT_EQ(bands.size(), 5u);
    EXPECT_EQ(bands[3].Rect, (AlertRect{0, 6, 4, 8}));
    EXPECT_EQ(bands[3].Color, 0x0000FFu);
    EXPECT_EQ(bands[4].Rect, (AlertRect{0, 8, 4, 10}));
    EXPECT_EQ(bands[4].Color, 0x0000FFu);
    EXPECT_EQ(bands[1].Color, 0x000055u);

    // More colours than rows: one colour per row.
    EXPECT_EQ(core::FillGradient(AlertRect{0, 0, 4, 3}, 0, 0xFFFFFF, 8).size(), 3u);
    // One row cannot hold two bands: it all goes to the end colour.
    auto thin = core::FillGradient(AlertRect{0, 0, 4, 1}, 0, 0xFFFFFF, 8);
    ASSERT_EQ(thin.size(), 1u);
    EXPECT_EQ(thin[0].Color, 0xFFFFFFu);
}

// Draws a paint plan into a pixel grid, the way GDI would.
struct Canvas {
    static constexpr uint32_t kUntouched = 0xFF000000;
    int w, h;
    std::vector<uint32_t> px;
    Canvas(int w_, int h_) : w(w_), h(h_), px(size_t(w_ * h_), kUntouched) {}
    void Fill(const AlertRect& r, uint32_t c) {
        for (int y = std::max(0, r.Top); y < std::min(h, r.Bottom); ++y)
            for (int x = std::max(0, r.Left); x < std::min(w, r.Right); ++x)
                px[size_t(y * w + x)] = c;
    }
    void Run(const std::vector<core::PaintOp>& ops) {
        for (const auto& op : ops) {
            if (op.What == core::PaintOp::Frame) {
                const AlertRect& r = op.Rect;
                Fill(AlertRect{r.Left, r.Top, r.Right, r.Top + 1}, op.Color);
                Fill(AlertRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, op.Color);
                Fill(AlertRect{r.Left, r.Top, r.Left + 1, r.Bottom}, op.Color);
                Fill(AlertRect{r.Right - 1, r.Top, r.Right, r.Bottom}, op.Color);
            } else {
                Fill(op.Rect, op.Color);
            }
        }
    }
    uint32_t At(int x, int y) const { return px[size_t(y * w + x)]; }
};

TEST(AlertPaintPlan, DefaultPopupPixels) {
    Canvas c(329, 76);
    core::AlertColors colors;
    c.Run(core::AlertPaintPlan(AlertRect{0, 0, 329, 76}, colors, true));
    EXPECT_EQ(c.At(0, 0), core::kFrameColor);
    EXPECT_EQ(c.At(328, 75), core::kFrameColor);
    EXPECT_EQ(c.At(5, 1), 0xCD7C49u) << "row 0 is under the frame";
    EXPECT_EQ(c.At(5, 7), colors.CaptionTo);
    EXPECT_EQ(c.At(5, 8), Canvas::kUntouched) << "the row between caption and body";
    EXPECT_EQ(c.At(5, 9), colors.WindowFrom);
    EXPECT_EQ(c.At(5, 74), colors.WindowTo);
    // Grip dots start at 164 - 20 = 144, 4 apart, on row 3.
    for (int x : {144, 180}) {
        EXPECT_EQ(c.At(x, 3), core::kGripDark);
        EXPECT_EQ(c.At(x + 1, 3), core::kGripDark);
        EXPECT_EQ(c.At(x, 4), core::kGripDark);
        EXPECT_EQ(c.At(x + 1, 4), core::kGripCentre);
        EXPECT_EQ(c.At(x + 2, 5), core::kGripLight);
    }
    EXPECT_NE(c.At(184, 3), core::kGripDark) << "ten dots only";
    EXPECT_NE(c.At(143, 3), core::kGripDark);
}

TEST(AlertPaintPlan, NoGripWhenFixedAndFewerColoursWhenTall) {
    core::AlertColors colors;
    auto fixed = core::AlertPaintPlan(AlertRect{0, 0, 329, 76}, colors, false);
    for (const auto& op : fixed)
        EXPECT_NE(op.What, core::PaintOp::Pixel);

    // 300 high: the body's 290 rows take 32 colours of 9 rows, and 2 rows of the end colour.
    auto tall = core::AlertPaintPlan(AlertRect{0, 0, 100, 300}, colors, false);
    int body = 0;
    for (const auto& op : tall)
        if (op.What == core::PaintOp::Fill && op.Rect.Top >= 9) {
            ++body;
            if (op.Rect.Top == 9) {
                EXPECT_EQ(op.Rect.Height(), 9);
            }
        }
    EXPECT_EQ(body, 33);
    // 264 high: 254 colours, one per row.
    auto under = core::AlertPaintPlan(AlertRect{0, 0, 100, 264}, colors, false);
    EXPECT_EQ(under.size(), 8u + 254u + 1u);
}

}  // namespace
