#include "core/skin/skin_draw.h"

#include <gtest/gtest.h>

namespace {

using core::BlitPiece;
using core::Rect;

// A picture whose every pixel is unique, so a copied pixel tells where it came from.
core::Bitmap Numbered(int w, int h) {
    core::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Set(x, y, uint32_t(y * 100 + x + 1));
    return b;
}

TEST(FrameRect, SideBySideStackedAndClamped) {
    core::Bitmap b(60, 30);
    EXPECT_EQ(core::FrameRect(b, 3, 2), (Rect{20, 0, 40, 30}));
    EXPECT_EQ(core::FrameRect(b, 3, 2, true), (Rect{0, 10, 60, 20}));
    EXPECT_EQ(core::FrameRect(b, 3, 9), (Rect{40, 0, 60, 30}));
    EXPECT_EQ(core::FrameRect(b, 0, 1), (Rect{0, 0, 60, 30}));
    EXPECT_TRUE(core::FrameRect(core::Bitmap(), 3, 1).Empty());
}

TEST(NineGrid, CornersKeepSizeEdgesAndMiddleStretch) {
    const auto pieces = core::NineGridPieces(Rect{0, 0, 10, 10}, Rect{5, 5, 45, 25},
                                             core::Margins{2, 3, 4, 1}, false);
    ASSERT_EQ(pieces.size(), 9u);
    EXPECT_EQ(pieces[0].src, (Rect{0, 0, 2, 3}));
    EXPECT_EQ(pieces[0].dst, (Rect{5, 5, 7, 8}));
    EXPECT_EQ(pieces[2].src, (Rect{6, 0, 10, 3}));
    EXPECT_EQ(pieces[2].dst, (Rect{41, 5, 45, 8}));
    EXPECT_EQ(pieces[4].src, (Rect{2, 3, 6, 9}));
    EXPECT_EQ(pieces[4].dst, (Rect{7, 8, 41, 24}));
    EXPECT_EQ(pieces[8].src, (Rect{6, 9, 10, 10}));
    EXPECT_EQ(pieces[8].dst, (Rect{41, 24, 45, 25}));
    EXPECT_FALSE(pieces[0].Stretched());
    EXPECT_TRUE(pieces[4].Stretched());
}

TEST(NineGrid, MarginsThatDoNotFitAreDroppedPairwise) {
    // Width 5 < 3 + 3: left and right go, top and bottom stay.
    const auto pieces = core::NineGridPieces(Rect{0, 0, 10, 10}, Rect{0, 0, 5, 20},
                                             core::Margins{3, 2, 3, 2}, false);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].src, (Rect{0, 0, 10, 2}));
    EXPECT_EQ(pieces[0].dst, (Rect{0, 0, 5, 2}));
    EXPECT_EQ(pieces[1].dst, (Rect{0, 2, 5, 18}));
}

TEST(NineGrid, TiledMiddleRepeatsAndCutsTheLastCopy) {
    const auto pieces =
        core::NineGridPieces(Rect{0, 0, 6, 6}, Rect{0, 0, 11, 6}, core::Margins{1, 1, 1, 1}, true);
    std::vector<BlitPiece> middle;
    for (const auto& p : pieces)
        if (p.dst.left >= 1 && p.dst.right <= 10 && p.dst.top == 1)
            middle.push_back(p);
    // Middle source is 4x4, target middle 9x4: copies at 1, 5 and a 1-wide one at 9.
    ASSERT_EQ(middle.size(), 3u);
    EXPECT_EQ(middle[2].src, (Rect{1, 1, 2, 5}));
    EXPECT_EQ(middle[2].dst, (Rect{9, 1, 10, 5}));
    for (const auto& p : middle)
        EXPECT_FALSE(p.Stretched());
}

TEST(NineGrid, OversizedMarginsNeverReachOutsideThePicture) {
    const auto pieces = core::NineGridPieces(Rect{10, 0, 14, 4}, Rect{0, 0, 100, 100},
                                             core::Margins{9, 9, 9, 9}, true);
    for (const auto& p : pieces) {
        EXPECT_GE(p.src.left, 10);
        EXPECT_LE(p.src.right, 14);
        EXPECT_LE(p.src.bottom, 4);
    }
}

TEST(ThreeSlice, MiddleRepeatsAtItsOwnWidth) {
    const auto pieces = core::ThreeSlicePieces(Rect{0, 0, 7, 5}, Rect{0, 0, 12, 10}, 2, 2);
    ASSERT_EQ(pieces.size(), 5u);  // left, middles at 2, 5, 8 (1 wide), right
    EXPECT_EQ(pieces[0].dst, (Rect{0, 0, 2, 10}));
    EXPECT_EQ(pieces[3].src, (Rect{2, 0, 4, 5}));
    EXPECT_EQ(pieces[3].dst, (Rect{8, 0, 10, 10}));
    EXPECT_EQ(pieces[4].src, (Rect{5, 0, 7, 5}));
    EXPECT_EQ(pieces[4].dst, (Rect{10, 0, 12, 10}));
}

TEST(FrameDraw, CentredRoundsTowardTopLeftAndClips) {
    auto c = core::FramePieces(Rect{0, 0, 4, 4}, Rect{0, 0, 9, 9}, false);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].dst, (Rect{2, 2, 6, 6}));
    c = core::FramePieces(Rect{0, 0, 5, 5}, Rect{0, 0, 2, 2}, false);
    ASSERT_EQ(c.size(), 1u);
    // Offset -1.5 rounds to -2: the source starts 2 pixels in.
    EXPECT_EQ(c[0].src, (Rect{2, 2, 4, 4}));
    EXPECT_EQ(c[0].dst, (Rect{0, 0, 2, 2}));
    c = core::FramePieces(Rect{0, 0, 5, 5}, Rect{0, 0, 20, 10}, true);
    EXPECT_EQ(c[0].dst, (Rect{0, 0, 20, 10}));
}

TEST(DrawPieces, StretchesNearestAndKeysOnMagenta) {
    core::Bitmap pic = Numbered(2, 1);
    pic.Set(1, 0, core::kMagenta);
    core::Bitmap target(4, 2, 7);
    core::DrawPieces(target, pic, {{Rect{0, 0, 2, 1}, Rect{0, 0, 4, 2}}}, true);
    EXPECT_EQ(target.At(0, 0), 1u);
    EXPECT_EQ(target.At(1, 1), 1u);
    EXPECT_EQ(target.At(2, 0), 7u) << "magenta leaves the target alone";
    core::DrawPieces(target, pic, {{Rect{0, 0, 2, 1}, Rect{0, 0, 4, 2}}}, false);
    EXPECT_EQ(target.At(3, 1), core::kMagenta);
}

TEST(DrawPieces, NineGridComposesPixelForPixel) {
    const core::Bitmap pic = Numbered(4, 4);
    core::Bitmap target(6, 6);
    core::DrawPieces(
        target, pic,
        core::NineGridPieces(Rect{0, 0, 4, 4}, Rect{0, 0, 6, 6}, core::Margins{1, 1, 1, 1}, true),
        false);
    EXPECT_EQ(target.At(0, 0), pic.At(0, 0));
    EXPECT_EQ(target.At(5, 5), pic.At(3, 3));
    EXPECT_EQ(target.At(5, 0), pic.At(3, 0));
    // Tiled middle: source 2x2 middle at (1,1), repeated from target (1,1).
    EXPECT_EQ(target.At(3, 3), pic.At(1, 1));
    EXPECT_EQ(target.At(4, 2), pic.At(2, 2));
    // A piece reaching outside the target is clipped, not written out of bounds.
    core::DrawPieces(target, pic, {{Rect{0, 0, 4, 4}, Rect{4, 4, 8, 8}}}, false);
    EXPECT_EQ(target.At(5, 5), pic.At(1, 1));
}

TEST(Region, RowRunsWithToleranceAndOrigin) {
    core::Bitmap pic(5, 2, 0);
    pic.Set(0, 0, core::kMagenta);
    pic.Set(1, 0, core::RGBColour(250, 5, 255));  // within a tolerance of (10, 10, 0)
    pic.Set(3, 0, core::kMagenta);
    for (int x = 0; x < 5; ++x)
        pic.Set(x, 1, core::kMagenta);
    const auto runs = core::RegionFromPicture(pic, core::RGBColour(245, 0, 250),
                                              core::RGBColour(10, 10, 10), 100, 50);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (Rect{102, 50, 103, 51}));
    EXPECT_EQ(runs[1], (Rect{104, 50, 105, 51}));
    const auto exact = core::RegionFromPicture(pic, core::kMagenta, 0, 0, 0);
    ASSERT_EQ(exact.size(), 2u);
    EXPECT_EQ(exact[0], (Rect{1, 0, 3, 1}));
}

TEST(Region, RunsGoOutInBlocksOfTwoThousand) {
    // A checkerboard row of 4,001 pixels has 2,001 runs: two blocks, the second holding one.
    core::Bitmap pic(4001, 2, core::kMagenta);
    for (int x = 0; x < 4001; x += 2)
        pic.Set(x, 0, 0);
    const auto runs = core::RegionFromPicture(pic, core::kMagenta, 0, 0, 0);
    ASSERT_EQ(runs.size(), 2001u);
    const auto blocks = core::RegionBlocks(runs);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].size(), 2000u);
    ASSERT_EQ(blocks[1].size(), 1u);
    EXPECT_EQ(blocks[1][0], (Rect{4000, 0, 4001, 1}));
    EXPECT_TRUE(core::RegionBlocks({}).empty());
}

}  // namespace
