#include "core/skin/img_util.h"

#include <gtest/gtest.h>

#include "core/skin/system_colours.h"

namespace {

using core::Bitmap;
using core::RGBColour;

TEST(MixColors, HundredthsBelowOneHundredThousandthsAbove) {
    // 30% of red 200 + 70% of 100 = 130; rounding is to the nearest.
    EXPECT_EQ(core::MixColors(RGBColour(200, 0, 0), RGBColour(100, 0, 0), 30),
              RGBColour(130, 0, 0));
    EXPECT_EQ(core::MixColors(RGBColour(1, 0, 0), RGBColour(0, 0, 0), 50), RGBColour(1, 0, 0))
        << "0.5 rounds up";
    // 150 is in thousandths: 0.15 * 200 + 0.85 * 255 = 246.75 -> 247.
    EXPECT_EQ(core::MixColors(RGBColour(200, 200, 200), core::kWhite, 150),
              RGBColour(247, 247, 247));
    EXPECT_EQ(core::MixColors(RGBColour(10, 20, 30), RGBColour(90, 80, 70), 100),
              RGBColour(82, 74, 66))
        << "100 is already in thousandths";
}

TEST(MixColors, ResolvesSystemColoursAndStaysInRange) {
    core::SetSystemColourFunction([](int i) { return i == core::kColorBtnFace ? 0x102030u : 0u; });
    EXPECT_EQ(core::MixColors(core::SystemColour(core::kColorBtnFace), core::kWhite, 99),
              core::MixColors(0x102030, core::kWhite, 99));
    core::SetSystemColourFunction(nullptr);
    EXPECT_EQ(core::ResolveColour(core::SystemColour(core::kColorBtnFace)),
              core::DefaultSystemColour(core::kColorBtnFace));
    // Weights beyond the base would push channels outside a byte and into their neighbours.
    EXPECT_EQ(core::MixColors(core::kWhite, 0, 2000), core::kWhite);
    EXPECT_EQ(core::MixColors(0, core::kWhite, 2000), 0u);
}

TEST(SaturationFigure, DarkColoursCountAsSaturated) {
    EXPECT_EQ(core::SaturationFigure(RGBColour(159, 0, 0)), 200);
    EXPECT_EQ(core::SaturationFigure(RGBColour(160, 80, 0)), 255);
    EXPECT_EQ(core::SaturationFigure(RGBColour(200, 200, 200)), 0);
    // (240 - 180) / 240 * 255 = 63.75 -> 64.
    EXPECT_EQ(core::SaturationFigure(RGBColour(180, 200, 240)), 64);
}

TEST(GradientRamp, RunsEndToEndAndSurvivesCacheTurnover) {
    const std::vector<uint32_t> ramp =
        core::GradientRamp(5, RGBColour(0, 0, 0), RGBColour(200, 100, 40));
    ASSERT_EQ(ramp.size(), 5u);
    EXPECT_EQ(ramp[0], RGBColour(0, 0, 0));
    EXPECT_EQ(ramp[2], RGBColour(100, 50, 20));
    EXPECT_EQ(ramp[4], RGBColour(200, 100, 40));
    // Push the entry out through more than 16 other ramps; it must be rebuilt the same.
    for (int i = 0; i < 40; ++i)
        core::GradientRamp(3 + i, 0, core::kWhite);
    EXPECT_EQ(core::GradientRamp(5, RGBColour(0, 0, 0), RGBColour(200, 100, 40)), ramp);
    EXPECT_EQ(core::GradientRamp(1, 7, 9), std::vector<uint32_t>{7});
    EXPECT_TRUE(core::GradientRamp(0, 7, 9).empty());
}

TEST(GradientFill, OnlyTouchesTheClippedPart) {
    Bitmap b(4, 4, 0x123456);
    core::GradientFill(b, core::Rect{0, 0, 4, 4}, 0, RGBColour(30, 30, 30), true,
                       core::Rect{0, 2, 4, 10});
    EXPECT_EQ(b.At(0, 0), 0x123456u);
    EXPECT_EQ(b.At(3, 2), RGBColour(20, 20, 20)) << "row 2 of a 4-row ramp";
    EXPECT_EQ(b.At(1, 3), RGBColour(30, 30, 30));
}

TEST(PixelOps, MagentaGreyMirrorFlipTurns) {
    Bitmap b(3, 2);
    b.Set(0, 0, core::kMagenta);
    b.Set(1, 0, RGBColour(30, 60, 90));
    b.Set(2, 0, RGBColour(254, 0, 255));
    b.Set(0, 1, 1);
    b.Set(1, 1, 2);
    b.Set(2, 1, 3);

    Bitmap m = core::Mirrored(b);
    EXPECT_EQ(m.At(2, 0), core::kMagenta);
    EXPECT_EQ(m.At(0, 1), 3u);
    Bitmap f = core::Flipped(b);
    EXPECT_EQ(f.At(0, 0), 1u);
    EXPECT_EQ(f.At(1, 1), RGBColour(30, 60, 90));

    Bitmap cw = core::Rotated(b, true);
    ASSERT_EQ(cw.width, 2);
    ASSERT_EQ(cw.height, 3);
    EXPECT_EQ(cw.At(1, 0), core::kMagenta) << "top-left goes to top-right";
    EXPECT_EQ(cw.At(0, 2), 3u) << "bottom-right goes to bottom-left";
    Bitmap ccw = core::Rotated(b, false);
    EXPECT_EQ(ccw.At(0, 2), core::kMagenta) << "top-left goes to bottom-left";
    EXPECT_EQ(core::Rotated(core::Rotated(b, true), false).pixels, b.pixels);

    Bitmap r = b;
    core::ReplaceMagenta(r, 0xABCDEF);
    EXPECT_EQ(r.At(0, 0), 0xABCDEFu);
    EXPECT_EQ(r.At(2, 0), RGBColour(254, 0, 255)) << "only the exact key is replaced";

    Bitmap g = b;
    core::MakeGrey(g);
    EXPECT_EQ(g.At(1, 0), RGBColour(60, 60, 60));
}

TEST(PixelOps, CropPadsWhatLiesOutside) {
    Bitmap b(2, 2, 5);
    Bitmap c = core::Crop(b, core::Rect{-1, 1, 2, 3});
    ASSERT_EQ(c.width, 3);
    ASSERT_EQ(c.height, 2);
    EXPECT_EQ(c.At(0, 0), 0u);
    EXPECT_EQ(c.At(1, 0), 5u);
    EXPECT_EQ(c.At(2, 1), 0u);
}

}  // namespace
