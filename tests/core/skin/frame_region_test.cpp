#include "core/skin/frame_region.h"

#include <gtest/gtest.h>

#include "core/skin/test_skin.h"

namespace {

using namespace core;

bool Covers(const std::vector<Rect>& rects, int x, int y) {
    for (const Rect& r : rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    return false;
}

TEST(FrameRegion, BordersInPaintOrderWithTheirFrames) {
    auto skin = skintest::FrameSkin().Read();
    const TFrameMetrics m = FrameMetricsOf(*skin, fkSingle);
    const auto active = FrameBorderDraws(m, 100, 60, true, *skin);
    ASSERT_EQ(active.size(), 4u);
    EXPECT_EQ(active[0].target, (Rect{0, 0, 4, 60}));
    EXPECT_EQ(active[1].target, (Rect{96, 0, 100, 60}));
    EXPECT_EQ(active[2].target, (Rect{4, 57, 96, 60}));
    EXPECT_EQ(active[3].target, (Rect{4, 0, 96, 24}));
    EXPECT_FALSE(active[0].stacked);
    EXPECT_TRUE(active[3].stacked);
    for (const TBorderDraw& d : active)
        EXPECT_EQ(d.frame, 1);
    for (const TBorderDraw& d : FrameBorderDraws(m, 100, 60, false, *skin))
        EXPECT_EQ(d.frame, 2);

    // The left border's caption part is copied, the rest stretched: inactive colour below.
    Bitmap drawn(100, 60);
    for (const TBorderDraw& d : FrameBorderDraws(m, 100, 60, false, *skin))
        DrawPieces(drawn, skin->Border(d.border).Picture,
                   BorderPieces(skin->Border(d.border), d.target, d.frame, d.stacked), false);
    EXPECT_EQ(drawn.At(0, 0), kMagenta);
    EXPECT_EQ(drawn.At(2, 40), skintest::kLeftInactive);
    EXPECT_EQ(drawn.At(50, 10), skintest::kTopInactive);
    EXPECT_EQ(drawn.At(50, 58), skintest::kBottomInactive);
}

TEST(FrameRegion, TransparentCornersAreCutAndTheRestIsKept) {
    auto skin = skintest::FrameSkin().Read();
    const TFrameMetrics m = FrameMetricsOf(*skin, fkSingle);
    const TFrameRegion r = FrameRegion(*skin, m, 100, 60);
    EXPECT_FALSE(r.whole);
    struct Point {
        int x, y;
        bool in;
    } points[] = {
        {0, 0, false},  {1, 0, false},  {0, 1, false},  {2, 0, true},   {1, 1, true},
        {99, 0, false}, {98, 0, false}, {99, 1, false}, {97, 0, true},  {50, 0, true},
        {50, 30, true}, {0, 59, true},  {99, 59, true}, {50, 59, true}, {100, 30, false},
    };
    for (const Point& p : points)
        EXPECT_EQ(Covers(r.rects, p.x, p.y), p.in) << p.x << "," << p.y;
}

TEST(FrameRegion, WholeWindowWithoutTransparentSidesOrTop) {
    auto skin = skintest::FrameSkin(false).Read();
    EXPECT_TRUE(FrameRegion(*skin, FrameMetricsOf(*skin, fkSingle), 100, 60).whole);
}

TEST(FrameRegion, NarrowWindowDropsTheSidesMarginsAndStillCovers) {
    // Narrower than both sides: the nine-grid drops the fixed margins, nothing is left out.
    auto skin = skintest::FrameSkin().Read();
    const TFrameMetrics m = FrameMetricsOf(*skin, fkSingle);
    const TFrameRegion r = FrameRegion(*skin, m, 6, 20);
    EXPECT_TRUE(Covers(r.rects, 5, 19));
    EXPECT_FALSE(Covers(r.rects, 0, 0));
}

}  // namespace
