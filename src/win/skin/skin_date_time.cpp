#include "win/skin/skin_date_time.h"

#include <windowsx.h>

#include "win/skin/skin_data_component.h"

namespace skin {

// --- TArrowButton --------------------------------------------------------------------------

TArrowButton::TArrowButton(TSkinDateTime& skin, ui::TWinControl& picker)
    : ui::TCustomControl(&skin),
      skin_(skin),
      picker_(picker),
      size_(::GetSystemMetrics(SM_CXHSCROLL)) {}

void TArrowButton::CreateParams(ui::WindowParams& p) {
    ui::TCustomControl::CreateParams(p);
    p.style &= ~DWORD(WS_TABSTOP);
}

void TArrowButton::PlaceOnPicker() {
    HWND picker = picker_.Handle();
    RECT w;
    ::GetWindowRect(picker, &w);
    const bool left = (::GetWindowLongPtrW(picker, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const core::Rect r = core::ArrowButtonRect(w.right - w.left, size_, left);
    SetBounds(r.left, r.top, r.Width(), r.Height());
    const LONG_PTR style = ::GetWindowLongPtrW(picker, GWL_STYLE);
    if (!(style & WS_CLIPCHILDREN))
        ::SetWindowLongPtrW(picker, GWL_STYLE, style | WS_CLIPCHILDREN);
    SetParent(&picker_);
}

void TArrowButton::Paint() {
    HDC dc = Canvas().Handle();
    RECT c;
    ::GetClientRect(Handle(), &c);
    TSkinData& data = skin_.SkinDataOf();
    ::FillRect(dc, &c, data.FaceBrush());
    const bool enabled = ::IsWindowEnabled(picker_.Handle()) != FALSE;
    lastFrame_ = core::ArrowFrame(input_.hot, enabled);
    data.Pictures().Draw(dc, core::ArrowBlit(data.Data(), c.right, c.bottom, lastFrame_));
}

void TArrowButton::PickerEnabledChanged(bool enabled) {
    if (!enabled)
        input_.MouseLeave();
    Repaint();
}

LRESULT TArrowButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool enabled = picker_.HandleAllocated() && ::IsWindowEnabled(picker_.Handle());
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE: {
            if (input_.MouseEnter(enabled).repaint)
                Repaint();
            TrackMouseLeave(Handle());
            break;
        }
        case WM_MOUSELEAVE:
            if (input_.MouseLeave().repaint)
                Repaint();
            break;
        case WM_LBUTTONDOWN: {
            const LRESULT r = ui::TCustomControl::WndProc(msg, wParam, lParam);
            const core::Point p =
                core::ArrowClickPoint(core::Rect{Left(), Top(), Left() + Width(), Top() + Height()},
                                      GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            const LPARAM at = MAKELPARAM(p.x, p.y);
            ::PostMessageW(picker_.Handle(), WM_LBUTTONDOWN, wParam, at);
            ::PostMessageW(picker_.Handle(), WM_LBUTTONUP, wParam & ~WPARAM(MK_LBUTTON), at);
            Repaint();
            return r;
        }
        case WM_LBUTTONUP: {
            const LRESULT r = ui::TCustomControl::WndProc(msg, wParam, lParam);
            ::SetFocus(picker_.Handle());
            return r;
        }
        default:
            break;
    }
    return ui::TCustomControl::WndProc(msg, wParam, lParam);
}

// --- TSkinDateTime -------------------------------------------------------------------------

void TSkinDateTime::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (State() != cssCreated)
        return;
    TSkinControl::AttachControl(formSkin, data, paintsBackground);
    ui::TWinControl* picker = WinControl();
    if (!picker || !picker->HandleAllocated())
        return;
    arrow_ = new TArrowButton(*this, *picker);
    arrow_->PlaceOnPicker();
}

void TSkinDateTime::Restore() {
    TSkinControl::Restore();
    delete arrow_;
    arrow_ = nullptr;
}

void TSkinDateTime::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_NCPAINT:
            // The system draws its edge here: the outline goes over it again.
            PaintEntry(nullptr);
            break;
        case WM_ENABLE:
            TSkinControl::AfterMessage(msg, wParam, lParam, result);
            if (arrow_)
                arrow_->PickerEnabledChanged(wParam != FALSE);
            break;
        default:
            TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinDateTime::Paint(HDC dc, const RECT& r) {
    RECT c;
    ::GetClientRect(hwnd_, &c);
    DrawFramedRects(dc,
                    core::DatePickerBorder(r.right, r.bottom, c.right, c.bottom, Data().Data()));
}

}  // namespace skin
