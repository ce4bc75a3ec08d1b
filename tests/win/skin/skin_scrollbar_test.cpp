// Scroll bars, list views and the lists of combo boxes with their skins, driven as a user
// drives them: the memo's bar follows the wheel and a dragged thumb to where the system has
// it; the alarm list's header wears the "Headerbar" frames and still takes clicks and column
// resizing, with the corner between its two bars filled; a combo box's long list has a skinned
// bar and still opens, closes and chooses; and skins follow a control whose window is made anew.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "core/alarms/alarm_db.h"
#include "core/skin/control_parts.h"
#include "core/skin/skin_draw.h"
#include "win/alarms/alarm_list.h"
#include "win/alarms/alarm_modify.h"
#include "win/alarms/dialog_driver.h"
#include "win/skin/skin_combo.h"
#include "win/skin/skin_header.h"
#include "win/skin/skin_scrollbar.h"
#include "win/skin/skin_test_support.h"
#include "win/skin/skinned_test.h"
#include "win/ui/dialog_form.h"

#ifdef CLOCK_HAS_SKIN_STREAM

namespace {

using skintest::ControlSkinOf;
using skintest::WhenRunning;
using wintest::DialogDriver;

class ScrollSkinsTest : public skintest::SkinnedTest {
  protected:
    // How many pixels down the middle of the vertical bar of `hwnd` differ from the skin's bar
    // with its thumb where the system has it; -1 without a bar.
    int BarMismatches(HWND hwnd, const core::TScrollBarLook& look) const {
        SCROLLBARINFO sbi{};
        sbi.cbSize = sizeof sbi;
        if (!::GetScrollBarInfo(hwnd, OBJID_VSCROLL, &sbi) ||
            (sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE))
            return -1;
        const int w = sbi.rcScrollBar.right - sbi.rcScrollBar.left;
        const int h = sbi.rcScrollBar.bottom - sbi.rcScrollBar.top;
        core::TScrollBarMetrics m;
        m.arrowSize = ::GetSystemMetrics(SM_CYVSCROLL);
        core::TScrollBarLayout l =
            core::LayoutScrollBar(core::Rect{0, 0, w, h}, true, m, {0, 0, 0, 0}, false);
        if (sbi.xyThumbBottom > sbi.xyThumbTop) {
            l.pageBefore = core::Rect{0, l.track.top, w, sbi.xyThumbTop};
            l.thumb = core::Rect{0, sbi.xyThumbTop, w, sbi.xyThumbBottom};
            l.pageAfter = core::Rect{0, sbi.xyThumbBottom, w, l.track.bottom};
        }
        core::Bitmap expected(w, h, 0);
        for (const core::SkinBlit& b : core::ScrollBarBlits(Skin(), l, look))
            core::DrawBlit(expected, b);
        int wrong = 0;
        for (int y = 0; y < h; ++y)
            if (skintest::ScreenPixel(sbi.rcScrollBar.left + w / 2, sbi.rcScrollBar.top + y) !=
                expected.At(w / 2, y))
                ++wrong;
        return wrong;
    }

    // Whether header section `i` shows "Headerbar" frame `frame`: its top and bottom rows and
    // its divider, away from the caption.
    bool SectionShows(HWND header, int i, int frame) const {
        RECT item;
        if (!::SendMessageW(header, HDM_GETITEMRECT, WPARAM(i), LPARAM(&item)))
            return false;
        const int w = item.right - item.left, h = item.bottom - item.top;
        core::Bitmap expected(w, h, Skin().ButtonFaceColour());
        core::DrawBlit(expected, core::HeaderSectionBlit(Skin(), core::Rect{0, 0, w, h}, frame));
        for (POINT p :
             {POINT{w / 2, 0}, POINT{w / 2, h - 1}, POINT{2, h - 1}, POINT{w - 1, h / 2}}) {
            POINT s{item.left + p.x, item.top + p.y};
            ::ClientToScreen(header, &s);
            if (skintest::ScreenPixel(s.x, s.y) != expected.At(p.x, p.y))
                return false;
        }
        return true;
    }
};

// A step that waits for `cond` at most `ms` and then lets the script go on either way, with
// `ok` telling which: a mouse button held down must be released, or the system's tracking
// loop would never end and the test would hang instead of failing.
std::function<bool()> Awhile(std::function<bool()> cond, bool& ok, DWORD ms = 4000) {
    auto until = std::make_shared<DWORD>(0);
    return [cond, &ok, ms, until] {
        if (*until == 0)
            *until = ::GetTickCount() + ms;
        ok = cond();
        return ok || int(::GetTickCount() - *until) >= 0;
    };
}

POINT ClientCentre(HWND hwnd) {
    RECT c;
    ::GetClientRect(hwnd, &c);
    POINT p{c.right / 2, c.bottom / 2};
    ::ClientToScreen(hwnd, &p);
    return p;
}

// The middle of the vertical bar's thumb, on the screen.
POINT ThumbCentre(HWND hwnd) {
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    ::GetScrollBarInfo(hwnd, OBJID_VSCROLL, &sbi);
    return POINT{(sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2,
                 sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2};
}

// The screen row where the vertical bar of `hwnd` first shows `colour` down its middle, or -1.
int DrawnTop(HWND hwnd, uint32_t colour) {
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    ::GetScrollBarInfo(hwnd, OBJID_VSCROLL, &sbi);
    const int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2;
    for (int y = sbi.rcScrollBar.top; y < sbi.rcScrollBar.bottom; ++y)
        if (skintest::ScreenPixel(x, y) == colour)
            return y;
    return -1;
}

TEST_F(ScrollSkinsTest, TheMemosBarFollowsTheWheelAndTheDraggedThumb) {
    auto* editor = new alarms::TfrmModifyAlarm(nullptr);
    DialogDriver d;
    HWND memo = nullptr;
    int firstLine = 0, wrong = -1;
    const core::TScrollBarLook none;
    d.Then(WhenRunning(*editor));
    d.Then([&] {
        std::string text;
        for (int i = 1; i <= 40; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        editor->memTodo->SetText(text);
        memo = editor->memTodo->Handle();
        EXPECT_NE(ControlSkinOf<skin::TSkinScrollbar>(editor->Handle(), memo), nullptr);
        editor->memTodo->SetFocus();
        const POINT c = ClientCentre(memo);
        skintest::MouseTo(c.x, c.y);
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = DWORD(-2 * WHEEL_DELTA);
        ::SendInput(1, &in, sizeof in);
        return true;
    });
    d.Then([&] {
        firstLine = int(::SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0));
        wrong = BarMismatches(memo, none);
        return firstLine > 0 && wrong == 0;
    });
    int thumbTop = 0;  // on the screen, before the drag
    POINT grip{0, 0};
    d.Then([&] {
        SCROLLBARINFO sbi{};
        sbi.cbSize = sizeof sbi;
        ::GetScrollBarInfo(memo, OBJID_VSCROLL, &sbi);
        thumbTop = sbi.rcScrollBar.top + sbi.xyThumbTop;
        grip = ThumbCentre(memo);
        skintest::MouseTo(grip.x, grip.y);
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        return true;
    });
    d.Then([&] {
        skintest::MouseTo(grip.x, grip.y + 12);
        return true;
    });
    const core::TDataSkinObject& thumb = *Skin().Find("VertScrollThumb");
    const uint32_t pressedThumb =
        skintest::FramePixel(thumb.Picture, thumb.FrameCount, 3, thumb.Picture.width / 6, 8);
    bool followedDrag = false;
    int drawnTop = -1;
    d.Then(Awhile(
        [&] {
            // Inside the system's tracking loop the memo scrolls with the thumb, and the skin's
            // pressed thumb moves with the mouse, as the system's own does.
            drawnTop = DrawnTop(memo, pressedThumb);
            return int(::SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0)) > firstLine &&
                   std::abs(drawnTop - (thumbTop + 12)) <= 1;
        },
        followedDrag));
    d.Then([&] {
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        const POINT c = ClientCentre(memo);
        skintest::MouseTo(c.x, c.y);
        return true;
    });
    bool settled = false;
    d.Then(Awhile(
        [&] {
            wrong = BarMismatches(memo, none);
            return wrong == 0;
        },
        settled));
    d.Then([&] {
        EXPECT_TRUE(followedDrag) << "the pressed thumb's top at " << drawnTop << ", the mouse's "
                                  << thumbTop + 12;
        EXPECT_TRUE(settled) << "after the drag, bar pixels off the skin: " << wrong;
        ::PostMessageA(editor->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    editor->ShowModal();
    EXPECT_TRUE(d.Finished()) << "after the wheel, bar pixels off the skin: " << wrong;
    EXPECT_FALSE(d.TimedOut());
    delete editor;
}

TEST_F(ScrollSkinsTest, TheAlarmListsHeaderIsSkinnedAndStillClicksAndResizes) {
    core::TAlarmDB db;
    db.InitDefaults();
    for (int i = 0; i < 25; ++i) {
        core::TAlarmRecord r;
        r.SetAlarmType(1);
        r.SetTitle("Alarm " + std::to_string(i));
        r.SetAlarmTime(0.1 + i / 100.0);
        db.AddAlarm(r);
    }
    auto* list = new alarms::TfrmAlarmList(nullptr);
    list->AlarmDB = &db;
    int columnClicks = 0;
    ui::TWndMethodChain::Link spy = list->ListView1->WindowProc.InsertHead(
        [&](UINT m, WPARAM w, LPARAM l, const ui::TWndMethodChain::Next& next) {
            if (m == ui::CN_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == LVN_COLUMNCLICK)
                ++columnClicks;
            return next(m, w, l);
        });
    DialogDriver d;
    HWND view = nullptr, header = nullptr;
    int width0 = 0;
    auto sectionCentre = [&](int i) {
        RECT item;
        ::SendMessageW(header, HDM_GETITEMRECT, WPARAM(i), LPARAM(&item));
        POINT p{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ::ClientToScreen(header, &p);
        return p;
    };
    d.Then(WhenRunning(*list));
    d.Then([&] {
        view = list->ListView1->Handle();
        header = ListView_GetHeader(view);
        EXPECT_NE(ControlSkinOf<skin::TSkinListView>(list->Handle(), view), nullptr);
        EXPECT_NE(ControlSkinOf<skin::TSkinHeader>(list->Handle(), header), nullptr);
        const core::TDataSkinObject* bar = Skin().Find("Headerbar");
        EXPECT_TRUE(bar && bar->FrameCount == 5) << "0 in the skin's definition";
        skintest::MouseTo(5, 5);
        return true;
    });
    d.Then([&] { return SectionShows(header, 0, 1) && SectionShows(header, 1, 1); });
    d.Then([&] {
        // Right of the last section: frame 5, without a divider.
        RECT c, last;
        ::GetClientRect(header, &c);
        ::SendMessageW(header, HDM_GETITEMRECT, 2, LPARAM(&last));
        const core::Rect all{0, 0, c.right, c.bottom};
        core::Bitmap expected(c.right, c.bottom, Skin().ButtonFaceColour());
        core::DrawBlit(expected, core::HeaderRemainderBlit(Skin(), all, last.right));
        for (POINT p : {POINT{c.right - 1, c.bottom / 2}, POINT{c.right - 3, c.bottom - 1}}) {
            POINT s = p;
            ::ClientToScreen(header, &s);
            EXPECT_EQ(skintest::ScreenPixel(s.x, s.y), expected.At(p.x, p.y))
                << "the rest of the header at " << p.x << "," << p.y;
        }
        const POINT p = sectionCentre(1);
        skintest::MouseTo(p.x, p.y);
        return true;
    });
    d.Then([&] { return SectionShows(header, 1, 4) && SectionShows(header, 0, 1); });
    d.Then([&] {
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        return true;
    });
    bool pressedShown = false;
    d.Then(Awhile([&] { return SectionShows(header, 1, 2); }, pressedShown));
    d.Then([&] {
        EXPECT_TRUE(pressedShown) << "the pressed section";
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    d.Then([&] { return columnClicks == 1 && SectionShows(header, 1, 4); });
    d.Then([&] {
        // Drag the divider right of the first section 30 pixels to the right.
        width0 = int(::SendMessageA(view, LVM_GETCOLUMNWIDTH, 0, 0));
        RECT item;
        ::SendMessageW(header, HDM_GETITEMRECT, 0, LPARAM(&item));
        POINT p{item.right - 1, (item.top + item.bottom) / 2};
        ::ClientToScreen(header, &p);
        skintest::MouseTo(p.x, p.y);
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        skintest::MouseTo(p.x + 15, p.y);
        return true;
    });
    d.Then([&] {
        POINT p;
        ::GetCursorPos(&p);
        skintest::MouseTo(p.x + 15, p.y);
        return true;
    });
    d.Then([&] {
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    d.Then([&] {
        const int width = int(::SendMessageA(view, LVM_GETCOLUMNWIDTH, 0, 0));
        if (width < width0 + 28)
            return false;
        EXPECT_LE(width, width0 + 31);
        EXPECT_EQ(columnClicks, 1) << "resizing is no click";
        EXPECT_TRUE(SectionShows(header, 0, 1)) << "nothing pressed after resizing";
        return true;
    });
    d.Then([&] {
        // The columns are now wider than the view: both bars show, and the corner between
        // them wears the track's look.
        SCROLLBARINFO v{}, h{};
        v.cbSize = h.cbSize = sizeof v;
        if (!::GetScrollBarInfo(view, OBJID_VSCROLL, &v) ||
            !::GetScrollBarInfo(view, OBJID_HSCROLL, &h) ||
            (h.rgstate[0] & STATE_SYSTEM_INVISIBLE) || (v.rgstate[0] & STATE_SYSTEM_INVISIBLE))
            return false;
        const core::TDataSkinObject& bar = *Skin().Find("Scrollbar");
        const int x = (v.rcScrollBar.left + v.rcScrollBar.right) / 2;
        const int y = (h.rcScrollBar.top + h.rcScrollBar.bottom) / 2;
        EXPECT_EQ(skintest::ScreenPixel(x, y),
                  skintest::FramePixel(bar.Picture, bar.FrameCount, 23, 8, 8))
            << "the corner between the bars";
        skintest::MouseTo(5, 5);
        // Columns set anew make the list view's window anew.
        list->ListView1->SetColumns(list->ListView1->Columns());
        return true;
    });
    d.Then([&] {
        HWND now = list->ListView1->Handle();
        if (now == view)
            return false;
        EXPECT_NE(ControlSkinOf<skin::TSkinListView>(list->Handle(), now), nullptr);
        header = ListView_GetHeader(now);
        EXPECT_NE(ControlSkinOf<skin::TSkinHeader>(list->Handle(), header), nullptr);
        return true;
    });
    d.Then([&] { return SectionShows(header, 0, 1) && SectionShows(header, 2, 1); });
    d.Then([&] {
        ::PostMessageA(list->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    list->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    spy.Leave();
    delete list;
}

class LongListForm : public ui::TDialogForm {
  public:
    LongListForm() : ui::TDialogForm(nullptr) {
        SetCaption("Long list");
        SetClientSize(240, 200);
        combo = Make<ui::TComboBox>("combo", this);
        std::vector<std::string> items;
        for (int i = 0; i < 30; ++i)
            items.push_back("item " + std::to_string(i));
        combo->SetItems(items);
        combo->SetItemIndex(0);
        combo->SetBounds(10, 10, 150, 21);
        combo->OnChange = [this](ui::TObject*) { ++changes; };
    }
    std::string ClassName() const override { return "TLongListForm"; }
    ui::TComboBox* combo;
    int changes = 0;
};

TEST_F(ScrollSkinsTest, ALongDropDownListHasASkinnedBarAndStillChooses) {
    auto* form = new LongListForm;
    DialogDriver d;
    skin::TSkinComBox* combo = nullptr;
    HWND list = nullptr;
    int wrong = -1;
    auto listOf = [](skin::TSkinComBox* c) -> HWND {
        return c && c->ListSkin() ? c->ListSkin()->Handle() : nullptr;
    };
    d.Then(WhenRunning(*form));
    d.Then([&] {
        combo = ControlSkinOf<skin::TSkinComBox>(form->Handle(), form->combo->Handle());
        if (!combo)
            return false;
        EXPECT_NE(dynamic_cast<skin::TComboxScrollBar*>(combo->ListSkin()), nullptr);
        list = listOf(combo);
        EXPECT_NE(list, nullptr);
        ::SendMessageA(form->combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        return true;
    });
    d.Then([&] {
        if (!::IsWindowVisible(list))
            return false;
        wrong = BarMismatches(list, core::TScrollBarLook{});
        return wrong == 0;
    });
    d.Then([&] {
        // The fourth row of the open list.
        RECT c;
        ::GetClientRect(list, &c);
        const int row = int(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        POINT p{c.right / 2, row * 3 + row / 2};
        ::ClientToScreen(list, &p);
        skintest::MouseTo(p.x, p.y);
        skintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
        skintest::MouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    d.Then([&] { return !::IsWindowVisible(list) && form->combo->ItemIndex() == 3; });
    d.Then([&] {
        EXPECT_GE(form->changes, 1);
        // The combo box's window made anew: its skin and the list's follow.
        const HWND old = form->combo->Handle();
        form->combo->RecreateWnd();
        EXPECT_NE(form->combo->Handle(), old);
        combo = ControlSkinOf<skin::TSkinComBox>(form->Handle(), form->combo->Handle());
        EXPECT_NE(combo, nullptr);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ::GetComboBoxInfo(form->combo->Handle(), &info);
        EXPECT_EQ(listOf(combo), info.hwndList);
        return true;
    });
    d.Then([&] { return combo && combo->LastFrame() != 0; });
    d.Then([&] {
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished()) << "list bar pixels off the skin: " << wrong;
    EXPECT_FALSE(d.TimedOut());
    delete form;
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
