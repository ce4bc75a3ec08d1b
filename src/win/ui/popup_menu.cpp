#include "win/ui/popup_menu.h"

#include <algorithm>
#include <unordered_set>

#include "core/skin/menu_item_layout.h"
#include "core/skin/menu_text.h"
#include "win/ui/application.h"

namespace ui {
namespace {

UINT NextCommand() {
    static UINT next = 100;  // ids below 100 stay free for system use
    if (++next > 0x7FFF)
        next = 101;
    return next;
}

// Item data handed to the system is checked against this before it is used again.
std::unordered_set<const TMenuItem*>& LiveItems() {
    static std::unordered_set<const TMenuItem*> items;
    return items;
}

TMenuItem* ItemOf(HMENU menu, UINT index) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_DATA | MIIM_FTYPE;
    if (!::GetMenuItemInfoA(menu, index, TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW))
        return nullptr;
    return TMenuItem::FromItemData(mii.dwItemData);
}

// The menu font, bold for a default item.
HFONT MenuFont(ScopedFont& keep, bool bold) {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
        if (bold)
            ncm.lfMenuFont.lfWeight = FW_BOLD;
        keep = ScopedFont(::CreateFontIndirectA(&ncm.lfMenuFont));
    }
    return keep ? keep.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

core::TMenuImages ImagesOf(const TMenuItem& item) {
    const TMenu* menu = item.Menu();
    const TImageList* images = menu ? menu->Images() : nullptr;
    return images ? core::TMenuImages{images->Width(), images->Height()} : core::TMenuImages{};
}

// The framework's size of an item, and its plain drawing, for owner-drawn items without
// handlers of their own.
void DefaultMeasure(TMenuItem& item, HDC dc, int& width, int& height) {
    ScopedFont font;
    ScopedSelectObject select(dc, MenuFont(font, item.Default()));
    const auto texts = core::SplitMenuShortcut(item.Caption());
    auto extent = [dc](const std::string& s) {
        SIZE size{0, 0};
        if (!s.empty())
            ::GetTextExtentPoint32A(dc, s.data(), int(s.size()), &size);
        return int(size.cx);
    };
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    core::TMenuTextSize text;
    text.captionWidth = extent(core::ParseMenuCaption(texts.first).text);
    text.shortcutWidth = extent(texts.second);
    text.textHeight = tm.tmHeight;
    const core::TMenuItemSize size =
        core::FrameworkMeasureItem(item.IsSeparator(), text, ImagesOf(item));
    width = size.width;
    height = size.height;
}

void DefaultDraw(TMenuItem& item, HDC dc, const RECT& rect, UINT state) {
    const bool selected = (state & ODS_SELECTED) != 0;
    ::FillRect(dc, &rect, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item.IsSeparator())
        return;
    ScopedFont font;
    ScopedSelectObject select(dc, MenuFont(font, item.Default()));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(!item.Enabled() ? COLOR_GRAYTEXT
                                     : selected      ? COLOR_HIGHLIGHTTEXT
                                                     : COLOR_MENUTEXT));
    RECT r = rect;
    r.left += 4;
    ::DrawTextA(dc, item.Caption().c_str(), int(item.Caption().size()), &r,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), command_(NextCommand()) {
    LiveItems().insert(this);
}

TMenuItem::~TMenuItem() {
    LiveItems().erase(this);
    if (parent_)
        parent_->Remove(this);
    for (TMenuItem* item : items_)
        item->parent_ = nullptr;
}

void TMenuItem::Changed() {
    if (TMenu* menu = Menu())
        menu->MenuChanged();
}

void TMenuItem::SetCaption(const std::string& v) {
    if (v == caption_)
        return;
    caption_ = v;
    Changed();
}

void TMenuItem::SetChecked(bool v) {
    if (v == checked_)
        return;
    checked_ = v;
    Changed();
}

void TMenuItem::SetEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    Changed();
}

void TMenuItem::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    Changed();
}

void TMenuItem::SetDefault(bool v) {
    if (v == default_)
        return;
    default_ = v;
    Changed();
}

void TMenuItem::SetImageIndex(int v) {
    if (v == imageIndex_)
        return;
    imageIndex_ = v;
    Changed();
}

TMenuItem* TMenuItem::FromItemData(ULONG_PTR data) {
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return LiveItems().count(item) ? item : nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    if (!item || item->parent_ == this)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    items_.push_back(item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
    Changed();
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
    auto plain = [](const std::string& s) {
        std::string r;
        for (char c : s)
            if (c != '&')
                r += c;
        return r;
    };
    for (TMenuItem* item : items_)
        if (plain(item->caption_) == plain(caption))
            return item;
    return nullptr;
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
    for (TMenuItem* item : items_) {
        if (item->command_ == command)
            return item;
        if (TMenuItem* sub = item->FindByCommand(command))
            return sub;
    }
    return nullptr;
}

TMenuItem* TMenuItem::FindBySubmenu(HMENU submenu) {
    if (!submenu)
        return nullptr;
    for (TMenuItem* item : items_) {
        if (item->submenu_ == submenu)
            return item;
        if (TMenuItem* sub = item->FindBySubmenu(submenu))
            return sub;
    }
    return nullptr;
}

int TMenuItem::Depth() const {
    int depth = 0;
    for (const TMenuItem* p = parent_; p; p = p->parent_)
        ++depth;
    return depth;
}

TMenu* TMenuItem::Menu() const {
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click() {
    if (!enabled_)
        return;
    if (autoCheck_)
        SetChecked(!checked_);
    if (OnClick)
        OnClick(this);
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(nullptr) {
    items_.menu_ = this;
}

TMenu::~TMenu() = default;

void TMenu::SetOwnerDraw(bool v) {
    if (v == ownerDraw_)
        return;
    ownerDraw_ = v;
    MenuChanged();
}

void TMenu::SetImages(TImageList* images) {
    if (images == images_)
        return;
    if (images_)
        RemoveFreeNotification(images_);
    images_ = images;
    if (images)
        FreeNotification(images);
    MenuChanged();
}

void TMenu::Notification(TComponent* component) {
    if (component == images_) {
        images_ = nullptr;
        MenuChanged();
    }
}

void TMenu::ForgetHandles(TMenuItem& parent) {
    for (TMenuItem* item : parent.items_) {
        item->submenu_ = nullptr;
        ForgetHandles(*item);
    }
}

void TMenu::AppendItems(HMENU menu, TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        item->submenu_ = nullptr;
        if (!item->Visible())
            continue;
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        mii.fType = item->IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
        if (ownerDraw_)
            mii.fType |= MFT_OWNERDRAW;
        mii.fState = (item->Checked() ? MFS_CHECKED : 0) | (item->Enabled() ? 0 : MFS_GRAYED) |
                     (item->Default() ? MFS_DEFAULT : 0);
        mii.wID = item->IsSeparator() ? 0 : item->Command();
        mii.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        if (!item->IsSeparator()) {
            // Owner-drawn items keep their text: the system still finds their mnemonics.
            mii.fMask |= MIIM_STRING;
            mii.dwTypeData = const_cast<char*>(item->Caption().c_str());
        }
        if (item->Count() > 0 && !item->IsSeparator()) {
            HMENU sub = ::CreatePopupMenu();
            AppendItems(sub, *item);
            item->submenu_ = sub;
            mii.fMask |= MIIM_SUBMENU;
            mii.hSubMenu = sub;
        }
        ::InsertMenuItemA(menu, UINT(::GetMenuItemCount(menu)), TRUE, &mii);
    }
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() = default;

ScopedMenu TPopupMenu::BuildMenu() {
    ScopedMenu menu(::CreatePopupMenu());
    AppendItems(menu.get(), Items());
    return menu;
}

void TPopupMenu::Popup(int x, int y) {
    if (shown_)
        return;  // already open
    shown_ = BuildMenu();
    UINT command = 0;
    try {
        if (OnPopup)
            OnPopup(this);
        HWND owner = window_ ? window_ : (Application ? Application->Handle() : nullptr);
        command = static_cast<UINT>(::TrackPopupMenu(
            shown_.get(), TrackFlags | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr));
    } catch (...) {
        shown_.reset();
        throw;
    }
    shown_.reset();
    ForgetHandles(Items());  // the submenus went with the menu
    if (command != 0)
        if (TMenuItem* item = Items().FindByCommand(command))
            item->Click();
}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu() = default;

HMENU TMainMenu::Handle() {
    if (!bar_) {
        bar_ = ScopedMenu(::CreateMenu());
        AppendItems(bar_.get(), Items());
    }
    return bar_.get();
}

void TMainMenu::Rebuild() {
    bar_.reset();
    ForgetHandles(Items());
    Handle();
}

void TMainMenu::MenuChanged() {
    if (!bar_)
        return;  // made with the change when first asked for
    // The window still shows the old bar until it is told: it is freed only after that.
    ScopedMenu old = std::move(bar_);
    ForgetHandles(Items());
    Handle();
    if (window_ && ::IsWindow(window_))
        ::SendMessageA(window_, CM_MENUCHANGED, 0, 0);
}

bool TMainMenu::DispatchCommand(UINT command) {
    TMenuItem* item = Items().FindByCommand(command);
    if (!item || item->Count() > 0)
        return false;
    item->Click();
    return true;
}

bool DispatchMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_MEASUREITEM: {
            auto& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            TMenuItem* item =
                mis.CtlType == ODT_MENU ? TMenuItem::FromItemData(mis.itemData) : nullptr;
            if (!item)
                return false;
            ScopedGetDC screen(nullptr);
            int width = 0, height = 0;
            DefaultMeasure(*item, screen.get(), width, height);
            if (item->OnMeasureItem)
                item->OnMeasureItem(item, screen.get(), width, height);
            mis.itemWidth = UINT(std::max(width, 0));
            mis.itemHeight = UINT(std::max(height, 0));
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            TMenuItem* item =
                dis.CtlType == ODT_MENU ? TMenuItem::FromItemData(dis.itemData) : nullptr;
            if (!item)
                return false;
            if (item->OnDrawItem)
                item->OnDrawItem(item, dis.hDC, dis.rcItem, dis.itemState);
            else
                DefaultDraw(*item, dis.hDC, dis.rcItem, dis.itemState);
            result = TRUE;
            return true;
        }
        case WM_MENUCHAR: {
            // Owner-drawn items of a system that does not read their text: the accelerator
            // rule over the menu's captions, item by item.
            HMENU menu = reinterpret_cast<HMENU>(lParam);
            const int count = ::GetMenuItemCount(menu);
            std::vector<std::string> captions;
            bool ours = false;
            for (int i = 0; i < count; ++i) {
                TMenuItem* item = ItemOf(menu, UINT(i));
                ours = ours || item;
                captions.push_back(item && !item->IsSeparator() ? item->Caption() : std::string());
            }
            if (!ours)
                return false;
            const int index = core::FindMenuMnemonic(captions, char32_t(LOWORD(wParam)));
            result =
                index >= 0 ? MAKELRESULT(WORD(index), MNC_EXECUTE) : MAKELRESULT(0, MNC_IGNORE);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace ui
