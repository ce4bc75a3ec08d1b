#pragma once
// The desktop alert component: holds the texts, fonts, colours, placement and animation style
// of one alert and, when executed, shows its popup in the corner stack of the desktop.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/widgets/alert_style_handler.h"
#include "core/widgets/desktop_alert_settings.h"
#include "core/widgets/desktop_alert_stack.h"
#include "win/ui/component.h"
#include "win/ui/graphics.h"
#include "win/widgets/desktop_alert_form.h"

namespace win {

// The desktop work area, or the whole screen when the system does not tell it.
core::AlertRect DesktopWorkArea();

class TDesktopAlert : public ui::TComponent {
  public:
    // Freed with `AOwner`; `make_timer` makes the animation timers, window-message timers
    // unless given.
    explicit TDesktopAlert(ui::TComponent* AOwner, core::AlertTimerFactory make_timer = nullptr);
    ~TDesktopAlert() override;
    std::string ClassName() const override { return "TDesktopAlert"; }

    // The stack shared by every alert without one of its own.
    static core::TDesktopAlertStack& GlobalStack();

    core::TAlertStyle AlertStyle() const { return style_; }
    // Throws AppError with an empty text for a value outside the two styles; the alert then
    // keeps the handler it had, so it still animates.
    void SetAlertStyle(int32_t style);

    bool AutoFocus = false;
    bool AutoFree = false;

    std::string HeaderText() const;
    std::string MessageText() const;
    void SetHeaderText(const std::string& text);
    void SetMessageText(const std::string& text);
    // A link at the bottom right of the message area (none while empty); OnLinkClick.
    std::string LinkText() const;
    void SetLinkText(const std::string& text);

    ui::TFont& Font() { return font_; }
    ui::TFont& HeaderFont() { return header_font_; }

    core::TDesktopAlertOptions Options() const { return options_; }
    void SetOptions(core::TDesktopAlertOptions o) { options_ = core::NormalizeAlertOptions(o); }

    core::TDesktopAlertColors& Colors() { return colors_; }
    core::TDesktopAlertLocation& Location() { return location_; }
    core::TCustomDesktopAlertStyleHandler& StyleOptions() { return *handler_; }
    core::TDesktopAlertStack& AlertStack() { return GlobalStack(); }

    // Sender is the alert.
    ui::TNotifyEvent OnClose, OnShow, OnMouseEnter, OnMouseLeave;
    ui::TNotifyEvent OnMessageClick, OnCloseButtonClick, OnLinkClick;
    // A right click on the popup, at that screen point.
    std::function<void(ui::TObject* Sender, int x, int y)> OnContextMenu;

    // Shows the popup and returns at once; timers and window messages do the rest.
    void Execute();

    // The popup window; null after an AutoFree close handed it over for freeing.
    TFormDesktopAlert* Popup() { return popup_.get(); }

  private:
    void PopupClosed();
    void LocationChanged();
    void ConnectPopup();
    TFormDesktopAlert& EnsurePopup();

    core::AlertTimerFactory make_timer_;
    std::unique_ptr<TFormDesktopAlert> popup_;
    TFormDesktopAlert* released_popup_ = nullptr;
    std::unique_ptr<core::TCustomDesktopAlertStyleHandler> handler_;
    core::TAlertStyle style_ = core::asFade;
    ui::TFont font_;
    ui::TFont header_font_;
    core::TDesktopAlertOptions options_ = core::kAllAlertOptions;
    core::TDesktopAlertColors colors_;
    core::TDesktopAlertLocation location_;
    bool destroying_ = false;
    // Lets the close relay notice that a user's OnClose freed the alert.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace win
