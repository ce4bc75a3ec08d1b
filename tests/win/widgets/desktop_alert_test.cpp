#include "win/widgets/desktop_alert.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

#include "core/common/errors.h"
#include "core/widgets/alert_fakes.h"

namespace {

using alert_test::FakeTimer;
using alert_test::TimerLog;
using win::TDesktopAlert;

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Pumps messages until `done` or `ms` have passed; returns whether `done` came true.
template <class F>
bool PumpUntil(F done, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms)
            return false;
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Animation timers the test fires by hand.
struct ManualTimers {
    std::deque<TimerLog> logs;
    FakeTimer* last = nullptr;
    core::AlertTimerFactory Factory() {
        return [this] {
            logs.emplace_back();
            auto t = std::make_unique<FakeTimer>(logs.back());
            last = t.get();
            return t;
        };
    }
    const TimerLog& Log() const { return logs.back(); }
    void Fire() { last->Fire(); }
};

int AlphaOf(HWND hwnd) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags))
        return -1;
    return (flags & LWA_ALPHA) ? alpha : -1;
}

core::AlertRect RegionBox(HWND hwnd) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    RECT box = {-1, -1, -1, -1};
    if (GetWindowRgn(hwnd, rgn) != ERROR)
        GetRgnBox(rgn, &box);
    DeleteObject(rgn);
    return core::AlertRect{box.left, box.top, box.right, box.bottom};
}

class DesktopAlertTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        wa_ = win::DesktopWorkArea();
    }
    void TearDown() override {
        alerts_.clear();
        Pump();
        EXPECT_TRUE(TDesktopAlert::GlobalStack().Slots().empty()) << "a popup was left stacked";
    }
    TDesktopAlert& Make(core::TDesktopAlertPosition pos = core::dapBottomRight) {
        alerts_.push_back(std::make_unique<TDesktopAlert>(nullptr, timers_.Factory()));
        TDesktopAlert& a = *alerts_.back();
        a.SetHeaderText("Header");
        a.SetMessageText("Message text");
        a.Location().SetPosition(pos);
        return a;
    }
    HWND PopupOf(TDesktopAlert& a) { return a.Popup()->Handle(); }
    // Presses and releases the left button on the close button, as a click delivers it.
    void ClickClose(HWND popup, TDesktopAlert& a) {
        const core::AlertRect b = a.Popup()->Layout().CloseButton;
        LPARAM at = MAKELPARAM(b.Left + 7, b.Top + 7);
        SendMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(popup, WM_LBUTTONUP, 0, at);
    }

    core::AlertRect wa_;
    ManualTimers timers_;
    std::vector<std::unique_ptr<TDesktopAlert>> alerts_;
};

TEST_F(DesktopAlertTest, PopupSitsInEachCornerAtTheDefaultSize) {
    const struct {
        core::TDesktopAlertPosition pos;
        int left, top;
    } cases[] = {
        {core::dapTopLeft, wa_.Left, wa_.Top},
        {core::dapTopRight, wa_.Right - 329, wa_.Top},
        {core::dapBottomLeft, wa_.Left, wa_.Bottom - 76},
        {core::dapBottomRight, wa_.Right - 329, wa_.Bottom - 76},
    };
    for (const auto& c : cases) {
        TDesktopAlert& a = Make(c.pos);
        a.Execute();
        EXPECT_EQ(a.Popup()->Bounds(), core::RectOfSize(c.left, c.top, 329, 76)) << c.pos;
        EXPECT_TRUE(IsWindowVisible(PopupOf(a)));
        EXPECT_TRUE(GetWindowLongPtrA(PopupOf(a), GWL_EXSTYLE) & WS_EX_TOPMOST);
        alerts_.clear();
    }
}

TEST_F(DesktopAlertTest, CustomPlaceAndSizeAndCentre) {
    TDesktopAlert& a = Make(core::dapCustom);
    a.Location().SetLeft(100);
    a.Location().SetTop(120);
    a.Location().SetWidth(400);
    a.Location().SetHeight(90);
    a.Execute();
    EXPECT_EQ(a.Popup()->Bounds(), core::RectOfSize(100, 120, 400, 90));
    // A custom popup remembers where it stood when it closes.
    SetWindowPos(PopupOf(a), nullptr, 130, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClickClose(PopupOf(a), a);
    EXPECT_EQ(a.Location().Left(), 130);
    EXPECT_EQ(a.Location().Top(), 140);

    TDesktopAlert& c = Make(core::dapDesktopCenter);
    c.Execute();
    EXPECT_EQ(c.Popup()->Bounds(), core::CentreOn(wa_, 329, 76));
}

TEST_F(DesktopAlertTest, PopupsStackAndCloseTheGap) {
    int closed = 0;
    TDesktopAlert* order[3];
    for (auto*& slot : order) {
        slot = &Make();
        slot->OnClose = [&](TDesktopAlert*) { ++closed; };
        slot->Execute();
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(order[i]->Popup()->Bounds().Top, wa_.Bottom - 76 * (i + 1)) << i;

    HWND middle = PopupOf(*order[1]);
    ClickClose(middle, *order[1]);
    EXPECT_EQ(closed, 1) << "the close button closes at once";
    EXPECT_FALSE(IsWindowVisible(middle));
    EXPECT_EQ(order[2]->Popup()->Bounds().Top, wa_.Bottom - 152) << "the upper one moved down";
    EXPECT_EQ(order[0]->Popup()->Bounds().Top, wa_.Bottom - 76);
    EXPECT_EQ(TDesktopAlert::GlobalStack().Slots().size(), 2u);
}

TEST_F(DesktopAlertTest, FadeSetsTheAlphaOfEveryStep) {
    TDesktopAlert& a = Make();
    a.StyleOptions().SetDisplayDuration(0);
    a.Execute();
    HWND h = PopupOf(a);
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(AlphaOf(h), 0);
    EXPECT_EQ(timers_.Log().interval, 25u);
    std::vector<int> seen;
    while (timers_.Log().running) {
        timers_.Fire();
        seen.push_back(AlphaOf(h));
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 25, 51, 76, 102, 127, 153, 178, 204, 255}));

    int closed = 0;
    a.OnClose = [&](TDesktopAlert*) { ++closed; };
    a.StyleOptions().BeginClosing();
    seen.clear();
    while (timers_.Log().running) {
        timers_.Fire();
        seen.push_back(AlphaOf(h));
    }
    EXPECT_EQ(seen, (std::vector<int>{230, 204, 179, 153, 128, 102, 77, 51, 26, 0}));
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(IsWindowVisible(h));
}

TEST_F(DesktopAlertTest, CentreGrowSetsTheRegionOfEveryStep) {
    TDesktopAlert& a = Make();
    a.SetAlertStyle(core::asCenterGrow);
    a.StyleOptions().SetDisplayDuration(0);
    a.Execute();
    HWND h = PopupOf(a);
    EXPECT_EQ(RegionBox(h).Width(), 0);
    timers_.Fire();
    timers_.Fire();  // 10 %
    EXPECT_EQ(RegionBox(h), (core::AlertRect{148, 34, 181, 42}));
    while (timers_.Log().running)
        timers_.Fire();
    EXPECT_EQ(RegionBox(h), (core::AlertRect{0, 0, 329, 76}));
}

TEST_F(DesktopAlertTest, RefusedStyleKeepsAWorkingFadeHandler) {
    TDesktopAlert& a = Make();
    try {
        a.SetAlertStyle(7);
        ADD_FAILURE() << "style 7 accepted";
    } catch (const core::AppError& e) {
        EXPECT_STREQ(e.what(), "");
    }
    EXPECT_EQ(a.AlertStyle(), core::asFade);
    EXPECT_EQ(a.StyleOptions().Style(), core::asFade);
    a.Execute();
    timers_.Fire();
    timers_.Fire();
    EXPECT_EQ(AlphaOf(PopupOf(a)), 25);

    // A new handler comes with the defaults: a display time written before is lost.
    a.StyleOptions().SetDisplayDuration(5000);
    a.SetAlertStyle(core::asCenterGrow);
    EXPECT_EQ(a.StyleOptions().DisplayDuration(), 1400u);
    a.SetAlertStyle(core::asCenterGrow);
    a.StyleOptions().SetDisplayDuration(5000);
    a.SetAlertStyle(core::asCenterGrow);
    EXPECT_EQ(a.StyleOptions().DisplayDuration(), 5000u) << "same style keeps the handler";
}

TEST_F(DesktopAlertTest, PointerEnteringDuringFadeOutRestoresFullOpacity) {
    TDesktopAlert& a = Make();
    a.Execute();
    HWND h = PopupOf(a);
    while (timers_.Log().interval != 1400u)
        timers_.Fire();
    a.StyleOptions().BeginClosing();
    timers_.Fire();
    timers_.Fire();
    ASSERT_EQ(AlphaOf(h), 204);
    SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(60, 50));
    EXPECT_EQ(AlphaOf(h), 255);
    EXPECT_FALSE(timers_.Log().running);
    EXPECT_TRUE(a.Popup()->MouseInside());
}

TEST_F(DesktopAlertTest, ExecutingNeverTakesTheFocus) {
    HWND top = CreateWindowExA(0, "STATIC", "focus owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300,
                               300, 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, top, nullptr,
                                nullptr, nullptr);
    SetForegroundWindow(top);
    SetActiveWindow(top);
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);

    TDesktopAlert& a = Make();
    a.Execute();
    Pump();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(GetActiveWindow(), top);
    HWND h = PopupOf(a);
    EXPECT_EQ(SendMessageA(h, WM_MOUSEACTIVATE, WPARAM(top), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    ClickClose(h, a);
    EXPECT_EQ(GetFocus(), edit);
    DestroyWindow(top);
}

TEST_F(DesktopAlertTest, DragStripAndChildrenHitTest) {
    TDesktopAlert& a = Make();
    a.Execute();
    HWND h = PopupOf(a);
    const core::AlertRect b = a.Popup()->Bounds();
    auto hit = [&](int x, int y) {
        return SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(b.Left + x, b.Top + y));
    };
    EXPECT_EQ(hit(100, 3), HTCAPTION);
    EXPECT_EQ(hit(2, 60), HTCAPTION) << "anywhere off the children";
    const core::AlertRect m = a.Popup()->MessageRect();
    EXPECT_EQ(hit(m.Left + 2, m.Top + 2), HTCLIENT);
    EXPECT_EQ(hit(320, 15), HTCLIENT) << "the close button";

    // Without the move options only the click and close areas act.
    a.SetOptions(core::OptionBit(core::daoCanClose));
    a.Execute();
    EXPECT_EQ(hit(100, 3), HTCLIENT);
}

TEST_F(DesktopAlertTest, LayoutOfTheDefaultPopup) {
    TDesktopAlert& a = Make();
    a.Execute();
    const core::AlertRect header = a.Popup()->HeaderRect();
    const core::AlertRect message = a.Popup()->MessageRect();
    EXPECT_EQ(header.Left, 13);
    EXPECT_EQ(header.Top, 13);
    EXPECT_EQ(message.Left, 21);
    EXPECT_EQ(message.Top, header.Bottom);
    EXPECT_EQ(message.Width(), 275);
    EXPECT_GT(message.Height(), 0);
}

TEST_F(DesktopAlertTest, AutoFreeReleasesPopupAndAlertAfterClosing) {
    alerts_.push_back(std::make_unique<TDesktopAlert>(nullptr, timers_.Factory()));
    TDesktopAlert* a = alerts_.back().release();
    alerts_.pop_back();
    int closed = 0;
    a->OnClose = [&](TDesktopAlert*) { ++closed; };
    a->AutoFree = true;
    a->Execute();
    HWND h = a->Popup()->Handle();
    ClickClose(h, *a);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(a->Popup(), nullptr) << "the popup is handed over for freeing";
    EXPECT_TRUE(IsWindow(h)) << "freed only when the posted message arrives";
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(h); }, 2000));
}

TEST_F(DesktopAlertTest, FreeingAShownAlertClosesSilently) {
    TDesktopAlert& a = Make();
    int closed = 0;
    a.OnClose = [&](TDesktopAlert*) { ++closed; };
    a.Execute();
    HWND h = PopupOf(a);
    alerts_.clear();
    EXPECT_EQ(closed, 0);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(DesktopAlertTest, RealTimersRunTheWholeLifeWithinItsTimes) {
    alerts_.push_back(std::make_unique<TDesktopAlert>());
    TDesktopAlert& a = *alerts_.back();
    a.StyleOptions().SetDisplayDuration(300);
    int closed = 0;
    a.OnClose = [&](TDesktopAlert*) { ++closed; };
    const DWORD start = GetTickCount();
    a.Execute();
    HWND h = PopupOf(a);
    ASSERT_TRUE(PumpUntil([&] { return AlphaOf(h) == 255; }, 2000));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(h); }, 4000));
    const DWORD took = GetTickCount() - start;
    EXPECT_EQ(closed, 1);
    // 10 x 25 ms in, 300 ms shown, up to 200 ms to notice, 10 x 50 ms out.
    EXPECT_GE(took, 900u);
    EXPECT_LE(took, 3000u);
}

TEST_F(DesktopAlertTest, ZeroDisplayTimeStaysUntilClosed) {
    alerts_.push_back(std::make_unique<TDesktopAlert>());
    TDesktopAlert& a = *alerts_.back();
    a.StyleOptions().SetDisplayDuration(0);
    a.Execute();
    HWND h = PopupOf(a);
    EXPECT_FALSE(PumpUntil([&] { return !IsWindowVisible(h); }, 900));
    EXPECT_EQ(AlphaOf(h), 255);
    ClickClose(h, a);
    EXPECT_FALSE(IsWindowVisible(h));
}

TEST_F(DesktopAlertTest, SwitchingStyleAfterAGrownCloseShowsTheWholePopup) {
    TDesktopAlert& a = Make();
    a.SetAlertStyle(core::asCenterGrow);
    a.StyleOptions().SetDisplayDuration(0);
    a.Execute();
    HWND h = PopupOf(a);
    a.StyleOptions().BeginClosing();
    while (timers_.Log().running)
        timers_.Fire();
    ASSERT_EQ(RegionBox(h).Width(), 0) << "closed at 0 %";

    a.SetAlertStyle(core::asFade);
    a.StyleOptions().SetDisplayDuration(0);
    a.Execute();
    while (timers_.Log().running)
        timers_.Fire();
    EXPECT_EQ(AlphaOf(h), 255);
    EXPECT_EQ(RegionBox(h).Left, -1) << "no region left over";
}

TEST_F(DesktopAlertTest, WithoutCloseOptionTheButtonGoesOnlyWhenTheAlertEndsByItself) {
    TDesktopAlert& a = Make();
    int closed = 0;
    a.OnClose = [&](TDesktopAlert*) { ++closed; };
    a.SetOptions(core::OptionBit(core::daoCanMove) | core::OptionBit(core::daoCanMoveAnywhere));
    a.Execute();
    HWND h = PopupOf(a);
    EXPECT_FALSE(a.Popup()->Layout().CloseButtonVisible);
    EXPECT_EQ(a.Popup()->MessageRect().Width(), 329 - 17 - 21) << "the message takes its place";
    ClickClose(h, a);
    SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(IsWindowVisible(h));

    a.StyleOptions().SetDisplayDuration(0);
    a.Execute();
    EXPECT_TRUE(a.Popup()->Layout().CloseButtonVisible) << "otherwise it could never be closed";
    EXPECT_EQ(closed, 1) << "executing a shown popup closes it first";
}

TEST_F(DesktopAlertTest, OptionsWithoutMoveDropMoveAnywhere) {
    TDesktopAlert& a = Make();
    a.SetOptions(core::OptionBit(core::daoCanMoveAnywhere) | core::OptionBit(core::daoCanClose));
    EXPECT_EQ(a.Options(), core::OptionBit(core::daoCanClose));
}

}  // namespace
