#include "win/skin/skin_edit.h"

#include <commctrl.h>
#include <windowsx.h>

#include "core/skin/control_frames.h"
#include "core/skin/skin_options.h"
#include "win/skin/skin_data_component.h"

namespace skin {

namespace {

SIZE ClientSize(HWND hwnd) {
    RECT c;
    ::GetClientRect(hwnd, &c);
    return SIZE{c.right, c.bottom};
}

}  // namespace

void TSkinEdit::Notification(ui::TComponent* component) {
    TSkinControl::Notification(component);
    if (component == upDown_)
        upDown_ = nullptr;
}

void TSkinEdit::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_PAINT:
            PaintEntry(reinterpret_cast<HDC>(wParam));
            break;
        case WM_NCPAINT:
            // The system draws its sunken edge here too: the skin's lines go over it again.
            PaintEntry(nullptr);
            break;
        case WM_PRINT: {
            ::GetWindowRect(hwnd_, &windowRect_);
            const RECT r{0, 0, windowRect_.right - windowRect_.left,
                         windowRect_.bottom - windowRect_.top};
            try {
                if (wParam) {
                    PrintBorder(reinterpret_cast<HDC>(wParam), r);
                } else {
                    ui::ScopedGetDC dc = ui::ScopedGetDC::WholeWindow(hwnd_);
                    PrintBorder(dc.get(), r);
                }
            } catch (...) {
                // Painting errors stay inside the paint.
            }
            break;
        }
        case core::skinmsg::kEditPaint:
            if (UINT_PTR(lParam) == core::skinmsg::kEditPaintLParam) {
                if (wParam)
                    CallPrevious(WM_PAINT, wParam, 0);
                result = core::skinmsg::kEditPaintLParam;
            }
            break;
        default:
            TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinEdit::FindUpDown() {
    // The up-down's window went with the field's old one (a picker made anew): a new one
    // takes its place.
    if (upDown_ && upDown_->State() == cssFinished)
        delete upDown_;  // its free notification clears the field
    if (upDown_ || !Data().SkinControls().Has(core::xcSpin))
        return;
    for (HWND child = ::GetWindow(hwnd_, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!core::IsUpDownClass(WindowClassOf(child)))
            continue;
        auto* skin = new TSkinUpDown(control_ ? control_->Owner() : nullptr);
        skin->SetInField(true);
        skin->AttachWindow(child, Data(), *FormSkin());
        upDown_ = skin;
        FreeNotification(skin);
        return;
    }
}

void TSkinEdit::Paint(HDC dc, const RECT& r) {
    FindUpDown();
    const SIZE client = ClientSize(hwnd_);
    DrawFramedRects(dc, core::EditBorder(r.right, r.bottom, client.cx, client.cy, Data().Data()));
}

void TSkinEdit::PrintBorder(HDC dc, const RECT& r) {
    const SIZE client = ClientSize(hwnd_);
    const core::TPrintBorder b =
        core::EditPrintBorder(r.right, r.bottom, client.cx, client.cy, Data().Data());
    if (!b.draw)
        return;
    const RECT inner{b.brushFrame.left, b.brushFrame.top, b.brushFrame.right, b.brushFrame.bottom};
    ::FrameRect(dc, &inner, static_cast<HBRUSH>(::GetCurrentObject(dc, OBJ_BRUSH)));
    DrawFramedRects(dc, {b.shadowFrame});
}

// --- TSkinUpDown ---------------------------------------------------------------------------

bool TSkinUpDown::Horizontal() const {
    return (::GetWindowLongPtrW(hwnd_, GWL_STYLE) & UDS_HORZ) != 0;
}

bool TSkinUpDown::Draws() const {
    const core::TSkinData& s = Data().Data();
    return s.Find(Horizontal() ? "UpDown.Horz" : "UpDown.Vert") || core::SkinDrawsScrollBars(s);
}

int TSkinUpDown::PartAt(POINT p) const {
    RECT c;
    ::GetClientRect(hwnd_, &c);
    const core::TUpDownLayout l = core::LayoutUpDown(c.right, c.bottom, Horizontal());
    if (l.first.Contains(p.x, p.y))
        return 0;
    if (l.second.Contains(p.x, p.y))
        return 1;
    return -1;
}

bool TSkinUpDown::BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!TSkinControl::BeforeMessage(msg, wParam, lParam, result))
        return false;
    if (!Draws())
        return true;
    return !PaintInstead(msg, wParam, result);
}

void TSkinUpDown::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_MOUSEMOVE: {
            const int part = PartAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (part != hot_) {
                hot_ = part;
                Refresh();
            }
            TrackMouseLeave(hwnd_);
            break;
        }
        case WM_MOUSELEAVE:
            hot_ = -1;
            Refresh();
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
        case WM_TIMER:
            // The system repaints its arrows as they repeat; the skin draws its own.
            Refresh();
            break;
        default:
            TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinUpDown::Paint(HDC dc, const RECT&) {
    if (!Draws())
        return;
    RECT c;
    ::GetClientRect(hwnd_, &c);
    const bool horizontal = Horizontal();
    const core::TUpDownLayout l = core::LayoutUpDown(c.right, c.bottom, horizontal);
    const bool enabled = ::IsWindowEnabled(hwnd_) != FALSE;
    const bool down = ::GetCapture() == hwnd_ && ::GetKeyState(VK_LBUTTON) < 0;
    core::TPartState states[2];
    for (int i = 0; i < 2; ++i)
        states[i] = core::PartState(hot_ == i, down && hot_ == i, enabled);
    ::FillRect(dc, &c, Data().FaceBrush());
    for (const core::SkinBlit& b :
         core::UpDownBlits(Data().Data(), l, horizontal, states[0], states[1]))
        Data().Pictures().Draw(dc, b);
}

}  // namespace skin
