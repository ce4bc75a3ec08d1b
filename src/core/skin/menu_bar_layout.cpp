#include "core/skin/menu_bar_layout.h"

#include <algorithm>

namespace core {

namespace {

constexpr int kMenuBarLeftGap = 4, kMenuBarRightGap = 8, kMenuBarNarrowStart = 12;

}  // namespace

TMenuBarBackground MenuBarBackgroundPlan(int barWidth,
                                         int barHeight,
                                         const TDataSkinObject* menuBar,
                                         bool active,
                                         uint32_t menubarColour) {
    TMenuBarBackground plan;
    plan.fill = menubarColour;
    if (!menuBar || menuBar->Picture.Empty())
        return plan;
    plan.skinned = true;
    const TDataSkinObject& o = *menuBar;
    const Rect src =
        FrameRect(o.Picture, o.FrameCount, active ? kMenuBarFrameActive : kMenuBarFrameInactive);
    const Rect dst{0, 0, barWidth, barHeight};
    plan.pieces =
        o.Tile == 1
            ? NineGridPieces(src, dst,
                             Margins{o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight}, true)
            : ThreeSlicePieces(src, dst, o.LeftWidth, o.RightWidth);
    return plan;
}

int MenuBarFirstItemStart(int barWidth, const TDataSkinObject* menuBar, bool rightToLeft) {
    if (!menuBar || menuBar->Picture.Empty())
        return kMenuBarPlainStart;
    const int start =
        rightToLeft ? menuBar->RightWidth + kMenuBarRightGap : menuBar->LeftWidth + kMenuBarLeftGap;
    return barWidth < start ? kMenuBarNarrowStart : start;
}

void LayoutMenuBar(std::vector<TMenuBarItem>& items,
                   const Rect& bar,
                   const TDataSkinObject* menuBar,
                   bool rightToLeft) {
    const int start = MenuBarFirstItemStart(bar.Width(), menuBar, rightToLeft);
    int x = rightToLeft ? bar.right - start : bar.left + start;
    for (TMenuBarItem& item : items) {
        if (!item.visible) {
            item.rect = Rect{};
            continue;
        }
        const int w = item.captionWidth > 0 ? item.captionWidth + kMenuBarItemPadding : 0;
        if (rightToLeft) {
            item.rect = Rect{x - w, bar.top, x, bar.bottom - 1};
            x -= w;
        } else {
            item.rect = Rect{x, bar.top, x + w, bar.bottom - 1};
            x += w;
        }
    }
}

int MenuBarItemAt(const std::vector<TMenuBarItem>& items, int x, int y) {
    for (size_t i = 0; i < items.size(); ++i) {
        const Rect& r = items[i].rect;
        if (items[i].hasCaption && x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return int(i);
    }
    return -1;
}

Rect MenuBarCaptionBox(const TMenuBarItem& item, int textHeight) {
    const Rect& r = item.rect;
    if (r.Empty())
        return Rect{};
    const int left = r.left + kMenuBarItemPadding / 2;
    const int top = r.top + (r.Height() - textHeight) / 2;
    return Rect{left, top, left + item.captionWidth, top + textHeight};
}

uint32_t MenuBarCaptionColour(const TMenuBarItem& item, const TMenuColours& colours) {
    return item.enabled ? colours.menuBarText : colours.buttonShadow;
}

TMenuBarButtonPaint MenuBarButtonPaint(const TMenuBarItem& item,
                                       const Rect& bar,
                                       int state,
                                       int textHeight,
                                       const TMenuColours& colours) {
    TMenuBarButtonPaint p;
    const Rect& r = item.rect;
    p.dst = r;
    p.backgroundSrc =
        Rect{r.left - bar.left, r.top - bar.top, r.right - bar.left, r.bottom - bar.top};
    if ((state == kMenuBtnHot || state == kMenuBtnPressed) && !r.Empty()) {
        p.frame = {Rect{r.left, r.top, r.right, r.top + 1},
                   Rect{r.left, r.bottom - 1, r.right, r.bottom},
                   Rect{r.left, r.top + 1, r.left + 1, r.bottom - 1},
                   Rect{r.right - 1, r.top + 1, r.right, r.bottom - 1}};
        p.frameColour = colours.buttonHilight;
    }
    p.caption = MenuBarCaptionBox(item, textHeight);
    p.textColour = MenuBarCaptionColour(item, colours);
    return p;
}

Rect MenuBarMdiButtonRect(const Rect& bar,
                          int sideMargin,
                          int width,
                          int height,
                          int x,
                          bool rightToLeft) {
    const int top = bar.top + (bar.Height() - height) / 2;
    const int left = rightToLeft ? bar.left + sideMargin + x - width : bar.right - sideMargin - x;
    return Rect{left, top, left + width, top + height};
}

}  // namespace core
