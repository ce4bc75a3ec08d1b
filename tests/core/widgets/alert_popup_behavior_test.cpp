#include "core/widgets/alert_popup_behavior.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/widgets/alert_fakes.h"

namespace {

using alert_test::FakeTimer;
using alert_test::RecordingPopup;
using alert_test::TimerLog;
using Step = core::TCustomDesktopAlertStyleHandler::Step;

// A shown fade popup with its handler, pointer rules and a hand on the timer.
struct Shown {
    TimerLog timer;
    RecordingPopup popup;
    FakeTimer* t = nullptr;
    std::unique_ptr<core::TFadeAlertStyleHandler> handler;
    core::AlertPopupBehavior behavior;
    int leaves = 0;

    explicit Shown(uint32_t display) {
        auto ft = std::make_unique<FakeTimer>(timer);
        t = ft.get();
        handler = std::make_unique<core::TFadeAlertStyleHandler>(popup, std::move(ft));
        handler->SetDisplayDuration(display);
        behavior.SetHandler(handler.get());
        behavior.CopyOptions(core::kAllAlertOptions);
        handler->BeginOpening();
        for (int i = 0; i < 10; ++i)
            t->Fire();
        popup.calls.clear();
    }
    void Leave(bool inside) {
        behavior.MouseLeave(inside, [this] { ++leaves; });
    }
    bool Closing() const { return timer.running && handler->PendingStep() == Step::Closing; }
};

TEST(AlertMouseCheck, ClosesOnlyAfterTheDisplayTimeWithThePointerAway) {
    Shown s(5000);
    ASSERT_EQ(s.timer.interval, 5000u);
    s.behavior.MouseCheck(false);
    EXPECT_FALSE(s.Closing()) << "the display wait is still running";

    s.t->Fire();  // display time over
    s.behavior.MouseCheck(true);
    EXPECT_TRUE(s.behavior.MouseInside);
    EXPECT_FALSE(s.Closing()) << "the pointer is over the popup";

    s.behavior.MouseCheck(false);
    EXPECT_FALSE(s.behavior.MouseInside);
    EXPECT_TRUE(s.Closing());
    EXPECT_EQ(s.timer.interval, 50u);
    // A check during the fade-out does not restart it.
    s.t->Fire();
    s.behavior.MouseCheck(false);
    EXPECT_EQ(s.handler->StepCount(), 1u);
}

TEST(AlertMouseCheck, ZeroDisplayTimeNeverClosesByItself) {
    Shown s(0);
    EXPECT_FALSE(s.timer.running);
    s.behavior.MouseCheck(false);
    s.behavior.MouseEnter();
    s.Leave(false);
    s.behavior.MouseCheck(false);
    EXPECT_FALSE(s.timer.running);
    EXPECT_EQ(s.leaves, 1);
}

TEST(AlertPointer, EnteringDuringFadeOutRestoresAndLeavingRestartsIt) {
    Shown s(1400);
    s.t->Fire();
    s.behavior.MouseCheck(false);
    s.t->Fire();
    s.t->Fire();
    ASSERT_EQ(s.popup.calls.back(), "alpha 204");

    s.behavior.MouseEnter();
    EXPECT_TRUE(s.behavior.MouseInside);
    EXPECT_FALSE(s.timer.running);
    EXPECT_EQ(s.popup.calls.back(), "alpha 255");

    s.popup.calls.clear();
    s.Leave(false);
    EXPECT_EQ(s.leaves, 1);
    EXPECT_FALSE(s.behavior.MouseInside);
    EXPECT_TRUE(s.Closing());
    s.t->Fire();
    EXPECT_EQ(s.popup.calls, (std::vector<std::string>{"alpha 255", "alpha 230"}));
}

TEST(AlertPointer, LeaveOntoAChildOrWithoutEnterIsIgnored) {
    Shown s(1400);
    s.Leave(false);
    EXPECT_EQ(s.leaves, 0) << "no enter came first";
    s.behavior.MouseEnter();
    s.Leave(true);  // the pointer went onto a label, still inside the popup's bounds
    EXPECT_EQ(s.leaves, 0);
    EXPECT_TRUE(s.behavior.MouseInside);
    EXPECT_FALSE(s.timer.running);
}

TEST(AlertPointer, DragAreasFollowTheOptions) {
    Shown s(1400);
    EXPECT_TRUE(s.timer.running);
    EXPECT_TRUE(s.behavior.HitTestCaption(8, true));
    EXPECT_FALSE(s.timer.running) << "a drag stops the animation";
    EXPECT_TRUE(s.behavior.HitTestCaption(40, false)) << "anywhere off the children";
    EXPECT_FALSE(s.behavior.HitTestCaption(40, true));

    s.behavior.CopyOptions(core::OptionBit(core::daoCanMove));
    EXPECT_TRUE(s.behavior.HitTestCaption(0, false));
    EXPECT_FALSE(s.behavior.HitTestCaption(9, false));

    // Moving anywhere without moving at all is dropped.
    s.behavior.CopyOptions(core::OptionBit(core::daoCanMoveAnywhere));
    EXPECT_FALSE(s.behavior.CanMoveAnywhere);
    s.handler->BeginClosing();
    EXPECT_FALSE(s.behavior.HitTestCaption(3, false));
    EXPECT_TRUE(s.timer.running);
}

TEST(AlertPointer, ActivationAndStackMoves) {
    core::AlertPopupBehavior b;
    EXPECT_FALSE(b.AcceptActivation(true));
    EXPECT_TRUE(b.AcceptActivation(false));
    b.AutoFocus = true;
    EXPECT_TRUE(b.AcceptActivation(true));

    EXPECT_FALSE(b.NeedsMove(10, 20, 10, 20));
    EXPECT_TRUE(b.NeedsMove(10, 20, 10, 21));
    b.MouseInside = true;
    EXPECT_FALSE(b.NeedsMove(10, 20, 0, 0));
    // Without a handler the pointer rules still work.
    b.MouseEnter();
    b.MouseCheck(false);
    EXPECT_FALSE(b.MouseInside);
}

TEST(AlertOptions, MoveAnywhereNeedsMoveAndUnknownBitsGo) {
    EXPECT_EQ(core::NormalizeAlertOptions(core::kAllAlertOptions), core::kAllAlertOptions);
    EXPECT_EQ(core::NormalizeAlertOptions(0xFF), core::kAllAlertOptions);
    const auto no_move =
        core::TDesktopAlertOptions(core::kAllAlertOptions & ~core::OptionBit(core::daoCanMove));
    EXPECT_EQ(core::NormalizeAlertOptions(no_move),
              core::OptionBit(core::daoCanClick) | core::OptionBit(core::daoCanClose));
}

TEST(AlertSettings, WritersNotifyOnChangeAndPositionAlways) {
    core::TDesktopAlertColors colors;
    int changes = 0;
    colors.OnChange = [&] { ++changes; };
    colors.SetWindowFrom(0xFFE7CE);
    EXPECT_EQ(changes, 0);
    colors.SetCaptionTo(0x123456);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(colors.Values().CaptionTo, 0x123456u);

    core::TDesktopAlertLocation loc;
    int moved = 0;
    loc.OnChange = [&] { ++moved; };
    EXPECT_EQ(loc.Position(), core::dapBottomRight);
    EXPECT_TRUE(loc.AlwaysResetPosition());
    loc.SetPosition(core::dapBottomRight);
    EXPECT_EQ(moved, 1);
    loc.SetWidth(0);
    loc.SetLeft(0);
    EXPECT_EQ(moved, 1);
    loc.SetHeight(100);
    loc.SetAlwaysResetPosition(false);
    EXPECT_EQ(moved, 3);
}

}  // namespace
