// The form skin's part in skinning its window's child controls: which control skin each
// control gets (the core's decision), creating and attaching it, the passes over children the
// decision asks for, and freeing the skins again.
#include <algorithm>

#include "core/skin/control_selection.h"
#include "core/skin/quick_ini.h"
#include "core/skin/window_bits.h"
#include "win/skin/control_skin.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_boxes.h"
#include "win/skin/skin_button.h"
#include "win/skin/skin_combo.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_date_time.h"
#include "win/skin/skin_edit.h"
#include "win/skin/skin_scrollbar.h"
#include "win/skin/skin_tabs.h"
#include "win/ui/date_time_picker.h"
#include "win/ui/page_control.h"

namespace skin {

namespace {

using C = core::TControlSkinClass;

// The skins this program draws; the other classes of the table keep the system look.
TSkinControl* MakeControlSkin(C kind, ui::TComponent* owner) {
    switch (kind) {
        case C::TSkinButton:
            return new TSkinButton(owner);
        case C::TSkinGroupBox:
            return new TSkinGroupBox(owner);
        case C::TSkinBox:
            return new TSkinBox(owner);
        case C::TSkinEdit:
            return new TSkinEdit(owner);
        case C::TSkinUpDown:
            return new TSkinUpDown(owner);
        case C::TSkinComBox:
            return new TSkinComBox(owner);
        case C::TSkinDateTime:
            return new TSkinDateTime(owner);
        case C::TSkinScrollbar:
            return new TSkinScrollbar(owner);
        case C::TSkinListView:
            return new TSkinListView(owner);
        case C::TSkinTab:
            return new TSkinTab(owner);
        case C::TSkinTabSheet:
            return new TSkinTabSheet(owner);
        default:
            return nullptr;
    }
}

core::TControlSkinSettings SettingsOf(TSkinData& data) {
    core::TControlSkinSettings s;
    s.disableTag = data.DisableTag();
    s.skinControls = data.SkinControls();
    s.skinClasses = data.SkinClasses();
    s.hasTabsObject = data.Data().Find("Tabs") != nullptr;
    s.onSkinControlAssigned = bool(data.OnSkinControl);
    return s;
}

void ReadWindowFacts(HWND hwnd,
                     uint32_t& style,
                     int& windowWidth,
                     int& windowHeight,
                     int& clientWidth,
                     int& clientHeight) {
    style = uint32_t(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    RECT w, c;
    ::GetWindowRect(hwnd, &w);
    ::GetClientRect(hwnd, &c);
    windowWidth = w.right - w.left;
    windowHeight = w.bottom - w.top;
    clientWidth = c.right;
    clientHeight = c.bottom;
}

bool AnswersSkinned(HWND hwnd) {
    return hwnd && ::SendMessageW(hwnd, core::skinmsg::kIsSkinned, 0, 0) == 1;
}

}  // namespace

void TFormSkin::AddControlSkin(TSkinControl* skin) {
    if (std::find(controlSkins_.begin(), controlSkins_.end(), skin) == controlSkins_.end())
        controlSkins_.push_back(skin);
}

void TFormSkin::RemoveControlSkin(TSkinControl* skin) {
    controlSkins_.erase(std::remove(controlSkins_.begin(), controlSkins_.end(), skin),
                        controlSkins_.end());
}

TSkinControl* TFormSkin::FindControlSkin(HWND hwnd) const {
    for (TSkinControl* s : controlSkins_)
        if (s->Handle() == hwnd && s->State() != cssFinished)
            return s;
    return nullptr;
}

bool TFormSkin::IsSkinned(ui::TControl* control) const {
    auto* win = dynamic_cast<ui::TWinControl*>(control);
    if (win && win->HandleAllocated() && AnswersSkinned(win->Handle()))
        return true;
    for (TSkinControl* s : controlSkins_)
        if (s->Control() == control && s->State() != cssFinished)
            return true;
    return false;
}

void TFormSkin::FreeControlSkins(bool restore) {
    while (!controlSkins_.empty()) {
        TSkinControl* s = controlSkins_.back();
        if (restore && s->State() == cssAttached)
            s->Restore();
        delete s;  // leaves the list by itself
    }
}

void TFormSkin::SkinChildControls() {
    if (!form_) {
        SkinBareChildren();
        return;
    }
    const std::vector<ui::TComponent*> owned = form_->Components();
    for (ui::TComponent* c : owned)
        if (auto* control = dynamic_cast<ui::TControl*>(c))
            SkinControl(control);
    std::vector<ui::TWinControl*> tabs;
    form_->GetTabOrderList(tabs);
    for (ui::TWinControl* w : tabs)
        if (w->HandleAllocated() && w->Tag() != data_.DisableTag() && !AnswersSkinned(w->Handle()))
            SkinControl(w);
}

void TFormSkin::SkinContainer(ui::TWinControl& container) {
    const std::vector<ui::TControl*> children = container.Controls();
    for (ui::TControl* c : children)
        SkinControl(c);
}

void TFormSkin::SkinControl(ui::TControl* control) {
    if (!control || control == form_)
        return;
    auto* win = dynamic_cast<ui::TWinControl*>(control);
    const core::TControlSkinSettings settings = SettingsOf(data_);
    for (int attempt = 0; attempt < 2; ++attempt) {
        core::TControlFacts f;
        f.classChain = core::FrameworkClassChain(control->ClassName());
        f.tag = control->Tag();
        f.hasParent = control->Parent() != nullptr;
        f.alreadySkinned = IsSkinned(control);
        f.windowed = win != nullptr;
        f.hasWindow = win && win->HandleAllocated();
        if (f.hasWindow)
            ReadWindowFacts(win->Handle(), f.style, f.windowWidth, f.windowHeight, f.clientWidth,
                            f.clientHeight);
        if (auto* picker = dynamic_cast<ui::TDateTimePicker*>(control)) {
            f.dateTimeKind = picker->Kind() == ui::dtkTime ? core::dtkTime : core::dtkDate;
            f.dateMode =
                (f.style & core::winbits::kDateTimeUpDown) ? core::dmUpDown : core::dmComboBox;
        }
        const core::TControlSkinDecision d = core::DecideControlSkin(f, settings);
        if (d.end == core::TDecisionEnd::NeedsWindow) {
            try {
                win->HandleNeeded();
            } catch (...) {
                return;  // a control without a window stays unskinned
            }
            continue;
        }
        if (d.end == core::TDecisionEnd::Application) {
            ui::TComponent* made = nullptr;
            ui::TControl* container = control->Parent();
            data_.OnSkinControl(nullptr, &data_, container, control,
                                core::UpperAscii(control->ClassName()), made);
            auto* skin = dynamic_cast<TSkinControl*>(made);
            if (skin &&
                std::find(controlSkins_.begin(), controlSkins_.end(), skin) == controlSkins_.end())
                skin->AttachControl(*this, data_, skin->PaintsBackground());
            if (d.children == core::TChildPass::SkinEach && win)
                SkinContainer(*win);
            return;
        }
        ApplyDecision(control, d);
        return;
    }
}

void TFormSkin::ApplyDecision(ui::TControl* control, const core::TControlSkinDecision& d) {
    auto* win = dynamic_cast<ui::TWinControl*>(control);
    auto childPass = [&] {
        if (!win)
            return;
        const std::vector<ui::TControl*> children = win->Controls();
        switch (d.children) {
            case core::TChildPass::SkinEach:
                SkinContainer(*win);
                break;
            case core::TChildPass::SkinOwned: {
                const std::vector<ui::TComponent*> owned = control->Components();
                for (ui::TComponent* c : owned)
                    if (auto* child = dynamic_cast<ui::TControl*>(c))
                        SkinControl(child);
                break;
            }
            case core::TChildPass::TagEach:
                for (ui::TControl* c : children)
                    c->SetTag(data_.DisableTag());
                break;
            case core::TChildPass::AttachEach:
                for (ui::TControl* c : children)
                    if (!IsSkinned(c))
                        if (TSkinControl* s = MakeControlSkin(d.childSkin, c))
                            s->AttachControl(*this, data_, false);
                break;
            case core::TChildPass::ScrollbarEach:
                for (ui::TControl* c : children) {
                    auto* cw = dynamic_cast<ui::TWinControl*>(c);
                    if (!cw || !cw->HandleAllocated() || IsSkinned(c))
                        continue;
                    const LONG_PTR style = ::GetWindowLongPtrW(cw->Handle(), GWL_STYLE);
                    if (style & (WS_HSCROLL | WS_VSCROLL))
                        if (TSkinControl* s = MakeControlSkin(C::TSkinScrollbar, c))
                            s->AttachControl(*this, data_, false);
                }
                break;
            case core::TChildPass::None:
                break;
        }
    };
    if (d.end == core::TDecisionEnd::DisabledTag) {
        childPass();
        return;
    }
    if (d.childrenFirst)
        childPass();
    if (d.skin != C::None && !IsSkinned(control)) {
        if (TSkinControl* s = MakeControlSkin(d.skin, control)) {
            if (d.attachToWindow && win)
                s->AttachWindow(win->Handle(), data_, *this);
            else
                s->AttachControl(*this, data_, d.paintsBackground);
        }
    }
    if (!d.childrenFirst)
        childPass();
}

void TFormSkin::SkinBareChildren() {
    for (HWND child = ::GetWindow(hwnd_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        SkinBareWindow(child);
}

void TFormSkin::SkinBareWindow(HWND child) {
    if (ui::TWinControl::FindControl(child) || FindControlSkin(child))
        return;
    core::TBareWindowFacts f;
    f.windowClass = WindowClassOf(child);
    ReadWindowFacts(child, f.style, f.windowWidth, f.windowHeight, f.clientWidth, f.clientHeight);
    f.alreadySkinned = AnswersSkinned(child);
    const core::TControlSkinDecision d = core::DecideWindowSkin(f, SettingsOf(data_));
    if (d.skin == C::None)
        return;
    if (TSkinControl* s = MakeControlSkin(d.skin, nullptr))
        s->AttachWindow(child, data_, *this);
}

}  // namespace skin
