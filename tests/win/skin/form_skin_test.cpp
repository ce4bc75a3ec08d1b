// The program's dialogs and message boxes under the default skin, driven as a user drives
// them: the skinned frame and what it keeps, active and inactive captions, the close button's
// looks and click, the region, the skinned system menu, and switching the skin off and on.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/skin/frame_region.h"
#include "win/alarms/about.h"
#include "win/alarms/alarm_list.h"
#include "win/alarms/alarm_modify.h"
#include "win/alarms/dialog_driver.h"
#include "win/app/msg.h"
#include "win/skin/skin_test_support.h"
#include "win/ui/application.h"
#include "win/ui/dialog_form.h"
#include "win/ui/thread_hook.h"

#ifdef CLOCK_HAS_SKIN_STREAM

namespace {

using skintest::FrameOf;
using skintest::RunningSkin;
using wintest::DialogDriver;

constexpr const char* kDeleteQuestion = "Are you sure delete the alarm?";

// A step that waits until the visible window of class `cls` is skinned and running.
std::function<bool()> WhenSkinned(const char* cls, HWND& out) {
    return [cls, &out] {
        HWND h = ::FindWindowA(cls, nullptr);
        if (!h || !::IsWindowVisible(h) || !RunningSkin(h))
            return false;
        out = h;
        return true;
    };
}

// Each child window's place in its parent's client area, in window order.
std::vector<std::array<LONG, 4>> ChildPlaces(HWND parent) {
    std::vector<std::array<LONG, 4>> places;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        ::GetWindowRect(c, &r);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        places.push_back({r.left, r.top, r.right, r.bottom});
    }
    return places;
}

class FormSkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<skintest::SkinHost>();
        ASSERT_TRUE(host_->Loaded()) << "the default skin from clock.exe";
        metrics_ = core::FrameMetricsOf(host_->Skin(), core::fkDialog);
        ASSERT_EQ(metrics_, (core::TFrameMetrics{5, 28, 5, 5, 0})) << "the default skin";
    }
    void TearDown() override {
        host_.reset();
        EXPECT_EQ(skin::TSkinManager::Instance(), nullptr) << "the manager goes with the skin";
    }

    void ExpectSkinnedFrame(HWND h, SIZE client) {
        const skintest::Frame f = FrameOf(h);
        EXPECT_EQ(f.left, 5);
        EXPECT_EQ(f.top, 28);
        EXPECT_EQ(f.right, 5);
        EXPECT_EQ(f.bottom, 5);
        EXPECT_EQ(f.client.cx, client.cx);
        EXPECT_EQ(f.client.cy, client.cy);
    }
    // The framework's controls sit where their bounds say, in the unchanged client area.
    void ExpectControlsInPlace(ui::TWinControl& parent) {
        for (ui::TControl* c : parent.Controls()) {
            auto* w = dynamic_cast<ui::TWinControl*>(c);
            if (!w || !w->HandleAllocated())
                continue;
            RECT r;
            ::GetWindowRect(w->Handle(), &r);
            ::MapWindowPoints(nullptr, parent.Handle(), reinterpret_cast<POINT*>(&r), 2);
            EXPECT_EQ(r.left, c->Left()) << c->Name();
            EXPECT_EQ(r.top, c->Top()) << c->Name();
            EXPECT_EQ(r.right - r.left, c->Width()) << c->Name();
            ExpectControlsInPlace(*w);
        }
    }

    std::unique_ptr<skintest::SkinHost> host_;
    core::TFrameMetrics metrics_;
};

TEST_F(FormSkinTest, DialogsGetTheSkinsFrameAroundTheirOwnClientArea) {
    struct Case {
        const char* cls;
        SIZE client;
        std::function<ui::TForm*()> make;
    } cases[] = {
        {"TfrmAbout", SIZE{309, 202}, [] { return new alarms::TfrmAbout(nullptr); }},
        {"TfrmAlarmList", SIZE{538, 317},
         [] {
             auto* list = new alarms::TfrmAlarmList(nullptr);
             static core::TAlarmDB db;
             db.InitDefaults();
             list->AlarmDB = &db;
             return list;
         }},
        {"TfrmModifyAlarm", SIZE{359, 393}, [] { return new alarms::TfrmModifyAlarm(nullptr); }},
    };
    for (const Case& c : cases) {
        ui::TForm* form = c.make();
        DialogDriver d;
        HWND h = nullptr;
        d.Then(WhenSkinned(c.cls, h));
        d.Then([&] {
            ExpectSkinnedFrame(h, c.client);
            ExpectControlsInPlace(*form);
            EXPECT_TRUE(skintest::CaptionShowsTopFrame(h, host_->Skin(), 1)) << c.cls;
            ::PostMessageA(h, WM_CLOSE, 0, 0);
            return true;
        });
        EXPECT_EQ(form->ShowModal(), ui::mrCancel) << c.cls;
        EXPECT_TRUE(d.Finished()) << c.cls;
        delete form;
    }
}

TEST_F(FormSkinTest, MessageBoxesAreSkinnedAsDialogsAndKeepTheirLayout) {
    // The box as the system laid it out, read as its set-up message is taken from the queue.
    std::vector<std::array<LONG, 4>> placesBefore;
    SIZE clientBefore{0, 0};
    ui::TThreadHook watch(WH_GETMESSAGE, [&](int code, WPARAM, LPARAM l) {
        const MSG& m = *reinterpret_cast<const MSG*>(l);
        char cls[16] = {0};
        if (code == HC_ACTION && m.message == core::skinmsg::kSetUp &&
            ::GetClassNameA(m.hwnd, cls, sizeof cls) && std::string(cls) == "#32770") {
            RECT c;
            ::GetClientRect(m.hwnd, &c);
            clientBefore = SIZE{c.right, c.bottom};
            placesBefore = ChildPlaces(m.hwnd);
        }
        return false;
    });
    auto check = [&](DialogDriver& d, WPARAM answer, bool widened) {
        HWND* box = new HWND(nullptr);
        d.Then([box] {
            HWND h = ::FindWindowA("#32770", nullptr);
            if (!h || !RunningSkin(h))
                return false;
            *box = h;
            return true;
        });
        d.Then([this, box, answer, widened, &placesBefore, &clientBefore] {
            EXPECT_TRUE(::IsWindowUnicode(*box)) << "a wide window, taken over as such";
            EXPECT_EQ(RunningSkin(*box)->FrameKind(), core::fkDialog);
            const skintest::Frame f = FrameOf(*box);
            EXPECT_EQ(f.client.cy, clientBefore.cy);
            // A caption wider than the box widens it; its content moves right by half.
            const int shift = (f.client.cx - clientBefore.cx) / 2;
            EXPECT_EQ(shift > 0, widened) << f.client.cx << " from " << clientBefore.cx;
            if (!widened)
                ExpectSkinnedFrame(*box, clientBefore);
            std::vector<std::array<LONG, 4>> expected = placesBefore;
            for (auto& p : expected) {
                p[0] += shift;
                p[2] += shift;
            }
            EXPECT_EQ(ChildPlaces(*box), expected) << "its buttons, text and icon";
            EXPECT_TRUE(skintest::CaptionShowsTopFrame(*box, host_->Skin(), 1));
            ::PostMessageA(*box, WM_COMMAND, answer, 0);
            delete box;
            return true;
        });
    };
    {
        DialogDriver d;
        check(d, IDNO, false);
        EXPECT_FALSE(app::AskYesNo(nullptr, kDeleteQuestion)) << "still answers No";
        EXPECT_TRUE(d.Finished());
    }
    {
        DialogDriver d;
        check(d, IDOK, true);
        ui::Application->HandleException("Full");
        EXPECT_TRUE(d.Finished()) << "the error box";
    }
}

TEST_F(FormSkinTest, CaptionIsInactiveWhileAnotherWindowIsActive) {
    auto* about = new alarms::TfrmAbout(nullptr);
    DialogDriver d;
    HWND h = nullptr, other = nullptr;
    d.Then(WhenSkinned("TfrmAbout", h));
    d.Then([&] { return skintest::CaptionShowsTopFrame(h, host_->Skin(), 1); });
    d.Then([&] {
        other = ::CreateWindowExA(0, "Static", "other", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 60,
                                  40, nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(other);
        return true;
    });
    d.Then([&] { return skintest::CaptionShowsTopFrame(h, host_->Skin(), 2); });
    d.Then([&] {
        ::DestroyWindow(other);
        ::SetForegroundWindow(h);
        return true;
    });
    d.Then([&] { return skintest::CaptionShowsTopFrame(h, host_->Skin(), 1); });
    d.Then([&] {
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    about->ShowModal();
    EXPECT_TRUE(d.Finished()) << "active, inactive and active again";
    EXPECT_FALSE(d.TimedOut());
    delete about;
}

TEST_F(FormSkinTest, CloseButtonLooksHotAndPressedAndItsClickCancels) {
    auto* list = new alarms::TfrmAlarmList(nullptr);
    core::TAlarmDB db;
    db.InitDefaults();
    list->AlarmDB = &db;
    const core::TDataSkinSysButton& close = *host_->Skin().CaptionButtons()[0];
    ASSERT_EQ(close.Action, 0);
    // A pixel of the button's fill, left of its glyph.
    auto looks = [&](HWND h, int frame) {
        const RECT r = skintest::ButtonOnScreen(h, 0);
        return skintest::ScreenPixel(r.left + 3, r.top + 9) ==
               skintest::FramePixel(close.Picture, close.FrameCount, frame, 3, 9);
    };
    DialogDriver d;
    HWND h = nullptr;
    bool sawNormal = false;
    d.Then(WhenSkinned("TfrmAlarmList", h));
    d.Then([&] {
        sawNormal = !looks(h, 3) && !looks(h, 2);  // the normal frame lets the caption through
        const RECT r = skintest::ButtonOnScreen(h, 0);
        skintest::MouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return true;
    });
    d.Then([&] { return looks(h, 3); });  // hot
    d.Then([&] {
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        return true;
    });
    d.Then([&] { return looks(h, 2); });  // pressed
    d.Then([&] {
        EXPECT_TRUE(::IsWindowVisible(h)) << "pressing alone closes nothing";
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    EXPECT_EQ(list->ShowModal(), ui::mrCancel);
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    EXPECT_TRUE(sawNormal);
    skintest::MouseTo(0, 0);
    delete list;
}

TEST_F(FormSkinTest, RegionCutsTheCornersAndFollowsTheSize) {
    auto* about = new alarms::TfrmAbout(nullptr);
    DialogDriver d;
    HWND h = nullptr;
    d.Then(WhenSkinned("TfrmAbout", h));
    auto expectRegion = [&] {
        const SIZE s = skintest::WindowSize(h);
        ui::ScopedRegion rgn(::CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(::GetWindowRgn(h, rgn.get()), ERROR);
        RECT box;
        ::GetRgnBox(rgn.get(), &box);
        EXPECT_EQ(box.right, s.cx);
        EXPECT_EQ(box.bottom, s.cy);
        for (POINT corner :
             {POINT{0, 0}, POINT{s.cx - 1, 0}, POINT{0, s.cy - 1}, POINT{s.cx - 1, s.cy - 1}})
            EXPECT_FALSE(::PtInRegion(rgn.get(), corner.x, corner.y))
                << corner.x << "," << corner.y;
        EXPECT_TRUE(::PtInRegion(rgn.get(), s.cx / 2, 0));
        EXPECT_TRUE(::PtInRegion(rgn.get(), 6, 6));
        EXPECT_TRUE(::PtInRegion(rgn.get(), s.cx / 2, s.cy / 2));
    };
    SIZE before{0, 0};
    d.Then([&] {
        expectRegion();
        before = skintest::WindowSize(h);
        ::SetWindowPos(h, nullptr, 0, 0, before.cx + 40, before.cy + 30,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    });
    d.Then([&] {
        EXPECT_EQ(skintest::WindowSize(h).cx, before.cx + 40);
        expectRegion();
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    about->ShowModal();
    EXPECT_TRUE(d.Finished());
    delete about;
}

TEST_F(FormSkinTest, RightClickOnTheCaptionOpensTheSkinnedSystemMenuAndCloseCloses) {
    auto* about = new alarms::TfrmAbout(nullptr);
    DialogDriver d;
    HWND h = nullptr, menuWindow = nullptr;
    HMENU menu = nullptr;
    d.Then(WhenSkinned("TfrmAbout", h));
    d.Then([&] {
        RECT w;
        ::GetWindowRect(h, &w);
        skintest::MouseTo((w.left + w.right) / 2, w.top + 14);
        skintest::MouseButton(MOUSEEVENTF_RIGHTDOWN);
        skintest::MouseButton(MOUSEEVENTF_RIGHTUP);
        return true;
    });
    d.Then([&] {
        menuWindow = ::FindWindowA("#32768", nullptr);
        if (!menuWindow || !::IsWindowVisible(menuWindow))
            return false;
        menu = reinterpret_cast<HMENU>(::SendMessageA(menuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0));
        return menu != nullptr;
    });
    d.Hold();
    d.Then([&] {
        // The menu window has its skin: the menu background's edge at its border.
        ::UpdateWindow(menuWindow);
        EXPECT_EQ(::SendMessageA(menuWindow, core::skinmsg::kIsSkinned, 0, 0), 1);
        const core::TDataSkinObject* bg = host_->Skin().Find("MenuBackground");
        RECT mw;
        ::GetWindowRect(menuWindow, &mw);
        if (bg) {
            EXPECT_EQ(skintest::WindowPixel(menuWindow, 0, (mw.bottom - mw.top) / 2),
                      skintest::FramePixel(bg->Picture, 1, 1, 0, bg->Picture.height / 2));
        }
        const int count = ::GetMenuItemCount(menu);
        EXPECT_GT(count, 1);
        const UINT realDefault = ::GetMenuDefaultItem(::GetSystemMenu(h, FALSE), FALSE, 0);
        int closeAt = -1;
        for (int i = 0; i < count; ++i) {
            MENUITEMINFOA mii{};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
            ::GetMenuItemInfoA(menu, UINT(i), TRUE, &mii);
            EXPECT_TRUE(mii.fType & MFT_OWNERDRAW) << "item " << i;
            if (mii.wID == SC_MINIMIZE || mii.wID == SC_MAXIMIZE || mii.wID == SC_SIZE) {
                EXPECT_TRUE(mii.fState & MFS_GRAYED) << "a dialog cannot do " << mii.wID;
            }
            EXPECT_EQ((mii.fState & MFS_DEFAULT) != 0, mii.wID == realDefault)
                << "the default item stays the default: " << mii.wID;
            if (mii.wID == SC_CLOSE)
                closeAt = i;
        }
        EXPECT_GE(closeAt, 0);
        RECT item{};
        ::GetMenuItemRect(nullptr, menu, UINT(closeAt), &item);
#ifdef HAS_PROGRAM_ART
        // The close glyph's ink, in the glyph column.
        int ink = 0;
        for (int x = item.left; x < item.left + 30; ++x)
            for (int y = item.top; y < item.bottom; ++y)
                ink += skintest::ScreenPixel(x, y) == RGB(56, 64, 78);
        EXPECT_GT(ink, 10) << "the close glyph is drawn";
#endif
        skintest::MouseTo((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    EXPECT_EQ(about->ShowModal(), ui::mrCancel) << "Close was chosen";
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    skintest::MouseTo(0, 0);
    delete about;
}

TEST_F(FormSkinTest, AFormWithTag99KeepsItsSystemFrame) {
    auto* form = new ui::TDialogForm(nullptr);
    form->SetTag(99);
    form->SetClientSize(200, 100);
    DialogDriver d;
    bool checked = false;
    d.Then([&] {
        HWND h = form->HandleAllocated() ? form->Handle() : nullptr;
        if (!h || !::IsWindowVisible(h) || ::GetActiveWindow() != h)
            return false;
        wintest::Pump(100);  // a set-up message would have come by now
        EXPECT_EQ(skin::TSkinManager::Instance()->FindSkin(h), nullptr);
        EXPECT_EQ(skintest::WindowSize(h).cx, skintest::SystemFrameSize(h).cx);
        EXPECT_EQ(skintest::WindowSize(h).cy, skintest::SystemFrameSize(h).cy);
        checked = true;
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(checked);
    delete form;
}

TEST_F(FormSkinTest, ActiveOffGivesTheSystemFrameBackLaterAndOnSkinsAgain) {
    auto* about = new alarms::TfrmAbout(nullptr);
    DialogDriver d;
    HWND h = nullptr;
    DWORD switched = 0;
    d.Then(WhenSkinned("TfrmAbout", h));
    d.Then([&] {
        host_->Data().SetActive(false);
        switched = ::GetTickCount();
        return true;
    });
    d.Then([&] {
        if (skin::TSkinManager::Instance()->FindSkin(h))
            return false;
        EXPECT_GE(::GetTickCount() - switched, 200u) << "the command waits its 250 ms";
        const SIZE system = skintest::SystemFrameSize(h);
        EXPECT_EQ(skintest::WindowSize(h).cx, system.cx);
        EXPECT_EQ(skintest::WindowSize(h).cy, system.cy);
        EXPECT_EQ(FrameOf(h).client.cx, 309);
        EXPECT_EQ(FrameOf(h).client.cy, 202);
        ui::ScopedRegion rgn(::CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(::GetWindowRgn(h, rgn.get()), ERROR) << "no region";
        EXPECT_NE(::SendMessageA(h, core::skinmsg::kIsSkinned, 0, 0), 1);
        host_->Data().SetActive(true);
        return true;
    });
    d.Then(WhenSkinned("TfrmAbout", h));
    d.Then([&] {
        ExpectSkinnedFrame(h, SIZE{309, 202});
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    about->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete about;
}

// Some default window procedures draw the system's caption by themselves when the window's
// text or icon changes; the skinned caption must stay.
TEST_F(FormSkinTest, ACaptionSetWhileSkinnedStaysSkinned) {
    auto* about = new alarms::TfrmAbout(nullptr);
    DialogDriver d;
    HWND h = nullptr;
    d.Then(WhenSkinned("TfrmAbout", h));
    d.Then([&] {
        ::SetWindowTextA(h, "New caption");
        wintest::Pump(200);  // what is drawn reaches the screen
        EXPECT_TRUE(skintest::CaptionShowsTopFrame(h, host_->Skin(), 1)) << "after WM_SETTEXT";
        ::SendMessageA(h, WM_SETICON, ICON_SMALL,
                       reinterpret_cast<LPARAM>(::LoadIconA(nullptr, IDI_APPLICATION)));
        wintest::Pump(200);
        EXPECT_TRUE(skintest::CaptionShowsTopFrame(h, host_->Skin(), 1)) << "after WM_SETICON";
        EXPECT_EQ(skintest::WindowSize(h).cy - FrameOf(h).client.cy, 33);
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    about->ShowModal();
    EXPECT_TRUE(d.Finished());
    delete about;
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
