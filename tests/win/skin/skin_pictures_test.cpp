// The blit plans of the core drawn two ways, by the core's software compositor and on a device
// context through the skin's GDI pictures: the pixels must be the same.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/skin/img_util.h"
#include "core/skin/skin_draw.h"
#include "win/skin/skin_pictures.h"
#include "win/ui/graphics.h"

namespace {

using core::BlitPiece;
using core::Rect;

// Every pixel its own colour, with magenta spots to key on.
core::Bitmap Pattern(int w, int h) {
    core::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Set(x, y, (x + y) % 5 == 0 ? core::kMagenta : core::RGBColour(20 * x, 20 * y, 90));
    return b;
}

struct Plan {
    const char* name;
    std::vector<BlitPiece> pieces;
    bool transparent;
};

TEST(SkinPictures, BothExecutorsDrawTheSamePixels) {
    const core::Bitmap picture = Pattern(12, 10);
    const Rect src{0, 0, 12, 10};
    const Rect dst{3, 2, 40, 31};
    const core::Margins m{3, 2, 4, 3};
    const std::vector<Plan> plans = {
        {"nine-grid stretched", core::NineGridPieces(src, dst, m, false), false},
        {"nine-grid tiled", core::NineGridPieces(src, dst, m, true), false},
        {"nine-grid transparent", core::NineGridPieces(src, dst, m, false), true},
        {"three-slice", core::ThreeSlicePieces(src, dst, 3, 4), true},
        {"stretched", core::FramePieces(Rect{4, 0, 8, 10}, dst, true), false},
        {"stretched transparent", core::FramePieces(src, Rect{0, 0, 29, 17}, true), true},
        {"centred", core::FramePieces(src, Rect{0, 0, 30, 30}, false), true},
        {"shrunk", core::FramePieces(src, Rect{1, 1, 7, 6}, true), false},
    };
    const uint32_t ground = core::RGBColour(1, 2, 3);
    skin::TSkinPictures pictures;
    for (const Plan& plan : plans) {
        core::Bitmap expected(44, 34, ground);
        core::DrawPieces(expected, picture, plan.pieces, plan.transparent);
        ui::TBitmap drawn;
        drawn.Assign(core::Bitmap(44, 34, ground));
        pictures.Draw(drawn.Canvas().Handle(), picture, plan.pieces, plan.transparent);
        const core::Bitmap got = drawn.ToBitmap();
        int differ = 0;
        std::string first;
        for (int y = 0; y < 34; ++y)
            for (int x = 0; x < 44; ++x)
                if (got.At(x, y) != expected.At(x, y) && differ++ == 0)
                    first = std::to_string(x) + "," + std::to_string(y);
        EXPECT_EQ(differ, 0) << plan.name << ": first at " << first;
    }
    EXPECT_EQ(pictures.Count(), 1u) << "one GDI copy per picture";
    pictures.Clear();
    EXPECT_EQ(pictures.Count(), 0u);
}

}  // namespace
