#include "core/widgets/alert_style_handler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/common/errors.h"
#include "core/widgets/alert_fakes.h"

namespace {

using alert_test::FakeTimer;
using alert_test::RecordingPopup;
using alert_test::TimerLog;
using Strings = std::vector<std::string>;

// The handler owns its timer; tests reach it through a factory that keeps a raw pointer.
template <class Handler>
struct HandlerRig {
    TimerLog timer;
    RecordingPopup popup;
    FakeTimer* timer_ptr = nullptr;
    std::unique_ptr<Handler> handler;

    HandlerRig() {
        auto t = std::make_unique<FakeTimer>(timer);
        timer_ptr = t.get();
        handler = std::make_unique<Handler>(popup, std::move(t));
    }
    void Tick() { timer_ptr->Fire(); }
    int RunWhileRunning(int limit = 1000) {
        int n = 0;
        for (; timer.running && n < limit; ++n)
            Tick();
        return n;
    }
};

using FadeRig = HandlerRig<core::TFadeAlertStyleHandler>;
using GrowRig = HandlerRig<core::TCenterGrowAlertStyleHandler>;

TEST(FadeStyle, OpeningRampsAlphaThenWaitsForTheDisplayTime) {
    FadeRig r;
    r.handler->BeginOpening();
    EXPECT_EQ(r.popup.Take(), (Strings{"alpha 0", "show"}));
    ASSERT_TRUE(r.timer.running);
    EXPECT_EQ(r.timer.interval, 25u);

    for (int i = 0; i < 10; ++i)
        r.Tick();
    EXPECT_EQ(r.popup.Take(),
              (Strings{"alpha 0", "alpha 25", "alpha 51", "alpha 76", "alpha 102", "alpha 127",
                       "alpha 153", "alpha 178", "alpha 204", "alpha 229", "alpha 255"}));
    // Opening is over: the display wait runs with the default display time.
    EXPECT_TRUE(r.timer.running);
    EXPECT_EQ(r.timer.interval, 1400u);
    EXPECT_EQ(r.handler->PendingStep(), core::TCustomDesktopAlertStyleHandler::Step::Display);

    r.Tick();
    EXPECT_FALSE(r.timer.running) << "the display wait ends by stopping, not by closing";
    EXPECT_TRUE(r.popup.calls.empty());
}

TEST(FadeStyle, ClosingRampsDownAndClosesOnTheLastStep) {
    FadeRig r;
    r.handler->BeginClosing();
    EXPECT_EQ(r.popup.Take(), (Strings{"alpha 255"}));
    EXPECT_EQ(r.timer.interval, 50u);
    EXPECT_EQ(r.RunWhileRunning(), 10);
    EXPECT_EQ(r.popup.Take(),
              (Strings{"alpha 230", "alpha 204", "alpha 179", "alpha 153", "alpha 128", "alpha 102",
                       "alpha 77", "alpha 51", "alpha 26", "alpha 0", "close", "alpha 0"}));
}

TEST(FadeStyle, ZeroDisplayTimeLeavesTheTimerStoppedAfterOpening) {
    FadeRig r;
    r.handler->SetDisplayDuration(0);
    r.handler->BeginOpening();
    EXPECT_EQ(r.RunWhileRunning(), 10);
    EXPECT_EQ(r.timer.starts, (std::vector<uint32_t>{25}));
    EXPECT_EQ(r.popup.calls.back(), "alpha 255");
}

TEST(FadeStyle, StopAnimationRestoresFullLookAndClosingRestartsFromIt) {
    FadeRig r;
    r.handler->BeginClosing();
    r.Tick();
    r.Tick();
    r.handler->StopAnimation();
    EXPECT_FALSE(r.timer.running);
    EXPECT_EQ(r.popup.Take().back(), "alpha 255");

    r.handler->BeginClosing();
    EXPECT_EQ(r.handler->StepCount(), 0u);
    r.Tick();
    EXPECT_EQ(r.popup.Take(), (Strings{"alpha 255", "alpha 230"}));
}

TEST(FadeStyle, ZeroStepsStoreOneStep) {
    FadeRig r;
    r.handler->SetStartSteps(0);
    r.handler->SetEndSteps(0);
    EXPECT_EQ(r.handler->StartSteps(), 1u);
    EXPECT_EQ(r.handler->EndSteps(), 1u);
    r.handler->SetDisplayDuration(0);
    r.handler->BeginOpening();
    r.RunWhileRunning();
    EXPECT_EQ(r.popup.Take(), (Strings{"alpha 0", "show", "alpha 0", "alpha 255"}));
    r.handler->BeginClosing();
    r.RunWhileRunning();
    EXPECT_EQ(r.popup.Take(), (Strings{"alpha 255", "alpha 0", "close", "alpha 0"}));
}

TEST(FadeStyle, AlphaLimitsAndTruncationTowardZero) {
    FadeRig r;
    r.handler->SetMinAlphaBlendValue(100);
    r.handler->SetMaxAlphaBlendValue(200);
    r.handler->SetStartSteps(4);
    r.handler->SetDisplayDuration(0);
    r.handler->BeginOpening();
    r.RunWhileRunning();
    EXPECT_EQ(r.popup.Take(), (Strings{"alpha 100", "show", "alpha 100", "alpha 125", "alpha 150",
                                       "alpha 175", "alpha 200"}));

    // Min above Max: -10 * 1 / 3 truncates to -3, not down to -4.
    r.handler->SetMinAlphaBlendValue(10);
    r.handler->SetMaxAlphaBlendValue(0);
    r.handler->SetStartSteps(3);
    r.handler->BeginOpening();
    r.RunWhileRunning();
    EXPECT_EQ(r.popup.Take(),
              (Strings{"alpha 10", "show", "alpha 10", "alpha 7", "alpha 4", "alpha 0"}));
}

TEST(FadeStyle, StepsShrunkInMidAnimationNeverOverflowTheAlpha) {
    FadeRig r;
    r.handler->SetDisplayDuration(0);
    r.handler->BeginOpening();
    for (int i = 0; i < 6; ++i)
        r.Tick();
    r.handler->SetStartSteps(2);
    r.popup.Take();
    r.Tick();
    EXPECT_EQ(r.popup.Take(), (Strings{"alpha 255", "alpha 255"}));
    EXPECT_FALSE(r.timer.running);
}

TEST(FadeStyle, HandlerFreedWhileClosingIsNotTouchedAgain) {
    TimerLog log;
    struct Closer : RecordingPopup {
        std::unique_ptr<core::TCustomDesktopAlertStyleHandler>* owner = nullptr;
        void ClosePopup() override {
            RecordingPopup::ClosePopup();
            owner->reset();
        }
    } popup;
    std::unique_ptr<core::TCustomDesktopAlertStyleHandler> handler;
    auto timer = std::make_unique<FakeTimer>(log);
    FakeTimer* t = timer.get();
    handler = std::make_unique<core::TFadeAlertStyleHandler>(popup, std::move(timer));
    popup.owner = &handler;
    handler->SetEndSteps(1);
    handler->BeginClosing();
    t->Fire();  // closes, and the close frees the handler together with its timer
    EXPECT_EQ(handler, nullptr);
    EXPECT_EQ(popup.calls, (Strings{"alpha 255", "alpha 0", "close"}));
}

TEST(CenterGrowStyle, OpeningGrowsARegionFromTheCentre) {
    GrowRig r;
    r.handler->SetDisplayDuration(0);
    r.handler->BeginOpening();
    EXPECT_EQ(r.popup.Take(), (Strings{"region 164,38,164,38", "show"}));
    EXPECT_EQ(r.RunWhileRunning(), 10);
    Strings calls = r.popup.Take();
    ASSERT_EQ(calls.size(), 11u);
    EXPECT_EQ(calls[0], "region 164,38,164,38");
    // 10 %: 32.9 -> 33 wide, 7.6 -> 8 high.
    EXPECT_EQ(calls[1], "region 148,34,181,42");
    // 50 %: 164.5 -> 164 (halves to even), 38 high.
    EXPECT_EQ(calls[5], "region 82,19,246,57");
    EXPECT_EQ(calls[9], "region 16,4,312,72");
    EXPECT_EQ(calls[10], "region 0,0,329,76");
}

TEST(CenterGrowStyle, ClosingShrinksAndCloses) {
    GrowRig r;
    r.popup.width = 100;
    r.popup.height = 50;
    r.handler->BeginClosing();
    r.RunWhileRunning();
    Strings calls = r.popup.Take();
    ASSERT_EQ(calls.size(), 13u);
    EXPECT_EQ(calls[0], "region 0,0,100,50");
    EXPECT_EQ(calls[1], "region 5,2,95,47");    // 90 %: 90 x 45
    EXPECT_EQ(calls[2], "region 10,5,90,45");   // 80 %: 80 x 40
    EXPECT_EQ(calls[5], "region 25,12,75,37");  // 50 %: 50 x 25
    EXPECT_EQ(calls[9], "region 45,22,55,27");  // 10 %: 10 x 5
    EXPECT_EQ(calls[10], "region 50,25,50,25");
    EXPECT_EQ(calls[11], "close");
    EXPECT_EQ(calls[12], "region 50,25,50,25");
}

TEST(CenterGrowStyle, HalvesRoundToEven) {
    EXPECT_EQ(core::CenterGrowRect(5, 5, 50), (core::AlertRect{1, 1, 3, 3}));  // 2.5 -> 2
    EXPECT_EQ(core::CenterGrowRect(7, 3, 50), (core::AlertRect{1, 0, 5, 2}));  // 3.5 -> 4, 1.5 -> 2
    EXPECT_EQ(core::CenterGrowRect(25, 25, 30), (core::AlertRect{8, 8, 16, 16}));  // 7.5 -> 8
    EXPECT_EQ(core::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(core::RoundHalfEven(-3.5), -4);
    EXPECT_EQ(core::RoundHalfEven(0.49999), 0);
}

TEST(CenterGrowStyle, GrowthPercentagesAreClamped) {
    GrowRig r;
    r.handler->SetMinGrowthPercentage(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(r.handler->MinGrowthPercentage(), 0.0);
    r.handler->SetMinGrowthPercentage(-5);
    EXPECT_EQ(r.handler->MinGrowthPercentage(), 0.0);
    r.handler->SetMaxGrowthPercentage(150);
    EXPECT_EQ(r.handler->MaxGrowthPercentage(), 100.0);
    r.handler->SetMaxGrowthPercentage(std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.handler->MaxGrowthPercentage(), 100.0);
    r.handler->SetMinGrowthPercentage(42.5);
    EXPECT_EQ(r.handler->MinGrowthPercentage(), 42.5);

    // Limits take effect in the animation: 50 % to 50 % never changes the region.
    r.handler->SetMinGrowthPercentage(50);
    r.handler->SetMaxGrowthPercentage(50);
    r.handler->StopAnimation();
    EXPECT_EQ(r.popup.Take(), (Strings{"region 82,19,246,57"}));
}

TEST(StyleHandlers, FactoryMakesBothStylesAndRefusesOthers) {
    RecordingPopup popup;
    TimerLog log;
    int made = 0;
    core::AlertTimerFactory factory = [&] {
        ++made;
        return std::make_unique<FakeTimer>(log);
    };
    EXPECT_EQ(core::CreateAlertStyleHandler(core::asFade, popup, factory)->Style(), core::asFade);
    EXPECT_EQ(core::CreateAlertStyleHandler(core::asCenterGrow, popup, factory)->Style(),
              core::asCenterGrow);
    for (int32_t bad : {2, -1, 255}) {
        try {
            core::CreateAlertStyleHandler(bad, popup, factory);
            ADD_FAILURE() << "style " << bad << " accepted";
        } catch (const core::AppError& e) {
            EXPECT_STREQ(e.what(), "");
        }
    }
    EXPECT_EQ(made, 2) << "no timer is made for a refused style";
}

TEST(StyleHandlers, DefaultsOfBothStyles) {
    GrowRig g;
    FadeRig f;
    for (core::TCustomDesktopAlertStyleHandler* h :
         {static_cast<core::TCustomDesktopAlertStyleHandler*>(g.handler.get()),
          static_cast<core::TCustomDesktopAlertStyleHandler*>(f.handler.get())}) {
        EXPECT_EQ(h->StartInterval(), 25u);
        EXPECT_EQ(h->StartSteps(), 10u);
        EXPECT_EQ(h->EndInterval(), 50u);
        EXPECT_EQ(h->EndSteps(), 10u);
        EXPECT_EQ(h->DisplayDuration(), 1400u);
        EXPECT_FALSE(h->TimerRunning());
    }
    EXPECT_EQ(f.handler->MinAlphaBlendValue(), 0);
    EXPECT_EQ(f.handler->MaxAlphaBlendValue(), 255);
}

}  // namespace
