#include "win/skin/popup_menu_skin.h"

#include <algorithm>
#include <vector>

#include "core/skin/menu_item_layout.h"
#include "core/skin/skin_options.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_manager.h"
#include "win/ui/handles.h"
#include "win/ui/window_subclass.h"

namespace skin {

namespace {

constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU: the menu a popup menu window shows

std::vector<TPopupMenuSkin*>& LiveSkins() {
    static std::vector<TPopupMenuSkin*> skins;
    return skins;
}

// The popup whose print is running: its items are drawn into a context of no window.
TPopupMenuSkin* g_printing = nullptr;

}  // namespace

TPopupMenuSkin::TPopupMenuSkin(HWND hwnd, TSkinData& data, core::TPopupMenuOrigin origin)
    : hwnd_(hwnd), data_(data), origin_(origin) {
    link_ = ui::ChainWindowProc(
        hwnd, [this](UINT m, WPARAM w, LPARAM l, const ui::TWndMethodChain::Next& next) {
            return Handle(m, w, l, next);
        });
    LiveSkins().push_back(this);
}

TPopupMenuSkin::~TPopupMenuSkin() {
    link_.Leave();
    auto& live = LiveSkins();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (g_printing == this)
        g_printing = nullptr;
}

TPopupMenuSkin* TPopupMenuSkin::ForDC(HDC dc) {
    HWND window = ::WindowFromDC(dc);
    TPopupMenuSkin* found = nullptr;
    for (TPopupMenuSkin* s : LiveSkins())
        if (window && s->hwnd_ == window)
            found = s;
    if (!found)
        found = g_printing;
    if (found && !found->menu_)
        found->menu_ = reinterpret_cast<HMENU>(::SendMessageW(found->hwnd_, kGetMenu, 0, 0));
    return found && !found->Bypassed() ? found : nullptr;
}

bool TPopupMenuSkin::Bypassed() const {
    const TSkinManager* manager = TSkinManager::Instance();
    return !manager || !manager->Enabled() || data_.Data().NoSkin();
}

POINT TPopupMenuSkin::ClientOrigin() const {
    RECT window;
    POINT client{0, 0};
    if (!::GetWindowRect(hwnd_, &window) || !::ClientToScreen(hwnd_, &client))
        return POINT{core::kPopupBorder, core::kPopupBorder};
    return POINT{client.x - window.left, client.y - window.top};
}

ui::TBitmap* TPopupMenuSkin::Background() {
    RECT window;
    if (!::GetWindowRect(hwnd_, &window))
        return nullptr;
    const SIZE size{window.right - window.left, window.bottom - window.top};
    if (size.cx != cacheSize_.cx || size.cy != cacheSize_.cy) {
        cacheSize_ = size;
        const core::TDataSkinObject* picture = data_.Data().Find("MenuBackground");
        const core::TPopupBackgroundPlan plan =
            core::PopupBackgroundPlan(size.cx, size.cy, !data_.Data().NoSkin(), picture,
                                      core::MenuColoursOf(data_.Data()).menu);
        skinned_ = plan.skinned && size.cx > 0 && size.cy > 0;
        if (skinned_) {
            cache_.SetSize(size.cx, size.cy);
            HDC dc = cache_.Canvas().Handle();
            ui::ScopedBrush fill(::CreateSolidBrush(plan.fill));
            RECT all{0, 0, size.cx, size.cy};
            ::FillRect(dc, &all, fill.get());
            data_.Pictures().Draw(dc, picture->Picture, plan.pieces, plan.transparent);
        } else {
            cache_.SetSize(0, 0);
        }
    }
    return skinned_ ? &cache_ : nullptr;
}

void TPopupMenuSkin::PaintBorder(HDC dc, bool whole) {
    ui::TBitmap* background = Background();
    if (!background)
        return;
    const core::TPopupBackgroundPlan plan =
        core::PopupBackgroundPlan(cacheSize_.cx, cacheSize_.cy, true, nullptr, 0);
    HDC src = background->Canvas().Handle();
    for (const core::Rect& r : plan.borderStrips)
        if (!r.Empty())
            ::BitBlt(dc, r.left, r.top, r.Width(), r.Height(), src, r.left, r.top, SRCCOPY);
    if (whole)
        ::BitBlt(dc, 0, 0, cacheSize_.cx, cacheSize_.cy, src, 0, 0, SRCCOPY);
}

LRESULT TPopupMenuSkin::Handle(UINT msg,
                               WPARAM wParam,
                               LPARAM lParam,
                               const ui::TWndMethodChain::Next& next) {
    if (msg == core::skinmsg::kIsSkinned)
        return 1;
    if (msg == WM_DESTROY) {
        link_.Leave();  // the window's own procedure is back for the rest of its life
        return next(msg, wParam, lParam);
    }
    if (Bypassed())
        return next(msg, wParam, lParam);
    try {
        switch (msg) {
            case WM_ERASEBKGND:
                if (!data_.Options().Has(core::xoMenuBG))
                    next(msg, wParam, lParam);
                return 1;
            case WM_NCPAINT: {
                if (!Background())
                    break;
                ui::ScopedGetDC dc = ui::ScopedGetDC::WholeWindow(hwnd_);
                PaintBorder(dc.get(), true);
                // The items are drawn again over the whole background: a frame repaint
                // without a client repaint would otherwise leave them covered.
                ::InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
            }
            case WM_PAINT: {
                // Where the system paints the menu's fill and edge with its items, the
                // border strips go back over them once the items are drawn.
                const LRESULT r = next(msg, wParam, lParam);
                if (Background()) {
                    ui::ScopedGetDC dc = ui::ScopedGetDC::WholeWindow(hwnd_);
                    PaintBorder(dc.get(), false);
                }
                return r;
            }
            case WM_PRINT: {
                HDC dc = reinterpret_cast<HDC>(wParam);
                if (!Background())
                    break;
                PaintBorder(dc, true);
                const int saved = ::SaveDC(dc);
                ::SetBkMode(dc, TRANSPARENT);
                const core::TPopupBackgroundPlan plan =
                    core::PopupBackgroundPlan(cacheSize_.cx, cacheSize_.cy, true, nullptr, 0);
                ::IntersectClipRect(dc, plan.inner.left, plan.inner.top, plan.inner.right,
                                    plan.inner.bottom);
                TPopupMenuSkin* before = g_printing;
                g_printing = this;
                LRESULT r = 0;
                try {
                    r = next(msg, wParam, lParam);
                } catch (...) {
                    g_printing = before;
                    ::RestoreDC(dc, saved);
                    throw;
                }
                g_printing = before;
                ::RestoreDC(dc, saved);
                return r;
            }
            default:
                break;
        }
    } catch (...) {
        // Painting errors stay inside the skin.
    }
    return next(msg, wParam, lParam);
}

}  // namespace skin
