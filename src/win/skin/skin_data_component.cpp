#include "win/skin/skin_data_component.h"

#include <algorithm>
#include <string>

#include "core/common/errors.h"
#include "core/skin/control_skin_classes.h"
#include "core/skin/menu_system.h"
#include "core/skin/skin_component_rules.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_environment_win.h"
#include "win/skin/skin_manager.h"
#include "win/ui/form.h"
#include "win/ui/message_box.h"

namespace skin {

namespace {

core::SkinEnvironment ComponentEnvironment() {
    core::SkinEnvironment env = MakeSkinEnvironment();
    env.showMessage = [](const std::string& text) {
        ui::MessageBoxes().Show(nullptr, text.c_str(), "", MB_OK);
    };
    return env;
}

bool HasScrollBarInfo() {
    HMODULE user = ::GetModuleHandleA("user32.dll");
    return user && ::GetProcAddress(user, "GetScrollBarInfo") != nullptr;
}

}  // namespace

TSkinData::TSkinData(ui::TComponent* AOwner)
    : ui::TComponent(AOwner),
      data_(ComponentEnvironment()),
      skinClasses_(core::DefaultSkinClasses()) {
    // Skin colours that name system colours follow the running system's scheme.
    InstallSystemColours();
    data_.OnSkinLoaded = [this] { SkinChanged(); };
    menuGlyphs_ = LoadBitmapResource(core::kMenuGlyphsResource);
}

TSkinData::~TSkinData() {
    if (registered_)
        if (TSkinManager* manager = TSkinManager::Instance())
            manager->Unregister(this);
}

void TSkinData::SetActive(bool value) {
    if (value == active_)
        return;
    active_ = value;
    if (Loading() || data_.Designing)
        return;
    TSkinManager* manager = TSkinManager::Instance();
    if (!manager || !registered_)
        return;
    const core::TActiveChange change = core::ActiveChange(formType_, value, data_.NoSkin());
    if (change.markStarted)
        manager->SetStarted();
    if (change.command != core::scNone)
        manager->QueueCommand(change.command, core::kSkinCommandDelay, this);
}

void TSkinData::SetSkinFile(const std::string& name) {
    data_.SetSkinFile(name);
}

bool TSkinData::AllowsForm(const std::string& className) {
    bool doSkin = core::DefaultFormSkinAllowed(className, skinControls_);
    if (OnFormSkin) {
        doSkin = true;
        OnFormSkin(this, className, doSkin);
    }
    return doSkin;
}

ui::TBitmap& TSkinData::CaptionBuffer(int width, int height) {
    if (captionBuffer_.Width() < width || captionBuffer_.Height() < height)
        captionBuffer_.SetSize(std::max(width, captionBuffer_.Width()),
                               std::max(height, captionBuffer_.Height()));
    return captionBuffer_;
}

HBRUSH TSkinData::FaceBrush() {
    const uint32_t face = data_.ButtonFaceColour();
    if (!faceBrush_ || face != faceBrushColour_) {
        faceBrush_.reset(::CreateSolidBrush(face));
        faceBrushColour_ = face;
    }
    return faceBrush_.get();
}

namespace {

// A font of the system's non-client metrics; the stock font when they cannot be read.
void MakeMetricsFont(ui::ScopedFont& font, LOGFONTW NONCLIENTMETRICSW::*which, bool bold = false) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        if (bold)
            (metrics.*which).lfWeight = FW_BOLD;
        font.reset(::CreateFontIndirectW(&(metrics.*which)));
    }
    if (!font)
        font.reset(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
}

}  // namespace

HFONT TSkinData::CaptionFont() {
    if (!captionFont_)
        MakeMetricsFont(captionFont_, &NONCLIENTMETRICSW::lfCaptionFont);
    return captionFont_.get();
}

HFONT TSkinData::MenuFont(bool bold) {
    ui::ScopedFont& font = bold ? boldMenuFont_ : menuFont_;
    if (!font)
        MakeMetricsFont(font, &NONCLIENTMETRICSW::lfMenuFont, bold);
    return font.get();
}

void TSkinData::DrawAppIcon() {
    const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
    ui::ScopedIcon icon(static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, cx, cy, 0)));
    if (!icon)
        return;
    ui::TBitmap canvas;
    canvas.Assign(core::Bitmap(cx, cy, core::kMagenta));
    ::DrawIconEx(canvas.Canvas().Handle(), 0, 0, icon.get(), cx, cy, 0, nullptr, DI_NORMAL);
    appIcon_ = canvas.ToBitmap();
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    auto* ownerForm = dynamic_cast<ui::TForm*>(Owner());
    const core::TLoadedPlan plan =
        core::PlanLoaded(formType_, active_, data_.NoSkin(), skinControls_, HasScrollBarInfo(),
                         ownerForm != nullptr);
    skinControls_ = plan.controls;
    TSkinManager& manager = TSkinManager::Need();
    manager.Register(this);
    registered_ = true;
    captionFont_.reset();
    CaptionFont();
    maximizedSize_ = SIZE{::GetSystemMetrics(SM_CXMAXIMIZED), ::GetSystemMetrics(SM_CYMAXIMIZED)};
    if (formType_ == core::sfMainform) {
        manager.InstallHook();
        active_ = plan.active;
        if (plan.queue != core::scNone)
            manager.QueueCommand(plan.queue, core::kSkinCommandDelay, this);
        DrawAppIcon();
        return;
    }
    manager.EnableAndStart();
    if (plan.skinOwner && ownerForm && ownerForm->HandleAllocated())
        manager.SkinWindow(ownerForm->Handle());
}

void TSkinData::SkinChanged() {
    pictures_.Clear();
    TSkinManager* manager = TSkinManager::Instance();
    if (!manager || !registered_)
        return;
    for (const auto& formSkin : manager->FormSkins())
        if (&formSkin->SkinData() == this)
            formSkin->ReloadSkin();
    if (manager->Started())
        manager->QueueCommand(core::scReapply, core::kSkinCommandDelay, this);
}

size_t TSkinData::LoadSkinStream(const uint8_t* data, size_t size) {
    const size_t taken = data_.ReadSkinProperty(data, size);
    pictures_.Clear();
    return taken;
}

bool TSkinData::LoadSkinResource(HMODULE module) {
    if (module == nullptr)
        module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, kResourceName, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (info == nullptr)
        return false;
    HGLOBAL handle = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const void* bytes = handle != nullptr ? LockResource(handle) : nullptr;
    if (bytes == nullptr)
        return false;
    try {
        LoadSkinStream(static_cast<const uint8_t*>(bytes), size);
    } catch (const core::AppError& e) {
        // Our own build made the resource; a damaged one must not stop the clock from starting.
        // A cut value is refused before anything is taken, so the held skin stays as it was.
        ui::MessageBoxes().Show(nullptr, e.what(), "", MB_OK | MB_ICONSTOP);
        return false;
    }
    return !data_.NoSkin();
}

}  // namespace skin
