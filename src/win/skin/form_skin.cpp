#include "win/skin/form_skin.h"

#include <windowsx.h>

#include <algorithm>

#include "core/skin/skin_options.h"
#include "win/skin/control_skin.h"
#include "win/skin/menu_bar_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_manager.h"
#include "win/skin/skin_popup_menus.h"
#include "win/skin/system_menu_items.h"
#include "win/ui/window_subclass.h"

namespace skin {

namespace {

constexpr UINT kCaptionDraw = 0xAE;  // undocumented: the system draws the caption itself

std::string ClassOf(HWND hwnd) {
    char name[256] = {0};
    const int n = ::GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? size_t(n) : 0);
}

core::TSystemVersion SystemVersion() {
    const DWORD v = ::GetVersion();
    core::TSystemVersion version;
    version.ntFamily = (v & 0x80000000u) == 0;
    version.major = int(LOBYTE(LOWORD(v)));
    version.minor = int(HIBYTE(LOWORD(v)));
    return version;
}

core::TWindowState PlacementState(HWND hwnd) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!::GetWindowPlacement(hwnd, &wp))
        return core::wsNormal;
    if (wp.showCmd == SW_SHOWMAXIMIZED)
        return core::wsMaximized;
    if (wp.showCmd == SW_SHOWMINIMIZED || ::IsIconic(hwnd))
        return core::wsMinimized;
    return core::wsNormal;
}

// The form's main menu, which a menu bar takes its items from: its Menu, else the first one
// it owns (a menu set on the window directly).
ui::TMainMenu* MainMenuOf(ui::TForm* form) {
    if (form && form->Menu())
        return form->Menu();
    if (form)
        for (ui::TComponent* c : form->Components())
            if (auto* menu = dynamic_cast<ui::TMainMenu*>(c))
                return menu;
    return nullptr;
}

}  // namespace

// --- non-client objects ------------------------------------------------------------------

void TNCObject::MouseDown() {
    SetState(core::ncPressed);
}

void TNCObject::MouseUp() {
    SetState(core::ncHot);
}

void TNCObject::MouseEnter() {
    SetState(core::ncHot);
}

void TNCObject::MouseLeave() {
    SetState(core::ncNormal);
}

void TNCObject::SetState(core::TNCState state) {
    if (state == state_)
        return;
    state_ = state;
    Paint();
}

TCaptionButton::TCaptionButton(TFormSkin& owner, const core::TDataSkinSysButton& def)
    : TNCObject(owner), def_(&def), spec_(core::CaptionButtonSpecOf(def)) {
    if (IsIcon() && spec_.width == 0) {
        // No picture: the window's small icon takes its place.
        spec_.width = ::GetSystemMetrics(SM_CXSMICON);
        spec_.height = ::GetSystemMetrics(SM_CYSMICON);
    }
}

void TCaptionButton::MouseUp() {
    TNCObject::MouseUp();
    owner_.ButtonAction(*this);
}

void TCaptionButton::Paint() {
    owner_.PaintCaption();
}

void TCaptionButton::Place(const core::Rect& r) {
    visible_ = !r.Empty();
    rect_ = RECT{r.left, r.top, r.right, r.bottom};
}

// --- the form skin -----------------------------------------------------------------------

TFormSkin::TFormSkin(TSkinManager& manager, HWND hwnd, ui::TForm* form, TSkinData& data)
    : manager_(manager), hwnd_(hwnd), form_(form), data_(data), className_(ClassOf(hwnd)) {}

TFormSkin::~TFormSkin() {
    Detach();
    FreeControlSkins(false);
}

bool TFormSkin::Running() const {
    return state_ == fssRunning || state_ == fssReapplying || state_ == fssSettingUp;
}

void TFormSkin::ReadWindow() {
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd_, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
    kind_ = core::FrameKindOf(uint32_t(style), uint32_t(exStyle), className_);
    hasSystemMenuStyle_ = (style & WS_SYSMENU) != 0;
    hasCaptionStyle_ = (style & WS_CAPTION) == WS_CAPTION;
    const bool owned = ::GetWindow(hwnd_, GW_OWNER) != nullptr;
    const bool systemMenu = hasSystemMenuStyle_ || ::GetSystemMenu(hwnd_, FALSE) != nullptr;
    icons_ =
        core::BorderIconsOf(uint32_t(style), uint32_t(exStyle), systemMenu, owned, SystemVersion());
    rightToLeft_ = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    windowState_ = PlacementState(hwnd_);
    mdi_ = mdiNone;
    if (exStyle & WS_EX_MDICHILD)
        mdi_ = mdiChild;
    else if (::FindWindowExA(hwnd_, nullptr, "MDIClient", nullptr))
        mdi_ = mdiFrame;
}

void TFormSkin::MakeButtons() {
    hot_ = nullptr;
    buttons_.clear();
    for (const auto& def : data_.Data().CaptionButtons())
        buttons_.push_back(std::make_unique<TCaptionButton>(*this, *def));
}

void TFormSkin::Attach() {
    if (attached_)
        return;
    if (form_ && data_.OnBeforeSkinForm)
        data_.OnBeforeSkinForm(form_, hwnd_, className_);
    ReadWindow();
    wide_ = ::IsWindowUnicode(hwnd_) != FALSE;
    auto handler = [this](UINT m, WPARAM w, LPARAM l, const ui::TWndMethodChain::Next& next) {
        ++busy_;
        LRESULT r = 0;
        try {
            r = Handle(m, w, l, next);
        } catch (...) {
            --busy_;
            throw;
        }
        --busy_;
        return r;
    };
    // The program's forms are chained through their WindowProc; windows of the system get
    // their own procedure replaced.
    link_ = form_ ? form_->WindowProc.InsertHead(handler) : ui::ChainWindowProc(hwnd_, handler);
    const bool mdiPassive = mdi_ == mdiChild && data_.Options().Has(core::xoMDIChildBorder);
    passive_ = !data_.SkinControls().Has(core::xcMainMenu) || mdiPassive;
    if (!passive_) {
        if (icons_.captionToggle && windowState_ != core::wsMaximized)
            SetStyleBits(WS_CAPTION, false);
        metrics_ = core::FrameMetricsOf(data_.Data(), kind_);
        MakeButtons();
        if (mdi_ != mdiChild && ::GetMenu(hwnd_)) {
            auto bar = std::make_unique<TMenuBarSkin>(*this, MainMenuOf(form_));
            bar->BuildBar();
            menuBar_ = std::move(bar);
            metrics_.menuBar = ::GetSystemMetrics(SM_CYMENU);
        }
        if (mdi_ == mdiChild) {
            const int system = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFRAME);
            if (metrics_.caption < system)
                metrics_.menuBar += system - metrics_.caption;
        }
    }
    if (form_) {
        savedColor_ = form_->Color();
        form_->SetColor(ui::TColor(data_.Data().ButtonFaceColour()));
    }
    // A window that gets its skinned frame is drawn once, by the set-up at its skinned size:
    // what the system would paint before that (the show's erasing of every control in the
    // system's look) is dropped.
    const bool child = (::GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) != 0;
    if (!passive_ && !child && kind_ != core::fkNone && windowState_ != core::wsMinimized) {
        DropPendingPaint();
        drawnBySetUp_ = true;
    }
    attached_ = true;
}

void TFormSkin::MenuChanged() {
    if (passive_ || !data_.MenuUpdate() || mdi_ == mdiChild || !::IsWindow(hwnd_))
        return;
    if (menuBar_ && menuBar_->Busy()) {
        menuBar_->ChangeLater();
        return;
    }
    if (hot_ && !dynamic_cast<TCaptionButton*>(hot_))
        hot_ = nullptr;  // a button of the bar that goes
    const int before = metrics_.menuBar;
    if (::GetMenu(hwnd_)) {
        auto bar = std::make_unique<TMenuBarSkin>(*this, MainMenuOf(form_));
        bar->BuildBar();
        menuBar_ = std::move(bar);
        metrics_.menuBar = ::GetSystemMetrics(SM_CYMENU);
    } else {
        menuBar_.reset();
        metrics_.menuBar = 0;
    }
    if (!Running() || kind_ == core::fkNone)
        return;  // the set-up lays the frame out
    if (metrics_.menuBar != before)
        ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    PaintFrame();
}

void TFormSkin::SetUp() {
    if (state_ != fssCreated || !attached_)
        return;
    systemMenu_ = ::GetSystemMenu(hwnd_, FALSE);
    ReadIcon();
    RECT client;
    ::GetClientRect(hwnd_, &client);
    framelessClient_ = SIZE{client.right, client.bottom};
    active_ = ::GetActiveWindow() == hwnd_;
    SkinChildren();
    const bool child = (::GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) != 0;
    if (!passive_ && !child && kind_ != core::fkNone && windowState_ != core::wsMinimized) {
        state_ = fssSettingUp;
        ResizeToSkin();
        // The controls' skins asked for repaints; setting the region would erase them at once
        // (a frame change erases what is pending), and the redraw below paints them anyway.
        DropPendingPaint();
        UpdateRegion(true);
        // Frame, client and controls are drawn with the window's next paint.
        RedrawAll();
    } else if (drawnBySetUp_) {
        RedrawAll();
    } else if (!passive_ && kind_ != core::fkNone) {
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    if (data_.OnAfterSkinForm)
        data_.OnAfterSkinForm(form_, hwnd_, className_);
    state_ = fssRunning;
    if (!passive_ && kind_ != core::fkNone)
        ActivateHoverTimer(active_);
}

std::wstring TFormSkin::CaptionText() const {
    const int n = ::GetWindowTextLengthW(hwnd_);
    std::wstring text(size_t(std::max(n, 0)) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd_, &text[0], n + 1);
    text.resize(size_t(std::max(got, 0)));
    return L" " + text + captionSuffix_;
}

SIZE TFormSkin::MeasureCaption(HDC dc, const std::wstring& text) const {
    SIZE s{0, 0};
    ui::ScopedSelectObject font(dc, data_.CaptionFont());
    ::GetTextExtentPoint32W(dc, text.data(), int(text.size()), &s);
    TEXTMETRICW tm{};
    if (::GetTextMetricsW(dc, &tm))
        s.cy = tm.tmHeight;
    return s;
}

void TFormSkin::ResizeToSkin() {
    if (windowState_ == core::wsMaximized) {
        ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    int textWidth = 0;
    if (kind_ == core::fkDialog) {
        ui::ScopedGetDC screen(nullptr);
        textWidth = MeasureCaption(screen.get(), CaptionText()).cx;
    }
    const bool countMenuBar = !form_ || mdi_ == mdiChild;
    const core::TSkinnedSize size =
        core::SkinnedWindowSize(framelessClient_.cx, framelessClient_.cy, metrics_, countMenuBar,
                                kind_, textWidth, data_.Data().Title());
    // The client area keeps its place on the screen and the frame grows around it, so the
    // controls do not move. Nothing is copied, drawn or erased on the way: the caller
    // invalidates the window once its region is set too, and the frame is painted by the skin.
    POINT client{0, 0};
    ::ClientToScreen(hwnd_, &client);
    const int x = client.x - metrics_.left - size.childShift;
    const int y = client.y - metrics_.caption - (countMenuBar ? metrics_.menuBar : 0);
    RECT window;
    ::GetWindowRect(hwnd_, &window);
    const bool sizeChanges =
        window.right - window.left != size.width || window.bottom - window.top != size.height;
    ::SetWindowPos(hwnd_, nullptr, x, y, size.width, size.height,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_DEFERERASE |
                       (sizeChanges ? 0 : SWP_FRAMECHANGED));
    if (size.childShift <= 0)
        return;
    for (HWND child = ::GetWindow(hwnd_, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ui::TWinControl* control = ui::TWinControl::FindControl(child)) {
            control->SetLeft(control->Left() + size.childShift);
            continue;
        }
        RECT r;
        ::GetWindowRect(child, &r);
        POINT at{r.left, r.top};
        ::ScreenToClient(hwnd_, &at);
        ::SetWindowPos(child, nullptr, at.x + size.childShift, at.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TFormSkin::ResizeToSystemFrame() {
    RECT client;
    ::GetClientRect(hwnd_, &client);
    RECT r{0, 0, client.right, client.bottom};
    const DWORD style = DWORD(::GetWindowLongPtrA(hwnd_, GWL_STYLE));
    const DWORD exStyle = DWORD(::GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
    const BOOL hasMenu = !(style & WS_CHILD) && ::GetMenu(hwnd_) != nullptr;
    ::AdjustWindowRectEx(&r, style, hasMenu, exStyle);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TFormSkin::DropPendingPaint() {
    ::RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_ALLCHILDREN);
}

void TFormSkin::RedrawAll() {
    ::RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TFormSkin::SetStyleBits(LONG_PTR bits, bool on) {
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd_, GWL_STYLE);
    const LONG_PTR want = on ? (style | bits) : (style & ~bits);
    if (want != style)
        ::SetWindowLongPtrA(hwnd_, GWL_STYLE, want);
}

void TFormSkin::RestoreStyles() {
    if (hasSystemMenuStyle_)
        SetStyleBits(WS_SYSMENU, true);
    if (hasCaptionStyle_)
        SetStyleBits(WS_CAPTION, true);
}

void TFormSkin::Detach() {
    if (!attached_)
        return;
    attached_ = false;
    hover_.reset();
    hot_ = nullptr;
    const bool alive = ::IsWindow(hwnd_) && state_ != fssFinished && state_ != fssDestroying;
    const bool framed = !passive_ && kind_ != core::fkNone && state_ != fssCreated;
    // The client size under the skinned frame, before the window's own frame comes back.
    link_.Leave();
    if (!alive) {
        state_ = fssFinished;
        return;
    }
    UnskinChildren();
    if (form_)
        form_->SetColor(savedColor_);
    RestoreStyles();
    if (menuBar_) {
        menuBar_->Restore();
        menuBar_.reset();
    }
    if (framed) {
        if (PlacementState(hwnd_) == core::wsMaximized)
            ::SetWindowPos(
                hwnd_, nullptr, 0, 0, 0, 0,
                SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        else
            ResizeToSystemFrame();
        ::SetWindowRgn(hwnd_, nullptr, TRUE);
        RedrawAll();
    } else if (drawnBySetUp_) {
        RedrawAll();  // its set-up never came to draw it
    } else if (!passive_ && kind_ != core::fkNone) {
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    } else if (!passive_ && state_ == fssCreated) {
        // Detached before its set-up: its frame was never painted.
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    state_ = fssFinished;
}

void TFormSkin::ReloadSkin() {
    // The caption buttons point into the skin that was read before.
    hot_ = nullptr;
    if (!passive_)
        MakeButtons();
}

void TFormSkin::Reapply() {
    if (!attached_ || passive_ || state_ != fssRunning)
        return;
    state_ = fssReapplying;
    ReloadSkin();
    const core::TFrameMetrics before = metrics_;
    metrics_ = core::FrameMetricsOf(data_.Data(), kind_);
    metrics_.menuBar = before.menuBar;
    if (!(metrics_ == before) && kind_ != core::fkNone && windowState_ != core::wsMinimized) {
        RECT client;
        ::GetClientRect(hwnd_, &client);
        framelessClient_ = SIZE{client.right, client.bottom};
        ResizeToSkin();
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    UpdateRegion(true);
    ReapplyChildren();
    state_ = fssRunning;
}

void TFormSkin::Repaint() {
    if (!::IsWindow(hwnd_) || passive_ || kind_ == core::fkNone)
        return;
    PaintFrame();
}

void TFormSkin::ReadIcon() {
    HICON icon = reinterpret_cast<HICON>(::SendMessageW(hwnd_, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(::SendMessageW(hwnd_, WM_GETICON, ICON_SMALL2, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(::SendMessageW(hwnd_, WM_GETICON, ICON_BIG, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(::GetClassLongPtrW(hwnd_, GCLP_HICONSM));
    if (!icon)
        icon = reinterpret_cast<HICON>(::GetClassLongPtrW(hwnd_, GCLP_HICON));
    icon_ = icon;
}

// Control skins plug in here: the skins of the window's child controls are made when the
// window is set up, taken off when it is detached and refreshed when the skin is reapplied.
void TFormSkin::SkinChildren() {
    SkinPopupMenus(*this);
    SkinMainMenu(*this);
    SkinChildControls();
}

void TFormSkin::UnskinChildren() {
    UnskinPopupMenus(*this);
    UnskinMainMenu(*this);
    FreeControlSkins(true);
}

void TFormSkin::ReapplyChildren() {
    const std::vector<TSkinControl*> skins = controlSkins_;
    for (TSkinControl* s : skins)
        if (std::find(controlSkins_.begin(), controlSkins_.end(), s) != controlSkins_.end())
            s->Reapply();
}

LRESULT TFormSkin::Handle(UINT msg,
                          WPARAM wParam,
                          LPARAM lParam,
                          const ui::TWndMethodChain::Next& next) {
    switch (msg) {
        case WM_NCDESTROY: {
            state_ = fssDestroying;
            hover_.reset();
            hot_ = nullptr;
            link_.Leave();
            attached_ = false;
            const LRESULT r = next(msg, wParam, lParam);
            state_ = fssFinished;
            manager_.FormSkinFinished(this);
            return r;
        }
        case WM_ERASEBKGND: {
            const LRESULT r = next(msg, wParam, lParam);
            if (!form_ && wParam) {
                RECT client;
                ::GetClientRect(hwnd_, &client);
                ::FillRect(reinterpret_cast<HDC>(wParam), &client, data_.FaceBrush());
            }
            return form_ ? r : 1;
        }
        case kCaptionDraw:
            return 0;
        case WM_INITMENUPOPUP:
            systemMenuPopup_ = HIWORD(lParam) != 0;
            return next(msg, wParam, lParam);
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC: {
            const LRESULT r = next(msg, wParam, lParam);
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            if (msg == WM_CTLCOLORSTATIC && !form_)
                return reinterpret_cast<LRESULT>(data_.FaceBrush());
            return r;
        }
        case core::skinmsg::kSetUp:
            SetUp();
            return 0;
        case core::skinmsg::kIsSkinned:
            return 1;
        default:
            break;
    }
    if (passive_)
        return next(msg, wParam, lParam);
    bool handled = false;
    const LRESULT r = HandleActive(msg, wParam, lParam, next, handled);
    return handled ? r : next(msg, wParam, lParam);
}

LRESULT TFormSkin::HandleActive(UINT msg,
                                WPARAM wParam,
                                LPARAM lParam,
                                const ui::TWndMethodChain::Next& next,
                                bool& handled) {
    handled = true;
    // A window without a skinned frame keeps the system's non-client painting.
    const bool framed = kind_ != core::fkNone;
    switch (msg) {
        case WM_SIZE: {
            windowState_ = wParam == SIZE_MAXIMIZED   ? core::wsMaximized
                           : wParam == SIZE_MINIMIZED ? core::wsMinimized
                                                      : core::wsNormal;
            const LRESULT r = next(msg, wParam, lParam);
            // The set-up cuts the region itself once the window has its skinned size.
            if (windowState_ != core::wsMinimized && Running() && state_ != fssSettingUp)
                UpdateRegion();
            // A child maximised or given back shows or hides its buttons in the frame's bar.
            if (mdi_ == mdiChild)
                if (HWND frame = ::GetAncestor(hwnd_, GA_ROOT))
                    ::PostMessageA(frame, core::skinmsg::kRepaintFrame, 0, 0);
            return r;
        }
        case WM_GETMINMAXINFO:
            windowState_ = PlacementState(hwnd_);
            if (icons_.captionToggle && framed)
                SetStyleBits(WS_CAPTION, windowState_ == core::wsMaximized);
            return next(msg, wParam, lParam);
        case WM_SYSCOMMAND:
            return SysCommand(wParam, lParam, next);
        case ui::CM_MENUCHANGED: {
            const LRESULT r = next(msg, wParam, lParam);  // the form sets its menu on the window
            MenuChanged();
            return r;
        }
        case WM_SETTEXT:
        case WM_SETICON: {
            // Some default window procedures draw the caption by themselves here while the
            // window has a caption style; keep them from it and draw the skin's instead.
            if (!framed || !Running())
                break;
            const LONG_PTR style = ::GetWindowLongPtrA(hwnd_, GWL_STYLE);
            const bool caption = (style & WS_CAPTION) == WS_CAPTION;
            if (caption)
                ::SetWindowLongPtrA(hwnd_, GWL_STYLE, style & ~LONG_PTR(WS_CAPTION));
            const LRESULT r = next(msg, wParam, lParam);
            if (caption)
                SetStyleBits(WS_CAPTION, true);
            if (msg == WM_SETICON)
                ReadIcon();
            PaintFrame();
            return r;
        }
        default:
            break;
    }
    if (state_ == fssCreated) {
        // Until the set-up message the frame is not drawn.
        if (msg == WM_NCPAINT && framed)
            return 0;
        if (msg == WM_NCACTIVATE && framed && mdi_ != mdiChild) {
            active_ = wParam != FALSE;
            return FALSE;
        }
        handled = false;
        return 0;
    }
    if (!Running()) {
        handled = false;
        return 0;
    }
    switch (msg) {
        case WM_MEASUREITEM:
            if (wParam == 0 && MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (wParam == 0 && DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_MENUCHAR: {
            LRESULT r = 0;
            if (MenuChar(wParam, lParam, r))
                return r;
            break;
        }
        case WM_NCCALCSIZE: {
            RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                : reinterpret_cast<RECT*>(lParam);
            const RECT window = *rect;  // the new window rectangle, before the old procedure
            const LRESULT r = next(msg, wParam, lParam);
            if (!framed || (mdi_ == mdiChild && windowState_ != core::wsNormal))
                return r;
            rect->left = window.left + metrics_.left;
            rect->top = window.top + metrics_.caption + metrics_.menuBar;
            rect->right = std::max(rect->left, LONG(window.right - metrics_.right));
            rect->bottom = std::max(rect->top, LONG(window.bottom - metrics_.bottom));
            return wParam ? WVR_REDRAW : 0;
        }
        case WM_NCHITTEST: {
            const LRESULT r = next(msg, wParam, lParam);
            if (!framed)
                return r;
            RECT window;
            ::GetWindowRect(hwnd_, &window);
            return core::SkinHitTest(int(r), GET_Y_LPARAM(lParam) - window.top, metrics_.caption,
                                     menuBar_ != nullptr);
        }
        case WM_NCPAINT:
            if (!framed)
                break;
            SetStyleBits(WS_SYSMENU, false);  // so that the system draws no caption buttons
            PaintFrame();
            return 0;
        case WM_NCACTIVATE:
            if (!framed)
                break;
            active_ = wParam != FALSE;
            ActivateHoverTimer(active_);
            if (mdi_ == mdiFrame)
                if (HWND client = ::FindWindowExA(hwnd_, nullptr, "MDIClient", nullptr))
                    ::SendMessageA(client, WM_NCACTIVATE, wParam, lParam);
            PaintFrame();
            return TRUE;
        case WM_NCMOUSEMOVE:
            if (framed)
                return NcMouseMove(wParam, lParam, next);
            break;
        case WM_NCLBUTTONDOWN:
            if (framed)
                return NcLButtonDown(wParam, lParam, next);
            break;
        case WM_NCLBUTTONUP:
            if (framed)
                return NcLButtonUp(wParam, lParam, next);
            break;
        case WM_NCLBUTTONDBLCLK:
            if (framed)
                return NcLButtonDblClk(wParam, lParam, next);
            break;
        case WM_NCRBUTTONDOWN:
            if (framed && wParam == HTCAPTION && mdi_ != mdiChild) {
                OpenSystemMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
                return 0;
            }
            break;
        case core::skinmsg::kRepaintFrame:
            PaintFrame();
            return 0;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                CheckHover();
                return 0;
            }
            break;
        default:
            break;
    }
    handled = false;
    return 0;
}

}  // namespace skin
