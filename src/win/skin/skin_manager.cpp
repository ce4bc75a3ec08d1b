#include "win/skin/skin_manager.h"

#include <algorithm>
#include <string>

#include "core/skin/frame_rules.h"
#include "core/skin/skin_options.h"
#include "win/skin/form_skin.h"
#include "win/skin/popup_menu_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/ui/screen.h"
#include "win/ui/win_control.h"

namespace skin {

namespace {

TSkinManager* g_manager = nullptr;

std::string ClassOf(HWND hwnd) {
    char name[256] = {0};
    const int n = ::GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? size_t(n) : 0);
}

// The program's form behind a window: among the screen's forms, or through the framework's
// window property.
ui::TForm* FormOf(HWND hwnd) {
    if (ui::TForm* f = ui::Screen().FindForm(hwnd))
        return f;
    return dynamic_cast<ui::TForm*>(ui::TWinControl::FindControl(hwnd));
}

}  // namespace

TSkinManager* TSkinManager::Instance() {
    return g_manager;
}

TSkinManager& TSkinManager::Need() {
    if (!g_manager)
        g_manager = new TSkinManager();
    return *g_manager;
}

TSkinManager::TSkinManager() : timer_(nullptr) {
    timer_.SetEnabled(false);
    timer_.SetInterval(100);
    timer_.OnTimer = [this](ui::TObject*) { OnTimer(); };
}

TSkinManager::~TSkinManager() {
    hook_.reset();
    timer_.SetEnabled(false);
    // Program end: every window gets its own frame back.
    std::vector<std::unique_ptr<TFormSkin>> skins = std::move(formSkins_);
    formSkins_.clear();
    for (auto& s : skins)
        s->Detach();
    skins.clear();
    finished_.clear();
    if (g_manager == this)
        g_manager = nullptr;
}

void TSkinManager::Register(TSkinData* data) {
    if (std::find(registered_.begin(), registered_.end(), data) != registered_.end())
        return;
    registered_.push_back(data);
    if (!default_ && data->SkinFormtype() == core::sfMainform)
        default_ = data;
}

void TSkinManager::Unregister(TSkinData* data) {
    registered_.erase(std::remove(registered_.begin(), registered_.end(), data), registered_.end());
    if (pending_ == data) {
        pending_ = nullptr;
        timer_.SetEnabled(false);
    }
    // Its form skins go with it: they draw from its skin.
    for (size_t i = formSkins_.size(); i-- > 0;)
        if (&formSkins_[i]->SkinData() == data) {
            std::unique_ptr<TFormSkin> s = std::move(formSkins_[i]);
            formSkins_.erase(formSkins_.begin() + long(i));
            s->Detach();
        }
    popupMenus_.erase(std::remove_if(popupMenus_.begin(), popupMenus_.end(),
                                     [data](const TPopupMenuNote& n) { return n.data == data; }),
                      popupMenus_.end());
    if (default_ == data) {
        default_ = nullptr;
        for (TSkinData* d : registered_)
            if (d->SkinFormtype() == core::sfMainform) {
                default_ = d;
                break;
            }
    }
    if (registered_.empty())
        delete this;
}

void TSkinManager::EnableAndStart() {
    queue_.enabled = true;
    queue_.started = true;
}

void TSkinManager::QueueCommand(core::TSkinCommand command, unsigned delayMs, TSkinData* data) {
    pending_ = data;
    timer_.SetEnabled(false);
    if (queue_.Queue(command, delayMs)) {
        timer_.SetInterval(queue_.Interval());
        timer_.SetEnabled(true);
    }
}

void TSkinManager::InstallHook() {
    if (hook_)
        return;
    hook_ = std::make_unique<ui::TThreadHook>(
        WH_CBT, [this](int code, WPARAM w, LPARAM l) { return OnCbt(code, w, l); });
}

void TSkinManager::OnTimer() {
    timer_.SetEnabled(false);  // one shot
    const core::TSkinCommand command = queue_.Take();
    TSkinData* data = pending_;
    pending_ = nullptr;
    if (command == core::scNone)
        return;
    Perform(command, data);
    if (data && data->OnSkinChanged &&
        std::find(registered_.begin(), registered_.end(), data) != registered_.end())
        data->OnSkinChanged(data);
}

void TSkinManager::Perform(core::TSkinCommand command, TSkinData* data) {
    switch (command) {
        case core::scSkin:
            queue_.enabled = true;
            SkinForms(data);
            break;
        case core::scUnskin:
            queue_.enabled = false;
            UnskinForms(data);
            break;
        case core::scReapply:
            Reapply(data);
            break;
        case core::scDropFinished:
            DropFinished();
            break;
        default:
            break;
    }
}

void TSkinManager::SkinForms(TSkinData* data) {
    auto usable = [](ui::TForm* f) {
        return f->HandleAllocated() && ::IsWindowVisible(f->Handle()) &&
               !(::GetWindowLongPtrA(f->Handle(), GWL_STYLE) & WS_CHILD);
    };
    commandRunning_ = true;
    if (data && data->SkinFormtype() == core::sfOnlyThisForm) {
        if (auto* owner = dynamic_cast<ui::TForm*>(data->Owner()))
            if (usable(owner))
                SkinWindow(owner->Handle(), true);
    } else {
        DropFinished();
        const std::vector<ui::TForm*> forms = ui::Screen().FormList();
        for (size_t i = forms.size(); i-- > 0;) {
            const auto& now = ui::Screen().FormList();
            if (std::find(now.begin(), now.end(), forms[i]) == now.end())
                continue;  // freed by an earlier one's skinning
            if (usable(forms[i]))
                SkinWindow(forms[i]->Handle(), true);
        }
    }
    commandRunning_ = false;
}

void TSkinManager::UnskinForms(TSkinData* data) {
    const bool onlyThis = data && data->SkinFormtype() == core::sfOnlyThisForm;
    for (size_t i = formSkins_.size(); i-- > 0;) {
        if (i >= formSkins_.size())
            continue;
        if (onlyThis && &formSkins_[i]->SkinData() != data)
            continue;
        std::unique_ptr<TFormSkin> s = std::move(formSkins_[i]);
        formSkins_.erase(formSkins_.begin() + long(i));
        s->Detach();
        if (s->Busy())
            finished_.push_back(std::move(s));
    }
}

void TSkinManager::Reapply(TSkinData* data) {
    std::vector<TFormSkin*> mine;
    for (const auto& s : formSkins_)
        if (!data || &s->SkinData() == data)
            mine.push_back(s.get());
    for (TFormSkin* s : mine)
        s->Reapply();
    for (TFormSkin* s : mine)
        s->Repaint();
}

void TSkinManager::DropFinished() {
    for (size_t i = formSkins_.size(); i-- > 0;)
        if (formSkins_[i]->Finished()) {
            finished_.push_back(std::move(formSkins_[i]));
            formSkins_.erase(formSkins_.begin() + long(i));
        }
    finished_.erase(std::remove_if(finished_.begin(), finished_.end(),
                                   [](const std::unique_ptr<TFormSkin>& s) { return !s->Busy(); }),
                    finished_.end());
}

void TSkinManager::FormSkinFinished(TFormSkin* skin) {
    // Out of the list at once; the object itself goes at the next drop, once its window's
    // messages have all returned.
    for (size_t i = 0; i < formSkins_.size(); ++i)
        if (formSkins_[i].get() == skin) {
            finished_.push_back(std::move(formSkins_[i]));
            formSkins_.erase(formSkins_.begin() + long(i));
            break;
        }
}

TFormSkin* TSkinManager::FindSkin(HWND hwnd) const {
    for (const auto& s : formSkins_)
        if (s->Handle() == hwnd && !s->Finished())
            return s.get();
    return nullptr;
}

TSkinData* TSkinManager::ChooseFor(HWND hwnd, const std::string& className) const {
    std::vector<core::TRegisteredSkinData> list;
    for (TSkinData* d : registered_) {
        core::TRegisteredSkinData r;
        r.formType = d->SkinFormtype();
        auto* owner = dynamic_cast<ui::TForm*>(d->Owner());
        r.ownsWindow = owner && owner->HandleAllocated() && owner->Handle() == hwnd;
        r.skinLoaded = !d->Data().NoSkin();
        list.push_back(r);
    }
    const int i = core::ChooseSkinData(list, className);
    return i < 0 ? nullptr : registered_[size_t(i)];
}

bool TSkinManager::SkinWindow(HWND hwnd, bool duringSkinCommand) {
    if (!hwnd || !::IsWindow(hwnd))
        return false;
    DropFinished();
    if (!queue_.enabled)
        return false;
    core::TWindowFacts f;
    f.className = ClassOf(hwnd);
    f.hasFormSkin = FindSkin(hwnd) != nullptr;
    f.answersSkinned = !f.hasFormSkin && ::SendMessageA(hwnd, core::skinmsg::kIsSkinned, 0, 0) == 1;
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    f.child = (style & WS_CHILD) != 0;
    if (f.child)
        f.parentClass = ClassOf(::GetParent(hwnd));
    f.mdiChild = (exStyle & WS_EX_MDICHILD) != 0;
    ui::TForm* form = FormOf(hwnd);
    f.frameworkForm = form != nullptr;
    f.createdByModule = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)) ==
                        ::GetModuleHandleA(nullptr);
    RECT r;
    f.emptyRect = !::GetWindowRect(hwnd, &r) || ::IsRectEmpty(&r);
    f.formTag = form ? form->Tag() : 0;
    TSkinData* asked = default_ ? default_ : (registered_.empty() ? nullptr : registered_[0]);
    const core::TSkinOptions options = asked ? asked->Options() : core::DefaultSkinOptions();
    const auto allow = [asked](const std::string& cls) {
        return asked ? asked->AllowsForm(cls) : true;
    };
    if (core::SkinWindowVerdict(f, queue_.enabled, duringSkinCommand, options, allow) !=
        core::TSkinVerdict::Skin)
        return false;
    TSkinData* data = ChooseFor(hwnd, f.className);
    if (!data)
        return false;
    formSkins_.push_back(std::make_unique<TFormSkin>(*this, hwnd, form, *data));
    TFormSkin* skin = formSkins_.back().get();
    try {
        skin->Attach();
    } catch (...) {
        formSkins_.pop_back();
        throw;
    }
    ::PostMessageA(hwnd, core::skinmsg::kSetUp, 0, core::skinmsg::kSetUpLParam);
    return true;
}

bool TSkinManager::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = reinterpret_cast<HWND>(wParam);
    switch (code) {
        case HCBT_CREATEWND: {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            const std::string cls = ClassOf(hwnd);
            if (core::LowerAscii(cls) == "scrollbar" && (cs->style & SBS_SIZEGRIP)) {
                if (TFormSkin* parent = FindSkin(cs->hwndParent))
                    parent->TakeSizeGrip(hwnd);
            }
            if (cls == core::kPopupMenuClass)
                PopupMenuCreated(hwnd, (cs->style & WS_CHILD) != 0);
            if (cs->dwExStyle & WS_EX_MDICHILD)
                SkinWindow(hwnd);
            break;
        }
        case HCBT_DESTROYWND:
            PopupMenuDestroyed(hwnd);
            break;
        case HCBT_ACTIVATE:
            SkinWindow(hwnd);
            break;
        default:
            break;
    }
    return false;  // the call always goes on to the next hook
}

void TSkinManager::PopupMenuCreated(HWND hwnd, bool child) {
    const core::TPopupMenuOrigin origin = openingOrigin_;
    openingOrigin_ = core::TPopupMenuOrigin::Other;
    TSkinData* data = ChooseFor(hwnd, core::kPopupMenuClass);
    if (!queue_.enabled || !data ||
        !core::SkinsPopupMenuWindow(core::kPopupMenuClass, child, trackingMenu_, origin,
                                    data->SkinControls()))
        return;
    popupMenus_.push_back(
        TPopupMenuNote{hwnd, origin, data, std::make_shared<TPopupMenuSkin>(hwnd, *data, origin)});
}

void TSkinManager::PopupMenuDestroyed(HWND hwnd) {
    popupMenus_.erase(std::remove_if(popupMenus_.begin(), popupMenus_.end(),
                                     [hwnd](const TPopupMenuNote& n) { return n.hwnd == hwnd; }),
                      popupMenus_.end());
}

}  // namespace skin
