#include "core/app/bitmap_region.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

using Pixel = std::pair<int32_t, int32_t>;

// The shape as the column-by-column path builds it: a one-pixel-wide figure from a run's first
// pixel down to the row where it closes (a background pixel, or the top of the last row).
std::set<Pixel> ColumnPathModel(const core::Bitmap& b, uint32_t key, int32_t left, int32_t top) {
    std::set<Pixel> inside;
    for (int32_t x = 0; x < b.width; ++x) {
        bool open = false;
        int32_t sy = 0;
        for (int32_t y = 0; y < b.height; ++y) {
            uint32_t p = b.At(x, y);
            if (p != key && !open) {
                open = true;
                sy = y;
            }
            if (open && (p == key || y == b.height - 1)) {
                for (int32_t fy = sy; fy < y; ++fy)
                    inside.insert({left + x, top + fy});
                open = false;
            }
        }
    }
    return inside;
}

std::set<Pixel> Covered(const std::vector<core::RegionRect>& rects) {
    std::set<Pixel> s;
    for (const auto& r : rects)
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x)
                EXPECT_TRUE(s.insert({x, y}).second);
    return s;
}

struct Band {
    int32_t top, bottom;
    std::vector<std::pair<int32_t, int32_t>> spans;
};

// y-x banding as ExtCreateRegion wants it, with equal neighbouring rows merged.
void ExpectBanded(const std::vector<core::RegionRect>& rects) {
    std::vector<Band> bands;
    for (const auto& r : rects) {
        EXPECT_LT(r.left, r.right);
        EXPECT_LT(r.top, r.bottom);
        if (bands.empty() || bands.back().top != r.top) {
            if (!bands.empty()) {
                EXPECT_GE(r.top, bands.back().bottom) << "bands overlap";
            }
            bands.push_back(Band{r.top, r.bottom, {}});
        }
        Band& band = bands.back();
        EXPECT_EQ(band.bottom, r.bottom);
        if (!band.spans.empty()) {
            EXPECT_LT(band.spans.back().second, r.left) << "x order";
        }
        band.spans.emplace_back(r.left, r.right);
    }
    for (size_t i = 1; i < bands.size(); ++i) {
        if (bands[i].top == bands[i - 1].bottom) {
            EXPECT_NE(bands[i].spans, bands[i - 1].spans) << "equal touching bands not merged";
        }
    }
}

TEST(BitmapRegion, MatchesTheColumnPathOnRandomPictures) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        int32_t w = int32_t(rng() % 12) + 1, h = int32_t(rng() % 12) + 1;
        core::Bitmap b(w, h);
        const int colours = 2 + round % 3;
        // Blocky pictures give merged bands; noisy ones give many runs.
        bool blocky = round % 2 == 0;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                b.Set(x, y, blocky && y > 0 && rng() % 4 ? b.At(x, y - 1) : rng() % colours);
        const uint32_t key = 0;
        int32_t left = int32_t(rng() % 50) - 10, top = int32_t(rng() % 50) - 10;
        auto rects = core::BitmapRegionRects(b, key, left, top);
        EXPECT_EQ(Covered(rects), ColumnPathModel(b, key, left, top)) << "round " << round;
        ExpectBanded(rects);
    }
}

TEST(BitmapRegion, LastRowNeverBelongsAndKeyIsExact) {
    core::Bitmap full(3, 3, 0x111111);
    auto rects = core::BitmapRegionRects(full, 0xFF00FF, 64, 8);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], (core::RegionRect{64, 8, 67, 10}));

    EXPECT_TRUE(core::BitmapRegionRects(core::Bitmap(5, 1, 7), 0, 0, 0).empty());
    EXPECT_TRUE(core::BitmapRegionRects(core::Bitmap(4, 4, 0xFF00FF), 0xFF00FF, 0, 0).empty())
        << "an all-background picture cuts nothing";
    EXPECT_TRUE(core::BitmapRegionRects(core::Bitmap(), 0, 0, 0).empty());

    core::Bitmap nearKey(2, 2, 0xFF00FF);
    nearKey.Set(1, 0, 0xFF00FE);
    rects = core::BitmapRegionRects(nearKey, 0xFF00FF, 0, 0);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], (core::RegionRect{1, 0, 2, 1}));
}

TEST(BitmapRegion, RingShapeGivesBandsWithTwoRuns) {
    core::Bitmap b(5, 6, 0);
    for (int32_t y = 1; y <= 4; ++y)
        for (int32_t x = 0; x < 5; ++x)
            b.Set(x, y, (y == 1 || y == 4 || x == 0 || x == 4) ? 1 : 0);
    auto rects = core::BitmapRegionRects(b, 0, 0, 0);
    std::vector<core::RegionRect> expected = {
        {0, 1, 5, 2}, {0, 2, 1, 4}, {4, 2, 5, 4}, {0, 4, 5, 5}};
    EXPECT_EQ(rects, expected);
}

TEST(BitmapRegion, RegionDataBlockForExtCreateRegion) {
    std::vector<core::RegionRect> rects = {{5, 1, 9, 2}, {2, 2, 4, 6}, {7, 2, 12, 6}};
    core::Bytes data = core::RegionData(rects);
    ASSERT_EQ(data.size(), 32u + 3 * 16);
    EXPECT_EQ(core::GetU32(&data[0]), 32u);
    EXPECT_EQ(core::GetU32(&data[4]), 1u);
    EXPECT_EQ(core::GetU32(&data[8]), 3u);
    EXPECT_EQ(core::GetU32(&data[12]), 48u);
    EXPECT_EQ(core::GetI32(&data[16]), 2);  // bounds
    EXPECT_EQ(core::GetI32(&data[20]), 1);
    EXPECT_EQ(core::GetI32(&data[24]), 12);
    EXPECT_EQ(core::GetI32(&data[28]), 6);
    EXPECT_EQ(core::GetI32(&data[32 + 16 + 8]), 4) << "second rectangle's right";
    EXPECT_EQ(core::GetI32(&data[32 + 32 + 12]), 6) << "third rectangle's bottom";

    core::Bytes none = core::RegionData({});
    ASSERT_EQ(none.size(), 32u);
    EXPECT_EQ(core::GetU32(&none[8]), 0u);
    EXPECT_EQ(core::RegionBounds({}), core::RegionRect{});
}

}  // namespace
