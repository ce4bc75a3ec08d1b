#include "core/skin/menu_item_layout.h"

#include <gtest/gtest.h>

namespace {

using core::Rect;
using core::TMenuKind;

const core::TMenuColours kColours{0x10, 0x11, 0x12, 0x13, 0x15, 0x14, 0, 0};

// Like the default skin's "MenuItem": five 20 x 20 frames, margins 4, frame 2 a line on row
// 15; each frame's pixels hold its number.
core::TDataSkinObject MenuItemObject() {
    core::TDataSkinObject o("MenuItem");
    o.Picture = core::Bitmap(100, 20, core::kMagenta);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (x / 20 != 1 || y == 15)
                o.Picture.Set(x, y, uint32_t(x / 20 + 1));
    o.FrameCount = 5;
    o.LeftWidth = o.RightWidth = o.TopHeight = o.BottomHeight = 4;
    o.Trans = 1;
    return o;
}

TEST(MenuItemMeasure, FrameworkThenSkin) {
    const core::TDataSkinObject item = MenuItemObject();
    const core::TMenuTextSize text{50, 30, 13};
    EXPECT_EQ(core::FrameworkMeasureItem(false, text, {16, 16}).height, 20);
    EXPECT_EQ(core::FrameworkMeasureItem(true, text, {}).height, core::kMenuSeparatorHeight);
    const struct {
        TMenuKind kind;
        bool images;
        const core::TDataSkinObject* object;
        int width;
    } cases[] = {{TMenuKind::PopupMenu, false, &item, 100 + 4 + 12 + 23},
                 {TMenuKind::MainMenu, false, &item, 100 + 4 + 10 + 25},
                 {TMenuKind::PopupMenu, true, &item, 100 + 4 + 12},
                 {TMenuKind::MainMenu, true, nullptr, 100 + 10}};
    for (const auto& c : cases)
        EXPECT_EQ(core::SkinMeasureItem({100, 19}, c.kind, c.images, c.object).width, c.width);
}

// At exactly its measured width every part of an item stays inside it and apart from the
// others; right to left mirrors them.
TEST(MenuItemLayout, ContentFitsTheMeasuredWidth) {
    const core::TDataSkinObject item = MenuItemObject();
    for (const core::TDataSkinObject* object : {&item, (const core::TDataSkinObject*)nullptr})
        for (TMenuKind kind : {TMenuKind::PopupMenu, TMenuKind::MainMenu})
            for (bool images : {false, true}) {
                SCOPED_TRACE(testing::Message() << !!object << int(kind) << images);
                core::TMenuItemDraw in;
                in.kind = kind;
                in.menuItem = object;
                in.images = images ? core::TMenuImages{16, 16} : core::TMenuImages{};
                in.text = {57, 41, 13};
                in.state.checked = in.state.hasSubmenu = true;
                in.state.glyph = images ? 2 : -1;
                const auto size = core::SkinMeasureItem(
                    core::FrameworkMeasureItem(false, in.text, in.images), kind, images, object);
                in.item = Rect{0, 40, size.width, 40 + size.height};
                const auto p = core::MenuItemPaintPlan(in);
                EXPECT_EQ(p.caption.Width(), 57);
                EXPECT_EQ(p.shortcut.Width(), 41);
                EXPECT_GE(p.shortcut.left - p.caption.right, core::kMenuShortcutGap);
                ASSERT_FALSE(p.arrow.empty());
                ASSERT_EQ(p.mark.empty(), images);  // a glyph takes the check mark's place
                const Rect mark = images ? p.glyphFrame : p.mark.front();
                EXPECT_LE(p.shortcut.right, p.arrow.front().left);
                EXPECT_LE(mark.right, p.caption.left);
                EXPECT_GE(mark.left, 0);

                in.rightToLeft = true;
                const auto m = core::MenuItemPaintPlan(in);
                EXPECT_EQ(m.caption.right, size.width - p.caption.left);
                EXPECT_EQ(m.shortcut.left, size.width - p.shortcut.right);
                EXPECT_LT(m.arrow.front().right, m.shortcut.left);
            }
}

TEST(MenuItemLayout, FramesBackgroundAndColoursByState) {
    const core::TDataSkinObject item = MenuItemObject();
    core::TMenuItemDraw in;
    in.item = Rect{0, 22, 120, 42};
    in.colours = kColours;
    in.popupHasBackground = true;
    struct Case {
        bool selected, enabled, skinned;
        int frame;
        uint32_t fill, text;
    };
    const Case cases[] = {{false, true, true, 1, 0x10, 0x11}, {true, true, true, 4, 0x10, 0x11},
                          {true, false, true, 4, 0x10, 0x14}, {false, true, false, 0, 0x10, 0x11},
                          {true, true, false, 0, 0x12, 0x13}, {true, false, false, 0, 0x12, 0x14}};
    for (const Case& c : cases) {
        in.state.selected = c.selected;
        in.state.enabled = c.enabled;
        in.menuItem = c.skinned ? &item : nullptr;
        const auto p = core::MenuItemPaintPlan(in);
        EXPECT_EQ(p.frame, c.frame);
        EXPECT_EQ(p.fill, c.fill);
        EXPECT_EQ(p.textColour, c.text);
        if (c.skinned) {
            EXPECT_EQ(p.backgroundSrc, (Rect{3, 25, 123, 45}));  // past the popup's border
            core::Bitmap target(120, 20, 0);
            core::DrawPieces(target, item.Picture, p.framePieces, p.frameTransparent);
            EXPECT_EQ(target.At(60, 10), uint32_t(c.frame));
        }
    }
    // A popup whose system border lies inside its client area: the items are where they are.
    in.clientLeft = in.clientTop = 0;
    in.menuItem = &item;
    EXPECT_EQ(core::MenuItemPaintPlan(in).backgroundSrc, in.item);
}

TEST(MenuItemLayout, SeparatorStandsOnTheItemBottom) {
    const core::TDataSkinObject item = MenuItemObject();
    core::TMenuItemDraw in;
    in.item = Rect{0, 0, 90, core::kMenuSeparatorHeight};
    in.state.separator = true;
    in.menuItem = &item;
    in.colours = kColours;
    const auto p = core::MenuItemPaintPlan(in);
    EXPECT_EQ(p.frame, 2);
    core::Bitmap target(90, core::kMenuSeparatorHeight, 0);
    core::DrawPieces(target, item.Picture, p.framePieces, p.frameTransparent);
    // Row 15 of the 20-pixel frame, bottom-aligned in 9 pixels, is row 4, edge to edge.
    for (int y = 0; y < core::kMenuSeparatorHeight; ++y)
        EXPECT_EQ(target.At(0, y) + target.At(89, y), y == 4 ? 4u : 0u) << y;
    for (const auto& piece : p.framePieces)  // cut to the item: no blit reaches above it
        EXPECT_GE(piece.dst.top, 0);
}

TEST(PopupBackground, PictureAndBorderStrips) {
    core::TDataSkinObject bg("MenuBackground");
    bg.Picture = core::Bitmap(16, 16, 7);
    bg.LeftWidth = bg.TopHeight = bg.RightWidth = bg.BottomHeight = 3;
    const auto plan = core::PopupBackgroundPlan(150, 90, true, &bg, 0x10);
    EXPECT_TRUE(plan.skinned);
    EXPECT_EQ(plan.borderStrips[3], (Rect{147, 3, 150, 87}));
    EXPECT_EQ(plan.inner, (Rect{3, 3, 147, 87}));
    EXPECT_FALSE(core::PopupBackgroundPlan(150, 90, false, &bg, 0).skinned);
    EXPECT_FALSE(core::PopupBackgroundPlan(150, 90, true, nullptr, 0).skinned);
}

}  // namespace
