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
#include "win/widgets/alert_font.h"
#include "win/widgets/desktop_alert_form.h"

namespace win {

// The desktop work area, or the whole screen when the system does not tell it.
core::AlertRect DesktopWorkArea();

class TDesktopAlert {
  public:
    // `owner` is the window whose popups these are (they go with it); `make_timer` makes the
    // animation timers, window-message timers unless given.
    explicit TDesktopAlert(HWND owner = nullptr, core::AlertTimerFactory make_timer = nullptr);
    ~TDesktopAlert();
    TDesktopAlert(const TDesktopAlert&) = delete;
    TDesktopAlert& operator=(const TDesktopAlert&) = delete;

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

    AlertFont& Font() { return font_; }
    AlertFont& HeaderFont() { return header_font_; }

    core::TDesktopAlertOptions Options() const { return options_; }
    void SetOptions(core::TDesktopAlertOptions o) { options_ = core::NormalizeAlertOptions(o); }

    core::TDesktopAlertColors& Colors() { return colors_; }
    core::TDesktopAlertLocation& Location() { return location_; }
    core::TCustomDesktopAlertStyleHandler& StyleOptions() { return *handler_; }
    core::TDesktopAlertStack& AlertStack() { return GlobalStack(); }

    std::function<void(TDesktopAlert*)> OnClose, OnShow, OnMouseEnter, OnMouseLeave;
    std::function<void(TDesktopAlert*)> OnMessageClick, OnCloseButtonClick;

    // Shows the popup and returns at once; timers and window messages do the rest.
    void Execute();

    // The popup window; null after an AutoFree close handed it over for freeing.
    TFormDesktopAlert* Popup() { return popup_.get(); }

  private:
    void PopupClosed();
    void LocationChanged();
    void ConnectPopup();
    TFormDesktopAlert& EnsurePopup();

    HWND owner_;
    core::AlertTimerFactory make_timer_;
    std::unique_ptr<TFormDesktopAlert> popup_;
    TFormDesktopAlert* released_popup_ = nullptr;
    std::unique_ptr<core::TCustomDesktopAlertStyleHandler> handler_;
    core::TAlertStyle style_ = core::asFade;
    AlertFont font_;
    AlertFont header_font_;
    core::TDesktopAlertOptions options_ = core::kAllAlertOptions;
    core::TDesktopAlertColors colors_;
    core::TDesktopAlertLocation location_;
    bool destroying_ = false;
    // Lets the close relay notice that a user's OnClose freed the alert.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace win
