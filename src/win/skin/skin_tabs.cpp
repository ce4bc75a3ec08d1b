#include "win/skin/skin_tabs.h"

#include <commctrl.h>
#include <windowsx.h>

#include "core/skin/control_parts.h"
#include "win/skin/skin_data_component.h"

namespace skin {

bool TSkinTab::BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!TSkinControl::BeforeMessage(msg, wParam, lParam, result))
        return false;
    if (!Data().Data().Find("Tabs"))
        return true;
    return !PaintInstead(msg, wParam, result);
}

void TSkinTab::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_MOUSEMOVE: {
            TCHITTESTINFO hit{};
            hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const int at = int(::SendMessageW(hwnd_, TCM_HITTEST, 0, LPARAM(&hit)));
            if (at != hot_) {
                hot_ = at;
                Refresh();
            }
            TrackMouseLeave(hwnd_);
            break;
        }
        case WM_MOUSELEAVE:
            hot_ = -1;
            Refresh();
            break;
        default:
            // The base's paint entry would draw a second time over the skin's own paint.
            if (msg != WM_PAINT)
                TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinTab::Paint(HDC dc, const RECT& r) {
    RECT client;
    ::GetClientRect(hwnd_, &client);
    FillFace(dc, client);
    const int count = int(::SendMessageW(hwnd_, TCM_GETITEMCOUNT, 0, 0));
    const int selected = int(::SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
    const bool focused = ::GetFocus() == hwnd_;
    const bool enabled = ::IsWindowEnabled(hwnd_) != FALSE;
    RECT pane = client;
    ::SendMessageW(hwnd_, TCM_ADJUSTRECT, FALSE, LPARAM(&pane));
    ::InflateRect(&pane, 4, 4);
    pane.left = client.left;
    pane.right = client.right;
    pane.bottom = client.bottom;
    Data().Pictures().Draw(
        dc,
        core::TabPaneBlit(Data().Data(), core::Rect{pane.left, pane.top, pane.right, pane.bottom}));
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    if (control_)
        font = control_->Font().Handle();
    ui::ScopedSelectObject selectedFont(dc,
                                        font ? HGDIOBJ(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    // The selected tab last, so that it covers its neighbours' edges.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i) {
            const bool isSelected = i == selected;
            if (isSelected != (pass == 1))
                continue;
            RECT item;
            if (!::SendMessageW(hwnd_, TCM_GETITEMRECT, WPARAM(i), LPARAM(&item)))
                continue;
            const core::Rect tab =
                core::TabRect(core::Rect{item.left, item.top, item.right, item.bottom}, isSelected);
            const int frame = core::TabFrame(isSelected, hot_ == i, focused, enabled);
            Data().Pictures().Draw(dc, core::TabBlit(Data().Data(), tab, frame));
            wchar_t text[128] = {0};
            TCITEMW ti{};
            ti.mask = TCIF_TEXT;
            ti.pszText = text;
            ti.cchTextMax = int(sizeof text / sizeof text[0]);
            ::SendMessageW(hwnd_, TCM_GETITEMW, WPARAM(i), LPARAM(&ti));
            ::SetTextColor(dc, core::ResolveColour(core::TabTextColour(Data().Data(), frame)));
            RECT tr{tab.left, tab.top, tab.right, tab.bottom};
            ::DrawTextW(dc, text, -1, &tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            if (isSelected && focused)
                DrawTextFocusRect(dc, tr, text, DT_CENTER | DT_VCENTER);
        }
    (void)r;
}

void TSkinTabSheet::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (State() != cssCreated)
        return;
    Register(formSkin, data, true);
    state_ = cssAttached;
    TakeColour();
}

}  // namespace skin
