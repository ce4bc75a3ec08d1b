#include "win/widgets/desktop_alert.h"

#include <optional>

#include "core/common/errors.h"
#include "core/widgets/alert_placement.h"
#include "win/ui/application.h"
#include "win/ui/form.h"
#include "win/widgets/alert_timer.h"

namespace win {

core::AlertRect DesktopWorkArea() {
    RECT r;
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0))
        return core::AlertRect{r.left, r.top, r.right, r.bottom};
    return core::AlertRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

core::TDesktopAlertStack& TDesktopAlert::GlobalStack() {
    static core::TDesktopAlertStack stack(&DesktopWorkArea);
    return stack;
}

namespace {

std::unique_ptr<core::AlertTimer> MakeWindowTimer() {
    return std::make_unique<AlertWindowTimer>();
}

std::optional<core::AlertRect> WindowBounds(HWND hwnd) {
    RECT r;
    if (!hwnd || !IsWindow(hwnd) || !GetWindowRect(hwnd, &r))
        return std::nullopt;
    return core::AlertRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

TDesktopAlert::TDesktopAlert(ui::TComponent* AOwner, core::AlertTimerFactory make_timer)
    : ui::TComponent(AOwner),
      make_timer_(make_timer ? std::move(make_timer) : core::AlertTimerFactory(&MakeWindowTimer)) {
    AssignIconFont(font_);
    AssignIconFont(header_font_);
    header_font_.SetStyle(header_font_.Style() | ui::fsBold);
    EnsurePopup();
    location_.OnChange = [this] { LocationChanged(); };
}

TDesktopAlert::~TDesktopAlert() {
    destroying_ = true;
    location_.OnChange = nullptr;
    if (released_popup_)
        released_popup_->ForgetAlert();
    if (popup_) {
        popup_->Close();  // the close relay does nothing while the alert is being freed
        AlertStack().RemoveAlert(popup_.get());
        popup_->SetHandler(nullptr);
    }
    handler_.reset();
    if (popup_ && popup_->InClose()) {
        // Freed from its own OnClose: the popup is still inside its close handling.
        popup_.release()->DestroyLater();
    }
    popup_.reset();
}

TFormDesktopAlert& TDesktopAlert::EnsurePopup() {
    if (!popup_) {
        // Like every form, the popup is owned by the application window, if there is one.
        popup_ = std::make_unique<TFormDesktopAlert>(ui::Application ? ui::Application->Handle()
                                                                     : nullptr);
        handler_ = core::CreateAlertStyleHandler(style_, *popup_, make_timer_);
        popup_->SetHandler(handler_.get());
    }
    return *popup_;
}

void TDesktopAlert::SetAlertStyle(int32_t style) {
    if (style == style_ && handler_)
        return;
    // Refused before anything is freed, so the alert keeps a working handler.
    if (!core::IsAlertStyle(style))
        throw core::AppError("");
    TFormDesktopAlert& popup = EnsurePopup();
    style_ = core::TAlertStyle(style);
    popup.SetHandler(nullptr);
    handler_.reset();
    // A grown region or a faded alpha of the old style would hide the popup under the new one.
    popup.ResetLook();
    handler_ = core::CreateAlertStyleHandler(style_, popup, make_timer_);
    popup.SetHandler(handler_.get());
}

std::string TDesktopAlert::HeaderText() const {
    return popup_ ? popup_->HeaderText() : std::string();
}

std::string TDesktopAlert::MessageText() const {
    return popup_ ? popup_->MessageText() : std::string();
}

void TDesktopAlert::SetHeaderText(const std::string& text) {
    EnsurePopup().SetHeaderText(text);
}

void TDesktopAlert::SetMessageText(const std::string& text) {
    EnsurePopup().SetMessageText(text);
}

std::string TDesktopAlert::LinkText() const {
    return popup_ ? popup_->LinkText() : std::string();
}

void TDesktopAlert::SetLinkText(const std::string& text) {
    EnsurePopup().SetLinkText(text);
}

void TDesktopAlert::LocationChanged() {
    core::TDesktopAlertStack& stack = AlertStack();
    if (stack.Position() != location_.Position())
        stack.SetPosition(location_.Position());
}

void TDesktopAlert::ConnectPopup() {
    TFormDesktopAlert& p = *popup_;
    p.OnShow = [this] {
        if (OnShow)
            OnShow(this);
    };
    p.OnClose = [this] { PopupClosed(); };
    p.OnMouseEnter = [this] {
        if (OnMouseEnter)
            OnMouseEnter(this);
    };
    p.OnMouseLeave = [this] {
        if (OnMouseLeave)
            OnMouseLeave(this);
    };
    p.OnMessageClick = [this] {
        if (OnMessageClick)
            OnMessageClick(this);
    };
    p.OnLinkClick = [this] {
        if (OnLinkClick)
            OnLinkClick(this);
    };
    if (OnContextMenu)
        p.OnContextMenu = [this](int x, int y) { OnContextMenu(this, x, y); };
    else
        p.OnContextMenu = nullptr;
    // Without a handler of the user's the button runs the popup's own close command.
    if (OnCloseButtonClick)
        p.OnCloseButtonClick = [this] { OnCloseButtonClick(this); };
    else
        p.OnCloseButtonClick = nullptr;
    // A dragged popup stays in the stack and is put back by the next arrangement.
    p.OnUserMove = nullptr;
}

void TDesktopAlert::Execute() {
    if (popup_ && popup_->Visible())
        popup_->Close();
    TFormDesktopAlert& popup = EnsurePopup();

    core::AlertPlacementInput place;
    place.Position = location_.Position();
    place.Left = location_.Left();
    place.Top = location_.Top();
    place.Width = location_.Width();
    place.Height = location_.Height();
    place.WorkArea = DesktopWorkArea();
    place.ActiveForm = WindowBounds(GetActiveWindow());
    auto* owner_form = dynamic_cast<ui::TForm*>(Owner());
    place.OwnerForm = WindowBounds(owner_form ? owner_form->Handle() : nullptr);
    ui::TForm* main_form = ui::Application ? ui::Application->MainForm() : nullptr;
    place.MainForm = WindowBounds(main_form ? main_form->Handle() : nullptr);
    popup.SetBounds(core::PlaceDesktopAlert(place));

    ConnectPopup();
    popup.Behavior().CopyOptions(options_);
    popup.SetFonts(font_, header_font_);
    popup.SetColors(colors_.Values());
    location_.SetPosition(AlertStack().Position());

    HWND focus = nullptr, active = nullptr;
    if (!AutoFocus) {
        focus = GetFocus();
        active = GetActiveWindow();
    }
    popup.Behavior().AutoFocus = AutoFocus;
    popup.Show();
    if (!AutoFocus && GetFocus() != focus) {
        if (focus)
            SetFocus(focus);
        else if (active)
            SetActiveWindow(active);
    }
    AlertStack().AddAlert(&popup);
}

void TDesktopAlert::PopupClosed() {
    if (destroying_ || !popup_)
        return;
    if (location_.Position() == core::dapCustom) {
        const core::AlertRect b = popup_->Bounds();
        location_.SetTop(b.Top);
        location_.SetLeft(b.Left);
    }
    std::weak_ptr<bool> alive = alive_;
    if (OnClose)
        OnClose(this);
    // A user's OnClose may free the alert; its destructor then took the popup out already.
    if (alive.expired())
        return;
    AlertStack().RemoveAlert(popup_.get());
    if (AutoFree) {
        popup_->OnClose = nullptr;
        released_popup_ = popup_.release();
        released_popup_->ReleaseWith(this);
    }
}

}  // namespace win
