#include "win/skin/skin_header.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "win/skin/skin_data_component.h"

namespace skin {

int TSkinHeader::HitTest(LPARAM clientPoint, bool& onDivider) const {
    HDHITTESTINFO hit{};
    hit.pt = POINT{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
    const int at = int(::SendMessageW(hwnd_, HDM_HITTEST, 0, LPARAM(&hit)));
    onDivider = (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0;
    return (hit.flags & HHT_ONHEADER) ? at : -1;
}

void TSkinHeader::Act(const core::TInputResult& r) {
    if (r.repaint)
        Refresh();
}

bool TSkinHeader::BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!TSkinControl::BeforeMessage(msg, wParam, lParam, result))
        return false;
    return !PaintInstead(msg, wParam, result);
}

void TSkinHeader::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    bool onDivider = false;
    switch (msg) {
        case WM_MOUSEMOVE: {
            const int at = HitTest(lParam, onDivider);
            Act(input_.MouseMove(at, onDivider));
            TrackMouseLeave(hwnd_);
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const int at = HitTest(lParam, onDivider);
            const bool buttons = (::GetWindowLongPtrW(hwnd_, GWL_STYLE) & HDS_BUTTONS) != 0;
            Act(input_.MouseDown(at, onDivider, buttons));
            break;
        }
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            Act(input_.MouseUp());
            break;
        case WM_MOUSELEAVE:
            Act(input_.MouseLeave());
            break;
        default:
            // The base's paint entry would draw a second time over the skin's own paint.
            if (msg != WM_PAINT)
                TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinHeader::Paint(HDC dc, const RECT&) {
    const core::TSkinData& skin = Data().Data();
    RECT client;
    ::GetClientRect(hwnd_, &client);
    const core::Rect header{client.left, client.top, client.right, client.bottom};
    // The header follows its list view: a disabled list shows disabled sections.
    HWND list = ::GetParent(hwnd_);
    const bool enabled = ::IsWindowEnabled(hwnd_) && (!list || ::IsWindowEnabled(list));
    FillFace(dc, client);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    ui::ScopedSelectObject selectedFont(dc,
                                        font ? HGDIOBJ(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    const int count = int(::SendMessageW(hwnd_, HDM_GETITEMCOUNT, 0, 0));
    int lastRight = header.left;
    for (int i = 0; i < count; ++i) {
        RECT item;
        if (!::SendMessageW(hwnd_, HDM_GETITEMRECT, WPARAM(i), LPARAM(&item)))
            continue;
        const core::Rect section{item.left, item.top, item.right, item.bottom};
        lastRight = std::max(lastRight, section.right);
        const int frame = input_.FrameOf(i, enabled);
        Data().Pictures().Draw(dc, core::HeaderSectionBlit(skin, section, frame));
        wchar_t text[128] = {0};
        HDITEMW hi{};
        hi.mask = HDI_TEXT | HDI_FORMAT;
        hi.pszText = text;
        hi.cchTextMax = int(sizeof text / sizeof text[0]);
        ::SendMessageW(hwnd_, HDM_GETITEMW, WPARAM(i), LPARAM(&hi));
        const core::Rect t = core::HeaderTextRect(skin, section);
        RECT tr{t.left, t.top, t.right, t.bottom};
        const int justify = hi.fmt & HDF_JUSTIFYMASK;
        const UINT align = justify == HDF_CENTER  ? DT_CENTER
                           : justify == HDF_RIGHT ? DT_RIGHT
                                                  : DT_LEFT;
        ::SetTextColor(dc, core::ResolveColour(core::HeaderTextColour(skin, frame)));
        ::DrawTextW(dc, text, -1, &tr,
                    align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    Data().Pictures().Draw(dc, core::HeaderRemainderBlit(skin, header, lastRight));
}

}  // namespace skin
