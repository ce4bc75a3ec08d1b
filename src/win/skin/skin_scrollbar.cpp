#include "win/skin/skin_scrollbar.h"

#include <commctrl.h>
#include <windowsx.h>

#include "core/skin/skin_options.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_header.h"

namespace skin {

TSkinScrollbar::Shown TSkinScrollbar::ShownOf(bool vertical) const {
    Shown s;
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    if (!::GetScrollBarInfo(hwnd_, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi) ||
        (sbi.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)))
        return s;
    RECT w;
    ::GetWindowRect(hwnd_, &w);
    s.bar = core::Rect{sbi.rcScrollBar.left - w.left, sbi.rcScrollBar.top - w.top,
                       sbi.rcScrollBar.right - w.left, sbi.rcScrollBar.bottom - w.top};
    s.visible = !s.bar.Empty();
    s.enabled = ::IsWindowEnabled(hwnd_) && !(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    ::GetScrollInfo(hwnd_, vertical ? SB_VERT : SB_HORZ, &si);
    s.info.min = si.nMin;
    s.info.max = si.nMax;
    s.info.page = si.nPage;
    s.info.pos = pressed_ == core::TScrollPart::Thumb ? si.nTrackPos : si.nPos;
    return s;
}

bool TSkinScrollbar::BarOf(bool vertical, core::TScrollBarLayout& layout) const {
    const Shown s = ShownOf(vertical);
    if (!s.visible)
        return false;
    core::TScrollBarMetrics m;
    m.arrowSize = ::GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    m.thumbSize = ::GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    layout = core::LayoutScrollBar(s.bar, vertical, m, s.info, s.enabled);
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
    if (msg == core::skinmsg::kRepaintFrame) {
        repaintPosted_ = false;
        PaintEntry(nullptr);
        result = 0;
        return false;
    }
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
        case WM_VSCROLL:
        case WM_HSCROLL:
            PaintEntry(nullptr);
            // While the thumb is dragged the system may draw its own moving thumb once this
            // message has returned: the skin's comes back with the next pass of its loop.
            if (LOWORD(wParam) == SB_THUMBTRACK && !repaintPosted_)
                repaintPosted_ = ::PostMessageW(hwnd_, core::skinmsg::kRepaintFrame, 0, 0) != FALSE;
            break;
        case WM_NCPAINT:
        case WM_PAINT:
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
            // Lists scroll on messages of their own (a new selection, the top row, a timer
            // while the mouse drags below them): the bar is drawn anew once it moved.
            if (hwnd_ && (!(ShownOf(true) == shown_[0]) || !(ShownOf(false) == shown_[1])))
                PaintEntry(nullptr);
            break;
    }
}

void TSkinScrollbar::Paint(HDC dc, const RECT&) {
    shown_[0] = ShownOf(true);
    shown_[1] = ShownOf(false);
    if (!core::SkinDrawsScrollBars(Data().Data()))
        return;
    core::Rect bars[2];
    for (bool vertical : {true, false}) {
        core::TScrollBarLayout l;
        if (!BarOf(vertical, l))
            continue;
        bars[vertical ? 0 : 1] = l.bar;
        core::TScrollBarLook look;
        look.enabled = ::IsWindowEnabled(hwnd_) != FALSE;
        if (vertical == hotVertical_) {
            look.hot = hot_;
            look.pressed = pressed_;
        }
        for (const core::SkinBlit& b : core::ScrollBarBlits(Data().Data(), l, look))
            Data().Pictures().Draw(dc, b);
    }
    Data().Pictures().Draw(
        dc, core::ScrollCornerBlit(Data().Data(), core::ScrollCornerRect(bars[0], bars[1])));
}

void TSkinListView::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (State() != cssCreated)
        return;
    TSkinScrollbar::AttachControl(formSkin, data, paintsBackground);
    HWND header = hwnd_ ? ListView_GetHeader(hwnd_) : nullptr;
    if (!header || Header() || formSkin.FindControlSkin(header))
        return;
    // Owned by this skin: it goes when the list view's skin does.
    auto* skin = new TSkinHeader(this);
    skin->AttachWindow(header, data, formSkin);
}

TSkinHeader* TSkinListView::Header() const {
    for (ui::TComponent* c : Components())
        if (auto* h = dynamic_cast<TSkinHeader*>(c))
            return h;
    return nullptr;
}

void TSkinListView::Restore() {
    TSkinScrollbar::Restore();
    delete Header();
}

}  // namespace skin
