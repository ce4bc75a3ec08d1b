#pragma once
// The skinned menu bar of a window with a menu: the window's own bar is taken away and the
// skin draws one in the non-client area the form skin keeps for it, with one button per bar
// item that lights up under the mouse and opens its submenu itself. While a submenu is
// tracked a message filter follows the keyboard and the mouse (core menu_tracking.h) to move
// to the neighbouring items. A window that lays out right to left gets its bar from the right
// edge, its submenus right-aligned under their items and the arrow keys swapped.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/skin/menu_bar_layout.h"
#include "core/skin/menu_tracking.h"
#include "win/skin/form_skin.h"
#include "win/ui/graphics.h"
#include "win/ui/popup_menu.h"
#include "win/ui/thread_hook.h"

namespace skin {

class TMenuBarSkin;

class TMenuBtn : public TNCObject {
  public:
    TMenuBtn(TFormSkin& owner, TMenuBarSkin& bar, int index)
        : TNCObject(owner), bar_(bar), index_(index) {}
    void MouseDown() override;
    void Paint() override;

    int Index() const { return index_; }
    bool visible = true;
    bool enabled = true;
    UINT command = 0;
    HMENU submenu = nullptr;
    std::wstring caption;
    ui::TMenuItem* item = nullptr;
    void Place(const core::Rect& r) { rect_ = RECT{r.left, r.top, r.right, r.bottom}; }

  private:
    TMenuBarSkin& bar_;
    int index_;
};

class TMenuBarSkin : public TFormMenuBar {
  public:
    TMenuBarSkin(TFormSkin& owner, ui::TMainMenu* menu);
    ~TMenuBarSkin() override;

    // Reads the window's menu into buttons and takes the bar away from the window.
    void BuildBar();
    void PaintBar(HDC dc, const RECT& bar) override;
    TNCObject* ItemAt(POINT windowPoint) override;
    bool OpenByKey(wchar_t key) override;
    void Restore() override;
    bool Busy() const override { return opening_; }
    void ChangeLater() override { changed_ = true; }
    void PaintBackground(HDC windowDC, const RECT& r) override;
    void OpenItem(TMenuBtn& item);
    // A menu selection message of the tracked submenu.
    void MenuSelect(WPARAM wParam, LPARAM lParam);
    // Opens the item at a screen point (the move to another item while tracking).
    void OpenAt(POINT screen);

    const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return items_; }
    bool Tracking() const { return tracking_; }
    void PaintButton(TMenuBtn& button);

  private:
    bool Filter(int code, LPARAM lParam);
    std::vector<core::TMenuBarItem> Layout() const;
    POINT ToWindow(POINT screen) const;

    TFormSkin& owner_;
    ui::TMainMenu* framework_;
    HMENU menu_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
    RECT bar_{0, 0, 0, 0};
    ui::TBitmap background_;
    bool painting_ = false;
    bool tracking_ = false;
    core::TMenuBarTracker tracker_;
    std::unique_ptr<ui::TThreadHook> hook_;
    HWND menuWindow_ = nullptr;
    int pendingOpen_ = -1;
    bool opening_ = false;
    bool changed_ = false;  // the window's menu changed while an item was open
};

}  // namespace skin
