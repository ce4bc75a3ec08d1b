// A skinned window with a menu bar, driven as a user drives it: the skin's bar replaces the
// window's own, Right on the last item opens the first and Left on the first the last, and an
// item without a caption is neither hovered nor opened.
#include <gtest/gtest.h>

#include <windows.h>

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

TEST(MenuBarSkin, ArrowsWrapAroundTheBarAndAnItemWithoutCaptionIsPassedOver) {
    skintest::SkinHost host;
    ASSERT_TRUE(host.Loaded());
    auto* form = new ui::TForm(nullptr);
    form->SetCaption("Menu bar");
    form->SetBounds(200, 150, 360, 200);
    auto* menu = new ui::TMainMenu(form);
    const char* bar[][2] = {
        {"&File", "&Open"}, {"", "Hidden"}, {"&Edit", "&Copy"}, {"&Help", "&About"}};
    for (const auto& entry : bar) {
        auto* item = new ui::TMenuItem(form);
        item->SetCaption(entry[0]);
        auto* sub = new ui::TMenuItem(form);
        sub->SetCaption(entry[1]);
        item->Add(sub);
        menu->Items().Add(item);
    }
    const HWND h = form->HandleNeeded();
    ::SetMenu(h, menu->Handle());
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return skintest::RunningSkin(h) != nullptr; }, 3000));
    auto* skinBar = dynamic_cast<skin::TMenuBarSkin*>(skintest::RunningSkin(h)->MenuBar());
    ASSERT_NE(skinBar, nullptr) << "the window's menu became a skinned bar";
    EXPECT_EQ(::GetMenu(h), nullptr) << "the window's own bar is gone";
    const auto& items = skinBar->Items();
    ASSERT_EQ(items.size(), 4u);
    ::RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(wintest::PumpUntil(
        [&] {
            const RECT r = items[3]->Rect();
            return !::IsRectEmpty(&r);
        },
        3000));

    // Along the whole bar, no point finds the item without a caption.
    const RECT first = items[0]->Rect(), last = items[3]->Rect();
    for (int x = first.left - 2; x < last.right + 2; ++x)
        EXPECT_NE(skinBar->ItemAt(POINT{x, (first.top + first.bottom) / 2}), items[1].get()) << x;

    RECT w;
    ::GetWindowRect(h, &w);
    auto pressAt = [&](const RECT& r) {
        ::PostMessageA(h, WM_NCLBUTTONDOWN, HTMENU,
                       MAKELPARAM(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2));
    };
    wintest::DialogDriver d;
    HWND open = nullptr;
    std::vector<int> opened;
    auto waitFor = [&](int index) {
        return [&, index] {
            open = MenuShowing(items[size_t(index)]->submenu);
            if (!open)
                return false;
            opened.push_back(index);
            return true;
        };
    };
    d.Then(waitFor(3));
    d.Hold();
    d.Then([&] { return ::PostMessageA(open, WM_KEYDOWN, VK_RIGHT, 0) != FALSE; });
    d.Then(waitFor(0));
    d.Then([&] { return ::PostMessageA(open, WM_KEYDOWN, VK_LEFT, 0) != FALSE; });
    d.Then(waitFor(3));
    d.Then([&] {
        ::EndMenu();
        return true;
    });
    pressAt(last);
    EXPECT_TRUE(wintest::PumpUntil([&] { return d.Finished() || d.TimedOut(); }, 25000));
    EXPECT_FALSE(d.TimedOut());
    EXPECT_EQ(opened, (std::vector<int>{3, 0, 3})) << "Right from the last, Left from the first";
    wintest::Pump(100);
    EXPECT_FALSE(skinBar->Tracking());

    host.Data().SetActive(false);
    ASSERT_TRUE(wintest::PumpUntil(
        [&] { return skin::TSkinManager::Instance()->FindSkin(h) == nullptr; }, 3000));
    EXPECT_EQ(::GetMenu(h), menu->Handle()) << "the menu goes back to the window";
    delete form;
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
