#include "win/skin/skin_boxes.h"

#include "core/skin/control_frames.h"
#include "win/skin/skin_data_component.h"
#include "win/ui/form.h"
#include "win/ui/std_controls.h"

namespace skin {

void TSkinGroupBox::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (State() != cssCreated)
        return;
    TSkinControl::AttachControl(formSkin, data, paintsBackground);
    frameworkControl_ = control_ != nullptr;
}

bool TSkinGroupBox::BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!TSkinControl::BeforeMessage(msg, wParam, lParam, result))
        return false;
    if (!frameworkControl_ || msg != WM_PAINT)
        return true;
    PaintMessage(hwnd_, wParam, [this](HDC dc, const RECT&) {
        ::GetWindowRect(hwnd_, &windowRect_);
        const RECT r{0, 0, windowRect_.right - windowRect_.left,
                     windowRect_.bottom - windowRect_.top};
        try {
            Paint(dc, r);
        } catch (...) {
            // Painting errors stay inside the paint.
        }
    });
    result = 0;
    return false;
}

void TSkinGroupBox::Paint(HDC dc, const RECT& r) {
    std::wstring caption = WindowText();
    if (caption.empty() && frameworkControl_) {
        if (auto* box = dynamic_cast<ui::TGroupBox*>(control_)) {
            const std::string narrow = box->Caption();
            caption.assign(narrow.begin(), narrow.end());
        }
    }
    const uint32_t face = Data().Data().ButtonFaceColour();
    const uint32_t shadow = core::ResolveColour(Data().Data().Colour(core::kSkinButtonShadow));
    if (frameworkControl_)
        FillFace(dc, r);

    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    if (frameworkControl_) {
        font = control_->Font().Handle();
        ::SetTextColor(dc, ui::ColorToRGB(control_->Font().Color()));
    }
    ui::ScopedSelectObject selectedFont(dc,
                                        font ? HGDIOBJ(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE zero{0, 0};
    ::GetTextExtentPoint32W(dc, L"0", 1, &zero);
    const bool rightAligned = (::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const core::TGroupBoxLayout g = core::LayoutGroupBox(r.right, r.bottom, zero.cy, rightAligned);

    if (!frameworkControl_) {
        HBRUSH faceBrush = Data().FaceBrush();
        const RECT outer{g.bareOuter.left, g.bareOuter.top, g.bareOuter.right, g.bareOuter.bottom};
        const RECT inner{g.bareInner.left, g.bareInner.top, g.bareInner.right, g.bareInner.bottom};
        ::FrameRect(dc, &outer, faceBrush);
        ::FrameRect(dc, &inner, faceBrush);
    }
    {
        ui::ScopedPen pen(::CreatePen(PS_SOLID, 1, shadow));
        ui::ScopedSelectObject selectedPen(dc, pen.get());
        ui::ScopedSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        ::RoundRect(dc, g.frame.left, g.frame.top, g.frame.right, g.frame.bottom, g.corner,
                    g.corner);
    }
    if (!caption.empty()) {
        const COLORREF oldBack = ::SetBkColor(dc, face);
        RECT text{g.caption.left, g.caption.top, g.caption.right, g.caption.bottom};
        UINT format = DT_EXPANDTABS | DT_SINGLELINE;
        if (g.captionRight) {
            format |= DT_RIGHT;
            ui::TForm* form = ui::OwningForm(control_);
            const bool rtl =
                (::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0 ||
                (form && form->HandleAllocated() &&
                 (::GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0);
            if (core::GroupBoxCaptionRtl(true, rtl))
                format |= DT_RTLREADING;
        }
        ::DrawTextW(dc, caption.c_str(), int(caption.size()), &text, format);
        ::SetBkColor(dc, oldBack);
    }
}

void TSkinBox::AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) {
    if (State() != cssCreated)
        return;
    Register(formSkin, data, paintsBackground);
    state_ = cssAttached;
    if (paintsBackground_)
        TakeColour();
}

void TSkinBox::Restore() {
    if (paintsBackground_ && control_)
        GiveColourBack();
}

}  // namespace skin
