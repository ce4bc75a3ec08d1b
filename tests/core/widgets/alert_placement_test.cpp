#include "core/widgets/alert_placement.h"

#include <gtest/gtest.h>

namespace {

using core::AlertRect;
using core::RectOfSize;

core::AlertPlacementInput At(int32_t pos, int32_t w = 0, int32_t h = 0) {
    core::AlertPlacementInput in;
    in.Position = pos;
    in.Width = w;
    in.Height = h;
    in.WorkArea = AlertRect{10, 20, 1034, 758};
    return in;
}

TEST(AlertPlacement, CornersWithTheDefaultSize) {
    EXPECT_EQ(core::PlaceDesktopAlert(At(core::dapTopLeft)), RectOfSize(10, 20, 329, 76));
    EXPECT_EQ(core::PlaceDesktopAlert(At(core::dapTopRight)), RectOfSize(1034 - 329, 20, 329, 76));
    EXPECT_EQ(core::PlaceDesktopAlert(At(core::dapBottomLeft)), RectOfSize(10, 758 - 76, 329, 76));
    EXPECT_EQ(core::PlaceDesktopAlert(At(core::dapBottomRight, 200, 50)),
              RectOfSize(834, 708, 200, 50));
}

TEST(AlertPlacement, NegativeSizesAndUnknownPositionsFallBackToDefaults) {
    EXPECT_EQ(core::PlaceDesktopAlert(At(core::dapTopLeft, -5, -1)), RectOfSize(10, 20, 329, 76));
    for (int32_t bad : {9, 100, -1}) {
        EXPECT_EQ(core::PlaceDesktopAlert(At(bad)), RectOfSize(1034 - 329, 758 - 76, 329, 76))
            << bad;
        EXPECT_EQ(core::PositionFromValue(bad), core::dapBottomRight);
    }
    EXPECT_EQ(core::PositionFromValue(8), core::dapActiveFormCenter);
}

TEST(AlertPlacement, CustomPlaceIsTakenAsItStands) {
    auto in = At(core::dapCustom, 100, 30);
    in.Left = -40;
    in.Top = 5000;
    EXPECT_EQ(core::PlaceDesktopAlert(in), RectOfSize(-40, 5000, 100, 30));
}

TEST(AlertPlacement, CentringTruncatesTowardZero) {
    auto in = At(core::dapDesktopCenter, 101, 51);
    // (1024 - 101) / 2 = 461, (738 - 51) / 2 = 343.
    EXPECT_EQ(core::PlaceDesktopAlert(in), RectOfSize(10 + 461, 20 + 343, 101, 51));
    // A popup wider than the rectangle: (100 - 329) / 2 is -114, not -115.
    EXPECT_EQ(core::CentreOn(AlertRect{0, 0, 100, 10}, 329, 76), RectOfSize(-114, -33, 329, 76));
}

TEST(AlertPlacement, CentrePositionsUseTheirFormOrTheWorkArea) {
    const AlertRect active{100, 100, 301, 201}, main_form{0, 0, 50, 50}, owner{500, 500, 700, 600};
    const AlertRect on_wa = core::CentreOn(AlertRect{10, 20, 1034, 758}, 329, 76);
    auto in = At(core::dapActiveFormCenter);
    EXPECT_EQ(core::PlaceDesktopAlert(in), on_wa) << "no active form";
    in.ActiveForm = active;
    in.MainForm = main_form;
    in.OwnerForm = owner;
    EXPECT_EQ(core::PlaceDesktopAlert(in), core::CentreOn(active, 329, 76));
    in.Position = core::dapMainFormCenter;
    EXPECT_EQ(core::PlaceDesktopAlert(in), RectOfSize(-139, -13, 329, 76));
    in.Position = core::dapOwnerFormCenter;
    EXPECT_EQ(core::PlaceDesktopAlert(in), core::CentreOn(owner, 329, 76));
    in.Position = core::dapDesktopCenter;
    EXPECT_EQ(core::PlaceDesktopAlert(in), on_wa) << "the desktop ignores the forms";
}

TEST(AlertLayout, NoImageDefaultWidth) {
    core::AlertLayoutInput in;
    in.HeaderHeight = 13;
    in.CanClose = true;
    in.DisplayDuration = 1400;
    core::AlertLayout l = core::LayoutDesktopAlert(in);
    EXPECT_EQ(l.IconTop, 13);
    EXPECT_EQ(l.HeaderLeft, 13);
    EXPECT_EQ(l.HeaderTop, 13);
    EXPECT_EQ(l.MessageLeft, 21);
    EXPECT_EQ(l.MessageTop, 26);
    EXPECT_EQ(l.MessageWidth, 275);
    EXPECT_EQ(l.CloseButton, RectOfSize(312, 10, 15, 15));
    EXPECT_EQ(l.MenuButton, RectOfSize(296, 10, 15, 15));
    EXPECT_TRUE(l.CloseButtonVisible);
    EXPECT_FALSE(l.MenuButtonVisible);
}

TEST(AlertLayout, HiddenCloseButtonLendsItsPlaceToTheMessage) {
    core::AlertLayoutInput in;
    in.ClientWidth = 400;
    in.IconWidth = 32;
    in.HeaderHeight = 16;
    in.CanClose = false;
    in.DisplayDuration = 1;
    core::AlertLayout l = core::LayoutDesktopAlert(in);
    EXPECT_FALSE(l.CloseButtonVisible);
    EXPECT_EQ(l.HeaderLeft, 45);
    EXPECT_EQ(l.MessageTop, 29);
    EXPECT_EQ(l.MessageWidth, 383 - 53);
    // Without a display time the user needs the button, option or not.
    in.DisplayDuration = 0;
    EXPECT_TRUE(core::LayoutDesktopAlert(in).CloseButtonVisible);
    // Far too narrow: the message gets no width rather than a negative one.
    in.ClientWidth = 20;
    EXPECT_EQ(core::LayoutDesktopAlert(in).MessageWidth, 0);
}

}  // namespace
