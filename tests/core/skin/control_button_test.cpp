#include "core/skin/control_button.h"

#include <gtest/gtest.h>

#include "core/skin/test_skin.h"

namespace {

using core::Rect;

TEST(ButtonFrame, PressedOrHotOverFocusAndDisabledOverAll) {
    struct Row {
        bool focused, pressed, hot, enabled;
        int frame;
    };
    const Row rows[] = {
        {false, false, false, true, 1}, {true, false, false, true, 5},
        {true, false, true, true, 4},   {true, true, false, true, 2},
        {false, true, true, true, 2},   {false, false, true, true, 4},
        {false, false, true, false, 3}, {true, true, true, false, 3},
    };
    for (const Row& r : rows)
        EXPECT_EQ(core::ButtonFrame(r.focused, r.pressed, r.hot, r.enabled), r.frame)
            << r.focused << r.pressed << r.hot << r.enabled;
}

TEST(ButtonCaption, OnlyTheFirstDoubleBarBreaksTheLine) {
    EXPECT_EQ(core::ButtonCaption(std::string("Snooze||5 min")), "Snooze\r\n5 min");
    EXPECT_EQ(core::ButtonCaption(std::string("a||b||c")), "a\r\nb||c");
    EXPECT_EQ(core::ButtonCaption(std::string("|||")), "\r\n|");
    EXPECT_EQ(core::ButtonCaption(std::string("a|b|")), "a|b|");
    EXPECT_EQ(core::ButtonCaption(std::wstring(L"Yes||No")), L"Yes\r\nNo");
}

TEST(ButtonTextColour, SecondColoursOnlyWhereTheSkinGivesThem) {
    skintest::TestSkin skin;
    skin.ini =
        "[Colours]\nButtonText=1 2 3\n[Buttons]\nNormalColour2=10 0 0\nPressedColour2=30 0 0\n";
    auto data = skin.Read();
    const auto& def = data->ButtonDef();
    const core::TSkinColor font = core::TSkinColor(core::RGBColour(7, 7, 7));
    EXPECT_EQ(core::ButtonDefaultTextColour(true, font, *data), font);
    const core::TSkinColor bare = core::ButtonDefaultTextColour(false, font, *data);
    EXPECT_EQ(bare, core::TSkinColor(core::RGBColour(1, 2, 3)));
    EXPECT_EQ(core::ButtonTextColour(1, def, bare), core::TSkinColor(core::RGBColour(10, 0, 0)));
    EXPECT_EQ(core::ButtonTextColour(2, def, bare), core::TSkinColor(core::RGBColour(30, 0, 0)));
    EXPECT_EQ(core::ButtonTextColour(4, def, bare), bare) << "no MouseOverColour2";
    EXPECT_EQ(core::ButtonTextColour(3, def, bare), core::SystemColour(core::kColorBtnShadow));
}

TEST(ButtonGeometry, TextBoxAndFocusRectangles) {
    const Rect box = core::ButtonTextBox(75, 25, 30, 13);
    EXPECT_EQ(box, (Rect{22, 6, 52, 19}));
    EXPECT_EQ(core::ButtonFocusRect(box, 75, 25), (Rect{20, 4, 54, 21}));
    EXPECT_EQ(core::ButtonFocusRect(core::ButtonTextBox(40, 14, 44, 13), 40, 14),
              (Rect{0, 0, 40, 14}))
        << "kept within the button";

    const Rect area{10, 0, 110, 20};
    EXPECT_EQ(core::TextFocusRect(area, 40, 10, core::THorzAlign::Centre, true),
              (Rect{38, 4, 82, 16}));
    EXPECT_EQ(core::TextFocusRect(area, 40, 10, core::THorzAlign::Left, false),
              (Rect{10, 0, 52, 11}))
        << "clipped at the left and top";
}

TEST(ButtonInput, ClickOnlyWhenReleasedWhilePressed) {
    core::TButtonInput b;
    EXPECT_TRUE(b.MouseMove(true).repaint);
    EXPECT_FALSE(b.MouseMove(true).repaint) << "already hot";
    b.MouseDown();
    EXPECT_TRUE(b.MouseUp().click);
    EXPECT_FALSE(b.MouseUp().click) << "one click per press";
    b.MouseDown();
    b.MouseLeave();
    EXPECT_FALSE(b.MouseUp().click) << "released off the button";
    core::TButtonInput disabled;
    disabled.MouseMove(false);
    EXPECT_FALSE(disabled.hot);
}

}  // namespace
