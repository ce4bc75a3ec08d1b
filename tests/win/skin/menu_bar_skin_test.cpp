// A skinned window with a menu bar, driven as a user drives it: the skin's bar replaces the
// window's own, Right on the last item opens the first and Left on the first the last, and an
// item without a caption is neither hovered nor opened; the bar follows the form's menu as it
// changes; a right-to-left window's bar runs from the right with its arrows swapped.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "win/alarms/dialog_driver.h"
#include "win/skin/menu_bar_skin.h"
#include "win/skin/skin_test_support.h"
#include "win/ui/form.h"
#include "win/ui/popup_menu.h"

#ifdef CLOCK_HAS_SKIN_STREAM

namespace {

constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU

// The open popup menu window showing `submenu`, or nullptr.
HWND MenuShowing(HMENU submenu) {
    HWND w = ::FindWindowA("#32768", nullptr);
    if (!w || !::IsWindowVisible(w))
        return nullptr;
    return reinterpret_cast<HMENU>(::SendMessageA(w, kGetMenu, 0, 0)) == submenu ? w : nullptr;
}

// A bar item with one drop-down item.
ui::TMenuItem* BarItem(ui::TForm* owner, const char* caption, const char* sub) {
    auto* item = new ui::TMenuItem(owner);
    item->SetCaption(caption);
    auto* child = new ui::TMenuItem(owner);
    child->SetCaption(sub);
    item->Add(child);
    return item;
}

ui::TMainMenu* MenuOf(ui::TForm* owner,
                      const std::vector<std::pair<const char*, const char*>>& bar) {
    auto* menu = new ui::TMainMenu(owner);
    for (const auto& entry : bar)
        menu->Items().Add(BarItem(owner, entry.first, entry.second));
    return menu;
}

template <typename Form>
Form* NewForm(const char* caption) {
    auto* form = new Form(nullptr);
    form->SetCaption(caption);
    form->SetBounds(200, 150, 360, 200);
    return form;
}

skin::TMenuBarSkin* BarOf(HWND h) {
    skin::TFormSkin* s = skintest::RunningSkin(h);
    return s ? dynamic_cast<skin::TMenuBarSkin*>(s->MenuBar()) : nullptr;
}

// The bar laid out by a paint of the frame.
bool LaidOut(HWND h) {
    ::RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    return wintest::PumpUntil(
        [&] {
            skin::TMenuBarSkin* bar = BarOf(h);
            if (!bar || bar->Items().empty())
                return false;
            const RECT r = bar->Items().back()->Rect();
            return !::IsRectEmpty(&r);
        },
        3000);
}

struct Opened {
    int item;
    RECT window;        // the submenu's window on the screen
    std::string first;  // the caption of its first item
};

// Presses bar item `first`, then sends each key in turn to the submenu that shows; returns the
// items whose submenus showed, in order, and closes the last.
std::vector<Opened> Drive(HWND h, int first, const std::vector<WPARAM>& keys) {
    skin::TMenuBarSkin* bar = BarOf(h);
    std::vector<Opened> opened;
    if (!bar || first < 0 || first >= int(bar->Items().size()))
        return opened;
    const auto& items = bar->Items();
    HWND open = nullptr;
    auto showing = [&] {
        for (size_t i = 0; i < items.size(); ++i) {
            HWND w = MenuShowing(items[i]->submenu);
            if (!w || (!opened.empty() && opened.back().item == int(i)))
                continue;
            open = w;
            Opened o{int(i), RECT{}, std::string(64, '\0')};
            ::GetWindowRect(w, &o.window);
            o.first.resize(
                size_t(::GetMenuStringA(items[i]->submenu, 0, &o.first[0], 64, MF_BYPOSITION)));
            opened.push_back(o);
            return true;
        }
        return false;
    };
    wintest::DialogDriver d;
    d.Then(showing);
    d.Hold();
    for (WPARAM key : keys) {
        d.Then([&, key] { return ::PostMessageA(open, WM_KEYDOWN, key, 0) != FALSE; });
        d.Then(showing);
    }
    d.Then([] {
        ::EndMenu();
        return true;
    });
    RECT w;
    ::GetWindowRect(h, &w);
    const RECT r = items[size_t(first)]->Rect();
    ::PostMessageA(h, WM_NCLBUTTONDOWN, HTMENU,
                   MAKELPARAM(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2));
    EXPECT_TRUE(wintest::PumpUntil([&] { return d.Finished() || d.TimedOut(); }, 25000));
    EXPECT_FALSE(d.TimedOut());
    wintest::Pump(100);
    return opened;
}

std::vector<int> ItemsOf(const std::vector<Opened>& opened) {
    std::vector<int> out;
    for (const Opened& o : opened)
        out.push_back(o.item);
    return out;
}

TEST(MenuBarSkin, ArrowsWrapAroundTheBarAndAnItemWithoutCaptionIsPassedOver) {
    skintest::SkinHost host;
    ASSERT_TRUE(host.Loaded());
    auto* form = NewForm<ui::TForm>("Menu bar");
    ui::TMainMenu* menu =
        MenuOf(form, {{"&File", "&Open"}, {"", "Hidden"}, {"&Edit", "&Copy"}, {"&Help", "&About"}});
    form->SetMenu(menu);
    const HWND h = form->HandleNeeded();
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return skintest::RunningSkin(h) != nullptr; }, 3000));
    skin::TMenuBarSkin* skinBar = BarOf(h);
    ASSERT_NE(skinBar, nullptr) << "the window's menu became a skinned bar";
    EXPECT_EQ(::GetMenu(h), nullptr) << "the window's own bar is gone";
    const auto& items = skinBar->Items();
    ASSERT_EQ(items.size(), 4u);
    ASSERT_TRUE(LaidOut(h));

    // Along the whole bar, no point finds the item without a caption.
    const RECT first = items[0]->Rect(), last = items[3]->Rect();
    for (int x = first.left - 2; x < last.right + 2; ++x)
        EXPECT_NE(skinBar->ItemAt(POINT{x, (first.top + first.bottom) / 2}), items[1].get()) << x;

    EXPECT_EQ(ItemsOf(Drive(h, 3, {VK_RIGHT, VK_LEFT})), (std::vector<int>{3, 0, 3}))
        << "Right from the last, Left from the first";
    EXPECT_FALSE(skinBar->Tracking());

    host.Data().SetActive(false);
    ASSERT_TRUE(wintest::PumpUntil(
        [&] { return skin::TSkinManager::Instance()->FindSkin(h) == nullptr; }, 3000));
    EXPECT_EQ(::GetMenu(h), menu->Handle()) << "the menu goes back to the window";
    delete form;
}

TEST(MenuBarSkin, TheBarFollowsTheFormsMenuAsItChanges) {
    skintest::SkinHost host;
    ASSERT_TRUE(host.Loaded());
    auto* form = NewForm<ui::TForm>("Menu changes");
    ui::TMainMenu* menu = MenuOf(form, {{"&File", "&Open"}, {"&Edit", "&Copy"}});
    ui::TMainMenu* other = MenuOf(form, {{"&Tools", "&Options"}});
    form->SetMenu(menu);
    const HWND h = form->HandleNeeded();
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return BarOf(h) != nullptr; }, 3000));
    const int top = skintest::FrameOf(h).top;

    struct Step {
        const char* what;
        std::function<void()> change;
        std::vector<std::wstring> captions;
        std::string lastSubmenu;  // the first item of the last bar item's submenu
    };
    const Step steps[] = {
        {"an item added",
         [&] { menu->Items().Add(BarItem(form, "&Help", "&About")); },
         {L"&File", L"&Edit", L"&Help"},
         "&About"},
        {"an item renamed",
         [&] { menu->Items().Items(2)->SetCaption("&Info"); },
         {L"&File", L"&Edit", L"&Info"},
         "&About"},
        {"a drop-down item renamed",
         [&] { menu->Items().Items(2)->Items(0)->SetCaption("&Version"); },
         {L"&File", L"&Edit", L"&Info"},
         "&Version"},
        {"an item removed",
         [&] { menu->Items().Remove(menu->Items().Items(0)); },
         {L"&Edit", L"&Info"},
         "&Version"},
        {"another menu", [&] { form->SetMenu(other); }, {L"&Tools"}, "&Options"},
    };
    for (const Step& step : steps) {
        step.change();
        ASSERT_TRUE(LaidOut(h)) << step.what;
        std::vector<std::wstring> captions;
        for (const auto& b : BarOf(h)->Items())
            captions.push_back(b->caption);
        EXPECT_EQ(captions, step.captions) << step.what;
        EXPECT_EQ(::GetMenu(h), nullptr) << step.what << ": the window's own bar stays away";
        EXPECT_EQ(skintest::FrameOf(h).top, top) << step.what;
        const std::vector<Opened> opened = Drive(h, int(captions.size()) - 1, {});
        ASSERT_EQ(opened.size(), 1u) << step.what;
        EXPECT_EQ(opened[0].first, step.lastSubmenu) << step.what << ": the submenu of now";
    }

    form->SetMenu(nullptr);
    wintest::Pump(50);
    EXPECT_EQ(skintest::RunningSkin(h)->MenuBar(), nullptr) << "no menu, no bar";
    EXPECT_EQ(::GetMenu(h), nullptr);
    EXPECT_EQ(skintest::FrameOf(h).top, top - ::GetSystemMetrics(SM_CYMENU));
    form->SetMenu(menu);
    ASSERT_TRUE(LaidOut(h)) << "the bar comes back with a menu";
    EXPECT_EQ(skintest::FrameOf(h).top, top);
    EXPECT_EQ(::GetMenu(h), nullptr);

    host.Data().SetActive(false);
    ASSERT_TRUE(wintest::PumpUntil(
        [&] { return skin::TSkinManager::Instance()->FindSkin(h) == nullptr; }, 3000));
    EXPECT_EQ(::GetMenu(h), menu->Handle()) << "the window gets the menu's bar of now";
    delete form;
}

// A form laid out right to left, as a right-to-left program makes its windows.
class RightToLeftForm : public ui::TForm {
  public:
    using ui::TForm::TForm;

  protected:
    void CreateParams(ui::WindowParams& p) override {
        ui::TForm::CreateParams(p);
        p.exStyle |= WS_EX_LEFTSCROLLBAR;
    }
};

TEST(MenuBarSkin, ARightToLeftBarRunsFromTheRightAndItsArrowsTradePlaces) {
    skintest::SkinHost host;
    ASSERT_TRUE(host.Loaded());
    auto* form = NewForm<RightToLeftForm>("Right to left");
    form->SetMenu(MenuOf(form, {{"&File", "&Open"}, {"&Edit", "&Copy"}, {"&Help", "&About"}}));
    const HWND h = form->HandleNeeded();
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return BarOf(h) != nullptr; }, 3000));
    ASSERT_TRUE(LaidOut(h));
    const auto& items = BarOf(h)->Items();
    RECT w;
    ::GetWindowRect(h, &w);
    const core::TDataSkinObject* picture = host.Skin().Find("menuBar");
    const int start = picture && !picture->Picture.Empty() ? picture->RightWidth + 8 : 6;
    const int barRight = (w.right - w.left) - skintest::RunningSkin(h)->Metrics().right;
    EXPECT_EQ(items[0]->Rect().right, barRight - start) << "the first item at the right";
    EXPECT_EQ(items[1]->Rect().right, items[0]->Rect().left);
    EXPECT_EQ(items[2]->Rect().right, items[1]->Rect().left);

    // Left goes on to the next item, Right back, and past the first to the last.
    const std::vector<Opened> opened = Drive(h, 0, {VK_LEFT, VK_RIGHT, VK_RIGHT});
    EXPECT_EQ(ItemsOf(opened), (std::vector<int>{0, 1, 0, 2}));
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(opened[0].window.right, w.left + items[0]->Rect().right) << "right-aligned";
    EXPECT_EQ(opened[0].window.top, w.top + items[0]->Rect().bottom) << "under the item";
    delete form;
}

// The frame of an MDI child: a form holding an MDI client, and a child of a class whose
// procedure is the system's MDI child procedure.
TEST(MenuBarSkin, AMaximisedMdiChildsButtonsShowInTheFramesBarAndAct) {
    skintest::SkinHost host;
    ASSERT_TRUE(host.Loaded());
    auto* form = NewForm<ui::TForm>("MDI frame");
    form->SetMenu(MenuOf(form, {{"&File", "&Open"}}));
    const HWND h = form->HandleNeeded();
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 50000};
    RECT c;
    ::GetClientRect(h, &c);
    const HWND client =
        ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                          c.right, c.bottom, h, nullptr, instance, &ccs);
    ASSERT_NE(client, nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefMDIChildProcA;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "MdiTestChild";
    ::RegisterClassA(&wc);
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return BarOf(h) != nullptr; }, 3000));
    MDICREATESTRUCTA mcs{"MdiTestChild", "Child", instance, 0, 0, 200, 100, 0, 0};
    const HWND child =
        reinterpret_cast<HWND>(::SendMessageA(client, WM_MDICREATE, 0, LPARAM(&mcs)));
    ASSERT_NE(child, nullptr);
    ::SendMessageA(client, WM_MDIMAXIMIZE, WPARAM(child), 0);
    wintest::Pump(100);
    ASSERT_TRUE(LaidOut(h));
    if (const char* hold = std::getenv("DIALOGS_HOLD_MS"))  // for a screenshot
        wintest::Pump(DWORD(std::atoi(hold)));

    const skin::TFormSkin& s = *skintest::RunningSkin(h);
    const int barTop = s.Metrics().caption, barBottom = barTop + s.Metrics().menuBar;
    const skin::TCaptionButton* close = nullptr;
    int buttons = 0;
    for (const auto& b : s.CaptionButtons()) {
        if (b->Def().Align != 100)
            continue;
        ++buttons;
        const RECT r = b->Rect();
        ASSERT_TRUE(b->Visible()) << b->Def().Action;
        EXPECT_TRUE(r.top >= barTop && r.bottom <= barBottom) << "in the bar";
        // Frame 1 of its picture where that is not magenta.
        const core::Bitmap& picture = b->Def().Picture;
        int ink = 0, shown = 0;
        for (int y = 0; y < r.bottom - r.top; ++y)
            for (int x = 0; x < r.right - r.left; ++x) {
                const uint32_t p = skintest::FramePixel(picture, 4, 1, x, y);
                if (p == core::kMagenta)
                    continue;
                ++ink;
                shown += skintest::WindowPixel(h, r.left + x, r.top + y) == p;
            }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(shown, ink) << "button " << b->Def().Action << " shows frame 1";
        if (b->Def().Action == 9)
            close = b.get();
    }
    EXPECT_EQ(buttons, 3);
    ASSERT_NE(close, nullptr);

    RECT w;
    ::GetWindowRect(h, &w);
    const RECT r = close->Rect();
    const LPARAM at = MAKELPARAM(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2);
    ::PostMessageA(h, WM_NCLBUTTONDOWN, HTMENU, at);
    ::PostMessageA(h, WM_NCLBUTTONUP, HTMENU, at);
    EXPECT_TRUE(wintest::PumpUntil([&] { return !::IsWindow(child); }, 3000))
        << "its close button closes the child";
    ASSERT_TRUE(LaidOut(h));
    EXPECT_FALSE(close->Visible()) << "no maximised child, no buttons";
    delete form;
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
