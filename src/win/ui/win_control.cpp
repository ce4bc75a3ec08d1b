#include "win/ui/win_control.h"

#include <windowsx.h>

#include <algorithm>

#include "win/ui/popup_menu.h"

namespace ui {
namespace {

TShiftState ShiftFromKeys(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT)
        s |= ssShift;
    if (keys & MK_CONTROL)
        s |= ssCtrl;
    if (keys & MK_LBUTTON)
        s |= ssLeft;
    if (keys & MK_RBUTTON)
        s |= ssRight;
    if (keys & MK_MBUTTON)
        s |= ssMiddle;
    if (::GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner),
      WindowProc([this](UINT m, WPARAM w, LPARAM l) { return WndProc(m, w, l); }) {}

TWinControl::~TWinControl() {
    DestroyComponents();
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        if (auto* win = dynamic_cast<TWinControl*>(child))
            win->DestroyWindowHandle();
    }
    DestroyWindowHandle();
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
    return dynamic_cast<TWinControl*>(Window::FromHandle(hwnd));
}

void TWinControl::CreateParams(WindowParams& p) {
    p.className = ClassName();
    p.caption = text_;
    p.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible())
        p.style |= WS_VISIBLE;
    if (tabStop_)
        p.style |= WS_TABSTOP;
    if (!Enabled())
        p.style |= WS_DISABLED;
    p.x = Left();
    p.y = Top();
    p.width = Width();
    p.height = Height();
    p.parent = Parent() ? Parent()->Handle() : nullptr;
}

void TWinControl::CreateHandle() {
    WindowParams p;
    CreateParams(p);
    CreateWindowHandle(p);
    // Later siblings lie above earlier ones, as they were added.
    if (p.style & WS_CHILD)
        ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (p.systemClass)
        ::SendMessageA(Handle(), WM_SETFONT, WPARAM(Font().Handle()), 0);
    for (TControl* c : controls_)
        if (auto* win = dynamic_cast<TWinControl*>(c))
            win->HandleNeeded();
}

HWND TWinControl::HandleNeeded() {
    if (!HandleAllocated()) {
        if (Parent() && !Parent()->HandleAllocated())
            Parent()->HandleNeeded();
        CreateHandle();
    }
    return Handle();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    TControl::SetParent(parent);
    if (!parent) {
        DestroyWindowHandle();
    } else if (HandleAllocated()) {
        ::SetParent(Handle(), parent->Handle());
    } else if (parent->HandleAllocated()) {
        HandleNeeded();
    }
}

void TWinControl::RecreateWnd() {
    if (!HandleAllocated())
        return;
    bool shown = ::IsWindowVisible(Handle()) != FALSE;
    recreating_ = true;
    try {
        DestroyWindowHandle();
        CreateHandle();
    } catch (...) {
        recreating_ = false;
        throw;
    }
    recreating_ = false;
    if (shown)
        ::ShowWindow(Handle(), SW_SHOWNA);
    NotifyRecreated();
}

bool TWinControl::WindowBeingRemade() const {
    for (const TWinControl* c = this; c; c = c->Parent())
        if (c->recreating_)
            return true;
    return false;
}

void TWinControl::NotifyRecreated() {
    if (!HandleAllocated())
        return;
    Perform(CM_RECREATED, 0, 0);
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        if (auto* win = dynamic_cast<TWinControl*>(c))
            win->NotifyRecreated();
}

void TWinControl::InsertControl(TControl* child) {
    controls_.push_back(child);
    if (auto* win = dynamic_cast<TWinControl*>(child))
        tabList_.push_back(win);
    child->parent_ = this;
}

void TWinControl::RemoveControl(TControl* child) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), child), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), child), tabList_.end());
    child->parent_ = nullptr;
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    int current = TabOrder();
    if (current < 0)
        return;
    order = std::max(0, std::min(order, static_cast<int>(list.size()) - 1));
    if (order == current)
        return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool v) {
    if (v == tabStop_)
        return;
    tabStop_ = v;
    if (HandleAllocated()) {
        LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
        style = v ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP));
        ::SetWindowLongPtrA(Handle(), GWL_STYLE, style);
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

std::string TWinControl::Text() const {
    if (!HandleAllocated())
        return text_;
    int n = ::GetWindowTextLengthA(Handle());
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = ::GetWindowTextA(Handle(), &s[0], n + 1);
    s.resize(static_cast<size_t>(std::max(n, 0)));
    return s;
}

void TWinControl::SetText(const std::string& text) {
    if (text == Text())
        return;
    text_ = text;
    if (HandleAllocated())
        ::SetWindowTextA(Handle(), text.c_str());
}

void TWinControl::SetFocus() {
    if (HandleNeeded())
        ::SetFocus(Handle());
}

bool TWinControl::Focused() const {
    return HandleAllocated() && ::GetFocus() == Handle();
}

void TWinControl::Invalidate() {
    if (HandleAllocated())
        ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TWinControl::Update() {
    if (HandleAllocated())
        ::UpdateWindow(Handle());
}

void TWinControl::SetEnabled(bool v) {
    if (v == Enabled())
        return;
    TControl::SetEnabled(v);
    if (HandleAllocated())
        ::EnableWindow(Handle(), v);
}

void TWinControl::BoundsChanged() {
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::VisibleChanged() {
    if (HandleAllocated())
        ::ShowWindow(Handle(), Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::FontChanged() {
    if (HandleAllocated() && IsSystemClass()) {
        ::SendMessageA(Handle(), WM_SETFONT, WPARAM(Font().Handle()), TRUE);
    }
    Invalidate();
    for (TControl* c : controls_)
        c->ParentFontChanged();
}

bool TWinControl::EraseBackground(HDC dc) {
    RECT r;
    ::GetClientRect(Handle(), &r);
    ScopedBrush brush(::CreateSolidBrush(ColorToRGB(Color())));
    ::FillRect(dc, &r, brush.get());
    return true;
}

LRESULT TWinControl::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return WindowProc(msg, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            TMouseButton b = msg == WM_LBUTTONDOWN   ? mbLeft
                             : msg == WM_RBUTTONDOWN ? mbRight
                                                     : mbMiddle;
            if (b == mbLeft)
                leftPressed_ = true;
            LRESULT r = DefaultProc(msg, wParam, lParam);
            MouseDown(b, ShiftFromKeys(wParam), x, y);
            return r;
        }
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: {
            TMouseButton b = msg == WM_LBUTTONDBLCLK   ? mbLeft
                             : msg == WM_RBUTTONDBLCLK ? mbRight
                                                       : mbMiddle;
            LRESULT r = DefaultProc(msg, wParam, lParam);
            if (b == mbLeft)
                DblClick();
            MouseDown(b, ShiftFromKeys(wParam) | ssDouble, x, y);
            return r;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            TMouseButton b = msg == WM_LBUTTONUP   ? mbLeft
                             : msg == WM_RBUTTONUP ? mbRight
                                                   : mbMiddle;
            LRESULT r = DefaultProc(msg, wParam, lParam);
            MouseUp(b, ShiftFromKeys(wParam), x, y);
            if (b == mbLeft && leftPressed_) {
                leftPressed_ = false;
                RECT rc;
                ::GetClientRect(Handle(), &rc);
                POINT pt{x, y};
                if (::PtInRect(&rc, pt))
                    Click();
            }
            return r;
        }
        case WM_CAPTURECHANGED:
            leftPressed_ = false;
            break;
        case WM_CONTEXTMENU:
            if (PopupMenu()) {
                POINT pt{x, y};
                if (lParam == -1) {  // from the keyboard: at the control's corner
                    pt = POINT{0, 0};
                    ::ClientToScreen(Handle(), &pt);
                }
                PopupMenu()->SetPopupComponent(this);
                PopupMenu()->Popup(pt.x, pt.y);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            if (EraseBackground(reinterpret_cast<HDC>(wParam)))
                return 1;
            break;
        case WM_COMMAND:
        case WM_NOTIFY: {
            HWND child = msg == WM_COMMAND ? reinterpret_cast<HWND>(lParam)
                                           : reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
            if (child != Handle()) {
                if (TWinControl* c = FindControl(child))
                    return c->Perform(CN_BASE + msg, wParam, lParam);
            }
            break;
        }
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_MENUCHAR: {
            LRESULT result = 0;
            if ((msg == WM_MENUCHAR || wParam == 0) &&
                DispatchMenuMessage(msg, wParam, lParam, result))
                return result;
            break;
        }
        default:
            if (msg >= CN_BASE && msg < CN_BASE + 0x400)
                return 0;
            break;
    }
    return DefaultProc(msg, wParam, lParam);
}

// --- TCustomControl ----------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() {
    canvas_.SetHandle(nullptr);
}

TCustomControl::CanvasDC::CanvasDC(TCustomControl& control) : control_(control) {
    if (!control.Canvas().HandleAllocated() && control.HandleAllocated()) {
        dc_ = ScopedGetDC(control.Handle());
        control_.canvas_.SetHandle(dc_.get());
    }
}

TCustomControl::CanvasDC::~CanvasDC() {
    if (dc_)
        control_.canvas_.SetHandle(nullptr);
}

LRESULT TCustomControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : ::BeginPaint(Handle(), &ps);
        HDC saved = canvas_.HandleAllocated() ? canvas_.Handle() : nullptr;
        canvas_.SetHandle(dc);
        try {
            Paint();
        } catch (...) {
            canvas_.SetHandle(saved);
            if (!wParam)
                ::EndPaint(Handle(), &ps);
            throw;
        }
        canvas_.SetHandle(saved);
        if (!wParam)
            ::EndPaint(Handle(), &ps);
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

}  // namespace ui
