#pragma once
// The alert's popup window: borderless, always on top, never taking the focus, with a gradient
// background, a header and a word-wrapping message, a close button and a drag strip. The
// labels and buttons are windowless, drawn and hit-tested by the popup itself.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "core/widgets/alert_paint.h"
#include "core/widgets/alert_placement.h"
#include "core/widgets/alert_popup_behavior.h"
#include "core/widgets/alert_style_handler.h"
#include "core/widgets/desktop_alert_stack.h"
#include "win/ui/graphics.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"
#include "win/widgets/alert_timer.h"

namespace win {

class TDesktopAlert;

// Sets `font` to the screen's icon font, the popup's default.
void AssignIconFont(ui::TFont& font);

// The deferred-free message: the first user message number plus 1001.
constexpr UINT AlertFreeMessage = WM_USER + 1001;

class TFormDesktopAlert : public ui::Window,
                          public core::AlertAnimationTarget,
                          public core::StackedAlert {
  public:
    static const char kClassName[];

    explicit TFormDesktopAlert(HWND owner);
    ~TFormDesktopAlert() override;
    TFormDesktopAlert(const TFormDesktopAlert&) = delete;
    TFormDesktopAlert& operator=(const TFormDesktopAlert&) = delete;

    core::AlertPopupBehavior& Behavior() { return behavior_; }
    void SetHandler(core::TCustomDesktopAlertStyleHandler* handler);

    void SetColors(const core::AlertColors& c) { colors_ = c; }
    const std::string& HeaderText() const { return header_text_; }
    const std::string& MessageText() const { return message_text_; }
    void SetHeaderText(const std::string& text);
    // Repaints the message at once, as a running popup shows its new text straight away.
    void SetMessageText(const std::string& text);
    void SetFonts(const ui::TFont& message, const ui::TFont& header);
    // A link at the bottom right of the message area, in the message font, underlined; none
    // while empty.
    const std::string& LinkText() const { return link_text_; }
    void SetLinkText(const std::string& text);
    void SetBounds(const core::AlertRect& r);
    core::AlertRect Bounds() const;
    core::AlertRect RectOfClient() const;

    // Showing runs the show handling (events, layout, opening animation) before the window
    // appears; closing stops the mouse check, raises OnClose and hides.
    void Show();
    void Close();
    // The close command of the close button and of Alt+F4: closes only when allowed.
    void CloseCommand();
    bool Visible() const;

    // After this the popup owns itself: it frees `alert` and itself when its posted
    // deferred-free message arrives.
    void ReleaseWith(TDesktopAlert* alert);
    // The alert went first: nothing is left to free but the window.
    void ForgetAlert() { pending_alert_ = nullptr; }
    // For an alert freed while its popup is closing: the window goes once the close is over.
    void DestroyLater();
    bool InClose() const { return closing_; }

    // Layout of the children as last computed, in client coordinates.
    const core::AlertLayout& Layout() const { return layout_; }
    core::AlertRect HeaderRect() const { return header_rect_; }
    core::AlertRect MessageRect() const { return message_rect_; }
    core::AlertRect LinkRect() const { return link_rect_; }
    bool CloseButtonHot() const { return close_hot_; }

    // Paints the whole client area into `dc` (the window paints through a memory bitmap).
    void PaintTo(HDC dc);

    std::function<void()> OnShow, OnClose, OnMouseEnter, OnMouseLeave, OnUserMove;
    std::function<void()> OnMessageClick, OnCloseButtonClick, OnLinkClick;
    // A right click anywhere on the popup, at that screen point.
    std::function<void(int x, int y)> OnContextMenu;

    // Full opacity and no region: what a new style starts from, whatever the old one left.
    void ResetLook();

    // core::AlertAnimationTarget
    void ShowPopup() override { Show(); }
    void ClosePopup() override { Close(); }
    void SetAlpha(uint8_t alpha) override;
    void SetRegionRect(const core::AlertRect& rect) override;
    int32_t PopupWidth() const override { return Bounds().Width(); }
    int32_t PopupHeight() const override { return Bounds().Height(); }

    // core::StackedAlert
    int32_t AlertWidth() const override { return Bounds().Width(); }
    int32_t AlertHeight() const override { return Bounds().Height(); }
    bool AlertVisible() const override { return Visible(); }
    bool MouseInside() const override { return behavior_.MouseInside; }
    void MoveAlertTo(int32_t x, int32_t y) override;

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void HandleDestroyed() override;

    void UpdateLayout();
    bool CursorInBounds() const;
    void MouseCheck();
    void TrackPointer(bool non_client);
    void PointerLeft();
    void PointerAt(int x, int y);
    bool OverChild(int x, int y) const;
    void Invalidate(const core::AlertRect& r);
    void PaintCloseButton(HDC dc);
    void PaintLabels(HDC dc);

    core::AlertPopupBehavior behavior_;
    core::TCustomDesktopAlertStyleHandler* handler_ = nullptr;
    AlertWindowTimer mouse_check_;
    core::AlertColors colors_;
    ui::TFont message_font_;
    ui::TFont message_hover_font_;
    ui::TFont header_font_;
    ui::TFont glyph_font_;
    std::string header_text_;
    std::string message_text_;
    std::string link_text_;
    core::AlertRect link_rect_;
    core::AlertLayout layout_;
    core::AlertRect header_rect_;
    core::AlertRect message_rect_;
    bool showing_ = false;
    bool closing_ = false;
    bool tracking_ = false;
    bool tracking_non_client_ = false;
    bool message_pressed_ = false;
    bool moving_by_stack_ = false;
    bool close_hot_ = false;
    bool close_pressed_ = false;
    bool message_hot_ = false;
    bool link_hot_ = false;
    bool link_pressed_ = false;
    bool self_owned_ = false;
    TDesktopAlert* pending_alert_ = nullptr;
};

}  // namespace win
