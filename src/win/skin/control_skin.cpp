#include "win/skin/control_skin.h"

#include <algorithm>

#include "core/skin/control_button.h"
#include "core/skin/skin_options.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/ui/window_subclass.h"

namespace skin {

std::string WindowClassOf(HWND hwnd) {
    char name[256] = {0};
    const int n = ::GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? size_t(n) : 0);
}

void DrawFramedRects(HDC dc, const std::vector<core::TFramedRect>& frames) {
    for (const core::TFramedRect& f : frames) {
        ui::ScopedBrush brush(::CreateSolidBrush(core::ResolveColour(f.colour)));
        const RECT r{f.rect.left, f.rect.top, f.rect.right, f.rect.bottom};
        ::FrameRect(dc, &r, brush.get());
    }
}

void TrackMouseLeave(HWND hwnd) {
    TRACKMOUSEEVENT t{};
    t.cbSize = sizeof t;
    t.dwFlags = TME_LEAVE;
    t.hwndTrack = hwnd;
    ::TrackMouseEvent(&t);
}

TSkinControl::TSkinControl(ui::TComponent* owner) : ui::TComponent(owner) {}

TSkinControl::~TSkinControl() {
    *alive_ = false;
    link_.Leave();
    if (formSkin_)
        formSkin_->RemoveControlSkin(this);
}

void TSkinControl::Register(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    formSkin_ = &formSkin;
    data_ = &data;
    paintsBackground_ = paintsBackground;
    control_ = dynamic_cast<ui::TControl*>(Owner());
    if (auto* win = WinControl())
        hwnd_ = win->HandleAllocated() ? win->Handle() : nullptr;
    textKnown_ = false;
    wide_ = hwnd_ && ::IsWindowUnicode(hwnd_) != FALSE;
    formSkin.AddControlSkin(this);
}

void TSkinControl::Join(HWND hwnd) {
    if (link_.Joined())
        return;  // a control's chain entry outlives its windows
    auto handler = [this, alive = alive_](UINT m, WPARAM w, LPARAM l,
                                          const ui::TWndMethodChain::Next& next) -> LRESULT {
        if (!*alive)
            return next(m, w, l);
        return Dispatch(m, w, l, next);
    };
    if (auto* win = WinControl())
        link_ = win->WindowProc.InsertHead(handler);
    else
        link_ = ui::ChainWindowProc(hwnd, handler);
}

void TSkinControl::JoinControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    Register(formSkin, data, paintsBackground);
    if (hwnd_)
        Join(hwnd_);
    state_ = cssAttached;
}

void TSkinControl::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (state_ != cssCreated)
        return;
    JoinControl(formSkin, data, paintsBackground);
    if (paintsBackground_)
        TakeColour();
    // Painted with the next paint: the form skin's set-up redraws the whole window anyway.
    if (hwnd_)
        ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void TSkinControl::AttachWindow(HWND hwnd, TSkinData& data, TFormSkin& formSkin) {
    if (state_ != cssCreated)
        return;
    formSkin_ = &formSkin;
    data_ = &data;
    hwnd_ = hwnd;
    textKnown_ = false;
    wide_ = ::IsWindowUnicode(hwnd) != FALSE;
    formSkin.AddControlSkin(this);
    windowText_ = WindowText();
    Join(hwnd);
    state_ = cssAttached;
    ::InvalidateRect(hwnd, nullptr, TRUE);
}

void TSkinControl::TakeColour() {
    if (!control_ || colourTaken_)
        return;
    if (control_->ParentBackground() && !Data().Options().Has(core::xoParentBackGround)) {
        control_->SetParentBackground(false);
        parentBackgroundSwitched_ = true;
    }
    savedColour_ = control_->Color();
    control_->SetColor(ui::TColor(Data().Data().ButtonFaceColour()));
    colourTaken_ = true;
    RedrawWithChildren();
}

void TSkinControl::RedrawWithChildren() {
    // Labels and rules inside fill with their parent's colour: they follow it too.
    if (hwnd_ && ::IsWindow(hwnd_))
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TSkinControl::GiveColourBack() {
    if (!control_ || !colourTaken_)
        return;
    if (parentBackgroundSwitched_)
        control_->SetParentBackground(true);
    parentBackgroundSwitched_ = false;
    control_->SetColor(savedColour_);
    colourTaken_ = false;
    RedrawWithChildren();
}

void TSkinControl::Restore() {
    if (paintsBackground_)
        GiveColourBack();
}

void TSkinControl::Reapply() {
    if (paintsBackground_ && control_ && colourTaken_)
        control_->SetColor(ui::TColor(Data().Data().ButtonFaceColour()));
    Refresh();
}

void TSkinControl::Refresh() {
    if (state_ != cssAttached || !hwnd_ || !::IsWindow(hwnd_))
        return;
    if (control_) {
        control_->Repaint();
        return;
    }
    ::InvalidateRect(hwnd_, nullptr, TRUE);
    ::UpdateWindow(hwnd_);
}

LRESULT TSkinControl::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (next_)
        return (*next_)(msg, wParam, lParam);
    return wide_ ? ::DefWindowProcW(hwnd_, msg, wParam, lParam)
                 : ::DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT TSkinControl::Dispatch(UINT msg,
                               WPARAM wParam,
                               LPARAM lParam,
                               const ui::TWndMethodChain::Next& next) {
    if (msg == ui::CM_RECREATED && state_ == cssAwaitingWindow) {
        const LRESULT r = next(msg, wParam, lParam);
        Reattach();
        return r;
    }
    if (msg != WM_SETTEXT)
        return Route(msg, wParam, lParam, next);
    // A paint on the way may still have read the old text.
    textKnown_ = false;
    std::shared_ptr<bool> alive = alive_;
    const LRESULT result = Route(msg, wParam, lParam, next);
    if (*alive)
        textKnown_ = false;
    return result;
}

LRESULT TSkinControl::Route(UINT msg,
                            WPARAM wParam,
                            LPARAM lParam,
                            const ui::TWndMethodChain::Next& next) {
    if (msg == core::skinmsg::kControlEnable) {
        enabled_ = wParam > 0;
        Refresh();
        return 0;
    }
    if (!enabled_ || state_ != cssAttached)
        return next(msg, wParam, lParam);
    const ui::TWndMethodChain::Next* outer = next_;
    next_ = &next;
    std::shared_ptr<bool> alive = alive_;
    LRESULT result = 0;
    try {
        if (BeforeMessage(msg, wParam, lParam, result)) {
            result = next(msg, wParam, lParam);
            if (*alive && state_ == cssAttached)
                AfterMessage(msg, wParam, lParam, result);
        }
    } catch (...) {
        if (*alive)
            next_ = outer;
        throw;
    }
    if (*alive)
        next_ = outer;
    return result;
}

void TSkinControl::Reattach() {
    if (!formSkin_ || formSkin_->Finished() || !data_) {
        enabled_ = false;
        state_ = cssFinished;
        link_.Leave();
        return;
    }
    state_ = cssCreated;
    AttachControl(*formSkin_, *data_, paintsBackground_);
}

bool TSkinControl::BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_NCDESTROY: {
            std::shared_ptr<bool> alive = alive_;
            result = CallPrevious(msg, wParam, lParam);
            if (!*alive)
                return false;
            ui::TWinControl* win = WinControl();
            if (win && win->WindowBeingRemade()) {
                // The control stays and gets a new window: the skin waits for it in the
                // control's chain, handing back what it took of this window.
                state_ = cssAwaitingWindow;
                Restore();
                hwnd_ = nullptr;
                return false;
            }
            enabled_ = false;
            state_ = cssFinished;
            Restore();
            link_.Leave();
            return false;
        }
        case core::skinmsg::kIsSkinned:
            result = 1;
            return false;
        default:
            return true;
    }
}

void TSkinControl::AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
            Refresh();
            break;
        case WM_PAINT:
            PaintEntry(reinterpret_cast<HDC>(wParam));
            break;
        default:
            break;
    }
}

void TSkinControl::PaintEntry(HDC dc) {
    if (!hwnd_)
        return;
    ::GetWindowRect(hwnd_, &windowRect_);
    const RECT r{0, 0, windowRect_.right - windowRect_.left, windowRect_.bottom - windowRect_.top};
    try {
        if (dc) {
            Paint(dc, r);
            return;
        }
        ui::ScopedGetDC own = ui::ScopedGetDC::WholeWindow(hwnd_);
        if (own)
            Paint(own.get(), r);
    } catch (...) {
        // A painting error must not take the control's messages down with it.
    }
}

bool TSkinControl::PaintInstead(UINT msg, WPARAM wParam, LRESULT& result) {
    if (msg == WM_ERASEBKGND) {
        result = 1;
        return true;
    }
    if (msg != WM_PAINT)
        return false;
    PaintMessage(hwnd_, wParam, [this](HDC dc, const RECT& r) {
        try {
            Paint(dc, r);
        } catch (...) {
            // Painting errors stay inside the paint.
        }
    });
    result = 0;
    return true;
}

const std::wstring& TSkinControl::WindowText() const {
    if (textKnown_ || !hwnd_)
        return text_;
    const int n = ::GetWindowTextLengthW(hwnd_);
    text_.assign(size_t(std::max(n, 0)) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd_, &text_[0], n + 1);
    text_.resize(size_t(std::max(got, 0)));
    textKnown_ = true;
    return text_;
}

void TSkinControl::FillFace(HDC dc, const RECT& r) {
    ::FillRect(dc, &r, Data().FaceBrush());
}

void TSkinControl::FillParentColour(HDC dc, const RECT& r) {
    ui::TControl* parent = control_ ? control_->Parent() : nullptr;
    if (!parent) {
        FillFace(dc, r);
        return;
    }
    ui::ScopedBrush brush(::CreateSolidBrush(ui::ColorToRGB(parent->Color())));
    ::FillRect(dc, &r, brush.get());
}

void TSkinControl::DrawTextFocusRect(HDC dc, const RECT& r, const std::wstring& text, UINT flags) {
    RECT measured{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), int(text.size()), &measured,
                DT_CALCRECT | DT_SINGLELINE | (flags & ~UINT(DT_CENTER | DT_RIGHT)));
    const core::THorzAlign align = (flags & DT_CENTER)  ? core::THorzAlign::Centre
                                   : (flags & DT_RIGHT) ? core::THorzAlign::Right
                                                        : core::THorzAlign::Left;
    const core::Rect box = core::TextFocusRect(
        core::Rect{r.left, r.top, r.right, r.bottom}, measured.right - measured.left,
        measured.bottom - measured.top, align, (flags & DT_VCENTER) != 0);
    const RECT focus{box.left, box.top, box.right, box.bottom};
    ::DrawFocusRect(dc, &focus);
}

}  // namespace skin
