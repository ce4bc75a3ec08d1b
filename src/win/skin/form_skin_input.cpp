// The form skin's mouse and keyboard on the frame: hover, press and release of caption
// buttons, double clicks, the system menu and system commands.
#include <windowsx.h>

#include "core/skin/skin_options.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_manager.h"

namespace skin {

POINT TFormSkin::ToWindow(LPARAM screenPoint) const {
    POINT p{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (mdi_ == mdiChild && windowState_ == core::wsMaximized) {
        ::ScreenToClient(hwnd_, &p);
        return p;
    }
    ::ScreenToClient(hwnd_, &p);
    p.x += metrics_.left;
    p.y += metrics_.caption + metrics_.menuBar;
    return p;
}

TNCObject* TFormSkin::ObjectAt(POINT at) {
    for (const auto& b : buttons_)
        if (b->Visible() && b->Contains(at))
            return b.get();
    if (menuBar_)
        return menuBar_->ItemAt(at);
    return nullptr;
}

void TFormSkin::SetHot(TNCObject* object) {
    if (object == hot_)
        return;
    TNCObject* leaving = hot_;
    hot_ = object;
    if (leaving)
        leaving->MouseLeave();
    if (object)
        object->MouseEnter();
}

void TFormSkin::CheckHover() {
    if (!hot_ || !Running())
        return;
    POINT cursor;
    if (!::GetCursorPos(&cursor))
        return;
    if (!hot_->Contains(ToWindow(MAKELPARAM(cursor.x, cursor.y))))
        SetHot(nullptr);
}

void TFormSkin::ActivateHoverTimer(bool on) {
    if (!on)
        hover_.reset();
    else if (!hover_ && state_ == fssRunning && !passive_ && kind_ != core::fkNone)
        hover_ = ui::ScopedTimer(hwnd_, kHoverTimer, 250);
}

LRESULT TFormSkin::NcMouseMove(WPARAM wParam,
                               LPARAM lParam,
                               const ui::TWndMethodChain::Next& next) {
    if (!active_)
        return next(WM_NCMOUSEMOVE, wParam, lParam);
    if (TNCObject* object = ObjectAt(ToWindow(lParam))) {
        SetHot(object);
        return 0;
    }
    SetHot(nullptr);
    return next(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TFormSkin::NcLButtonDown(WPARAM wParam,
                                 LPARAM lParam,
                                 const ui::TWndMethodChain::Next& next) {
    if (TNCObject* object = ObjectAt(ToWindow(lParam))) {
        if (!active_)
            ::SetForegroundWindow(hwnd_);
        if (hot_ != object) {
            TNCObject* leaving = hot_;
            hot_ = object;
            if (leaving)
                leaving->MouseLeave();
        }
        object->MouseDown();
        return 0;
    }
    if (wParam == HTCAPTION && windowState_ == core::wsMaximized && active_)
        return next(WM_NCLBUTTONDOWN, HTMENU, lParam);  // a maximised window stays put
    return next(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TFormSkin::NcLButtonUp(WPARAM wParam,
                               LPARAM lParam,
                               const ui::TWndMethodChain::Next& next) {
    TNCObject* object = ObjectAt(ToWindow(lParam));
    if (object && object == hot_ && object->State() == core::ncPressed) {
        object->MouseUp();
        return 0;
    }
    return next(WM_NCLBUTTONUP, wParam, lParam);
}

LRESULT TFormSkin::NcLButtonDblClk(WPARAM wParam,
                                   LPARAM lParam,
                                   const ui::TWndMethodChain::Next& next) {
    auto* button = dynamic_cast<TCaptionButton*>(ObjectAt(ToWindow(lParam)));
    const core::TFrameCommand command =
        core::FrameDoubleClickCommand(button && button->IsIcon(), windowState_, icons_.maximize);
    if (command == core::TFrameCommand::None)
        return next(WM_NCLBUTTONDBLCLK, wParam, lParam);
    Command(command, 0);
    return 0;
}

void TFormSkin::ButtonAction(TCaptionButton& button) {
    const int action = button.Def().Action;
    const core::TFrameCommand command = core::CaptionButtonCommand(action, windowState_);
    if (command == core::TFrameCommand::SystemMenu) {
        const RECT r = button.Rect();
        RECT window;
        ::GetWindowRect(hwnd_, &window);
        OpenSystemMenu(POINT{window.left + r.left, window.top + r.bottom});
        return;
    }
    Command(command, action);
}

void TFormSkin::Command(core::TFrameCommand command, int action) {
    auto post = [this](WPARAM sc) { ::PostMessageA(hwnd_, WM_SYSCOMMAND, sc, 0); };
    auto mdi = [this](UINT msg) {
        HWND client = ::FindWindowExA(hwnd_, nullptr, "MDIClient", nullptr);
        HWND child = client ? reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0))
                            : nullptr;
        if (!child)
            return;
        if (msg == WM_MDIRESTORE)
            ::SendMessageA(client, WM_MDIRESTORE, WPARAM(child), 0);
        else if (msg == WM_CLOSE)
            ::PostMessageA(child, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            ::PostMessageA(child, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    };
    switch (command) {
        case core::TFrameCommand::Close:
            ActivateHoverTimer(false);
            post(SC_CLOSE);
            break;
        case core::TFrameCommand::Maximize:
            post(SC_MAXIMIZE);
            break;
        case core::TFrameCommand::Minimize:
            post(SC_MINIMIZE);
            break;
        case core::TFrameCommand::Restore:
            post(SC_RESTORE);
            break;
        case core::TFrameCommand::MdiMinimize:
            mdi(WM_SYSCOMMAND);
            break;
        case core::TFrameCommand::MdiRestore:
            mdi(WM_MDIRESTORE);
            break;
        case core::TFrameCommand::MdiClose:
            mdi(WM_CLOSE);
            break;
        case core::TFrameCommand::PostAction:
            ::PostMessageA(hwnd_, core::skinmsg::kCaptionAction, WPARAM(action), 0);
            break;
        default:
            break;
    }
}

LRESULT TFormSkin::SysCommand(WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next) {
    const WPARAM command = wParam & 0xFFF0;  // the low four bits are the system's
    if (command == SC_KEYMENU && Running() && kind_ != core::fkNone) {
        if (lParam == ' ') {
            POINT corner{0, 0};
            ::ClientToScreen(hwnd_, &corner);
            OpenSystemMenu(corner);
            return 0;
        }
        if (menuBar_ && menuBar_->OpenByKey(wchar_t(lParam)))
            return 0;
    }
    if (command == SC_MINIMIZE)
        windowState_ = core::wsMinimized;
    else if (command == SC_MAXIMIZE)
        windowState_ = core::wsMaximized;
    else if (command == SC_RESTORE)
        windowState_ = core::wsNormal;  // WM_SIZE tells the state it ends in
    return next(WM_SYSCOMMAND, wParam, lParam);
}

}  // namespace skin
