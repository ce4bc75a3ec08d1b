// Popup menus of a skinned form: which menus the skin draws (not the one tagged to keep the
// system's look), that switching the skin off gives them back, and that opening a skinned
// menu many times leaves no GDI objects behind.
#include <gtest/gtest.h>

#include <windows.h>

#include "../../../bench/win/gui_objects.h"
#include "win/skin/popup_menu_skin.h"
#include "win/skin/skin_test_support.h"
#include "win/ui/dialog_form.h"
#include "win/ui/popup_menu.h"
#include "win/ui/timer.h"

#ifdef CLOCK_HAS_SKIN_STREAM

namespace {

constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU

ui::TPopupMenu* MenuOf(ui::TForm* owner, int tag) {
    auto* menu = new ui::TPopupMenu(owner);
    menu->SetTag(tag);
    for (const char* caption : {"&Open", "-", "&Close"}) {
        auto* item = new ui::TMenuItem(owner);
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    return menu;
}

class PopupMenuSkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Loaded());
        form = new ui::TDialogForm(nullptr);
        form->SetCaption("Menus");
        form->SetClientSize(200, 100);
        skinned = MenuOf(form, 0);
        kept = MenuOf(form, 99);
        form->Show();
        ASSERT_TRUE(wintest::PumpUntil(
            [&] { return skintest::RunningSkin(form->Handle()) != nullptr; }, 3000));
    }
    void TearDown() override { delete form; }

    // Opens `menu` at (x, y); `whileOpen` runs once its window shows, then the menu closes.
    void Open(ui::TPopupMenu& menu, const std::function<void(HWND)>& whileOpen) {
        ui::TTimer timer(nullptr);
        timer.SetInterval(10);
        timer.OnTimer = [&](ui::TObject*) {
            HWND window = ::FindWindowA("#32768", nullptr);
            if (!window || !::IsWindowVisible(window))
                return;
            timer.SetEnabled(false);
            ::UpdateWindow(window);  // the items are drawn before the menu goes
            whileOpen(window);
            ::EndMenu();
        };
        timer.SetEnabled(true);
        menu.Popup(300, 200);
    }

    skintest::SkinHost host;
    ui::TDialogForm* form = nullptr;
    ui::TPopupMenu* skinned = nullptr;
    ui::TPopupMenu* kept = nullptr;
};

bool OwnerDrawn(HWND window) {
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(window, kGetMenu, 0, 0));
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    return menu && ::GetMenuItemInfoA(menu, 0, TRUE, &mii) && (mii.fType & MFT_OWNERDRAW);
}

TEST_F(PopupMenuSkinTest, TheDisableTagKeepsTheSystemDrawingAndSwitchingOffGivesMenusBack) {
    EXPECT_TRUE(skinned->OwnerDraw());
    EXPECT_TRUE(skinned->Items().Items(0)->OnDrawItem);
    EXPECT_TRUE(skinned->Items().Items(1)->OnMeasureItem) << "separators are the skin's too";
    EXPECT_FALSE(kept->OwnerDraw());
    EXPECT_FALSE(kept->Items().Items(0)->OnDrawItem);
    Open(*skinned, [](HWND w) { EXPECT_TRUE(OwnerDrawn(w)); });
    Open(*kept, [](HWND w) { EXPECT_FALSE(OwnerDrawn(w)); });

    // An item's own measure handler stays when the skin goes.
    bool ownCalled = false;
    skinned->Items().Items(2)->OnMeasureItem = [&](ui::TObject*, HDC, int&, int&) {
        ownCalled = true;
    };
    host.Data().SetActive(false);
    ASSERT_TRUE(wintest::PumpUntil(
        [&] { return skin::TSkinManager::Instance()->FindSkin(form->Handle()) == nullptr; }, 3000));
    EXPECT_FALSE(skinned->OwnerDraw());
    EXPECT_FALSE(skinned->Items().Items(0)->OnDrawItem);
    EXPECT_FALSE(skinned->Items().Items(0)->OnMeasureItem);
    ASSERT_TRUE(skinned->Items().Items(2)->OnMeasureItem);
    int w = 0, h = 0;
    skinned->Items().Items(2)->OnMeasureItem(nullptr, nullptr, w, h);
    EXPECT_TRUE(ownCalled);
}

TEST_F(PopupMenuSkinTest, FiveHundredOpeningsLeaveTheGdiObjectsAsTheFirstDid) {
    int skinnedWindows = 0;
    auto open = [&] {
        Open(*skinned, [&](HWND w) {
            skinnedWindows += ::SendMessageA(w, core::skinmsg::kIsSkinned, 0, 0) == 1;
        });
    };
    open();
    const benchgui::GdiCount first = benchgui::CountGdiObjects();
    for (int i = 1; i < 500; ++i)
        open();
    const benchgui::GdiCount last = benchgui::CountGdiObjects();
    EXPECT_EQ(skinnedWindows, 500) << "every menu window had its skin";
    EXPECT_EQ(last.total, first.total) << benchgui::KindChanges(first, last);
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
