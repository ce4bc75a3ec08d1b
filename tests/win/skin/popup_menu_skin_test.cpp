// Popup menus of a skinned form: which menus the skin draws (not the one tagged to keep the
// system's look), that switching the skin off gives them back, that opening a skinned menu
// many times leaves no GDI objects behind, and that default items are bold and items show
// their menu's images.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "../../../bench/win/gui_objects.h"
#include "core/skin/img_util.h"
#include "core/skin/menu_item_layout.h"
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

constexpr uint32_t kGlyphRed = 0x000000FF;

// "&Open" twice, the first one the default item; "&Save" and a disabled "&Print" with a red
// picture.
ui::TPopupMenu* PicturedMenu(ui::TForm* owner) {
    auto* images = new ui::TImageList(owner);
    core::Bitmap glyph(16, 16, kGlyphRed);
    glyph.Set(0, 0, core::kMagenta);
    images->Add(glyph);
    auto* menu = new ui::TPopupMenu(owner);
    menu->SetImages(images);
    for (const char* caption : {"&Open", "&Open", "&Save", "&Print"}) {
        auto* item = new ui::TMenuItem(owner);
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    menu->Items().Items(0)->SetDefault(true);
    menu->Items().Items(2)->SetImageIndex(0);
    menu->Items().Items(3)->SetImageIndex(0);
    menu->Items().Items(3)->SetEnabled(false);
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
        pictured = PicturedMenu(form);
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
    ui::TPopupMenu* pictured = nullptr;
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

// How often `colour` shows in item `index` of the open menu window, on the screen.
int CountInItem(HWND window, int index, COLORREF colour) {
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(window, kGetMenu, 0, 0));
    RECT r;
    if (!::GetMenuItemRect(window, menu, UINT(index), &r))
        return -1;
    HDC screen = ::GetDC(nullptr);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += ::GetPixel(screen, x, y) == colour;
    ::ReleaseDC(nullptr, screen);
    return n;
}

COLORREF Ref(uint32_t c) {
    return RGB(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TEST_F(PopupMenuSkinTest, TheDefaultItemIsBoldAndItemsShowTheirMenusPictures) {
    auto measure = [](ui::TMenuItem* item) {
        MEASUREITEMSTRUCT mis{};
        mis.CtlType = ODT_MENU;
        mis.itemData = reinterpret_cast<ULONG_PTR>(item);
        LRESULT r = 0;
        EXPECT_TRUE(ui::DispatchMenuMessage(WM_MEASUREITEM, 0, LPARAM(&mis), r));
        return int(mis.itemWidth);
    };
    EXPECT_GT(measure(pictured->Items().Items(0)), measure(pictured->Items().Items(1)))
        << "the default item is measured bold";

    const core::TDataSkinObject* item = host.Skin().Find("MenuItem");
    ASSERT_NE(item, nullptr);
    const COLORREF text = Ref(item->NormalColour != -1 ? core::ResolveColour(item->NormalColour2)
                                                       : core::MenuColoursOf(host.Skin()).menuText);
    const COLORREF grey =
        Ref(core::MixColors(core::TSkinColor(kGlyphRed), core::TSkinColor(core::kWhite), 40));
    skintest::MouseTo(5, ::GetSystemMetrics(SM_CYSCREEN) - 5);  // no item is selected
    int bold = 0, plain = 0, red = 0, greyed = 0, redDisabled = 0;
    Open(*pictured, [&](HWND w) {
        // The screen shows the items once the window is on it and painted.
        wintest::PumpUntil([&] { return CountInItem(w, 1, text) > 0; }, 2000);
        bold = CountInItem(w, 0, text);
        plain = CountInItem(w, 1, text);
        red = CountInItem(w, 2, Ref(kGlyphRed));
        redDisabled = CountInItem(w, 3, Ref(kGlyphRed));
        greyed = CountInItem(w, 3, grey);
        if (const char* hold = std::getenv("DIALOGS_HOLD_MS"))  // for a screenshot
            wintest::Pump(DWORD(std::atoi(hold)));
    });
    EXPECT_GT(plain, 0);
    EXPECT_GT(bold, plain) << "the default item's caption is drawn bold";
    EXPECT_EQ(red, 16 * 16 - 1) << "the picture, less its magenta corner";
    EXPECT_EQ(redDisabled, 0);
    EXPECT_EQ(greyed, 16 * 16 - 1) << "a disabled item's picture is greyed";
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
