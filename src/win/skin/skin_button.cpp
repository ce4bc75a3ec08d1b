#include "win/skin/skin_button.h"

#include <windowsx.h>

#include "core/skin/skin_draw.h"
#include "win/skin/skin_data_component.h"

namespace skin {

namespace {

ui::TShiftState ShiftOf(WPARAM keys) {
    ui::TShiftState s = ui::ssLeft;
    if (keys & MK_SHIFT)
        s |= ui::ssShift;
    if (keys & MK_CONTROL)
        s |= ui::ssCtrl;
    if (::GetKeyState(VK_MENU) < 0)
        s |= ui::ssAlt;
    return s;
}

}  // namespace

void TSkinButton::ReadFlags() {
    forwardsMouse_ = !control_ || core::ButtonForwardsMouse(control_->ClassName());
    parentPainted_ = core::ButtonParentPainted(control_ ? control_->Tag() : 0, Data().Options());
}

void TSkinButton::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (State() != cssCreated)
        return;
    data_ = &data;
    control_ = dynamic_cast<ui::TControl*>(Owner());
    ReadFlags();
    TSkinControl::AttachControl(formSkin, data, paintsBackground);
}

void TSkinButton::AttachWindow(HWND hwnd, TSkinData& data, TFormSkin& formSkin) {
    if (State() != cssCreated)
        return;
    data_ = &data;
    ReadFlags();
    TSkinControl::AttachWindow(hwnd, data, formSkin);
}

void TSkinButton::Act(const core::TInputResult& r) {
    if (r.repaint)
        Refresh();
    if (r.click)
        Click();
}

void TSkinButton::Click() {
    if (control_) {
        control_->Click();
        return;
    }
    HWND parent = ::GetParent(hwnd_);
    const int id = core::ButtonCommandId(WindowClassOf(hwnd_), ::GetDlgCtrlID(hwnd_));
    if (parent)
        ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(hwnd_));
}

bool TSkinButton::BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_PAINT:
            if (Data().Data().ButtonDef().Picture.Empty())
                break;
            PaintMessage(hwnd_, wParam, [this](HDC dc, const RECT& r) {
                ::GetWindowRect(hwnd_, &windowRect_);
                try {
                    Paint(dc, r);
                } catch (...) {
                    // Painting errors stay inside the paint.
                }
            });
            result = 0;
            return false;
        case WM_ERASEBKGND:
            if (Data().Data().ButtonDef().Picture.Empty())
                break;
            result = 1;
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            if (::GetFocus() != hwnd_)
                ::SetFocus(hwnd_);
            input_.MouseDown();
            Refresh();
            if (forwardsMouse_ && control_) {
                int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
                if (control_->Width() > core::kButtonLargestMessagePoint ||
                    control_->Height() > core::kButtonLargestMessagePoint) {
                    POINT p;
                    ::GetCursorPos(&p);
                    ::ScreenToClient(hwnd_, &p);
                    x = p.x;
                    y = p.y;
                }
                control_->MouseDown(ui::mbLeft, ShiftOf(wParam), x, y);
            }
            result = 0;
            return false;
        }
        default:
            break;
    }
    return TSkinControl::BeforeMessage(msg, wParam, lParam, result);
}

void TSkinButton::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_SETTEXT:
        case WM_SETFONT:
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_UPDATEUISTATE:
        case WM_CANCELMODE:
            // The system button draws some of these at once, by itself: draw over it.
            Refresh();
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE)
                Act(input_.SpaceDown());
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE)
                Act(input_.SpaceUp());
            break;
        case WM_MOUSEMOVE:
            Act(input_.MouseMove(::IsWindowEnabled(hwnd_) != FALSE));
            TrackMouseLeave(hwnd_);
            break;
        case WM_LBUTTONUP:
            Act(input_.MouseUp());
            break;
        case WM_MOUSELEAVE:
            Act(input_.MouseLeave());
            break;
        default:
            TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinButton::PaintBackground(HDC dc, const RECT& r) {
    HWND parent = ::GetParent(hwnd_);
    if (!parentPainted_ || !parent) {
        FillFace(dc, r);
        return;
    }
    POINT at{0, 0};
    ::MapWindowPoints(hwnd_, parent, &at, 1);
    POINT old;
    ::SetViewportOrgEx(dc, -at.x, -at.y, &old);
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, at.x, at.y, at.x + r.right, at.y + r.bottom);
    ::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ::RestoreDC(dc, saved);
    ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void TSkinButton::Paint(HDC target, const RECT& r) {
    const core::TDataSkinButton& def = Data().Data().ButtonDef();
    if (def.Picture.Empty())
        return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    const bool focused = ::GetFocus() == hwnd_;
    const bool enabled = ::IsWindowEnabled(hwnd_) != FALSE;
    const int frame = core::ButtonFrame(focused, input_.pressed, input_.hot, enabled);
    lastFrame_ = frame;

    ui::TBitmap& buffer = Data().CaptionBuffer(w, h);
    HDC dc = buffer.Canvas().Handle();
    const RECT all{0, 0, w, h};
    PaintBackground(dc, all);
    Data().Pictures().Draw(dc, core::ObjectBlit(def, frame, core::Rect{0, 0, w, h}));

    HFONT font = control_ ? control_->Font().Handle()
                          : reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    ui::ScopedSelectObject selected(dc, font ? HGDIOBJ(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    const core::TSkinColor fallback = core::ButtonDefaultTextColour(
        control_ != nullptr, control_ ? control_->Font().Color() : 0, Data().Data());
    ::SetTextColor(dc, core::ResolveColour(core::ButtonTextColour(frame, def, fallback)));
    ::SetBkMode(dc, TRANSPARENT);

    const std::wstring caption = core::ButtonCaption(WindowText());
    const core::Rect limit = core::ButtonTextLimit(w, h);
    RECT measured{0, 0, limit.Width(), limit.Height()};
    const UINT format = DT_WORDBREAK | DT_EXPANDTABS;
    ::DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, format | DT_CALCRECT);
    const core::Rect box =
        core::ButtonTextBox(w, h, measured.right - measured.left, measured.bottom - measured.top);
    RECT text{box.left, box.top, box.right, box.bottom};
    ::DrawTextW(dc, caption.c_str(), int(caption.size()), &text, format | DT_CENTER);
    if (core::ButtonShowsFocusRect(focused, Data().Options())) {
        const core::Rect f = core::ButtonFocusRect(box, w, h);
        const RECT focus{f.left, f.top, f.right, f.bottom};
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::SetBkColor(dc, RGB(255, 255, 255));
        ::DrawFocusRect(dc, &focus);
    }
    ::BitBlt(target, r.left, r.top, w, h, dc, 0, 0, SRCCOPY);
}

}  // namespace skin
