#pragma once
// Windowed controls. Every message of a control passes through WindowProc first: a skin joins
// the head of that chain and calls the rest of it; skins leave in any order.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/ui/control.h"
#include "win/ui/window.h"
#include "win/ui/wnd_method_chain.h"

namespace ui {

// Notifications that a parent hands back to the child control that sent them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
// Performed on a control, and on every windowed control inside it, once RecreateWnd has made
// their windows anew: whatever hooked the old window hooks the new one.
constexpr UINT CM_RECREATED = 0xB000 + 0x100;

class TWinControl : public TControl, public Window {
  public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }
    // The control behind a window of ours, or nullptr.
    static TWinControl* FindControl(HWND hwnd);

    // Makes the window if it does not exist yet (the parent's first).
    HWND HandleNeeded();

    void SetParent(TWinControl* parent) override;
    const std::vector<TControl*>& Controls() const { return controls_; }
    int ControlCount() const { return static_cast<int>(controls_.size()); }

    // Tab order among the parent's windowed controls.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    // The windowed controls below this one, in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;

    std::string Text() const;
    void SetText(const std::string& text);
    void SetFocus();
    bool Focused() const;

    void Invalidate() override;
    void Update() override;
    void SetEnabled(bool v) override;
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
        return WindowProc(msg, wParam, lParam);
    }

    // Makes the window anew (styles that the system cannot change in place); the children's
    // windows are made anew with it, and it keeps its visibility.
    void RecreateWnd();
    bool Recreating() const { return recreating_; }
    // Its window goes because RecreateWnd runs for it or for a control it sits in: the
    // control stays, and a new window follows.
    bool WindowBeingRemade() const;

    // Ends in WndProc.
    TWndMethodChain WindowProc;

  protected:
    friend class TControl;
    virtual void CreateParams(WindowParams& params);
    virtual void CreateHandle();
    // The framework's own handling at the end of the WindowProc chain.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void BoundsChanged() override;
    void VisibleChanged() override;
    void FontChanged() override;
    // A child's bounds or visibility changed.
    virtual void ControlChanged(TControl* child) {}
    void InsertControl(TControl* child);
    void RemoveControl(TControl* child);
    // Erases the background with Color; false lets the system do it.
    virtual bool EraseBackground(HDC dc);

  private:
    void NotifyRecreated();
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    std::string text_;
    bool leftPressed_ = false;
    bool recreating_ = false;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
  public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    std::string ClassName() const override { return "TCustomControl"; }

    TCanvas& Canvas() { return canvas_; }

    // Gives the canvas the window's DC outside WM_PAINT (for drawing at once), if it has none.
    class CanvasDC {
      public:
        explicit CanvasDC(TCustomControl& control);
        ~CanvasDC();
        CanvasDC(const CanvasDC&) = delete;
        CanvasDC& operator=(const CanvasDC&) = delete;

      private:
        TCustomControl& control_;
        ScopedGetDC dc_;
    };

  protected:
    virtual void Paint() {}
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    TCanvas canvas_;
};

}  // namespace ui
