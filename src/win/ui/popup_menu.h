#pragma once
// Popup menus built from TMenuItem components and shown with TrackPopupMenu.
#include <windows.h>

#include <string>
#include <vector>

#include "win/ui/component.h"
#include "win/ui/handles.h"

namespace ui {

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    // "&" marks the accelerator; "-" makes a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    bool IsSeparator() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }
    // Toggles Checked itself when chosen, before OnClick.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    // The command identifier the item has in a shown menu.
    UINT Command() const { return command_; }

    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    TMenuItem* Find(const std::string& caption) const;
    TMenuItem* FindByCommand(UINT command);

    // What choosing the item does.
    virtual void Click();
    TNotifyEvent OnClick;

  private:
    std::string caption_;
    bool checked_ = false, autoCheck_ = false, enabled_ = true, visible_ = true;
    UINT command_;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TPopupMenu : public TComponent {
  public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    std::string ClassName() const override { return "TPopupMenu"; }

    TMenuItem& Items() { return items_; }
    // Builds the menu, shows it at the screen point (modal until chosen or dismissed) and
    // performs the chosen item's Click.
    virtual void Popup(int x, int y);
    // The menu while it is shown (also in OnPopup), else nullptr.
    HMENU Handle() const { return shown_.get(); }
    // Builds a menu of the current items (the caller owns it).
    ScopedMenu BuildMenu();
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }
    // The window that receives the menu's messages (the application window by default).
    void SetWindow(HWND hwnd) { window_ = hwnd; }
    // Shown with TPM_RETURNCMD: the flags of TrackPopupMenu (alignment, buttons).
    UINT TrackFlags = TPM_LEFTALIGN | TPM_RIGHTBUTTON;

    TNotifyEvent OnPopup;

  private:
    TMenuItem items_;
    ScopedMenu shown_;
    TComponent* popupComponent_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace ui
