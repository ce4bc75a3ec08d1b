#include "win/skin/skin_combo.h"

#include <windowsx.h>

#include "core/skin/window_bits.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_scrollbar.h"
#include "win/ui/window_subclass.h"

namespace skin {

namespace {

using GetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

// Not every system has it: looked up by name once.
GetComboBoxInfoProc ComboInfoFunction() {
    static const GetComboBoxInfoProc proc = [] {
        HMODULE user = ::GetModuleHandleA("user32.dll");
        return user ? reinterpret_cast<GetComboBoxInfoProc>(
                          reinterpret_cast<void*>(::GetProcAddress(user, "GetComboBoxInfo")))
                    : nullptr;
    }();
    return proc;
}

core::Rect CoreRect(const RECT& r) {
    return core::Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

TSkinComBox::~TSkinComBox() {
    editLink_.Leave();
    FreeListSkin();
}

void TSkinComBox::Notification(ui::TComponent* component) {
    TSkinControl::Notification(component);
    if (component == listSkin_)
        listSkin_ = nullptr;
}

void TSkinComBox::AttachListSkin(core::TComboListSkin kind) {
    if (kind == core::TComboListSkin::None || listSkin_ || !haveInfo_ || !info_.hwndList)
        return;
    HWND list = info_.hwndList;
    if (kind == core::TComboListSkin::SkinScrollbarH &&
        !core::SimpleComboListGetsScrollbar(true, uint32_t(::GetWindowLongPtrW(list, GWL_STYLE)),
                                            uintptr_t(::GetParent(list))))
        return;
    // Owned by the combo box's owner, as a bare window's skin; this skin frees it again.
    ui::TComponent* owner = control_ ? control_->Owner() : nullptr;
    TSkinControl* skin = kind == core::TComboListSkin::ComboxScrollBar
                             ? static_cast<TSkinControl*>(new TComboxScrollBar(owner))
                             : new TSkinScrollbarH(owner);
    FreeNotification(skin);
    listSkin_ = skin;
    skin->AttachWindow(list, Data(), *FormSkin());
}

void TSkinComBox::FreeListSkin() {
    TSkinControl* skin = listSkin_;
    listSkin_ = nullptr;
    if (!skin)
        return;
    if (skin->State() == cssAttached)
        skin->Restore();
    delete skin;
}

bool TSkinComBox::ReadInfo() {
    GetComboBoxInfoProc get = ComboInfoFunction();
    if (!get)
        return false;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!get(hwnd_, &info))
        return false;
    info_ = info;
    haveInfo_ = true;
    return true;
}

void TSkinComBox::TakeOverEdit() {
    HWND child = ::GetWindow(hwnd_, GW_CHILD);
    if (!child || editLink_.Joined())
        return;
    edit_ = child;
    editLink_ = ui::ChainWindowProc(
        child, [this](UINT m, WPARAM w, LPARAM l, const ui::TWndMethodChain::Next& next) {
            const LRESULT r = next(m, w, l);
            if (state_ != cssAttached)
                return r;
            switch (m) {
                case WM_PAINT:
                    PaintEntry(nullptr);
                    break;
                case WM_LBUTTONDOWN:
                case WM_LBUTTONDBLCLK:
                    Act(input_.MouseDown());
                    break;
                case WM_LBUTTONUP:
                    Act(input_.MouseUp());
                    break;
                default:
                    break;
            }
            return r;
        });
}

void TSkinComBox::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (State() != cssCreated)
        return;
    TSkinControl::AttachControl(formSkin, data, paintsBackground);
    if (!hwnd_)
        return;
    style_ = uint32_t(::GetWindowLongPtrW(hwnd_, GWL_STYLE));
    const core::TComboAttachPlan plan = core::ComboAttachPlan(style_, wide_, false);
    if (plan.readInfo && ReadInfo())
        AttachListSkin(plan.listSkin);
    if (plan.takeOverEdit)
        TakeOverEdit();
}

void TSkinComBox::AttachWindow(HWND hwnd, TSkinData& data, TFormSkin& formSkin) {
    if (State() != cssCreated)
        return;
    TSkinControl::AttachWindow(hwnd, data, formSkin);
    style_ = uint32_t(::GetWindowLongPtrW(hwnd_, GWL_STYLE));
    if (core::ComboAttachPlan(style_, wide_, true).takeOverEdit)
        TakeOverEdit();
}

void TSkinComBox::Restore() {
    TSkinControl::Restore();
    editLink_.Leave();
    edit_ = nullptr;
    FreeListSkin();
}

void TSkinComBox::Act(const core::TInputResult& r) {
    if (r.repaint)
        Refresh();
}

void TSkinComBox::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool enabled = ::IsWindowEnabled(hwnd_) != FALSE;
    switch (msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The focused look is a frame of its own: show it as the focus comes and goes.
            Refresh();
            break;
        case WM_MOUSEMOVE: {
            Act(input_.MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), CoreRect(button_),
                                 enabled));
            TrackMouseLeave(hwnd_);
            break;
        }
        case WM_DRAWITEM:
        case WM_NCPAINT:
            Refresh();
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Act(input_.MouseDown());
            break;
        case WM_LBUTTONUP:
            Act(input_.MouseUp());
            break;
        case WM_MOUSELEAVE:
            Act(input_.MouseLeave());
            break;
        case ui::CN_COMMAND: {
            const int code = HIWORD(wParam);
            Act(input_.Notify(code));
            // The list takes the mouse while it is open, so the button's release never comes
            // here: the press ends with the list.
            if (code == core::winbits::kComboListClosed)
                input_.pressed = false;
            break;
        }
        default:
            TSkinControl::AfterMessage(msg, wParam, lParam, result);
            break;
    }
}

void TSkinComBox::PaintFlat(HDC dc, const RECT& r, bool focused, bool enabled) {
    const core::TDataSkinObject& combo = *Data().Data().Find("ComboButton");
    const int frame = core::FlatComboStateFrame(input_.pressed, focused, input_.hot, enabled);
    lastFrame_ = frame;
    const bool left = (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
    const core::TFlatComboLayout l =
        core::LayoutFlatCombo(combo, r.right, r.bottom, ::GetSystemMetrics(SM_CYVTHUMB), left);
    HBRUSH brush = static_cast<HBRUSH>(::GetCurrentObject(dc, OBJ_BRUSH));
    const RECT frameRect{l.brushFrame.left, l.brushFrame.top, l.brushFrame.right,
                         l.brushFrame.bottom};
    ::FrameRect(dc, &frameRect, brush);
    const RECT strip{l.strip.left, l.strip.top, l.strip.right, l.strip.bottom};
    ::FillRect(dc, &strip, brush);
    ui::ScopedBrush shadow(
        ::CreateSolidBrush(core::ResolveColour(Data().Data().Colour(core::kSkinButtonShadow))));
    const RECT outline{l.outline.left, l.outline.top, l.outline.right, l.outline.bottom};
    ::FrameRect(dc, &outline, shadow.get());
    button_ = RECT{l.button.left, l.button.top, l.button.right, l.button.bottom};
    Data().Pictures().Draw(dc, core::FlatComboButtonBlit(combo, l.button, frame));
}

void TSkinComBox::Paint(HDC dc, const RECT& r) {
    style_ = uint32_t(::GetWindowLongPtrW(hwnd_, GWL_STYLE));
    exStyle_ = uint32_t(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    const bool info = ReadInfo();
    if (info)
        button_ = info_.rcButton;
    const core::TComboDrawing drawing =
        core::ChooseComboDrawing(Data().Data(), info, info ? info_.stateButton : 0);
    if (drawing == core::TComboDrawing::None)
        return;
    const bool focused = ::GetFocus() == hwnd_ || (edit_ && ::GetFocus() == edit_);
    const bool enabled = ::IsWindowEnabled(hwnd_) != FALSE;
    if (drawing == core::TComboDrawing::Flat) {
        PaintFlat(dc, r, focused, enabled);
        return;
    }
    const int frame = core::ComboStateFrame(input_.pressed, focused, input_.hot, enabled);
    lastFrame_ = frame;
    Data().Pictures().Draw(dc, core::ComboStripBlit(Data().Data(), r.right, r.bottom, frame,
                                                    (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0));
}

}  // namespace skin
