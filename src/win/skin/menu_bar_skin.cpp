#include "win/skin/menu_bar_skin.h"

#include <algorithm>

#include "core/skin/menu_item_layout.h"
#include "core/skin/menu_text.h"
#include "win/skin/menu_item_painter.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_manager.h"

namespace skin {

namespace {

constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU
constexpr int kMaxCaption = 80;

std::wstring ItemText(HMENU menu, UINT index) {
    wchar_t text[kMaxCaption + 1] = {0};
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STRING;
    mii.dwTypeData = text;
    mii.cch = kMaxCaption + 1;
    if (!::GetMenuItemInfoW(menu, index, TRUE, &mii))
        return std::wstring();
    return std::wstring(text);
}

// The popup menu windows the thread shows, in creation order.
BOOL CALLBACK CollectMenus(HWND hwnd, LPARAM param) {
    char name[16] = {0};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) == "#32768" && ::IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

// Where the keyboard is in the tracked submenu: on its own level, and on an item that opens
// a submenu of its own.
core::TMenuTrackEvent SelectionNow() {
    std::vector<HWND> menus;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectMenus, reinterpret_cast<LPARAM>(&menus));
    core::TMenuTrackEvent e;
    e.kind = core::TMenuTrackEventKind::MenuSelect;
    e.firstLevel = menus.size() <= 1;
    if (menus.size() == 1) {
        HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menus[0], kGetMenu, 0, 0));
        const int count = menu ? ::GetMenuItemCount(menu) : 0;
        for (int i = 0; i < count; ++i) {
            MENUITEMINFOW mii{};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_STATE | MIIM_SUBMENU;
            if (::GetMenuItemInfoW(menu, UINT(i), TRUE, &mii) && (mii.fState & MFS_HILITE))
                e.hasSubmenu = mii.hSubMenu != nullptr;
        }
    }
    return e;
}

core::TMenuTrackKey KeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return core::TMenuTrackKey::Left;
        case VK_RIGHT:
            return core::TMenuTrackKey::Right;
        case VK_RETURN:
            return core::TMenuTrackKey::Return;
        case VK_ESCAPE:
            return core::TMenuTrackKey::Escape;
        case VK_MENU:
            return core::TMenuTrackKey::Alt;
        default:
            return core::TMenuTrackKey::Other;
    }
}

}  // namespace

void TMenuBtn::MouseDown() {
    TNCObject::MouseDown();
    bar_.OpenItem(*this);
}

void TMenuBtn::Paint() {
    bar_.PaintButton(*this);
}

TMenuBarSkin::TMenuBarSkin(TFormSkin& owner, ui::TMainMenu* menu)
    : owner_(owner), framework_(menu) {}

TMenuBarSkin::~TMenuBarSkin() = default;

void TMenuBarSkin::BuildBar() {
    const HWND hwnd = owner_.Handle();
    menu_ = ::GetMenu(hwnd);
    items_.clear();
    const int count = menu_ ? ::GetMenuItemCount(menu_) : 0;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        if (!::GetMenuItemInfoW(menu_, UINT(i), TRUE, &mii))
            continue;
        auto b = std::make_unique<TMenuBtn>(owner_, *this, i);
        b->caption = ItemText(menu_, UINT(i));
        b->command = mii.wID;
        b->submenu = mii.hSubMenu;
        b->enabled = !(mii.fState & (MFS_GRAYED | MFS_DISABLED));
        if (framework_) {
            ui::TMenuItem* item = framework_->Items().FindByCommand(b->command);
            if (!item)
                item = framework_->Items().FindBySubmenu(b->submenu);
            if (item) {
                b->item = item;
                b->caption = WideMenuText(item->Caption());
                b->enabled = item->Enabled();
                b->submenu = item->SubmenuHandle() ? item->SubmenuHandle() : b->submenu;
            }
        }
        items_.push_back(std::move(b));
    }
    // Only the skin's bar shows from now on.
    ::SetMenu(hwnd, nullptr);
}

void TMenuBarSkin::Restore() {
    const HWND hwnd = owner_.Handle();
    // A framework menu may have been made again since it was read: the window gets the bar
    // the menu has now.
    HMENU menu = framework_ && framework_->Window() == hwnd ? framework_->Handle() : menu_;
    if (::IsWindow(hwnd) && menu && ::IsMenu(menu) && ::GetMenu(hwnd) != menu)
        ::SetMenu(hwnd, menu);
    menu_ = nullptr;
}

std::vector<core::TMenuBarItem> TMenuBarSkin::Layout() const {
    std::vector<core::TMenuBarItem> out;
    ui::ScopedGetDC screen(nullptr);
    ui::ScopedSelectObject font(screen.get(), owner_.SkinData().MenuFont());
    for (const auto& b : items_) {
        core::TMenuBarItem item;
        item.visible = b->visible;
        item.enabled = b->enabled;
        const std::wstring text = core::ParseMenuCaption(b->caption).text;
        item.hasCaption = !text.empty();
        SIZE s{0, 0};
        if (!text.empty())
            ::GetTextExtentPoint32W(screen.get(), text.data(), int(text.size()), &s);
        item.captionWidth = s.cx;
        const RECT r = b->Rect();
        item.rect = core::Rect{r.left, r.top, r.right, r.bottom};
        out.push_back(item);
    }
    return out;
}

void TMenuBarSkin::PaintBar(HDC target, const RECT& bar) {
    const int w = bar.right - bar.left, h = bar.bottom - bar.top;
    if (w <= 0 || h <= 0 || painting_)
        return;
    painting_ = true;
    bar_ = bar;
    TSkinData& data = owner_.SkinData();
    const core::TDataSkinObject* picture = data.Data().Find("menuBar");
    const core::TMenuColours colours = core::MenuColoursOf(data.Data());
    const core::TMenuBarBackground plan =
        core::MenuBarBackgroundPlan(w, h, picture, owner_.Active(), colours.menubar);
    background_.SetSize(w, h);
    HDC bg = background_.Canvas().Handle();
    {
        ui::ScopedBrush fill(::CreateSolidBrush(plan.fill));
        RECT all{0, 0, w, h};
        ::FillRect(bg, &all, fill.get());
    }
    if (plan.skinned)
        data.Pictures().Draw(bg, picture->Picture, plan.pieces, false);

    std::vector<core::TMenuBarItem> layout = Layout();
    core::LayoutMenuBar(layout, core::Rect{bar.left, bar.top, bar.right, bar.bottom}, picture,
                        owner_.RightToLeft());
    ui::TBitmap buffer;
    buffer.SetSize(w, h);
    HDC dc = buffer.Canvas().Handle();
    ::BitBlt(dc, 0, 0, w, h, bg, 0, 0, SRCCOPY);
    ui::ScopedSelectObject font(dc, data.MenuFont());
    ::SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    for (size_t i = 0; i < items_.size(); ++i) {
        items_[i]->Place(layout[i].rect);
        const core::Rect box = core::MenuBarCaptionBox(layout[i], tm.tmHeight);
        if (box.Empty())
            continue;
        RECT r{box.left - bar.left, box.top - bar.top, box.right - bar.left, box.bottom - bar.top};
        ::SetTextColor(dc, core::MenuBarCaptionColour(layout[i], colours));
        ::DrawTextW(dc, items_[i]->caption.c_str(), int(items_[i]->caption.size()), &r,
                    DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
    ::BitBlt(target, bar.left, bar.top, w, h, dc, 0, 0, SRCCOPY);
    painting_ = false;
    for (const auto& b : items_)
        if (b->State() != core::ncNormal)
            PaintButton(*b);
}

void TMenuBarSkin::PaintButton(TMenuBtn& button) {
    if (background_.Empty() || !::IsWindow(owner_.Handle()))
        return;
    TSkinData& data = owner_.SkinData();
    std::vector<core::TMenuBarItem> layout = Layout();
    const core::TMenuBarItem& item = layout[size_t(button.Index())];
    ui::ScopedGetDC dc = ui::ScopedGetDC::WholeWindow(owner_.Handle());
    ui::ScopedSelectObject font(dc.get(), data.MenuFont());
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc.get(), &tm);
    const core::TMenuBarButtonPaint p = core::MenuBarButtonPaint(
        item, core::Rect{bar_.left, bar_.top, bar_.right, bar_.bottom}, int(button.State()),
        tm.tmHeight, core::MenuColoursOf(data.Data()));
    if (p.dst.Empty())
        return;
    ::BitBlt(dc.get(), p.dst.left, p.dst.top, p.dst.Width(), p.dst.Height(),
             background_.Canvas().Handle(), p.backgroundSrc.left, p.backgroundSrc.top, SRCCOPY);
    ui::ScopedBrush frame(::CreateSolidBrush(p.frameColour));
    for (const core::Rect& r : p.frame) {
        RECT rr{r.left, r.top, r.right, r.bottom};
        ::FillRect(dc.get(), &rr, frame.get());
    }
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextColor(dc.get(), p.textColour);
    RECT r{p.caption.left, p.caption.top, p.caption.right, p.caption.bottom};
    ::DrawTextW(dc.get(), button.caption.c_str(), int(button.caption.size()), &r,
                DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void TMenuBarSkin::PaintBackground(HDC dc, const RECT& r) {
    RECT part;
    if (background_.Empty() || !::IntersectRect(&part, &r, &bar_))
        return;
    ::BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
             background_.Canvas().Handle(), part.left - bar_.left, part.top - bar_.top, SRCCOPY);
}

TNCObject* TMenuBarSkin::ItemAt(POINT at) {
    const int i = core::MenuBarItemAt(Layout(), at.x, at.y);
    return i < 0 ? nullptr : items_[size_t(i)].get();
}

bool TMenuBarSkin::OpenByKey(wchar_t key) {
    if (items_.empty())
        return false;
    int index = 0;
    if (key != 0) {
        std::vector<std::wstring> captions;
        for (const auto& b : items_)
            captions.push_back(b->caption);
        index = core::FindMenuMnemonic(captions, char32_t(key));
        if (index < 0)
            return false;
    }
    OpenItem(*items_[size_t(index)]);
    return true;
}

POINT TMenuBarSkin::ToWindow(POINT screen) const {
    RECT w;
    ::GetWindowRect(owner_.Handle(), &w);
    return POINT{screen.x - w.left, screen.y - w.top};
}

void TMenuBarSkin::OpenItem(TMenuBtn& first) {
    if (opening_)
        return;
    opening_ = true;
    const HWND hwnd = owner_.Handle();
    const bool rightToLeft = owner_.RightToLeft();
    int next = first.Index();
    while (next >= 0 && next < int(items_.size()) && ::IsWindow(hwnd)) {
        TMenuBtn& item = *items_[size_t(next)];
        next = -1;
        if (item.command != 0 && item.command != UINT(-1) && !item.submenu)
            ::PostMessageW(hwnd, WM_COMMAND, item.command, 0);
        if (!item.submenu || !item.enabled) {
            item.SetState(core::ncNormal);
            break;
        }
        item.SetState(core::ncPressed);
        tracking_ = true;
        if (TSkinManager* manager = TSkinManager::Instance())
            manager->NoteMenuOpening(core::TPopupMenuOrigin::MenuBar);
        POINT cursor{0, 0};
        ::GetCursorPos(&cursor);
        const POINT at = ToWindow(cursor);
        tracker_.Begin(Layout(), item.Index(), rightToLeft, at.x, at.y);
        pendingOpen_ = -1;
        hook_ = std::make_unique<ui::TThreadHook>(
            WH_MSGFILTER, [this](int code, WPARAM, LPARAM l) { return Filter(code, l); });
        RECT w;
        ::GetWindowRect(hwnd, &w);
        const RECT r = item.Rect();
        const UINT align = rightToLeft ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
        const UINT command = UINT(::TrackPopupMenuEx(
            item.submenu, align | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
            w.left + (rightToLeft ? r.right : r.left), w.top + r.bottom, hwnd, nullptr));
        hook_.reset();
        tracking_ = false;
        item.SetState(core::ncNormal);
        next = pendingOpen_;
        pendingOpen_ = -1;
        if (command != 0) {
            // The item's action may change the menu: the bar is read again after it.
            if (!framework_ || !framework_->DispatchCommand(command))
                ::PostMessageW(hwnd, WM_COMMAND, command, 0);
        }
        if (changed_)
            break;
    }
    opening_ = false;
    if (changed_) {
        changed_ = false;
        owner_.MenuChanged();  // may free this bar: nothing follows
    }
}

void TMenuBarSkin::OpenAt(POINT screen) {
    const POINT at = ToWindow(screen);
    if (auto* b = dynamic_cast<TMenuBtn*>(ItemAt(at)))
        OpenItem(*b);
}

void TMenuBarSkin::MenuSelect(WPARAM, LPARAM) {
    tracker_.Feed(SelectionNow());
}

bool TMenuBarSkin::Filter(int code, LPARAM lParam) {
    if (code != MSGF_MENU || !tracking_)
        return false;
    const MSG& m = *reinterpret_cast<const MSG*>(lParam);
    auto feed = [this, &m](const core::TMenuTrackEvent& e) {
        const core::TMenuTrackAnswer answer = tracker_.Feed(e);
        if (answer.postDownArrow) {
            std::vector<HWND> menus;
            ::EnumThreadWindows(::GetCurrentThreadId(), CollectMenus,
                                reinterpret_cast<LPARAM>(&menus));
            ::PostMessageW(menus.empty() ? m.hwnd : menus.front(), WM_KEYDOWN, VK_DOWN, 0);
        }
        return answer;
    };
    core::TMenuTrackEvent e;
    if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
        const core::TMenuTrackKey key = KeyOf(m.wParam);
        if (key == core::TMenuTrackKey::Left || key == core::TMenuTrackKey::Right)
            feed(SelectionNow());
        e.kind = core::TMenuTrackEventKind::KeyDown;
        e.key = key;
    } else if (m.message == WM_MOUSEMOVE) {
        const POINT at = ToWindow(m.pt);
        e.kind = core::TMenuTrackEventKind::MouseMove;
        e.x = at.x;
        e.y = at.y;
    }
    const core::TMenuTrackAnswer answer = feed(e);
    switch (answer.action) {
        case core::TMenuTrackAction::OpenItem:
            pendingOpen_ = answer.item;
            ::EndMenu();
            return true;
        case core::TMenuTrackAction::EndTracking:
            ::EndMenu();
            return false;
        default:
            return false;
    }
}

}  // namespace skin
