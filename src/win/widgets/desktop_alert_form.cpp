#include "win/widgets/desktop_alert_form.h"

#include <windowsx.h>

#include <algorithm>

#include "core/common/errors.h"
#include "win/widgets/desktop_alert.h"

namespace win {

const char TFormDesktopAlert::kClassName[] = "TFormDesktopAlert";

void AssignIconFont(ui::TFont& font) {
    LOGFONTA lf = {};
    if (!SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0))
        return;
    font.SetName(lf.lfFaceName);
    font.SetHeight(lf.lfHeight);
    font.SetCharset(lf.lfCharSet);
    const int pitch = lf.lfPitchAndFamily & 3;
    font.SetPitch(pitch == FIXED_PITCH      ? ui::fpFixed
                  : pitch == VARIABLE_PITCH ? ui::fpVariable
                                            : ui::fpDefault);
    font.SetStyle(ui::TFontStyles(
        (lf.lfWeight >= FW_BOLD ? ui::fsBold : 0) | (lf.lfItalic ? ui::fsItalic : 0) |
        (lf.lfUnderline ? ui::fsUnderline : 0) | (lf.lfStrikeOut ? ui::fsStrikeOut : 0)));
}

namespace {

constexpr uint32_t kMouseCheckInterval = 200;

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
    ui::WindowParams p;
    p.className = kClassName;
    p.style = WS_POPUP;
    p.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    p.width = core::kDefaultAlertWidth;
    p.height = core::kDefaultAlertHeight;
    p.parent = owner;
    CreateWindowHandle(p);
    mouse_check_.SetOnTimer([this] { MouseCheck(); });
    ui::TFont message, header;
    AssignIconFont(message);
    AssignIconFont(header);
    header.SetStyle(header.Style() | ui::fsBold);
    glyph_font_.SetName("Marlett");
    glyph_font_.SetCharset(SYMBOL_CHARSET);
    glyph_font_.SetSize(7);
    SetFonts(message, header);
    UpdateLayout();
}

TFormDesktopAlert::~TFormDesktopAlert() {
    self_owned_ = false;
    mouse_check_.Stop();
    DestroyWindowHandle();
}

void TFormDesktopAlert::SetHandler(core::TCustomDesktopAlertStyleHandler* handler) {
    handler_ = handler;
    behavior_.SetHandler(handler);
}

void TFormDesktopAlert::SetHeaderText(const std::string& text) {
    if (header_text_ == text)
        return;
    header_text_ = text;
    // Never drawn (the popup has no caption), but what the task list and screen readers name
    // the popup by.
    if (Handle())
        SetWindowTextA(Handle(), text.c_str());
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
    if (Handle())
        UpdateWindow(Handle());
}

void TFormDesktopAlert::SetLinkText(const std::string& text) {
    if (link_text_ == text)
        return;
    link_text_ = text;
    const core::AlertRect old = link_rect_;
    UpdateLayout();
    Invalidate(old);
    Invalidate(link_rect_);
}

void TFormDesktopAlert::SetFonts(const ui::TFont& message, const ui::TFont& header) {
    message_font_.Assign(message);
    message_hover_font_.Assign(message);
    message_hover_font_.SetStyle(message.Style() | ui::fsUnderline);
    header_font_.Assign(header);
    UpdateLayout();
}

void TFormDesktopAlert::SetBounds(const core::AlertRect& r) {
    if (!Handle())
        return;
    SetWindowPos(Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

core::AlertRect TFormDesktopAlert::Bounds() const {
    RECT r = {};
    if (Handle())
        GetWindowRect(Handle(), &r);
    return core::AlertRect{r.left, r.top, r.right, r.bottom};
}

core::AlertRect TFormDesktopAlert::RectOfClient() const {
    RECT r = {};
    if (Handle())
        GetClientRect(Handle(), &r);
    return core::AlertRect{r.left, r.top, r.right, r.bottom};
}

bool TFormDesktopAlert::Visible() const {
    return Handle() && IsWindowVisible(Handle());
}

void TFormDesktopAlert::Show() {
    // The opening animation shows the popup again from inside this handling.
    if (showing_ || !Handle() || Visible())
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
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
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
    if (Handle())
        ShowWindow(Handle(), SW_HIDE);
    close_hot_ = close_pressed_ = message_hot_ = message_pressed_ = false;
    link_hot_ = link_pressed_ = false;
}

void TFormDesktopAlert::CloseCommand() {
    if (behavior_.CanClose)
        Close();
}

void TFormDesktopAlert::ReleaseWith(TDesktopAlert* alert) {
    self_owned_ = true;
    pending_alert_ = alert;
    if (Handle())
        PostMessageA(Handle(), AlertFreeMessage, reinterpret_cast<WPARAM>(this),
                     reinterpret_cast<LPARAM>(alert));
}

void TFormDesktopAlert::DestroyLater() {
    self_owned_ = true;
    pending_alert_ = nullptr;
    if (Handle())
        PostMessageA(Handle(), AlertFreeMessage, reinterpret_cast<WPARAM>(this), 0);
}

void TFormDesktopAlert::SetAlpha(uint8_t alpha) {
    if (!Handle())
        return;
    // Looked up at each call: systems without layered windows simply show no fade.
    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user32 = GetModuleHandleA("User32.dll");
    auto fn = user32 ? reinterpret_cast<SetLayeredFn>(reinterpret_cast<void*>(
                           GetProcAddress(user32, "SetLayeredWindowAttributes")))
                     : nullptr;
    if (!fn)
        return;
    LONG_PTR ex = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    if (!(ex & WS_EX_LAYERED))
        SetWindowLongPtrA(Handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
    fn(Handle(), 0, alpha, LWA_ALPHA);
}

void TFormDesktopAlert::ResetLook() {
    if (!Handle())
        return;
    SetWindowRgn(Handle(), nullptr, TRUE);
    if (GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_LAYERED)
        SetAlpha(255);
}

void TFormDesktopAlert::SetRegionRect(const core::AlertRect& rect) {
    if (!Handle())
        return;
    ui::ScopedRegion rgn(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
    if (!rgn)
        return;
    // The system owns the region once it is set.
    if (SetWindowRgn(Handle(), rgn.get(), TRUE))
        rgn.release();
}

void TFormDesktopAlert::MoveAlertTo(int32_t x, int32_t y) {
    const core::AlertRect b = Bounds();
    if (!Handle() || !behavior_.NeedsMove(b.Left, b.Top, x, y))
        return;
    FlagScope guard(moving_by_stack_);
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormDesktopAlert::UpdateLayout() {
    if (!Handle())
        return;
    const core::AlertRect client = RectOfClient();
    ui::ScopedGetDC dc(Handle());
    // Auto-sized labels measure an empty text as one blank, so they keep a line's height.
    RECT hr = {0, 0, 0, 0};
    {
        ui::ScopedSelectObject font(dc.get(), header_font_.Handle());
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
        ui::ScopedSelectObject font(dc.get(), message_font_.Handle());
        std::string measured = message_text_.empty() ? " " : message_text_;
        DrawTextA(dc.get(), measured.c_str(), int(measured.size()), &mr,
                  DT_CALCRECT | DT_WORDBREAK | DT_LEFT);
    }
    const int32_t bottom =
        std::min<int32_t>(layout_.MessageTop + (mr.bottom - mr.top), client.Bottom - 1);
    message_rect_ = core::AlertRect{layout_.MessageLeft, layout_.MessageTop,
                                    layout_.MessageLeft + layout_.MessageWidth,
                                    std::max(bottom, layout_.MessageTop)};

    link_rect_ = core::AlertRect{};
    if (!link_text_.empty()) {
        RECT lr = {0, 0, 0, 0};
        ui::ScopedSelectObject font(dc.get(), message_hover_font_.Handle());
        DrawTextA(dc.get(), link_text_.c_str(), int(link_text_.size()), &lr,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        // Kept off the frame and the body's last row, right-aligned with the message.
        const int32_t right = layout_.MessageLeft + layout_.MessageWidth;
        const int32_t linkBottom = client.Bottom - 3;
        link_rect_ = core::AlertRect{right - (lr.right - lr.left),
                                     linkBottom - (lr.bottom - lr.top), right, linkBottom};
    }
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
    TRACKMOUSEEVENT tme = {sizeof tme, DWORD(TME_LEAVE | (non_client ? TME_NONCLIENT : 0)),
                           Handle(), 0};
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
           link_rect_.Contains(x, y) ||
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
    const bool link_hot = !link_text_.empty() && link_rect_.Contains(x, y);
    if (link_hot != link_hot_) {
        link_hot_ = link_hot;
        Invalidate(link_rect_);
    }
}

void TFormDesktopAlert::Invalidate(const core::AlertRect& r) {
    if (!Handle())
        return;
    RECT rc = ToRECT(r);
    InvalidateRect(Handle(), &rc, FALSE);
}

LRESULT TFormDesktopAlert::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = Handle();
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            const core::AlertRect c = RectOfClient();
            ui::ScopedMemoryDC mem(CreateCompatibleDC(dc));
            ui::ScopedBitmap bmp(CreateCompatibleBitmap(dc, c.Width(), c.Height()));
            if (mem.get() && bmp) {
                ui::ScopedSelectObject sel(mem.get(), bmp.get());
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
            } else if (!link_text_.empty() && link_rect_.Contains(x, y)) {
                link_pressed_ = true;
                SetCapture(hwnd);
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
            const bool link_click = link_pressed_ && link_rect_.Contains(x, y);
            close_pressed_ = message_pressed_ = link_pressed_ = false;
            if (GetCapture() == hwnd)
                ReleaseCapture();
            Invalidate(layout_.CloseButton);
            if (close_click) {
                if (OnCloseButtonClick)
                    OnCloseButtonClick();
                else
                    CloseCommand();
            } else if (link_click && OnLinkClick) {
                OnLinkClick();
            } else if (message_click && OnMessageClick) {
                OnMessageClick();
            }
            return 0;
        }
        // A right click on the drag area (a caption hit) comes as a non-client click, which
        // some systems would track themselves and then swallow.
        case WM_NCRBUTTONDOWN:
            if (OnContextMenu)
                return 0;
            break;
        case WM_RBUTTONUP:
        case WM_NCRBUTTONUP:
        case WM_CONTEXTMENU:
            if (OnContextMenu) {
                POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                if (msg == WM_RBUTTONUP)
                    ClientToScreen(hwnd, &pt);
                else if (msg == WM_CONTEXTMENU && lp == -1)
                    GetCursorPos(&pt);  // from the keyboard
                OnContextMenu(pt.x, pt.y);
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            if (close_pressed_)
                Invalidate(layout_.CloseButton);
            close_pressed_ = message_pressed_ = link_pressed_ = false;
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && (message_hot_ || link_hot_)) {
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
                DestroyWindow(hwnd);  // deletes this popup once the handle is gone
            }
            return 0;
        default:
            break;
    }
    return DefaultProc(msg, wp, lp);
}

void TFormDesktopAlert::HandleDestroyed() {
    mouse_check_.Stop();
    if (!self_owned_)
        return;
    // Handed over for freeing: nothing else will free the alert or this popup.
    TDesktopAlert* alert = pending_alert_;
    pending_alert_ = nullptr;
    delete alert;
    delete this;
}

}  // namespace win
