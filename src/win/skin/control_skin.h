#pragma once
// The base of the control skins: a skin joins the head of its control's message chain (the
// framework's WindowProc for the program's controls, the window's own procedure for bare
// windows such as the buttons of message boxes), lets each message pass through
// BeforeMessage, the control's previous handling and AfterMessage, and paints the control
// from the skin. Framework controls own their skin, so it goes with them; skins of bare
// windows belong to the form skin.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/skin/control_frames.h"
#include "win/ui/component.h"
#include "win/ui/control.h"
#include "win/ui/win_control.h"
#include "win/ui/wnd_method_chain.h"

namespace skin {

class TFormSkin;
class TSkinData;

// A control skin's life-cycle state: attached, and finished once its window is destroyed. A
// framework control whose window is made anew keeps its skin, waiting for the new window.
enum TControlSkinState : int {
    cssCreated = 0,
    cssAttached = 1,
    cssAwaitingWindow = 2,
    cssFinished = 6
};

class TSkinControl : public ui::TComponent {
  public:
    // `owner` is the skinned control, or nullptr for a bare window (the form skin frees it).
    explicit TSkinControl(ui::TComponent* owner);
    ~TSkinControl() override;
    std::string ClassName() const override { return "TSkinControl"; }

    // The virtual operations, in slot order.
    virtual void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground);
    virtual void AttachWindow(HWND hwnd, TSkinData& data, TFormSkin& formSkin);
    virtual void Restore();
    // Returns whether the control's previous handling runs; `result` is the answer otherwise.
    virtual bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void PaintEntry(HDC dc);
    virtual void Paint(HDC dc, const RECT& r) {}
    virtual void Reapply();
    virtual bool IsControlSkin() const { return true; }

    ui::TControl* Control() const { return control_; }
    HWND Handle() const { return hwnd_; }
    bool Wide() const { return wide_; }
    bool Enabled() const { return enabled_; }
    TControlSkinState State() const { return state_; }
    bool PaintsBackground() const { return paintsBackground_; }
    // Repaints the control at once.
    void Refresh();

  protected:
    TSkinData& Data() const { return *data_; }
    TFormSkin* FormSkin() const { return formSkin_; }
    ui::TWinControl* WinControl() const { return dynamic_cast<ui::TWinControl*>(control_); }
    // The control's previous handling, while a message is on its way.
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);
    // Hooks the message chain without the rest of AttachControl (skins of their own kind).
    void JoinControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground);
    // Binds the skin to its control and form skin without taking any message.
    void Register(TFormSkin& formSkin, TSkinData& data, bool paintsBackground);
    // Takes the control's colour over (paints-background skins) and gives it back.
    void TakeColour();
    void GiveColourBack();
    void RedrawWithChildren();
    // The window's text, read again only after it changed (WM_SETTEXT).
    const std::wstring& WindowText() const;
    RECT WindowRect() const { return windowRect_; }

    // For skins that draw the whole window themselves: erasing and painting end with the
    // skin's Paint (its errors swallowed), so the system never draws under it. Returns whether
    // `msg` was one of the two.
    bool PaintInstead(UINT msg, WPARAM wParam, LRESULT& result);

    // Drawing routines of the base.
    void FillFace(HDC dc, const RECT& r);
    void FillParentColour(HDC dc, const RECT& r);
    void DrawTextFocusRect(HDC dc, const RECT& r, const std::wstring& text, UINT flags);

    ui::TControl* control_ = nullptr;
    HWND hwnd_ = nullptr;
    bool wide_ = false;
    TFormSkin* formSkin_ = nullptr;
    TSkinData* data_ = nullptr;
    bool paintsBackground_ = false;
    ui::TColor savedColour_ = 0;
    bool parentBackgroundSwitched_ = false;
    bool colourTaken_ = false;
    bool enabled_ = true;
    TControlSkinState state_ = cssCreated;
    RECT windowRect_{0, 0, 0, 0};
    std::wstring windowText_;

  private:
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    LRESULT Route(UINT msg, WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    void Join(HWND hwnd);
    // The control's new window after RecreateWnd: attached again, or finished when its form
    // skin is gone meanwhile.
    void Reattach();

    mutable std::wstring text_;
    mutable bool textKnown_ = false;

    ui::TWndMethodChain::Link link_;
    const ui::TWndMethodChain::Next* next_ = nullptr;
    // Cleared when the skin is freed, so a handler that freed it stops touching it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Paints what a framework control's WM_PAINT would, with the message's context or a paint of
// its own, calling `paint` with the context and the client rectangle.
template <class F>
void PaintMessage(HWND hwnd, WPARAM wParam, F&& paint) {
    RECT r;
    ::GetClientRect(hwnd, &r);
    if (wParam) {
        paint(reinterpret_cast<HDC>(wParam), r);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    try {
        paint(dc, r);
    } catch (...) {
        ::EndPaint(hwnd, &ps);
        throw;
    }
    ::EndPaint(hwnd, &ps);
}

// One-pixel frames, each in its colour (the outlines of edit fields and pickers).
void DrawFramedRects(HDC dc, const std::vector<core::TFramedRect>& frames);

// Asks for WM_MOUSELEAVE when the mouse leaves `hwnd` (hot looks end with it).
void TrackMouseLeave(HWND hwnd);

// The class name of a window, as the system reports it.
std::string WindowClassOf(HWND hwnd);

}  // namespace skin
