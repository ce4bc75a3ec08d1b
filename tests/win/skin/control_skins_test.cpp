// The child controls of skinned windows, driven as a user drives them: buttons in their five
// looks and their clicks, message-box buttons, group boxes and panels in the face colour, the
// outlines of edits and pickers, drop-down lists, the picker's arrow, what keeps the system
// look, and switching the skin off.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/skin/control_button.h"
#include "core/skin/control_parts.h"
#include "core/skin/skin_draw.h"
#include "win/alarms/alarm_modify.h"
#include "win/alarms/dialog_driver.h"
#include "win/app/msg.h"
#include "win/skin/control_skin.h"
#include "win/skin/skin_button.h"
#include "win/skin/skin_combo.h"
#include "win/skin/skin_date_time.h"
#include "win/skin/skin_edit.h"
#include "win/skin/skin_scrollbar.h"
#include "win/skin/skin_tabs.h"
#include "win/skin/skin_test_support.h"
#include "win/skin/skinned_test.h"
#include "win/ui/date_time_picker.h"
#include "win/ui/dialog_form.h"

#ifdef CLOCK_HAS_SKIN_STREAM

namespace {

using skintest::RunningSkin;
using skintest::WhenRunning;
using wintest::DialogDriver;

// A dialog with one control of each kind the program's dialogs use.
class ControlsForm : public ui::TDialogForm {
  public:
    ControlsForm() : ui::TDialogForm(nullptr) {
        SetCaption("Controls");
        SetClientSize(360, 260);
        one = Make<ui::TButton>("one", this);
        one->SetCaption("One||Two");
        one->SetBounds(10, 10, 90, 34);
        one->OnClick = [this](ui::TObject*) { ++clicks; };
        two = Make<ui::TButton>("two", this);
        two->SetBounds(110, 10, 75, 25);
        plain = Make<ui::TButton>("plain", this);
        plain->SetTag(99);
        plain->SetBounds(200, 10, 75, 25);
        box = Make<ui::TGroupBox>("box", this);
        box->SetCaption("Group");
        box->SetBounds(10, 60, 160, 80);
        label = MakeLabel("label", box, "Inside");
        label->SetBounds(10, 30, 0, 0);
        panel = Make<ui::TPanel>("panel", this);
        panel->SetBounds(180, 60, 170, 80);
        edit = Make<ui::TEdit>("edit", this);
        edit->SetBounds(10, 150, 120, 21);
        combo = Make<ui::TComboBox>("combo", this);
        combo->SetItems({"a", "b", "c"});
        combo->SetItemIndex(0);
        combo->SetBounds(140, 150, 120, 21);
        date = Make<ui::TDateTimePicker>("date", this);
        date->SetBounds(10, 190, 120, 21);
        time = Make<ui::TDateTimePicker>("time", this);
        time->SetKind(ui::dtkTime);
        time->SetBounds(140, 190, 120, 21);
    }
    std::string ClassName() const override { return "TControlsForm"; }

    ui::TButton *one, *two, *plain;
    ui::TGroupBox* box;
    ui::TLabel* label;
    ui::TPanel* panel;
    ui::TEdit* edit;
    ui::TComboBox* combo;
    ui::TDateTimePicker *date, *time;
    int clicks = 0;
};

class ControlSkinsTest : public skintest::SkinnedTest {
  protected:
    // The button as the skin draws frame `frame`, away from its caption: points on its left,
    // right and top edges.
    bool ButtonShows(HWND button, int frame) {
        RECT c;
        ::GetClientRect(button, &c);
        core::Bitmap expected(c.right, c.bottom, Skin().ButtonFaceColour());
        core::DrawBlit(expected, core::ObjectBlit(Skin().ButtonDef(), frame,
                                                  core::Rect{0, 0, c.right, c.bottom}));
        const POINT probes[] = {
            {1, c.bottom / 2}, {c.right - 2, c.bottom / 2}, {c.right / 2, 1}, {2, 2}};
        for (POINT p : probes) {
            POINT s = p;
            ::ClientToScreen(button, &s);
            if (skintest::ScreenPixel(s.x, s.y) != expected.At(p.x, p.y))
                return false;
        }
        return true;
    }
    static POINT CentreOf(HWND hwnd) {
        RECT r;
        ::GetWindowRect(hwnd, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    template <class T>
    static T* SkinOf(HWND form, HWND control) {
        return skintest::ControlSkinOf<T>(form, control);
    }
};

TEST_F(ControlSkinsTest, ButtonShowsItsFiveFramesAndClicksOnce) {
    ASSERT_FALSE(Skin().ButtonDef().Picture.Empty());
    // The frames differ where the probes look, so each check tells them apart.
    auto* form = new ControlsForm;
    DialogDriver d;
    HWND one = nullptr;
    d.Then(WhenRunning(*form));
    d.Then([&] {
        one = form->one->Handle();
        EXPECT_NE(SkinOf<skin::TSkinButton>(form->Handle(), one), nullptr);
        form->two->SetFocus();
        return true;
    });
    d.Then([&] { return ButtonShows(one, core::bfNormal); });
    d.Then([&] {
        const POINT c = CentreOf(one);
        skintest::MouseTo(c.x, c.y);
        return true;
    });
    d.Then([&] { return ButtonShows(one, core::bfHot); });
    d.Then([&] {
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        return true;
    });
    d.Then([&] { return ButtonShows(one, core::bfPressed) && ::GetFocus() == one; });
    d.Then([&] {
        // Off the button while pressed, then released: no click.
        skintest::MouseTo(5, 5);
        return true;
    });
    d.Then([&] { return ButtonShows(one, core::bfFocused); });
    d.Then([&] {
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        wintest::Pump(50);
        EXPECT_EQ(form->clicks, 0) << "released off the button";
        const POINT c = CentreOf(one);
        skintest::MouseTo(c.x, c.y);
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    d.Then([&] { return form->clicks == 1; });
    d.Then([&] {
        ::SendMessageA(one, WM_KEYDOWN, VK_SPACE, 0x00390001);
        ::SendMessageA(one, WM_KEYUP, VK_SPACE, 0xC0390001);
        wintest::Pump(50);
        EXPECT_EQ(form->clicks, 2) << "the space key clicks once";
        form->one->SetEnabled(false);
        return true;
    });
    d.Then([&] { return ButtonShows(one, core::bfDisabled); });
    d.Then([&] {
        // The mouse is still on it: disabled wins.
        EXPECT_EQ(SkinOf<skin::TSkinButton>(form->Handle(), one)->LastFrame(), core::bfDisabled);
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete form;
}

TEST_F(ControlSkinsTest, AButtonDrawsTheCaptionItIsGivenWhileSkinned) {
    auto* form = new ControlsForm;
    DialogDriver d;
    // The middle row of the button, where its caption goes.
    auto row = [&] {
        HWND two = form->two->Handle();
        RECT c;
        ::GetClientRect(two, &c);
        std::vector<uint32_t> pixels;
        for (int x = 4; x < c.right - 4; ++x) {
            POINT p{x, c.bottom / 2};
            ::ClientToScreen(two, &p);
            pixels.push_back(skintest::ScreenPixel(p.x, p.y));
        }
        return pixels;
    };
    std::vector<uint32_t> blank;
    d.Then(WhenRunning(*form));
    d.Then([&] {
        HWND two = form->two->Handle();
        return ButtonShows(two, core::bfNormal) || ButtonShows(two, core::bfFocused);
    });
    d.Then([&] {
        blank = row();
        form->two->SetCaption("Two");
        return true;
    });
    bool drawn = false;
    DWORD since = 0;
    d.Then([&] {
        since = since ? since : ::GetTickCount();
        drawn = row() != blank;
        return drawn || ::GetTickCount() - since > 3000;
    });
    d.Then([&] {
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_TRUE(drawn) << "the new caption is drawn";
    delete form;
}

TEST_F(ControlSkinsTest, MessageBoxButtonsAreSkinnedAndStillAnswer) {
    for (const bool yes : {false, true}) {
        DialogDriver d;
        HWND box = nullptr, button = nullptr;
        d.Then([&] {
            box = ::FindWindowA("#32770", nullptr);
            return box && RunningSkin(box) != nullptr && ::IsWindowVisible(box);
        });
        d.Then([&] {
            button = ::GetDlgItem(box, yes ? IDYES : IDNO);
            if (!button)
                return false;
            EXPECT_NE(SkinOf<skin::TSkinButton>(box, button), nullptr);
            EXPECT_EQ(::SendMessageW(button, core::skinmsg::kIsSkinned, 0, 0), 1);
            return true;
        });
        d.Then([&] {
            // Neither focused nor hot: the default button of the box has the focus.
            HWND other = ::GetDlgItem(box, yes ? IDNO : IDYES);
            ::SetFocus(other);
            return ButtonShows(button, core::bfNormal);
        });
        d.Then([&] {
            const POINT c = CentreOf(button);
            skintest::MouseTo(c.x, c.y);
            skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
            skintest::MouseButton(MOUSEEVENTF_LEFTUP);
            return true;
        });
        EXPECT_EQ(app::AskYesNo(nullptr, "Are you sure delete the alarm?"), yes);
        EXPECT_TRUE(d.Finished());
        EXPECT_FALSE(d.TimedOut());
    }
}

TEST_F(ControlSkinsTest, ContainersEditsAndPickersWearTheSkin) {
    auto* form = new ControlsForm;
    const COLORREF face = Skin().ButtonFaceColour();
    const COLORREF shadow = core::ResolveColour(Skin().Colour(core::kSkinButtonShadow));
    DialogDriver d;
    d.Then(WhenRunning(*form));
    d.Then([&] {
        HWND h = form->Handle();
        EXPECT_EQ(COLORREF(form->panel->Color()), face);
        EXPECT_EQ(COLORREF(form->box->Color()), face);
        RECT lr;
        ::GetWindowRect(form->label->Handle(), &lr);
        EXPECT_EQ(skintest::ScreenPixel(lr.right - 1, lr.top), face) << "the label follows";
        // The group box's rounded frame in the shadow colour; its top edge at "0" height / 2 - 1.
        RECT br;
        ::GetWindowRect(form->box->Handle(), &br);
        int shadowRow = -1;
        for (int y = 0; y < 12 && shadowRow < 0; ++y)
            if (skintest::ScreenPixel(br.left + 100, br.top + y) == shadow)
                shadowRow = y;
        EXPECT_GE(shadowRow, 3);
        EXPECT_EQ(skintest::ScreenPixel(br.left + 1, br.top + 40), shadow) << "left side";
        // Edits: the shadow outline and two white lines; the date picker one white line.
        auto ring = [](HWND w, int i) {
            RECT r;
            ::GetWindowRect(w, &r);
            return skintest::ScreenPixel(r.left + i, (r.top + r.bottom) / 2);
        };
        for (HWND field : {form->edit->Handle(), form->time->Handle()}) {
            EXPECT_EQ(ring(field, 0), shadow);
            EXPECT_EQ(ring(field, 1), RGB(255, 255, 255));
            EXPECT_EQ(ring(field, 2), RGB(255, 255, 255));
        }
        EXPECT_NE(SkinOf<skin::TSkinEdit>(h, form->time->Handle()), nullptr) << "time picker";
        auto* picker = SkinOf<skin::TSkinDateTime>(h, form->date->Handle());
        EXPECT_NE(picker, nullptr);
        EXPECT_EQ(ring(form->date->Handle(), 0), shadow);
        EXPECT_EQ(ring(form->date->Handle(), 1), RGB(255, 255, 255));
        EXPECT_NE(picker && picker->Arrow(), false);
        // Tag 99 keeps the system look.
        EXPECT_EQ(SkinOf<skin::TSkinControl>(h, form->plain->Handle()), nullptr);
        EXPECT_NE(::SendMessageA(form->plain->Handle(), core::skinmsg::kIsSkinned, 0, 0), 1);
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete form;
}

TEST_F(ControlSkinsTest, TheEditorShowsTheSkinsTabOnTheFaceColourAndTheMemosScrollBar) {
    auto* editor = new alarms::TfrmModifyAlarm(nullptr);
    DialogDriver d;
    d.Then(WhenRunning(*editor));
    d.Then([&] {
        HWND tabs = editor->PageControl1->Handle();
        editor->edtTitle->SetFocus();
        EXPECT_NE(SkinOf<skin::TSkinTab>(editor->Handle(), tabs), nullptr);
        EXPECT_EQ(COLORREF(editor->TabSheet1->Color()), Skin().ButtonFaceColour());
        RECT item;
        ::SendMessageA(tabs, TCM_GETITEMRECT, 0, LPARAM(&item));
        const core::Rect tab =
            core::TabRect(core::Rect{item.left, item.top, item.right, item.bottom}, true);
        core::Bitmap expected(tab.Width(), tab.Height(), Skin().ButtonFaceColour());
        core::DrawBlit(expected,
                       core::TabBlit(Skin(), core::Rect{0, 0, tab.Width(), tab.Height()}, 2));
        for (POINT p : {POINT{1, tab.Height() / 2}, POINT{tab.Width() / 2, 1}}) {
            POINT s{tab.left + p.x, tab.top + p.y};
            ::ClientToScreen(tabs, &s);
            EXPECT_EQ(skintest::ScreenPixel(s.x, s.y), expected.At(p.x, p.y))
                << "the selected tab, frame 2, at " << p.x << "," << p.y;
        }
        // The to-do memo's up arrow comes from the skin's scroll-bar picture.
        HWND memo = editor->memTodo->Handle();
        EXPECT_NE(SkinOf<skin::TSkinScrollbar>(editor->Handle(), memo), nullptr);
        SCROLLBARINFO sbi{};
        sbi.cbSize = sizeof sbi;
        EXPECT_TRUE(::GetScrollBarInfo(memo, OBJID_VSCROLL, &sbi));
        const int aw = sbi.rcScrollBar.right - sbi.rcScrollBar.left;
        const int ah = ::GetSystemMetrics(SM_CYVSCROLL);
        const core::TDataSkinObject* bar = Skin().Find("Scrollbar");
        EXPECT_NE(bar, nullptr);
        if (bar) {
            core::Bitmap arrow(aw, ah, 0x00FF00FF);
            core::DrawBlit(
                arrow, core::ObjectBlit(*bar, core::ScrollArrowFrame(core::saUp, core::psNormal),
                                        core::Rect{0, 0, aw, ah}));
            int compared = 0;
            for (POINT p : {POINT{aw / 2, ah / 2}, POINT{1, 1}, POINT{aw - 2, ah / 2}})
                if (arrow.At(p.x, p.y) != 0x00FF00FF) {
                    ++compared;
                    EXPECT_EQ(skintest::ScreenPixel(sbi.rcScrollBar.left + p.x,
                                                    sbi.rcScrollBar.top + p.y),
                              arrow.At(p.x, p.y))
                        << "up arrow at " << p.x << "," << p.y;
                }
            EXPECT_GT(compared, 0);
        }
        ::PostMessageA(editor->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    editor->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete editor;
}

TEST_F(ControlSkinsTest, DropDownListLooksHotPressedAndDisabledButNotByOpening) {
    auto* form = new ControlsForm;
    DialogDriver d;
    skin::TSkinComBox* combo = nullptr;
    HWND cb = nullptr;
    d.Then(WhenRunning(*form));
    d.Then([&] {
        cb = form->combo->Handle();
        combo = SkinOf<skin::TSkinComBox>(form->Handle(), cb);
        if (!combo)
            return false;
        form->two->SetFocus();
        return true;
    });
    d.Then([&] { return combo->LastFrame() == 1; });
    d.Then([&] {
        RECT r;
        ::GetWindowRect(cb, &r);
        skintest::MouseTo(r.right - 6, (r.top + r.bottom) / 2);
        return true;
    });
    d.Then([&] { return combo->Input().hot && combo->LastFrame() == 4; });
    d.Then([&] {
        skintest::MouseTo(5, 5);
        return true;
    });
    d.Then([&] { return !combo->Input().hot && combo->LastFrame() == 1; });
    d.Then([&] {
        ::SendMessageA(cb, CB_SHOWDROPDOWN, TRUE, 0);
        return true;
    });
    d.Then([&] {
        EXPECT_TRUE(combo->Input().droppedDown);
        EXPECT_EQ(combo->LastFrame(), 1) << "opening is no frame of its own";
        ::SendMessageA(cb, CB_SHOWDROPDOWN, FALSE, 0);
        return true;
    });
    d.Then([&] {
        EXPECT_FALSE(combo->Input().droppedDown);
        EXPECT_EQ(combo->LastFrame(), 1);
        form->combo->SetEnabled(false);
        RECT r;
        ::GetWindowRect(cb, &r);
        skintest::MouseTo(r.right - 6, (r.top + r.bottom) / 2);
        return true;
    });
    d.Then([&] { return combo->LastFrame() == 3; });
    d.Then([&] {
        wintest::Pump(100);
        EXPECT_FALSE(combo->Input().hot) << "a disabled box never turns hot";
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete form;
}

TEST_F(ControlSkinsTest, PickerArrowOpensTheCalendarAndKeepsTheFocus) {
    auto* form = new ControlsForm;
    DialogDriver d;
    skin::TSkinDateTime* picker = nullptr;
    d.Then(WhenRunning(*form));
    d.Then([&] {
        picker = SkinOf<skin::TSkinDateTime>(form->Handle(), form->date->Handle());
        if (!picker || !picker->Arrow())
            return false;
        const POINT c = CentreOf(picker->Arrow()->Handle());
        skintest::MouseTo(c.x, c.y);
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    d.Then([&] {
        HWND cal = ::FindWindowA("SysMonthCal32", nullptr);
        return cal && ::IsWindowVisible(cal);
    });
    d.Then([&] {
        EXPECT_EQ(::GetFocus(), form->date->Handle());
        ::SendMessageA(form->date->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        form->date->SetEnabled(false);
        skintest::MouseTo(5, 5);
        return true;
    });
    d.Then([&] {
        const POINT c = CentreOf(picker->Arrow()->Handle());
        skintest::MouseTo(c.x, c.y);
        wintest::Pump(100);
        EXPECT_FALSE(picker->Arrow()->Hot()) << "a disabled picker's arrow";
        EXPECT_EQ(picker->Arrow()->LastFrame(), 1);
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete form;
}

TEST_F(ControlSkinsTest, WithoutTheButtonKindButtonsKeepTheSystemLook) {
    core::TSkinControls kinds = host_->Data().SkinControls();
    kinds.Exclude(core::xcButton);
    host_->Data().SetSkinControls(kinds);
    auto* form = new ControlsForm;
    DialogDriver d;
    d.Then(WhenRunning(*form));
    d.Then([&] {
        EXPECT_EQ(SkinOf<skin::TSkinControl>(form->Handle(), form->one->Handle()), nullptr);
        EXPECT_NE(SkinOf<skin::TSkinControl>(form->Handle(), form->edit->Handle()), nullptr);
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    delete form;
}

TEST_F(ControlSkinsTest, SwitchingTheSkinOffRestoresControlsThatStillWork) {
    auto* form = new ControlsForm;
    const ui::TColor panelColour = form->panel->Color();
    DialogDriver d;
    d.Then(WhenRunning(*form));
    d.Then([&] {
        host_->Data().SetActive(false);
        return true;
    });
    d.Then([&] { return skin::TSkinManager::Instance()->FindSkin(form->Handle()) == nullptr; });
    d.Then([&] {
        EXPECT_EQ(form->panel->Color(), panelColour) << "the panel's own colour";
        EXPECT_NE(::SendMessageA(form->one->Handle(), core::skinmsg::kIsSkinned, 0, 0), 1);
        EXPECT_TRUE(form->one->WindowProc.Empty()) << "the skin left the chain";
        const POINT c = CentreOf(form->one->Handle());
        skintest::MouseTo(c.x, c.y);
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    d.Then([&] { return form->clicks == 1; });
    d.Then([&] {
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete form;
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
