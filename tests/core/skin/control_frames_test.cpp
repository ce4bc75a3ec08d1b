#include "core/skin/control_frames.h"

#include <gtest/gtest.h>

#include "core/skin/test_skin.h"

namespace {

using core::Rect;
using core::TFramedRect;

std::unique_ptr<core::TSkinData> ShadowSkin() {
    skintest::TestSkin skin;
    skin.ini = "[Colours]\nButtonShadow=100 110 120\n";
    return skin.Read();
}

const core::TSkinColor kShadow = core::TSkinColor(core::RGBColour(100, 110, 120));
const core::TSkinColor kWhite = core::TSkinColor(core::kWhite);

TEST(GroupBoxLayout, FrameFromTheZeroHeightAndCaptionInsets) {
    const auto g = core::LayoutGroupBox(200, 100, 13, false);
    EXPECT_EQ(g.y, 5);
    EXPECT_EQ(g.frame, (Rect{1, 5, 199, 99}));
    EXPECT_EQ(g.corner, 5);
    EXPECT_EQ(g.bareOuter, (Rect{0, 5, 200, 100}));
    EXPECT_EQ(g.bareInner, (Rect{1, 6, 199, 99}));
    EXPECT_EQ(g.caption, (Rect{8, 0, 200, 100}));
    const auto r = core::LayoutGroupBox(200, 100, 16, true);
    EXPECT_EQ(r.y, 7);
    EXPECT_EQ(r.caption, (Rect{0, 0, 192, 100}));
    EXPECT_TRUE(r.captionRight);
}

TEST(FieldOutlines, EditTwoWhiteLinesPickerOneNoneWithoutBorder) {
    const auto skin = ShadowSkin();
    EXPECT_EQ(core::EditBorder(120, 21, 116, 17, *skin),
              (std::vector<TFramedRect>{{Rect{0, 0, 120, 21}, kShadow},
                                        {Rect{1, 1, 119, 20}, kWhite},
                                        {Rect{2, 2, 118, 19}, kWhite}}));
    EXPECT_EQ(
        core::DatePickerBorder(120, 21, 116, 17, *skin),
        (std::vector<TFramedRect>{{Rect{0, 0, 120, 21}, kShadow}, {Rect{1, 1, 119, 20}, kWhite}}));
    EXPECT_TRUE(core::EditBorder(120, 21, 120, 17, *skin).empty()) << "as wide as the window";
    EXPECT_TRUE(core::EditBorder(120, 21, 103, 21, *skin).empty()) << "as high as the window";
}

TEST(FieldOutlines, PrintBorderNeedsMoreThanTwoPixelsOfEdge) {
    const auto skin = ShadowSkin();
    EXPECT_FALSE(core::EditPrintBorder(120, 21, 118, 17, *skin).draw);
    EXPECT_FALSE(core::EditPrintBorder(120, 21, 116, 19, *skin).draw);
    const auto p = core::EditPrintBorder(120, 21, 117, 18, *skin);
    ASSERT_TRUE(p.draw);
    EXPECT_EQ(p.brushFrame, (Rect{1, 1, 119, 20}));
    EXPECT_EQ(p.shadowFrame, (TFramedRect{Rect{0, 0, 120, 21}, kShadow}));
}

TEST(FieldOutlines, UpDownChildClasses) {
    EXPECT_TRUE(core::IsUpDownClass("msctls_updown32"));
    EXPECT_TRUE(core::IsUpDownClass("TSpinButton"));
    EXPECT_FALSE(core::IsUpDownClass("msctls_trackbar32"));
    EXPECT_FALSE(core::IsUpDownClass("Edit"));
}

TEST(ArrowButton, PlaceClickPointAndFrame) {
    EXPECT_EQ(core::ArrowButtonRect(186, 16, false), (Rect{166, 0, 182, 17}));
    EXPECT_EQ(core::ArrowButtonRect(186, 16, true), (Rect{2, 0, 18, 17}));
    EXPECT_EQ(core::ArrowClickPoint(Rect{166, 0, 182, 17}, 5, 7), (core::Point{171, 7}));
    EXPECT_EQ(core::ArrowFrame(true, true), 4);
    EXPECT_EQ(core::ArrowFrame(true, false), 1);
}

TEST(ArrowButton, DisabledPickerNeverTurnsHot) {
    core::TArrowInput a;
    EXPECT_FALSE(a.MouseEnter(false).repaint);
    EXPECT_FALSE(a.hot);
    EXPECT_TRUE(a.MouseEnter(true).repaint);
    // Disabled while the mouse is on it: leaving still clears the mark.
    EXPECT_TRUE(a.MouseLeave().repaint);
    EXPECT_FALSE(a.hot);
}

TEST(ArrowButton, DrawsTheComboxArrowFrameOpaque) {
    skintest::TestSkin skin;
    skin.ini = "[ComboButton]\nImage=c.bmp\n";
    skin.Add("c.bmp", skintest::Strip(4, 4, {1, 2, core::kMagenta, 4}));
    const auto data = skin.Read();
    const auto blit = core::ArrowBlit(*data, 8, 6, 3);
    ASSERT_FALSE(blit.Empty());
    EXPECT_FALSE(blit.transparent);
    core::Bitmap target(8, 6, 0);
    core::DrawBlit(target, blit);
    // Magenta became the face colour in the arrow picture, and the frame fills the button.
    EXPECT_EQ(target.At(0, 0), core::ResolveColour(core::SystemColour(core::kColorBtnFace)));
    EXPECT_EQ(target.At(7, 5), target.At(0, 0));
}

}  // namespace
