#include "core/skin/control_combo.h"

#include <gtest/gtest.h>

#include "core/skin/window_bits.h"
#include "core/skin/test_skin.h"

namespace {

using core::Rect;
using core::TComboDrawing;
using core::TComboListSkin;

TEST(ComboStateFrame, BothOrders) {
    struct Row {
        bool pressed, focused, hot, enabled;
        int strip, flat;
    };
    const Row rows[] = {
        {false, false, false, true, 1, 1},  {false, false, true, true, 4, 4},
        {false, true, false, true, 4, 4},   {true, true, true, true, 2, 2},
        {false, false, false, false, 3, 3}, {true, false, false, false, 3, 2},
        {false, true, false, false, 3, 4},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(core::ComboStateFrame(r.pressed, r.focused, r.hot, r.enabled), r.strip)
            << r.pressed << r.focused << r.hot << r.enabled;
        EXPECT_EQ(core::FlatComboStateFrame(r.pressed, r.focused, r.hot, r.enabled), r.flat)
            << r.pressed << r.focused << r.hot << r.enabled;
    }
}

std::unique_ptr<core::TSkinData> ComboSkin(const std::string& extra, bool sunk) {
    skintest::TestSkin skin;
    skin.env.hScrollArrowWidth = 14;
    skin.ini = "[ComboButton]\nImage=c.bmp\nLeftWidth=2\nRightWidth=2\nTrans=1\n" + extra;
    // Each frame different and asymmetric, so a mirrored or swapped frame shows.
    core::Bitmap c = skintest::Strip(12, 12, {0x101010, 0x202020, 0x303030, 0x404040});
    for (int f = 0; f < 4; ++f)
        c.Set(f * 12 + 1, 6, 0x0000FF);
    skin.Add("c.bmp", c);
    if (sunk) {
        skin.ini +=
            "[SunkEdge]\nImage=s.bmp\nLeftWidth=3\nRightWidth=3\nTopHeight=3\n"
            "BottomHeight=3\n";
        core::Bitmap s = skintest::Strip(10, 10, {0x111111, 0x222222, 0x333333, 0x444444});
        for (int f = 0; f < 4; ++f)
            s.Set(f * 10 + 1, 1, 0x00FF00);
        skin.Add("s.bmp", s);
    }
    return skin.Read();
}

TEST(ComboDrawing, ChosenByStyleAndButtonState) {
    const auto strip = ComboSkin("", true);
    EXPECT_EQ(core::ChooseComboDrawing(*strip, true, 0), TComboDrawing::Strip);
    EXPECT_EQ(core::ChooseComboDrawing(*strip, true, core::winbits::kComboButtonInvisible),
              TComboDrawing::None);
    EXPECT_EQ(core::ChooseComboDrawing(*ComboSkin("Style=1\n", false), true, 0),
              TComboDrawing::Flat);
    EXPECT_EQ(core::ChooseComboDrawing(*ComboSkin("", false), true, 0), TComboDrawing::None);
}

core::Bitmap Drawn(const core::SkinBlit& b, int w, int h) {
    core::Bitmap target(w, h, 0xABCDEF);
    core::DrawBlit(target, b);
    return target;
}

TEST(ComboDrawing, LeftScrollBarStripIsTheSameFrameMirrored) {
    const auto skin = ComboSkin("", true);
    // Widths whose stretched middle is a whole multiple of the cell's, so nearest-pixel
    // stretching is symmetric and the two drawings must be exact mirror images.
    for (int width : {50, 82})
        for (int frame = 1; frame <= 4; ++frame) {
            const auto normal = core::ComboStripBlit(*skin, width, 21, frame, false);
            const auto left = core::ComboStripBlit(*skin, width, 21, frame, true);
            ASSERT_FALSE(normal.Empty());
            EXPECT_TRUE(normal.transparent && left.transparent);
            EXPECT_NE(normal.picture, left.picture);
            EXPECT_EQ(core::Mirrored(Drawn(normal, width, 21)).pixels,
                      Drawn(left, width, 21).pixels)
                << "width " << width << " frame " << frame;
        }
    // The middle stays see-through, so the system's text shows.
    EXPECT_EQ(Drawn(core::ComboStripBlit(*skin, 82, 21, 1, false), 82, 21).At(30, 10), 0xABCDEFu);
}

TEST(ComboDrawing, StyleTwoWithoutSunkEdgeMirrorsTheButtonPicture) {
    const auto skin = ComboSkin("Style=2\n", false);
    const auto normal = core::ComboStripBlit(*skin, 60, 12, 2, false);
    const auto left = core::ComboStripBlit(*skin, 60, 12, 2, true);
    EXPECT_EQ(core::Mirrored(Drawn(normal, 60, 12)).pixels, Drawn(left, 60, 12).pixels);
}

TEST(FlatCombo, LayoutRightAndMirrored) {
    auto l = core::LayoutFlatCombo(100, 21, 15, 12, 17, false);
    EXPECT_EQ(l.brushFrame, (Rect{1, 1, 99, 20}));
    EXPECT_EQ(l.strip, (Rect{81, 2, 98, 19}));
    EXPECT_EQ(l.button, (Rect{83, 2, 98, 14})) << "fh < t: fh high";
    l = core::LayoutFlatCombo(100, 21, 15, 12, 17, true);
    EXPECT_EQ(l.strip, (Rect{2, 2, 19, 19}));
    EXPECT_EQ(l.button, (Rect{2, 2, 17, 14}));
    EXPECT_EQ(core::LayoutFlatCombo(100, 21, 15, 17, 17, false).button, (Rect{83, 2, 98, 19}));

    const auto skin = ComboSkin("Style=1\n", false);
    const core::TDataSkinObject& combo = *skin->Find("ComboButton");
    l = core::LayoutFlatCombo(combo, 100, 21, 17, false);
    EXPECT_EQ(l.button, (Rect{86, 2, 98, 14}));
}

TEST(ComboAttach, WhatEachKindOfComboBoxGets) {
    struct Row {
        uint32_t style;
        bool wide, bare;
        bool info, edit;
        TComboListSkin list;
    };
    const Row rows[] = {
        {3, false, false, true, true, TComboListSkin::ComboxScrollBar},
        {2, true, false, true, false, TComboListSkin::ComboxScrollBar},
        {1, false, false, true, false, TComboListSkin::SkinScrollbarH},
        {3, false, true, false, true, TComboListSkin::None},
        {1, false, true, false, false, TComboListSkin::None},
    };
    for (const Row& r : rows) {
        const auto p = core::ComboAttachPlan(r.style, r.wide, r.bare);
        EXPECT_EQ(p.readInfo, r.info) << r.style << r.wide << r.bare;
        EXPECT_EQ(p.takeOverEdit, r.edit) << r.style << r.wide << r.bare;
        EXPECT_EQ(p.listSkin, r.list) << r.style << r.wide << r.bare;
    }
    using core::winbits::kChild;
    using core::winbits::kPopup;
    EXPECT_TRUE(core::SimpleComboListGetsScrollbar(true, kChild, 0x1234));
    EXPECT_FALSE(core::SimpleComboListGetsScrollbar(true, kChild | kPopup, 0x1234));
    EXPECT_FALSE(core::SimpleComboListGetsScrollbar(true, kChild, 65556));
}

TEST(ComboInput, HotFollowsTheButtonForEnabledBoxesOnly) {
    const Rect button{80, 2, 98, 19};
    core::TComboInput c;
    EXPECT_TRUE(c.MouseMove(85, 10, button, true).repaint);
    EXPECT_FALSE(c.MouseMove(86, 10, button, true).repaint);
    EXPECT_TRUE(c.MouseMove(10, 10, button, true).repaint);
    EXPECT_FALSE(c.MouseMove(85, 10, button, false).repaint);
    EXPECT_FALSE(c.hot) << "a disabled box never turns hot";
    EXPECT_FALSE(c.Notify(core::winbits::kComboListOpened).repaint) << "no frame change";
    EXPECT_TRUE(c.droppedDown);
}

}  // namespace
