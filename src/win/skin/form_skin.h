#pragma once
// The skin of one top-level window. It sits at the head of the window's procedure (the form's
// WindowProc chain for the program's forms, the window's own procedure for system dialogs and
// message boxes) and owns the non-client area: the size of the frame, its painting from the
// skin, the caption with its text and buttons, hit testing, the mouse on the frame, the window
// region and the skinned system menu. The rules come from the core (frame_rules.h,
// caption_layout.h, frame_region.h); this class reads the window and draws.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/skin/caption_layout.h"
#include "core/skin/control_selection.h"
#include "core/skin/frame_rules.h"
#include "core/skin/skin_objects.h"
#include "win/ui/form.h"
#include "win/ui/graphics.h"
#include "win/ui/handles.h"
#include "win/ui/wnd_method_chain.h"

namespace skin {

class TFormSkin;
class TSkinControl;
class TSkinData;
class TSkinManager;
struct TSystemMenuItemView;

// The non-client objects that react to the mouse: caption buttons, menu bar items.
class TNCObject {
  public:
    explicit TNCObject(TFormSkin& owner) : owner_(owner) {}
    virtual ~TNCObject() = default;
    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Paint() = 0;

    RECT Rect() const { return rect_; }
    bool Contains(POINT windowPoint) const { return ::PtInRect(&rect_, windowPoint) != FALSE; }
    core::TNCState State() const { return state_; }
    void SetState(core::TNCState state);

  protected:
    TFormSkin& owner_;
    RECT rect_{0, 0, 0, 0};
    core::TNCState state_ = core::ncNormal;
};

class TCaptionButton : public TNCObject {
  public:
    TCaptionButton(TFormSkin& owner, const core::TDataSkinSysButton& def);
    void MouseUp() override;
    void Paint() override;

    const core::TDataSkinSysButton& Def() const { return *def_; }
    const core::TCaptionButtonSpec& Spec() const { return spec_; }
    bool IsIcon() const { return core::IsIconAction(def_->Action); }
    bool Visible() const { return visible_; }
    void Place(const core::Rect& r);

  private:
    const core::TDataSkinSysButton* def_;
    core::TCaptionButtonSpec spec_;
    bool visible_ = false;
};

// The skinned menu bar of a window that has a menu; the form skin paints the bar's area
// through it and asks it for the item under the mouse.
class TFormMenuBar {
  public:
    virtual ~TFormMenuBar() = default;
    virtual void PaintBar(HDC dc, const RECT& bar) = 0;
    // The item at a point in window coordinates, or nullptr.
    virtual TNCObject* ItemAt(POINT windowPoint) = 0;
    // Opens the item whose mnemonic is `key` (0: the first item); false when none matches.
    virtual bool OpenByKey(wchar_t key) = 0;
    // Gives the menu back to the window.
    virtual void Restore() = 0;
    // An item is being opened or tracked: the bar must stay as it is until that ends, and
    // a change of the window's menu waits for it (ChangeLater).
    virtual bool Busy() const = 0;
    virtual void ChangeLater() = 0;
    // Lays the bar's background of its last paint back under `r` (window coordinates).
    virtual void PaintBackground(HDC windowDC, const RECT& r) = 0;
};

enum TFormSkinState : int {
    fssCreated = 0,
    fssRunning = 1,
    fssReapplying = 3,
    fssDestroying = 4,
    fssSettingUp = 5,
    fssFinished = 6,
};

enum TMdiRole : int { mdiNone, mdiFrame, mdiChild };

class TFormSkin {
  public:
    // `form` is the framework form of the window, or nullptr for a window of the system.
    TFormSkin(TSkinManager& manager, HWND hwnd, ui::TForm* form, TSkinData& data);
    ~TFormSkin();
    TFormSkin(const TFormSkin&) = delete;
    TFormSkin& operator=(const TFormSkin&) = delete;

    // Takes the window over; the manager then posts the set-up message.
    void Attach();
    // Gives the window back its own procedure, system frame, size and region.
    void Detach();
    // The skin component's skin was read again: forget every reference into the old one.
    void ReloadSkin();
    // Recomputes the frame from the skin (after ReloadSkin) and repaints.
    void Reapply();
    void Repaint();

    HWND Handle() const { return hwnd_; }
    ui::TForm* Form() const { return form_; }
    TSkinData& SkinData() const { return data_; }
    const std::string& WindowClass() const { return className_; }
    TFormSkinState State() const { return state_; }
    bool Finished() const { return state_ == fssFinished; }
    // Messages of this window are being handled (it must not be freed now).
    bool Busy() const { return busy_ > 0; }
    core::TFrameKind FrameKind() const { return kind_; }
    const core::TFrameMetrics& Metrics() const { return metrics_; }
    const core::TBorderIcons& BorderIcons() const { return icons_; }
    core::TWindowState WindowState() const { return windowState_; }
    bool Active() const { return active_; }
    bool Passive() const { return passive_; }
    // The window lays out right to left (its left-scroll-bar style).
    bool RightToLeft() const { return rightToLeft_; }
    const std::vector<std::unique_ptr<TCaptionButton>>& CaptionButtons() const { return buttons_; }
    // The skinned menu bar of a window with a menu, else nullptr.
    TFormMenuBar* MenuBar() const { return menuBar_.get(); }
    // The window's menu was set anew or changed: with MenuUpdate the skinned bar takes the
    // new one over (and goes when the window has none), and the frame follows.
    void MenuChanged();
    // The client size the window had under its system frame, read at set-up.
    SIZE FramelessClientSize() const { return framelessClient_; }

    // Control skins of the window's children: set-up, detach and reapply call these.
    void SkinChildren();
    void UnskinChildren();
    void ReapplyChildren();
    // The child control skins' selection: SkinControl decides a control's skin and attaches
    // it; SkinContainer does so for each child of a windowed control.
    void SkinContainer(ui::TWinControl& container);
    void SkinControl(ui::TControl* control);
    bool IsSkinned(ui::TControl* control) const;
    // The control skins of this window's children, in the order they were attached.
    const std::vector<TSkinControl*>& ControlSkins() const { return controlSkins_; }
    TSkinControl* FindControlSkin(HWND hwnd) const;
    void AddControlSkin(TSkinControl* skin);
    void RemoveControlSkin(TSkinControl* skin);
    // A size grip created on this window (the grip's painting is the window's own).
    void TakeSizeGrip(HWND grip) { sizeGrip_ = grip; }
    HWND SizeGrip() const { return sizeGrip_; }
    // The window takes wide-character messages.
    bool WideWindow() const { return wide_; }
    // The window's system menu (read at set-up), and whether the popup menu opened last was it.
    HMENU SystemMenu() const { return systemMenu_; }
    bool SystemMenuPopup() const { return systemMenuPopup_; }

    // Painting (form_skin_paint.cpp).
    void PaintFrame();
    void PaintCaption();
    void UpdateRegion(bool force = false);

    // Input (form_skin_input.cpp).
    void ButtonAction(TCaptionButton& button);
    void OpenSystemMenu(POINT screen);

  private:
    friend class TNCObject;
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    LRESULT HandleActive(UINT msg,
                         WPARAM wParam,
                         LPARAM lParam,
                         const ui::TWndMethodChain::Next& next,
                         bool& handled);
    void SetUp();
    // form_skin_controls.cpp
    void SkinChildControls();
    void SkinBareChildren();
    void SkinBareWindow(HWND child);
    void ApplyDecision(ui::TControl* control, const core::TControlSkinDecision& decision);
    void FreeControlSkins(bool restore);
    void ReadWindow();
    void MakeButtons();
    void ResizeToSkin();
    void ResizeToSystemFrame();
    void DropPendingPaint();
    void RedrawAll();
    void RestoreStyles();
    void SetStyleBits(LONG_PTR bits, bool on);
    bool Running() const;
    void ReadIcon();
    std::wstring CaptionText() const;
    SIZE MeasureCaption(HDC dc, const std::wstring& text) const;
    core::TCaptionWindow CaptionWindow(int width) const;
    core::TCaptionLayout Layout(HDC dc, int width);
    void DrawCaptionInto(HDC dc, int width);
    void DrawButton(HDC dc, TCaptionButton& button);

    // form_skin_input.cpp
    POINT ToWindow(LPARAM screenPoint) const;
    TNCObject* ObjectAt(POINT windowPoint);
    void SetHot(TNCObject* object);
    void CheckHover();
    LRESULT NcMouseMove(WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    LRESULT NcLButtonDown(WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    LRESULT NcLButtonUp(WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    LRESULT NcLButtonDblClk(WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    LRESULT SysCommand(WPARAM wParam, LPARAM lParam, const ui::TWndMethodChain::Next& next);
    void Command(core::TFrameCommand command, int action);
    void ActivateHoverTimer(bool on);

    // system_menu.cpp
    bool MeasureMenuItem(MEASUREITEMSTRUCT& mis);
    bool DrawMenuItem(const DRAWITEMSTRUCT& dis);
    bool MenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result);

    TSkinManager& manager_;
    HWND hwnd_;
    ui::TForm* form_;
    TSkinData& data_;
    std::string className_;
    bool wide_ = false;
    ui::TWndMethodChain::Link link_;
    TFormSkinState state_ = fssCreated;
    int busy_ = 0;
    bool passive_ = true;
    bool attached_ = false;
    // The window's pending paint was dropped at attach: its set-up (or a detach before it)
    // draws all of it.
    bool drawnBySetUp_ = false;

    core::TFrameKind kind_ = core::fkNone;
    core::TFrameMetrics metrics_;
    core::TBorderIcons icons_;
    core::TWindowState windowState_ = core::wsNormal;
    TMdiRole mdi_ = mdiNone;
    bool rightToLeft_ = false;
    bool active_ = false;
    bool hasSystemMenuStyle_ = false;
    bool hasCaptionStyle_ = false;
    ui::TColor savedColor_ = 0;

    std::vector<std::unique_ptr<TCaptionButton>> buttons_;
    TNCObject* hot_ = nullptr;
    std::unique_ptr<TFormMenuBar> menuBar_;
    // The hover timer, on the window itself while it is active.
    static constexpr UINT_PTR kHoverTimer = 0x534B494E;
    ui::ScopedTimer hover_;
    HMENU systemMenu_ = nullptr;
    bool systemMenuPopup_ = false;
    DWORD systemMenuOpened_ = 0;
    bool systemMenuOpen_ = false;
    HMENU skinnedMenu_ = nullptr;
    std::vector<std::unique_ptr<TSystemMenuItemView>> menuItems_;
    HICON icon_ = nullptr;
    std::wstring captionSuffix_;
    SIZE framelessClient_{0, 0};
    SIZE regionSize_{0, 0};
    HWND sizeGrip_ = nullptr;
    std::vector<TSkinControl*> controlSkins_;
};

}  // namespace skin
