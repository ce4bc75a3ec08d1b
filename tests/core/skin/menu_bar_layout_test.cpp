#include "core/skin/menu_bar_layout.h"

#include <gtest/gtest.h>

namespace {

using core::Rect;
using core::TMenuBarItem;

// Two 16 x 20 frames side by side, margins 2; each pixel holds frame * 100 + row.
core::TDataSkinObject MenuBarObject(int tile) {
    core::TDataSkinObject o("Personality");
    o.Picture = core::Bitmap(32, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 32; ++x)
            o.Picture.Set(x, y, uint32_t((x / 16 + 1) * 100 + y));
    o.FrameCount = 2;
    o.LeftWidth = o.RightWidth = 2;
    o.Tile = tile;
    return o;
}

TEST(MenuBarBackground, FrameByActivationNineGridOrThreeSlices) {
    // On a 40-pixel bar, row 25 shows picture row 5 when tiled and row 12 when stretched.
    const struct {
        int tile;
        bool active;
        uint32_t row25;
    } cases[] = {{1, true, 105}, {1, false, 205}, {0, true, 112}, {0, false, 212}};
    for (const auto& c : cases) {
        const core::TDataSkinObject bar = MenuBarObject(c.tile);
        const auto plan = core::MenuBarBackgroundPlan(300, 40, &bar, c.active, 0x33);
        core::Bitmap target(300, 40, 0);
        core::DrawPieces(target, bar.Picture, plan.pieces, false);
        EXPECT_EQ(target.At(150, 25), c.row25);
        EXPECT_EQ(target.At(299, 39) / 100, c.active ? 1u : 2u);
    }
    const auto plain = core::MenuBarBackgroundPlan(300, 40, nullptr, true, 0x33);
    EXPECT_TRUE(!plain.skinned && plain.fill == 0x33u);
}

// Item 1 has no caption, item 2 is invisible.
std::vector<TMenuBarItem> Items() {
    std::vector<TMenuBarItem> items(4);
    items[0].captionWidth = 30;
    items[1].hasCaption = false;
    items[2].visible = false;
    items[3].captionWidth = 20;
    return items;
}

TEST(MenuBarLayout, ItemsInOrderEitherWayAndItemAt) {
    const core::TDataSkinObject bar = MenuBarObject(1);
    auto items = Items();
    core::LayoutMenuBar(items, Rect{5, 28, 305, 48}, &bar, true);  // 2 + 8 from the right
    EXPECT_EQ(items[0].rect, (Rect{255, 28, 295, 47}));
    EXPECT_EQ(items[3].rect, (Rect{225, 28, 255, 47}));
    EXPECT_EQ(core::MenuBarFirstItemStart(5, &bar, false), 12);
    EXPECT_EQ(core::MenuBarFirstItemStart(300, nullptr, true), 6);

    core::LayoutMenuBar(items, Rect{5, 28, 305, 48}, &bar, false);  // 2 + 4 from the left
    EXPECT_EQ(items[0].rect, (Rect{11, 28, 51, 47}));
    EXPECT_EQ(items[2].rect, (Rect{}));
    EXPECT_EQ(items[3].rect, (Rect{51, 28, 81, 47}));
    items[1].rect = Rect{51, 28, 60, 47};  // a captionless item never answers
    const struct {
        int x, y, item;
    } cases[] = {{11, 28, 0}, {50, 46, 0}, {51, 30, 3}, {81, 30, -1}, {20, 47, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(core::MenuBarItemAt(items, c.x, c.y), c.item) << c.x << "," << c.y;
}

TEST(MenuBarButton, HotGetsAFrameAndDisabledIsGrey) {
    core::TMenuColours colours;
    colours.menuBarText = 0x21;
    colours.buttonShadow = 0x22;
    colours.buttonHilight = 0x23;
    TMenuBarItem item;
    item.captionWidth = 30;
    item.rect = Rect{11, 28, 51, 47};
    const Rect bar{5, 28, 305, 48};
    EXPECT_TRUE(
        core::MenuBarButtonPaint(item, bar, core::kMenuBtnNormal, 13, colours).frame.empty());
    const auto hot = core::MenuBarButtonPaint(item, bar, core::kMenuBtnHot, 13, colours);
    EXPECT_EQ(hot.backgroundSrc, (Rect{6, 0, 46, 19}));
    EXPECT_EQ(hot.caption, (Rect{16, 31, 46, 44}));
    EXPECT_EQ(hot.textColour, 0x21u);
    core::Bitmap canvas(60, 60, 0);
    for (const Rect& r : hot.frame)
        core::FillRect(canvas, r, 1);
    // Exactly the rectangle's outline.
    EXPECT_EQ(std::count(canvas.pixels.begin(), canvas.pixels.end(), 1u), 2 * 40 + 2 * 17);
    EXPECT_EQ(canvas.At(11, 28) + canvas.At(50, 46) + canvas.At(30, 37), 2u);
    item.enabled = false;  // greyed in the state redraw and in the whole bar alike
    EXPECT_EQ(core::MenuBarButtonPaint(item, bar, core::kMenuBtnHot, 13, colours).textColour,
              0x22u);
    EXPECT_EQ(core::MenuBarCaptionColour(item, colours), 0x22u);
}

TEST(MenuBarLayout, MdiButtonsFromTheFarEdge) {
    const core::TDataSkinObject bar = MenuBarObject(1);
    EXPECT_EQ(core::MenuBarMdiButtonRect({5, 28, 305, 48}, bar.RightWidth, 16, 14, 20, false),
              (Rect{283, 31, 299, 45}));
    EXPECT_EQ(core::MenuBarMdiButtonRect({5, 28, 305, 48}, bar.LeftWidth, 16, 14, 20, true),
              (Rect{11, 31, 27, 45}));
}

}  // namespace
