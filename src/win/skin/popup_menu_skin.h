#pragma once
// The skin of one popup menu window ("#32768") of the process, from its creation to its
// destruction: it paints the window's background and border from the skin's "MenuBackground"
// and keeps that background for the owner-drawn items, which lay their frames over their
// part of it. Systems differ in where they paint a menu's fill and edge: in the non-client
// paint, or with the items in the window's paint; both are covered.
#include <windows.h>

#include "core/skin/menu_skin_rules.h"
#include "win/ui/graphics.h"
#include "win/ui/wnd_method_chain.h"

namespace skin {

class TSkinData;

class TPopupMenuSkin {
  public:
    TPopupMenuSkin(HWND hwnd, TSkinData& data, core::TPopupMenuOrigin origin);
    ~TPopupMenuSkin();
    TPopupMenuSkin(const TPopupMenuSkin&) = delete;
    TPopupMenuSkin& operator=(const TPopupMenuSkin&) = delete;

    HWND Handle() const { return hwnd_; }
    core::TPopupMenuOrigin Origin() const { return origin_; }
    // The menu the window shows, known once its first item has been drawn.
    HMENU Menu() const { return menu_; }
    // The skin background at the window's size, or nullptr when the system paints the menu.
    ui::TBitmap* Background();
    // Where the window's client area (the items' coordinates) starts in the window.
    POINT ClientOrigin() const;

    // The popup skin whose window (or whose print) `dc` draws into, or nullptr.
    static TPopupMenuSkin* ForDC(HDC dc);

  private:
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    void PaintBorder(HDC windowDC, bool whole);
    bool Bypassed() const;

    HWND hwnd_;
    TSkinData& data_;
    core::TPopupMenuOrigin origin_;
    ui::TWndMethodChain::Link link_;
    ui::TBitmap cache_;
    SIZE cacheSize_{0, 0};
    bool skinned_ = false;
    HMENU menu_ = nullptr;
};

}  // namespace skin
