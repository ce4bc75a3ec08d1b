#include "win/ui/popup_menu.h"

#include <algorithm>

#include "win/ui/application.h"

namespace ui {
namespace {

UINT NextCommand() {
    static UINT next = 100;  // ids below 100 stay free for system use
    if (++next > 0x7FFF)
        next = 101;
    return next;
}

void AppendItems(HMENU menu, TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible())
            continue;
        if (item->IsSeparator()) {
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags =
            MF_STRING | (item->Checked() ? MF_CHECKED : 0) | (item->Enabled() ? 0 : MF_GRAYED);
        if (item->Count() > 0) {
            HMENU sub = ::CreatePopupMenu();
            AppendItems(sub, *item);
            ::AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub),
                          item->Caption().c_str());
        } else {
            ::AppendMenuA(menu, flags, item->Command(), item->Caption().c_str());
        }
    }
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
    if (parent_)
        parent_->Remove(this);
    for (TMenuItem* item : items_)
        item->parent_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    if (!item || item->parent_ == this)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    items_.push_back(item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
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

void TMenuItem::Click() {
    if (!enabled_)
        return;
    if (autoCheck_)
        checked_ = !checked_;
    if (OnClick)
        OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), items_(nullptr) {}

TPopupMenu::~TPopupMenu() = default;

ScopedMenu TPopupMenu::BuildMenu() {
    ScopedMenu menu(::CreatePopupMenu());
    AppendItems(menu.get(), items_);
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
    if (command != 0)
        if (TMenuItem* item = items_.FindByCommand(command))
            item->Click();
}

}  // namespace ui
