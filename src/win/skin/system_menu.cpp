// The skinned system menu: an owner-drawn copy of the window's own system menu, with the
// window's state applied to its items and the program's glyphs; choosing an item posts its
// system command.
#include <cwctype>

#include "core/skin/frame_rules.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_manager.h"
#include "win/skin/system_menu_items.h"
#include "win/ui/handles.h"

namespace skin {

namespace {

std::wstring ItemText(HMENU menu, UINT index) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STRING;
    if (!::GetMenuItemInfoW(menu, index, TRUE, &mii) || mii.cch == 0)
        return std::wstring();
    std::wstring text(mii.cch + 1, L'\0');
    mii.dwTypeData = &text[0];
    mii.cch += 1;
    if (!::GetMenuItemInfoW(menu, index, TRUE, &mii))
        return std::wstring();
    text.resize(mii.cch);
    return text;
}

wchar_t Mnemonic(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == L'&') {
            if (text[i + 1] != L'&')
                return wchar_t(std::towlower(text[i + 1]));
            ++i;
        }
    return 0;
}

}  // namespace

void TFormSkin::OpenSystemMenu(POINT at) {
    if (systemMenuOpen_ || !::IsWindow(hwnd_))
        return;
    const DWORD now = ::GetTickCount();
    if (hot_ && systemMenuOpened_ != 0 && now - systemMenuOpened_ <= ::GetDoubleClickTime()) {
        // A second click on the icon button.
        systemMenuOpened_ = 0;
        Command(core::TFrameCommand::Close, 0);
        return;
    }
    systemMenuOpened_ = now;
    HMENU real = ::GetSystemMenu(hwnd_, FALSE);
    if (!real)
        return;
    std::vector<core::TSystemMenuItem> states;
    std::vector<std::unique_ptr<TSystemMenuItemView>> views;
    const int count = ::GetMenuItemCount(real);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
        if (!::GetMenuItemInfoW(real, UINT(i), TRUE, &mii))
            continue;
        auto view = std::make_unique<TSystemMenuItemView>();
        const std::wstring text = ItemText(real, UINT(i));
        const size_t tab = text.find(L'\t');
        view->text = text.substr(0, tab);
        if (tab != std::wstring::npos)
            view->shortcut = text.substr(tab + 1);
        view->command = mii.wID;
        core::TSystemMenuItem state;
        state.command = mii.wID;
        state.separator = (mii.fType & MFT_SEPARATOR) || view->text.empty();
        state.grayed = (mii.fState & (MFS_GRAYED | MFS_DISABLED)) != 0;
        state.checked = (mii.fState & MFS_CHECKED) != 0;
        states.push_back(state);
        views.push_back(std::move(view));
    }
    states = core::SkinnedSystemMenu(states, windowState_, icons_.minimize, icons_.maximize,
                                     kind_ == core::fkSizeable);
    ui::ScopedMenu popup(::CreatePopupMenu());
    for (size_t i = 0; i < views.size(); ++i) {
        TSystemMenuItemView& v = *views[i];
        v.separator = states[i].separator;
        v.grayed = states[i].grayed;
        v.checked = states[i].checked;
        v.glyph = states[i].glyph;
        UINT flags = MF_OWNERDRAW;
        if (v.separator)
            flags |= MF_SEPARATOR;
        if (v.grayed)
            flags |= MF_GRAYED;
        if (v.checked)
            flags |= MF_CHECKED;
        ::AppendMenuW(popup.get(), flags, v.separator ? 0 : v.command,
                      reinterpret_cast<LPCWSTR>(&v));
    }
    menuItems_ = std::move(views);
    skinnedMenu_ = popup.get();
    systemMenuOpen_ = true;
    manager_.NoteMenuOpening(core::TPopupKind::SystemMenu);
    const UINT command = UINT(::TrackPopupMenu(
        popup.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
        hwnd_, nullptr));
    systemMenuOpen_ = false;
    skinnedMenu_ = nullptr;
    popup.reset();
    menuItems_.clear();
    if (command != 0 && ::IsWindow(hwnd_))
        ::PostMessageW(hwnd_, WM_SYSCOMMAND, command, 0);
}

namespace {

TSystemMenuItemView* Ours(const std::vector<std::unique_ptr<TSystemMenuItemView>>& items,
                          ULONG_PTR data) {
    for (const auto& v : items)
        if (reinterpret_cast<ULONG_PTR>(v.get()) == data && v->tag == TSystemMenuItemView::kTag)
            return v.get();
    return nullptr;
}

}  // namespace

bool TFormSkin::MeasureMenuItem(MEASUREITEMSTRUCT& mis) {
    if (mis.CtlType != ODT_MENU)
        return false;
    TSystemMenuItemView* v = Ours(menuItems_, mis.itemData);
    if (!v)
        return false;
    ui::ScopedGetDC screen(nullptr);
    const SIZE s = MeasureSkinMenuItem(screen.get(), *v, data_);
    mis.itemWidth = UINT(s.cx);
    mis.itemHeight = UINT(s.cy);
    return true;
}

bool TFormSkin::DrawMenuItem(const DRAWITEMSTRUCT& dis) {
    if (dis.CtlType != ODT_MENU)
        return false;
    TSystemMenuItemView* v = Ours(menuItems_, dis.itemData);
    if (!v)
        return false;
    try {
        DrawSkinMenuItem(dis.hDC, dis.rcItem, *v, (dis.itemState & ODS_SELECTED) != 0, data_);
    } catch (...) {
        // Painting errors are swallowed.
    }
    return true;
}

bool TFormSkin::MenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!skinnedMenu_ || reinterpret_cast<HMENU>(lParam) != skinnedMenu_)
        return false;
    const wchar_t key = wchar_t(std::towlower(wchar_t(LOWORD(wParam))));
    for (size_t i = 0; i < menuItems_.size(); ++i)
        if (!menuItems_[i]->separator && Mnemonic(menuItems_[i]->text) == key) {
            result = MAKELRESULT(WORD(i), MNC_EXECUTE);
            return true;
        }
    result = MAKELRESULT(0, MNC_IGNORE);
    return true;
}

}  // namespace skin
