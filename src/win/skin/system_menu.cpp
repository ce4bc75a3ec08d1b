// The skinned system menu: an owner-drawn copy of the window's own system menu, with the
// window's state applied to its items and the program's glyphs; choosing an item posts its
// system command.
#include <algorithm>
#include <string>
#include <vector>

#include "core/skin/frame_rules.h"
#include "core/skin/menu_system.h"
#include "core/skin/menu_text.h"
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

std::string Utf8(const std::wstring& w) {
    if (w.empty())
        return std::string();
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(size_t(std::max(n, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), &s[0], n, nullptr, nullptr);
    return s;
}

std::wstring Wide(const std::string& s) {
    if (s.empty())
        return std::wstring();
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
    std::wstring w(size_t(std::max(n, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), &w[0], n);
    return w;
}

// The entries of the window's real system menu, item by item.
std::vector<core::TSystemMenuEntry> ReadSystemMenu(HMENU menu) {
    std::vector<core::TSystemMenuEntry> entries;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
        if (!::GetMenuItemInfoW(menu, UINT(i), TRUE, &mii))
            continue;
        core::TSystemMenuEntry e;
        if (!(mii.fType & MFT_SEPARATOR))
            e.caption = Utf8(ItemText(menu, UINT(i)));
        e.command = mii.wID;
        e.grey = (mii.fState & (MFS_GRAYED | MFS_DISABLED)) != 0;
        e.checked = (mii.fState & MFS_CHECKED) != 0;
        e.isDefault = (mii.fState & MFS_DEFAULT) != 0;
        entries.push_back(e);
    }
    return entries;
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
    core::TSystemMenuWindow window;
    window.maximised = windowState_ == core::wsMaximized;
    window.minimised = windowState_ == core::wsMinimized;
    window.minimizeBox = icons_.minimize;
    window.maximizeBox = icons_.maximize;
    window.sizeable = kind_ == core::fkSizeable;
    const DWORD version = ::GetVersion();
    const bool nt4 = !(version & 0x80000000u) && LOBYTE(LOWORD(version)) == 4;
    const std::vector<core::TSystemMenuItem> items =
        nt4 ? core::Nt4SystemMenuItems(window)
            : core::SkinnedSystemMenuItems(ReadSystemMenu(real), window);
    std::vector<std::unique_ptr<TSystemMenuItemView>> views;
    ui::ScopedMenu popup(::CreatePopupMenu());
    for (const core::TSystemMenuItem& item : items) {
        auto v = std::make_unique<TSystemMenuItemView>();
        v->separator = item.caption == "-";
        v->caption = Wide(item.caption);
        v->shortcut = Wide(item.shortcut);
        v->command = item.command;
        v->enabled = item.enabled;
        v->checked = item.checked;
        v->isDefault = item.isDefault;
        v->glyph = item.glyph;
        v->images = &data_.MenuGlyphs();
        UINT flags = MF_OWNERDRAW;
        if (v->separator)
            flags |= MF_SEPARATOR;
        if (!v->enabled)
            flags |= MF_GRAYED;
        if (v->checked)
            flags |= MF_CHECKED;
        ::AppendMenuW(popup.get(), flags, v->separator ? 0 : v->command,
                      reinterpret_cast<LPCWSTR>(v.get()));
        if (v->isDefault)
            ::SetMenuDefaultItem(popup.get(), v->command, FALSE);
        views.push_back(std::move(v));
    }
    menuItems_ = std::move(views);
    skinnedMenu_ = popup.get();
    systemMenuOpen_ = true;
    manager_.NoteMenuOpening(core::TPopupMenuOrigin::SystemMenu);
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
        if (reinterpret_cast<ULONG_PTR>(v.get()) == data && v->tag == core::kSystemMenuTag)
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
        TMenuItemView view = *v;
        view.hideAccel = (dis.itemState & ODS_NOACCEL) != 0;
        DrawSkinMenuItem(dis.hDC, dis.rcItem, view, (dis.itemState & ODS_SELECTED) != 0, data_);
    } catch (...) {
        // Painting errors are swallowed.
    }
    return true;
}

bool TFormSkin::MenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!skinnedMenu_ || reinterpret_cast<HMENU>(lParam) != skinnedMenu_)
        return false;
    std::vector<std::wstring> captions;
    for (const auto& item : menuItems_)
        captions.push_back(item->separator ? std::wstring() : item->caption);
    const int index = core::FindMenuMnemonic(captions, char32_t(LOWORD(wParam)));
    result = index >= 0 ? MAKELRESULT(WORD(index), MNC_EXECUTE) : MAKELRESULT(0, MNC_IGNORE);
    return true;
}

}  // namespace skin
