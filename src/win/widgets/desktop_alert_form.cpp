#include "win/widgets/desktop_alert_form.h"

#include <windowsx.h>

#include <algorithm>

#include "core/common/errors.h"
#include "win/widgets/callback_guard.h"
#include "win/widgets/desktop_alert.h"

namespace win {

const char TFormDesktopAlert::kClassName[] = "TFormDesktopAlert";

namespace {

constexpr uint32_t kMouseCheckInterval = 200;

void RegisterFormClass(WNDPROC proc) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), TFormDesktopAlert::kClassName, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = TFormDesktopAlert::kClassName;
    RegisterClassA(&wc);
}

RECT ToRECT(const core::AlertRect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

// Clears a flag when the scope ends, however it ends.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
};

}  // namespace

TFormDesktopAlert::TFormDesktopAlert(HWND owner) {
    RegisterFormClass(&TFormDesktopAlert::Proc);
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0,
                            core::kDefaultAlertWidth, core::kDefaultAlertHeight, owner, nullptr,
                            GetModuleHandleA(nullptr), this);
    if (!hwnd_)
        throw core::AppError("Error creating window");
    mouse_check_.SetOnTimer([this] { MouseCheck(); });
    AlertFont header = AlertFont::IconFont();
    header.SetStyle(header.Style() | fsBold);
    SetFonts(AlertFont::IconFont(), header);
    UpdateLayout();
}

TFormDesktopAlert::~TFormDesktopAlert() {
    self_owned_ = false;
    mouse_check_.Stop();
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
}

void TFormDesktopAlert::SetHandler(core::TCustomDesktopAlertStyleHandler* handler) {
    handler_ = handler;
    behavior_.SetHandler(handler);
}

void TFormDesktopAlert::SetHeaderText(const std::string& text) {
    if (header_text_ == text)
        return;
    header_text_ = text;
    UpdateLayout();
    Invalidate(RectOfClient());
}

void TFormDesktopAlert::SetMessageText(const std::string& text) {
    if (message_text_ == text)
        return;
    message_text_ = text;
    const core::AlertRect old = message_rect_;
    UpdateLayout();
    Invalidate(old);
    Invalidate(message_rect_);
    if (hwnd_)
        UpdateWindow(hwnd_);
}

void TFormDesktopAlert::SetFonts(const AlertFont& message, const AlertFont& header) {
    message_font_ = message;
    header_font_ = header;
    message_hfont_ = message.Create();
    message_hover_hfont_ = message.Create(fsUnderline);
    header_hfont_ = header.Create();
    AlertFont glyph;
    glyph.SetName("Marlett");
    glyph.SetCharset(SYMBOL_CHARSET);
    glyph.SetSize(7);
    glyph_hfont_ = glyph.Create();
    UpdateLayout();
}

void TFormDesktopAlert::SetBounds(const core::AlertRect& r) {
    if (!hwnd_)
        return;
    SetWindowPos(hwnd_, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

core::AlertRect TFormDesktopAlert::Bounds() const {
    RECT r = {};
    if (hwnd_)
        GetWindowRect(hwnd_, &r);
    return core::AlertRect{r.left, r.top, r.right, r.bottom};
}

core::AlertRect TFormDesktopAlert::RectOfClient() const {
    RECT r = {};
    if (hwnd_)
        GetClientRect(hwnd_, &r);
    return core::AlertRect{r.left, r.top, r.right, r.bottom};
}

bool TFormDesktopAlert::Visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

void TFormDesktopAlert::Show() {
    // The opening animation shows the popup again from inside this handling.
    if (showing_ || !hwnd_ || Visible())
        return;
    FlagScope guard(showing_);
    if (OnShow)
        OnShow();
    if (handler_)
        handler_->StopAnimation();
    UpdateLayout();
    if (handler_)
        handler_->BeginOpening();
    mouse_check_.Start(kMouseCheckInterval);
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TFormDesktopAlert::Close() {
    if (closing_ || !Visible())
        return;
    FlagScope guard(closing_);
    mouse_check_.Stop();
    // The relay may detach itself (deferred free), so it runs from a copy.
    std::function<void()> relay = OnClose;
    if (relay)
        relay();
    if (hwnd_)
        ShowWindow(hwnd_, SW_HIDE);
    close_hot_ = close_pressed_ = message_hot_ = message_pressed_ = false;
}

void TFormDesktopAlert::CloseCommand() {
    if (behavior_.CanClose)
        Close();
}

void TFormDesktopAlert::ReleaseWith(TDesktopAlert* alert) {
    self_owned_ = true;
    pending_alert_ = alert;
    if (hwnd_)
        PostMessageA(hwnd_, AlertFreeMessage, reinterpret_cast<WPARAM>(this),
                     reinterpret_cast<LPARAM>(alert));
}

void TFormDesktopAlert::DestroyLater() {
    self_owned_ = true;
    pending_alert_ = nullptr;
    if (hwnd_)
        PostMessageA(hwnd_, AlertFreeMessage, reinterpret_cast<WPARAM>(this), 0);
}

void TFormDesktopAlert::SetAlpha(uint8_t alpha) {
    if (!hwnd_)
        return;
    // Looked up at each call: systems without layered windows simply show no fade.
    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user32 = GetModuleHandleA("User32.dll");
    auto fn = user32 ? reinterpret_cast<SetLayeredFn>(reinterpret_cast<void*>(
                           GetProcAddress(user32, "SetLayeredWindowAttributes")))
                     : nullptr;
    if (!fn)
        return;
    LONG_PTR ex = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
    if (!(ex & WS_EX_LAYERED))
        SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    fn(hwnd_, 0, alpha, LWA_ALPHA);
}

void TFormDesktopAlert::ResetLook() {
    if (!hwnd_)
        return;
    SetWindowRgn(hwnd_, nullptr, TRUE);
    if (GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & WS_EX_LAYERED)
        SetAlpha(255);
}

void TFormDesktopAlert::SetRegionRect(const core::AlertRect& rect) {
    if (!hwnd_)
        return;
    ScopedGdiObj<HRGN> rgn(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
    if (!rgn)
        return;
    // The system owns the region once it is set.
    if (SetWindowRgn(hwnd_, rgn.get(), TRUE))
        rgn.release();
}

void TFormDesktopAlert::MoveAlertTo(int32_t x, int32_t y) {
    const core::AlertRect b = Bounds();
    if (!hwnd_ || !behavior_.NeedsMove(b.Left, b.Top, x, y))
        return;
    FlagScope guard(moving_by_stack_);
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormDesktopAlert::UpdateLayout() {
    if (!hwnd_)
        return;
    const core::AlertRect client = RectOfClient();
    ScopedGetDC dc(hwnd_);
    // Auto-sized labels measure an empty text as one blank, so they keep a line's height.
    RECT hr = {0, 0, 0, 0};
    {
        ScopedSelectObject font(dc.get(), header_hfont_.get());
        std::string measured = header_text_.empty() ? " " : header_text_;
        DrawTextA(dc.get(), measured.c_str(), int(measured.size()), &hr,
                  DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    }
    core::AlertLayoutInput in;
    in.ClientWidth = client.Width();
    in.HeaderHeight = hr.bottom - hr.top;
    in.CanClose = behavior_.CanClose;
    in.DisplayDuration = handler_ ? handler_->DisplayDuration() : 0;
    layout_ = core::LayoutDesktopAlert(in);
    header_rect_ = core::RectOfSize(layout_.HeaderLeft, layout_.HeaderTop, hr.right - hr.left,
                                    hr.bottom - hr.top);

    RECT mr = {0, 0, layout_.MessageWidth, 0};
    {
        ScopedSelectObject font(dc.get(), message_hfont_.get());
        std::string measured = message_text_.empty() ? " " : message_text_;
        DrawTextA(dc.get(), measured.c_str(), int(measured.size()), &mr,
                  DT_CALCRECT | DT_WORDBREAK | DT_LEFT);
    }
    const int32_t bottom =
        std::min<int32_t>(layout_.MessageTop + (mr.bottom - mr.top), client.Bottom - 1);
    message_rect_ = core::AlertRect{layout_.MessageLeft, layout_.MessageTop,
                                    layout_.MessageLeft + layout_.MessageWidth,
                                    std::max(bottom, layout_.MessageTop)};
}

bool TFormDesktopAlert::CursorInBounds() const {
    POINT pt;
    if (!GetCursorPos(&pt))
        return false;
    return Bounds().Contains(pt.x, pt.y);
}

void TFormDesktopAlert::MouseCheck() {
    mouse_check_.Stop();
    const bool inside = CursorInBounds();
    mouse_check_.Start(kMouseCheckInterval);
    behavior_.MouseCheck(inside);
}

void TFormDesktopAlert::TrackPointer(bool non_client) {
    if (tracking_ && tracking_non_client_ == non_client)
        return;
    TRACKMOUSEEVENT tme = {sizeof tme, DWORD(TME_LEAVE | (non_client ? TME_NONCLIENT : 0)), hwnd_,
                           0};
    TrackMouseEvent(&tme);
    tracking_ = true;
    tracking_non_client_ = non_client;
    const bool was_inside = behavior_.MouseInside;
    behavior_.MouseEnter();
    if (!was_inside && OnMouseEnter)
        OnMouseEnter();
}

void TFormDesktopAlert::PointerLeft() {
    tracking_ = false;
    PointerAt(-1, -1);
    behavior_.MouseLeave(CursorInBounds(), OnMouseLeave);
}

bool TFormDesktopAlert::OverChild(int x, int y) const {
    return header_rect_.Contains(x, y) || message_rect_.Contains(x, y) ||
           (layout_.CloseButtonVisible && layout_.CloseButton.Contains(x, y));
}

void TFormDesktopAlert::PointerAt(int x, int y) {
    const bool close_hot = layout_.CloseButtonVisible && layout_.CloseButton.Contains(x, y);
    const bool message_hot = behavior_.CanClickMessage && message_rect_.Contains(x, y);
    if (close_hot != close_hot_) {
        close_hot_ = close_hot;
        Invalidate(layout_.CloseButton);
    }
    if (message_hot != message_hot_) {
        message_hot_ = message_hot;
        Invalidate(message_rect_);
    }
}

void TFormDesktopAlert::Invalidate(const core::AlertRect& r) {
    if (!hwnd_)
        return;
    RECT rc = ToRECT(r);
    InvalidateRect(hwnd_, &rc, FALSE);
}

LRESULT CALLBACK TFormDesktopAlert::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        reinterpret_cast<TFormDesktopAlert*>(cs->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<TFormDesktopAlert*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    // Nothing may touch `self` after this call: the deferred free deletes it.
    return GuardCallback(0, [&] { return self->OnMessage(msg, wp, lp); });
}

LRESULT TFormDesktopAlert::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = hwnd_;
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            const core::AlertRect c = RectOfClient();
            ScopedMemoryDC mem(dc);
            ScopedGdiObj<HBITMAP> bmp(CreateCompatibleBitmap(dc, c.Width(), c.Height()));
            if (mem.get() && bmp) {
                ScopedSelectObject sel(mem.get(), bmp.get());
                PaintTo(mem.get());
                BitBlt(dc, 0, 0, c.Width(), c.Height(), mem.get(), 0, 0, SRCCOPY);
            } else {
                PaintTo(dc);
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST: {
            POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ScreenToClient(hwnd, &pt);
            if (behavior_.HitTestCaption(pt.y, OverChild(pt.x, pt.y)))
                return HTCAPTION;
            return HTCLIENT;
        }
        case WM_MOUSEACTIVATE:
            return behavior_.AutoFocus ? MA_ACTIVATE : MA_NOACTIVATE;
        case WM_ACTIVATE:
            if (!behavior_.AcceptActivation(LOWORD(wp) != WA_INACTIVE))
                return 0;
            break;
        case WM_MOUSEMOVE:
            TrackPointer(false);
            PointerAt(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return 0;
        case WM_NCMOUSEMOVE:
            TrackPointer(true);
            PointerAt(-1, -1);
            break;
        case WM_MOUSELEAVE:
        case WM_NCMOUSELEAVE:
            PointerLeft();
            return 0;
        case WM_LBUTTONDOWN: {
            const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
            if (layout_.CloseButtonVisible && layout_.CloseButton.Contains(x, y)) {
                close_pressed_ = true;
                SetCapture(hwnd);
                Invalidate(layout_.CloseButton);
            } else if (behavior_.CanClickMessage && message_rect_.Contains(x, y)) {
                message_pressed_ = true;
                SetCapture(hwnd);
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
            const bool close_click = close_pressed_ && layout_.CloseButton.Contains(x, y);
            const bool message_click = message_pressed_ && message_rect_.Contains(x, y);
            close_pressed_ = message_pressed_ = false;
            if (GetCapture() == hwnd)
                ReleaseCapture();
            Invalidate(layout_.CloseButton);
            if (close_click) {
                if (OnCloseButtonClick)
                    OnCloseButtonClick();
                else
                    CloseCommand();
            } else if (message_click && OnMessageClick) {
                OnMessageClick();
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (close_pressed_)
                Invalidate(layout_.CloseButton);
            close_pressed_ = message_pressed_ = false;
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && message_hot_) {
                SetCursor(LoadCursor(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_MOVE:
            if (!moving_by_stack_ && OnUserMove)
                OnUserMove();
            return 0;
        case WM_SIZE:
            UpdateLayout();
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_CLOSE:
            CloseCommand();
            return 0;
        case AlertFreeMessage:
            if (wp == reinterpret_cast<WPARAM>(this) && self_owned_) {
                TDesktopAlert* alert = pending_alert_;
                pending_alert_ = nullptr;
                if (alert && lp == reinterpret_cast<LPARAM>(alert))
                    delete alert;
                DestroyWindow(hwnd);  // deletes this popup in WM_NCDESTROY
            }
            return 0;
        case WM_NCDESTROY: {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            mouse_check_.Stop();
            if (self_owned_) {
                TDesktopAlert* alert = pending_alert_;
                pending_alert_ = nullptr;
                delete alert;
                delete this;
            }
            return DefWindowProcA(hwnd, msg, wp, lp);
        }
        default:
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace win
