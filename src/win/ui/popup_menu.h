#pragma once
// Menus built from TMenuItem components: popup menus shown with TrackPopupMenu and the main
// menu of a form. A menu with OwnerDraw has its items drawn by their handlers; the owner
// window passes the owner-draw messages on with DispatchMenuMessage. A change to the items of
// a main menu that a window shows makes its bar again and tells that window (CM_MENUCHANGED).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/ui/component.h"
#include "win/ui/handles.h"
#include "win/ui/image_list.h"

namespace ui {

class TMenu;

// Sent to the window showing a main menu once the menu's bar was made again.
constexpr UINT CM_MENUCHANGED = WM_APP + 0x101;

// Gives an owner-drawn item its size: Width and Height come in as the framework measured it.
using TMenuMeasureItemEvent =
    std::function<void(TObject* Sender, HDC ACanvas, int& Width, int& Height)>;
// Draws an owner-drawn item; `State` holds the item's ODS_ bits (selected, grey, no accel...).
using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, HDC ACanvas, const RECT& ARect, UINT State)>;

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    // "&" marks the accelerator; "-" makes a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    bool IsSeparator() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    // Toggles Checked itself when chosen, before OnClick.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // The item a double click stands for: its caption is bold.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    // Index of the item's picture in its menu's image list; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    // The command identifier the item has in a shown menu.
    UINT Command() const { return command_; }

    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    TMenuItem* Find(const std::string& caption) const;
    TMenuItem* FindByCommand(UINT command);
    // The submenu handle the item has in a shown menu, else nullptr.
    HMENU SubmenuHandle() const { return submenu_; }
    TMenuItem* FindBySubmenu(HMENU submenu);
    // Levels below the menu: the items of a main menu's bar are at depth 1.
    int Depth() const;
    // The menu the item belongs to, or nullptr.
    TMenu* Menu() const;

    // What choosing the item does.
    virtual void Click();
    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    // An item of the process that is still alive (for item data coming back from the system).
    static TMenuItem* FromItemData(ULONG_PTR data);

  private:
    friend class TMenu;
    // Tells the item's menu that what it shows changed.
    void Changed();
    std::string caption_;
    bool checked_ = false, autoCheck_ = false, enabled_ = true, visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    UINT command_;
    HMENU submenu_ = nullptr;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item only
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
  public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    TMenuItem& Items() { return items_; }
    // Items are drawn by their OnDrawItem and measured by their OnMeasureItem (or by the
    // framework without one) from the next time the menu is built.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);
    // The pictures of the items' ImageIndex; nullptr for none.
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // Fills `menu` with the current items (submenus are made for items with items).
    void AppendItems(HMENU menu, TMenuItem& parent);
    // An item, the owner-draw switch or the image list changed.
    virtual void MenuChanged() {}

  protected:
    // The shown menu is gone: its submenu handles no longer name anything.
    static void ForgetHandles(TMenuItem& parent);
    void Notification(TComponent* component) override;

  private:
    TMenuItem items_;
    bool ownerDraw_ = false;
    TImageList* images_ = nullptr;
};

class TPopupMenu : public TMenu {
  public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    std::string ClassName() const override { return "TPopupMenu"; }

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
    ScopedMenu shown_;
    TComponent* popupComponent_ = nullptr;
    HWND window_ = nullptr;
};

// A form's menu bar: the items of Items() are the bar's, theirs are the drop-downs.
class TMainMenu : public TMenu {
  public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;
    std::string ClassName() const override { return "TMainMenu"; }

    // The bar built from the current items, made on first use and again after Rebuild.
    HMENU Handle();
    // Makes the bar again from the items (a form showing it sets it anew).
    void Rebuild();
    // Performs the Click of the item with that command; false when it is not one of ours.
    bool DispatchCommand(UINT command);
    // The window showing the bar, told of every change; nullptr for none.
    HWND Window() const { return window_; }
    void SetWindow(HWND hwnd) { window_ = hwnd; }
    // Once the bar was made, it is made again and the window showing it is told.
    void MenuChanged() override;

  private:
    ScopedMenu bar_;
    HWND window_ = nullptr;
};

// The owner-draw messages (measure, draw, menu character) of our menus' items, for the
// window that owns the shown menu; false when the message is not about one of them.
bool DispatchMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace ui
