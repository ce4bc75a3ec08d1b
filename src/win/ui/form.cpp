#include "win/ui/form.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "core/common/errors.h"
#include "win/ui/application.h"
#include "win/ui/popup_menu.h"
#include "win/ui/screen.h"

namespace ui {
namespace {

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> list;
};

BOOL CALLBACK DisableOne(HWND hwnd, LPARAM lParam) {
    auto* d = reinterpret_cast<DisabledWindows*>(lParam);
    if (hwnd != d->keep && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
        d->list.push_back(hwnd);
        ::EnableWindow(hwnd, FALSE);
    }
    return TRUE;
}

}  // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    Screen().AddForm(this);
    BeginLoading();  // its components are being made: Loaded follows in DoCreate
    UpdateVisible(false);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    Screen().RemoveForm(this);
    DoDestroy();
    // Its items go with the components: the window need not follow them one by one.
    if (menu_) {
        menu_->SetWindow(nullptr);
        RemoveFreeNotification(menu_);
        menu_ = nullptr;
    }
    if (Application && Application->MainForm() == this)
        Application->ClearMainForm();
    DestroyComponents();
    DestroyWindowHandle();
}

void TForm::DoDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    if (OnDestroy)
        Guarded([this] { OnDestroy(this); });
}

void TForm::DoCreate() {
    if (created_)
        return;
    created_ = true;
    HandleNeeded();  // now that the most derived class (and its window class name) is complete
    FinishLoading();
    if (!OnCreate)
        return;
    try {
        OnCreate(this);
    } catch (const ProgramHalt&) {
        throw;
    } catch (...) {
        ReportCurrentException();
    }
}

DWORD TForm::StyleBits() const {
    switch (borderStyle_) {
        case bsNone:
            return WS_POPUP;
        case bsSingle:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER;
        case bsDialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        case bsSizeable:
        default:
            return WS_OVERLAPPEDWINDOW;
    }
}

DWORD TForm::ExStyleBits() const {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (borderStyle_ == bsDialog)
        ex |= WS_EX_DLGMODALFRAME;
    if (alphaBlend_)
        ex |= WS_EX_LAYERED;
    if (formStyle_ == fsStayOnTop)
        ex |= WS_EX_TOPMOST;
    return ex;
}

void TForm::CreateParams(WindowParams& p) {
    p.className = ClassName();
    p.caption = Text();
    p.style = StyleBits() | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.exStyle = ExStyleBits();
    p.x = Left();
    p.y = Top();
    p.width = Width();
    p.height = Height();
    p.parent = Application ? Application->Handle() : nullptr;  // owner, not parent
}

void TForm::CreateHandle() {
    TWinControl::CreateHandle();
    ApplyLayered();
    if (menu_) {
        menu_->SetWindow(Handle());
        ::SetMenu(Handle(), menu_->Handle());
    }
}

void TForm::HandleDestroyed() {
    if (menu_)
        menu_->SetWindow(nullptr);
    if (!Recreating())
        UpdateVisible(false);
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_)
        return;
    if (menu_) {
        menu_->SetWindow(nullptr);
        RemoveFreeNotification(menu_);
    }
    menu_ = menu;
    if (menu)
        FreeNotification(menu);
    if (!HandleAllocated())
        return;
    if (menu)
        menu->SetWindow(Handle());
    ::SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
}

void TForm::Notification(TComponent* component) {
    TWinControl::Notification(component);
    if (component == menu_) {
        menu_ = nullptr;
        if (HandleAllocated())
            ::SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
    }
}

void TForm::ApplyLayered() {
    if (!HandleAllocated())
        return;
    LONG_PTR ex = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    LONG_PTR want = alphaBlend_ ? (ex | WS_EX_LAYERED) : (ex & ~LONG_PTR(WS_EX_LAYERED));
    if (want != ex)
        ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, want);
    if (alphaBlend_)
        ::SetLayeredWindowAttributes(Handle(), 0, alphaBlendValue_, LWA_ALPHA);
}

void TForm::SetBorderStyle(TFormBorderStyle v) {
    if (v == borderStyle_)
        return;
    int cw = ClientWidth(), ch = ClientHeight();
    borderStyle_ = v;
    if (HandleAllocated()) {
        LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
        const LONG_PTR frameBits = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                   WS_MAXIMIZEBOX | WS_THICKFRAME | WS_BORDER | DS_MODALFRAME;
        style = (style & ~frameBits) | StyleBits();
        ::SetWindowLongPtrA(Handle(), GWL_STYLE, style);
        LONG_PTR ex = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
        ex = (ex & ~LONG_PTR(WS_EX_DLGMODALFRAME)) | (ExStyleBits() & WS_EX_DLGMODALFRAME);
        ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, ex);
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    SetClientSize(cw, ch);
}

void TForm::SetAlphaBlend(bool v) {
    if (v == alphaBlend_)
        return;
    alphaBlend_ = v;
    ApplyLayered();
}

void TForm::SetAlphaBlendValue(uint8_t v) {
    if (v == alphaBlendValue_)
        return;
    alphaBlendValue_ = v;
    ApplyLayered();
}

void TForm::SetAutoSize(bool v) {
    if (v == autoSize_)
        return;
    autoSize_ = v;
    if (v)
        ApplyAutoSize();
}

void TForm::SetFormStyle(TFormStyle v) {
    if (v == formStyle_)
        return;
    formStyle_ = v;
    if (!HandleAllocated())
        return;  // the window is made with it
    if (v == fsStayOnTop) {
        ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    // Not every system takes the topmost state back in place, so the window is made anew (it
    // loses its region, which the owner puts back).
    RecreateWnd();
}

int TForm::ClientWidth() const {
    if (HandleAllocated()) {
        RECT r;
        ::GetClientRect(Handle(), &r);
        return r.right;
    }
    RECT r{0, 0, 0, 0};
    ::AdjustWindowRectEx(&r, StyleBits(), FALSE, ExStyleBits());
    return Width() - (r.right - r.left);
}

int TForm::ClientHeight() const {
    if (HandleAllocated()) {
        RECT r;
        ::GetClientRect(Handle(), &r);
        return r.bottom;
    }
    RECT r{0, 0, 0, 0};
    ::AdjustWindowRectEx(&r, StyleBits(), FALSE, ExStyleBits());
    return Height() - (r.bottom - r.top);
}

void TForm::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    DWORD style = HandleAllocated() ? DWORD(::GetWindowLongPtrA(Handle(), GWL_STYLE)) : StyleBits();
    DWORD ex =
        HandleAllocated() ? DWORD(::GetWindowLongPtrA(Handle(), GWL_EXSTYLE)) : ExStyleBits();
    ::AdjustWindowRectEx(&r, style, FALSE, ex);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::BoundsChanged() {
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::ControlChanged(TControl*) {
    if (autoSize_ && !inAutoSize_)
        ApplyAutoSize();
}

void TForm::ApplyAutoSize() {
    int minL = INT_MAX, minT = INT_MAX, maxR = INT_MIN, maxB = INT_MIN;
    for (TControl* c : Controls()) {
        if (!c->Visible())
            continue;
        minL = std::min(minL, c->Left());
        minT = std::min(minT, c->Top());
        maxR = std::max(maxR, c->Left() + c->Width());
        maxB = std::max(maxB, c->Top() + c->Height());
    }
    if (minL == INT_MAX)
        return;  // nothing visible: keep the size
    inAutoSize_ = true;
    try {
        if (minL != 0 || minT != 0) {
            std::vector<TControl*> controls = Controls();
            for (TControl* c : controls)
                if (c->Visible())
                    c->SetBounds(c->Left() - minL, c->Top() - minT, c->Width(), c->Height());
        }
        SetClientSize(maxR - minL, maxB - minT);
    } catch (...) {
        inAutoSize_ = false;
        throw;
    }
    inAutoSize_ = false;
}

void TForm::VisibleChanged() {
    HandleNeeded();
    if (Visible()) {
        if (position_ == poScreenCenter && !positioned_) {
            positioned_ = true;
            int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
            SetBounds((sw - Width()) / 2, (sh - Height()) / 2, Width(), Height());
        }
        if (OnShow)
            OnShow(this);
        ::ShowWindow(Handle(), SW_SHOW);
        ApplyLayered();
    } else {
        ::ShowWindow(Handle(), SW_HIDE);
        if (OnHide)
            OnHide(this);
    }
}

TCloseAction TForm::CloseAction() {
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    return action;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    TCloseAction action = CloseAction();
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caHide)
        Hide();
    else if (action == caMinimize)
        ::ShowWindow(Handle(), SW_MINIMIZE);
    else if (action == caFree)
        Release();
}

void TForm::Release() {
    if (HandleAllocated())
        ::PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

TModalResult TForm::ShowModal() {
    if (Visible() || modal_)
        throw core::AppError("Cannot make a visible window modal");
    if (!Application)
        throw core::AppError("No application object");
    ::ReleaseCapture();
    HWND before = ::GetActiveWindow();
    DisabledWindows disabled{HandleNeeded(), {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
    modal_ = true;
    modalResult_ = mrNone;
    bool freeAfter = false;
    auto restore = [&] {
        for (HWND h : disabled.list)
            if (::IsWindow(h))
                ::EnableWindow(h, TRUE);
        modal_ = false;
        if (HandleAllocated())
            Hide();
        if (before && ::IsWindow(before))
            ::SetActiveWindow(before);
    };
    try {
        Show();
        while (modalResult_ == mrNone) {
            Application->HandleMessage();
            if (Application->Terminated())
                modalResult_ = mrCancel;
            if (modalResult_ != mrNone) {
                TCloseAction action = CloseAction();
                if (action == caNone && !Application->Terminated())
                    modalResult_ = mrNone;
                freeAfter = action == caFree;
            }
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    TModalResult result = modalResult_;
    if (freeAfter)
        Release();
    return result;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case CM_RELEASE:
            delete this;
            return 0;
        case CM_MENUCHANGED:
            ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
            return 0;
        case WM_COMMAND:
            // The bar's items; controls send their commands with their window.
            if (lParam == 0 && HIWORD(wParam) == 0 && menu_ &&
                menu_->DispatchCommand(LOWORD(wParam)))
                return 0;
            if (lParam == 0 && LOWORD(wParam) == IDCANCEL && modal_) {
                modalResult_ = mrCancel;  // Escape in a modal dialog
                return 0;
            }
            break;
        case WM_WINDOWPOSCHANGED: {
            auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
            RECT r;
            ::GetWindowRect(Handle(), &r);
            UpdateBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
            if ((wp->flags & SWP_HIDEWINDOW) && !Recreating())
                UpdateVisible(false);
            break;
        }
        default:
            break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

}  // namespace ui
