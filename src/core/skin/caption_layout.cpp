#include "core/skin/caption_layout.h"

#include <algorithm>

#include "core/skin/menu_bar_layout.h"

namespace core {

namespace {

// The codes both visibility codes share; `sysMenu` is what 6 and 8 add for the first code.
// Returns -1 for a code outside them.
int SharedCode(int code, const TCaptionWindow& w, bool sysMenu) {
    const bool maximized = w.state == wsMaximized;
    switch (code) {
        case 0:
            return 1;
        case 1:
            return maximized;
        case 2:
            return !maximized;
        case 3:
            return w.active;
        case 4:
            return !w.active;
        case 6:
            return w.icons.maximize && sysMenu;
        case 7:
            return !w.icons.maximize;
        case 8:
            return w.icons.minimize && sysMenu;
        case 9:
            return !w.icons.minimize;
        case 100:
            return w.mdiMaximizedChild;
        default:
            return -1;
    }
}

bool FirstCodeShows(int code,
                    const TCaptionButtonSpec& b,
                    const TCaptionWindow& w,
                    const TVisibilityQuery& query) {
    const int shared = SharedCode(code, w, w.icons.systemMenu);
    if (shared >= 0)
        return shared == 1;
    if (code == 200)
        return w.kind == fkDialog && !w.systemDialogClass;
    if (code >= 201 && code <= 999)
        return true;
    if (code >= 1000 && code <= 2000)
        return query && query(code, b.action) > 0;
    return false;
}

// The second code knows fewer meanings; the others never show the button.
bool SecondCodeShows(int code, const TCaptionWindow& w) {
    return SharedCode(code, w, true) == 1;
}

bool ActionAllows(int action, const TCaptionWindow& w) {
    switch (action) {
        case 0:
            return w.icons.systemMenu;
        case 1:
            return w.icons.maximize;
        case 2:
            return w.icons.minimize;
        case 3:
        case 11:
        case 12:
            return w.kind != fkDialog;
        default:
            return true;
    }
}

Rect At(int x, int y, const TCaptionButtonSpec& b) {
    return Rect{x, y, x + b.width, y + b.height};
}

}  // namespace

TCaptionButtonSpec CaptionButtonSpecOf(const TDataSkinSysButton& b) {
    TCaptionButtonSpec s;
    s.action = b.Action;
    s.align = b.Align;
    s.x = b.XCoord;
    s.y = b.YCoord;
    s.visibility = b.Visibility;
    s.visibility1 = b.Visibility1;
    if (!b.Picture.Empty()) {
        s.width = b.Picture.width / std::max(1, b.FrameCount);
        s.height = b.Picture.height;
    }
    return s;
}

bool CaptionButtonVisible(const TCaptionButtonSpec& b,
                          const TCaptionWindow& w,
                          const TVisibilityQuery& query) {
    return FirstCodeShows(b.visibility, b, w, query) && SecondCodeShows(b.visibility1, w) &&
           ActionAllows(b.action, w);
}

TCaptionLayout LayoutCaption(const TCaptionWindow& w,
                             const std::vector<TCaptionButtonSpec>& buttons,
                             int textWidth,
                             int textHeight,
                             const TDataSkinTitle& title,
                             const TVisibilityQuery& query) {
    TCaptionLayout out;
    out.buttons.resize(buttons.size());
    std::vector<bool> shown(buttons.size());
    for (size_t i = 0; i < buttons.size(); ++i)
        shown[i] = buttons[i].width > 0 && buttons[i].height > 0 &&
                   CaptionButtonVisible(buttons[i], w, query);

    // Buttons placed from the window's edges come first: the text box of a popup window ends
    // before the right-aligned ones.
    int rightmostOffset = 0;  // the largest distance of a right-aligned button from the right
    for (size_t i = 0; i < buttons.size(); ++i) {
        const TCaptionButtonSpec& b = buttons[i];
        if (!shown[i])
            continue;
        if (b.align == 1) {
            out.buttons[i] = At(w.width - b.x, b.y, b);
            rightmostOffset = std::max(rightmostOffset, b.x);
        } else if (b.align != 2 && b.align != 8 && b.align != 3 && b.align != 9 && b.align != 100) {
            out.buttons[i] = At(b.x, b.y, b);
        }
    }

    int clip = w.width - title.RightWidth;
    if (w.popupStyle && rightmostOffset > 5)
        clip = w.width - rightmostOffset - 5;
    const int boxWidth =
        std::max(0, textWidth) + title.TextBackLeftWidth + title.TextBackRightWidth;
    const int alignment = w.rightToLeft ? 2 : title.TextAlignment;
    int left;
    if (alignment == 1) {
        left = (w.width - boxWidth) / 2;
    } else if (alignment == 2) {
        left = clip - boxWidth;
    } else {
        left = title.LeftWidth;
        if (w.kind == fkDialog)
            left -= 16;
    }
    const int top = (w.metrics.caption - textHeight) / 2 + title.TopHeight / 2;
    const int right = std::min(left + boxWidth, clip);
    out.textBox = Rect{left, top, std::max(left, right), top + textHeight};
    out.textRect =
        Rect{left + title.TextBackLeftWidth, top,
             std::max(left + title.TextBackLeftWidth, out.textBox.right - title.TextBackRightWidth),
             top + textHeight};

    for (size_t i = 0; i < buttons.size(); ++i) {
        const TCaptionButtonSpec& b = buttons[i];
        if (!shown[i])
            continue;
        switch (b.align) {
            case 2:
            case 8:
                out.buttons[i] = At(out.textBox.left - b.width - b.x, b.y, b);
                break;
            case 3:
            case 9:
                out.buttons[i] = At(out.textBox.right + b.x, b.y, b);
                break;
            case 100: {
                const Rect bar{w.metrics.left, w.metrics.caption, w.width - w.metrics.right,
                               w.metrics.caption + w.metrics.menuBar};
                out.buttons[i] = MenuBarMdiButtonRect(bar, w.menuBarMargin, b.width, b.height, b.x,
                                                      w.rightToLeft);
                break;
            }
            default:
                break;
        }
    }
    return out;
}

int CaptionButtonFrame(TNCState state, bool active, int frameCount, bool mdiButton) {
    if (state == ncNormal)
        return active || frameCount < 4 || mdiButton ? 1 : 4;
    if (state == ncHot && mdiButton)
        return 4;
    return int(state);
}

}  // namespace core
