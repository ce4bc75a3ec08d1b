#pragma once
// The skinned menu bar drawn in a window's non-client area: its background, where each bar
// item sits, which item a point falls on, and how an item is redrawn when the mouse enters or
// presses it. Plain data for the Win32 painter.
#include <cstdint>
#include <vector>

#include "core/skin/img_util.h"
#include "core/skin/menu_item_layout.h"
#include "core/skin/skin_draw.h"
#include "core/skin/skin_objects.h"

namespace core {

// States of a bar item button.
constexpr int kMenuBtnNormal = 1, kMenuBtnPressed = 2, kMenuBtnHot = 3;

// Frames of the menu bar picture.
constexpr int kMenuBarFrameActive = 1, kMenuBarFrameInactive = 2;

// First item's distance from the bar's edge without a menu bar picture.
constexpr int kMenuBarPlainStart = 6;
// Room around an item's caption, half on each side.
constexpr int kMenuBarItemPadding = 10;

struct TMenuBarBackground {
    bool skinned = false;  // false: fill the bar with `fill`
    uint32_t fill = 0;
    std::vector<BlitPiece> pieces;  // in the bar's coordinates, opaque
};

// Frame 1 (active window) or 2 of the menu bar picture: a nine-grid when its tile value is 1,
// else three slices. Without the picture, the "Menubar" colour.
TMenuBarBackground MenuBarBackgroundPlan(int barWidth,
                                         int barHeight,
                                         const TDataSkinObject* menuBar,
                                         bool active,
                                         uint32_t menubarColour);

// Distance of the first item from the bar's left edge (from its right edge for right-to-left
// menus): past the picture's fixed margin, or 12 when the bar is narrower than that.
int MenuBarFirstItemStart(int barWidth, const TDataSkinObject* menuBar, bool rightToLeft);

struct TMenuBarItem {
    bool visible = true;
    bool hasCaption = true;  // an empty caption can be neither hovered nor opened
    bool enabled = true;
    int captionWidth = 0;  // the caption's display text in the menu font
    Rect rect;             // set by LayoutMenuBar
};

// Lays the items along `bar` (window coordinates), left to right, or right to left: each is
// its caption width plus 10 wide (0 when the caption measures 0) and spans the bar's height
// less 1. Invisible items get an empty rectangle.
void LayoutMenuBar(std::vector<TMenuBarItem>& items,
                   const Rect& bar,
                   const TDataSkinObject* menuBar,
                   bool rightToLeft);

// The first item whose rectangle holds the point and whose caption is not empty, or -1.
int MenuBarItemAt(const std::vector<TMenuBarItem>& items, int x, int y);

// Where an item's caption is drawn (transparent, single line, mnemonic underlined), and in
// which colour: "MenuBarText", or "ButtonShadow" for a disabled item.
Rect MenuBarCaptionBox(const TMenuBarItem& item, int textHeight);
uint32_t MenuBarCaptionColour(const TMenuBarItem& item, const TMenuColours& colours);

// Redrawing one item at once into the window when its state changes.
struct TMenuBarButtonPaint {
    Rect backgroundSrc;       // the item's part of the stored bar background
    Rect dst;                 // the item's rectangle in the window
    std::vector<Rect> frame;  // a one-pixel frame, hot and pressed only
    uint32_t frameColour = 0;
    Rect caption;
    uint32_t textColour = 0;
};
TMenuBarButtonPaint MenuBarButtonPaint(const TMenuBarItem& item,
                                       const Rect& bar,
                                       int state,
                                       int textHeight,
                                       const TMenuColours& colours);

// A button of a maximised MDI child in the bar (`bar` in window coordinates): vertically
// centred, `x` counted from the bar's right edge past the picture's side margin (from the left
// edge for right-to-left windows). The caption layout places the MDI buttons with it.
Rect MenuBarMdiButtonRect(const Rect& bar,
                          int sideMargin,
                          int width,
                          int height,
                          int x,
                          bool rightToLeft);

}  // namespace core
