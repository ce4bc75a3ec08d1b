#include "win/skin/skin_scrollbar.h"

#include <commctrl.h>
#include <windowsx.h>

#include "win/skin/skin_data_component.h"

namespace skin {

bool TSkinScrollbar::BarOf(bool vertical, core::TScrollBarLayout& layout) const {
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    if (!::GetScrollBarInfo(hwnd_, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi))
        return false;
    if (sbi.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))
        return false;
    RECT w;
    ::GetWindowRect(hwnd_, &w);
    const core::Rect bar{sbi.rcScrollBar.left - w.left, sbi.rcScrollBar.top - w.top,
                         sbi.rcScrollBar.right - w.left, sbi.rcScrollBar.bottom - w.top};
    if (bar.Empty())
        return false;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    ::GetScrollInfo(hwnd_, vertical ? SB_VERT : SB_HORZ, &si);
    core::TScrollInfoFacts info;
    info.min = si.nMin;
    info.max = si.nMax;
    info.page = si.nPage;
    info.pos = pressed_ == core::TScrollPart::Thumb ? si.nTrackPos : si.nPos;
    core::TScrollBarMetrics m;
    m.arrowSize = ::GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    m.thumbSize = ::GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    const bool enabled = ::IsWindowEnabled(hwnd_) && !(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    layout = core::LayoutScrollBar(bar, vertical, m, info, enabled);
    return true;
}

core::TScrollPart TSkinScrollbar::PartAt(LPARAM screenPoint, bool& vertical) const {
    RECT w;
    ::GetWindowRect(hwnd_, &w);
    const int x = GET_X_LPARAM(screenPoint) - w.left, y = GET_Y_LPARAM(screenPoint) - w.top;
    for (bool v : {true, false}) {
        core::TScrollBarLayout l;
        if (BarOf(v, l) && l.bar.Contains(x, y)) {
            vertical = v;
            return core::ScrollBarHitTest(l, x, y);
        }
    }
    return core::TScrollPart::None;
}

bool TSkinScrollbar::BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NCLBUTTONDOWN && (wParam == HTVSCROLL || wParam == HTHSCROLL)) {
        // The system tracks the press in a loop of its own; the bar shows it pressed meanwhile.
        bool vertical = true;
        pressed_ = PartAt(lParam, vertical);
        hotVertical_ = vertical;
        PaintEntry(nullptr);
    }
    return TSkinControl::BeforeMessage(msg, wParam, lParam, result);
}

void TSkinScrollbar::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_NCMOUSEMOVE: {
            bool vertical = true;
            const core::TScrollPart part = PartAt(lParam, vertical);
            if (part != hot_ || vertical != hotVertical_) {
                hot_ = part;
                hotVertical_ = vertical;
                PaintEntry(nullptr);
            }
            TRACKMOUSEEVENT t{sizeof t, TME_LEAVE | TME_NONCLIENT, hwnd_, 0};
            ::TrackMouseEvent(&t);
            break;
        }
        case WM_NCMOUSELEAVE:
            hot_ = core::TScrollPart::None;
            PaintEntry(nullptr);
            break;
        case WM_NCLBUTTONDOWN:
            pressed_ = core::TScrollPart::None;
            PaintEntry(nullptr);
            break;
        case WM_NCPAINT:
        case WM_PAINT:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_SIZE:
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
        case LVM_INSERTITEMA:
        case LVM_DELETEITEM:
        case LVM_DELETEALLITEMS:
        case EM_REPLACESEL:
        case EM_SETSEL:
            // Each may have moved the thumb or shown the bar: the system drew its own.
            PaintEntry(nullptr);
            break;
        default:
            TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinScrollbar::Paint(HDC dc, const RECT&) {
    if (!core::SkinDrawsScrollBars(Data().Data()))
        return;
    for (bool vertical : {true, false}) {
        core::TScrollBarLayout l;
        if (!BarOf(vertical, l))
            continue;
        core::TScrollBarLook look;
        look.enabled = ::IsWindowEnabled(hwnd_) != FALSE;
        if (vertical == hotVertical_) {
            look.hot = hot_;
            look.pressed = pressed_;
        }
        for (const core::SkinBlit& b : core::ScrollBarBlits(Data().Data(), l, look))
            Data().Pictures().Draw(dc, b);
    }
}

}  // namespace skin
