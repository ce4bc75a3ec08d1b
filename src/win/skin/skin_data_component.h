#pragma once
// The skin component on a form: its published properties, the skin it was stored with (read
// from the "SKINSTREAM" RCDATA resource of the running program, as the form's stored
// description is read at creation), and what it does once its form is loaded: the process's
// skin manager then skins the windows (skin_manager.h).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/skin/skin_data.h"
#include "core/skin/skin_options.h"
#include "win/skin/skin_pictures.h"
#include "win/ui/component.h"
#include "win/ui/control.h"
#include "win/ui/handles.h"

namespace skin {

class TSkinData;

// Asked before a window of class aName is skinned.
using TFormSkinEvent =
    std::function<void(ui::TObject* Sender, const std::string& aName, bool& DoSkin)>;
// Lets the application supply the skin of a control.
using TSkinControlEvent = std::function<void(ui::TComponent* Sender,
                                             TSkinData* SkinData,
                                             ui::TControl* Form,
                                             ui::TControl* Control,
                                             const std::string& ControlClass,
                                             ui::TComponent*& SkinnedControl)>;
using TSkinFormNotify =
    std::function<void(ui::TObject* Sender, HWND ahwnd, const std::string& aName)>;

class TSkinData : public ui::TComponent {
  public:
    // The resource that carries the stored SkinStream value.
    static constexpr const char* kResourceName = "SKINSTREAM";

    explicit TSkinData(ui::TComponent* AOwner);
    ~TSkinData() override;
    std::string ClassName() const override { return "TSkinData"; }

    // Published properties, with their defaults.
    bool Active() const { return active_; }
    void SetActive(bool value);
    int DisableTag() const { return disableTag_; }
    void SetDisableTag(int tag) { disableTag_ = tag; }
    core::TSkinControls SkinControls() const { return skinControls_; }
    void SetSkinControls(core::TSkinControls v) { skinControls_ = v; }
    core::TSkinOptions Options() const { return options_; }
    void SetOptions(core::TSkinOptions v) { options_ = v; }
    const std::vector<std::string>& SkinClasses() const { return skinClasses_; }
    void SetSkinClasses(std::vector<std::string> v) { skinClasses_ = std::move(v); }
    const std::string& SkinFile() const { return data_.SkinFile(); }
    // At run time an existing file replaces the skin, which is then applied to every window
    // this component skins.
    void SetSkinFile(const std::string& name);
    std::string SkinStore() const { return data_.SkinStore(); }
    core::TSkinFormType SkinFormtype() const { return formType_; }
    void SetSkinFormtype(core::TSkinFormType v) { formType_ = v; }
    std::string Version() const { return data_.Version(); }
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool v) { menuUpdate_ = v; }
    bool MenuMerge() const { return menuMerge_; }
    void SetMenuMerge(bool v) { menuMerge_ = v; }

    TFormSkinEvent OnFormSkin;
    ui::TNotifyEvent OnSkinChanged;
    TSkinControlEvent OnSkinControl;
    TSkinFormNotify OnBeforeSkinForm;
    TSkinFormNotify OnAfterSkinForm;

    // OnFormSkin, or its default without a handler.
    bool AllowsForm(const std::string& className);

    core::TSkinData& Data() { return data_; }
    const core::TSkinData& Data() const { return data_; }
    // The skin's pictures as GDI bitmaps, made again after every skin load.
    TSkinPictures& Pictures() { return pictures_; }
    // Where captions are composed, shared by the windows this component skins (they paint
    // one at a time); at least width x height when returned.
    ui::TBitmap& CaptionBuffer(int width, int height);
    // The solid button-face brush the painters share.
    HBRUSH FaceBrush();
    // The fonts of captions and of menus (from the system's non-client metrics); a menu's
    // default item is bold.
    HFONT CaptionFont();
    HFONT MenuFont(bool bold = false);
    // The application's small icon on magenta (drawn when loaded).
    const core::Bitmap& AppIconBitmap() const { return appIcon_; }
    // The program's menu glyphs, 16 x 16 each on magenta; empty without the resource.
    const core::Bitmap& MenuGlyphs() const { return menuGlyphs_; }
    SIZE MaximizedSize() const { return maximizedSize_; }
    // Ten switches nothing reads yet; all on.
    uint16_t ExtraSwitches() const { return extraSwitches_; }

    // Reads a stored SkinStream value and loads the skin it carries; returns the bytes taken.
    // Throws StreamError when the value is cut short.
    size_t LoadSkinStream(const uint8_t* data, size_t size);
    // Loads the skin from `module`'s SKINSTREAM resource (the running program's when null).
    // Returns whether a skin is loaded. No such resource leaves things as they are, silently;
    // a cut value is reported through the message box and changes nothing either.
    bool LoadSkinResource(HMODULE module = nullptr);

  protected:
    void Loaded() override;

  private:
    void SkinChanged();
    void DrawAppIcon();

    core::TSkinData data_;
    TSkinPictures pictures_;
    ui::TBitmap captionBuffer_;
    bool active_ = false;
    int disableTag_ = core::kDefaultDisableTag;
    core::TSkinControls skinControls_ = core::DefaultSkinControls();
    core::TSkinOptions options_ = core::DefaultSkinOptions();
    std::vector<std::string> skinClasses_;
    core::TSkinFormType formType_ = core::sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;
    bool registered_ = false;
    ui::ScopedBrush faceBrush_;
    uint32_t faceBrushColour_ = 0;
    ui::ScopedFont captionFont_;
    ui::ScopedFont menuFont_;
    ui::ScopedFont boldMenuFont_;
    core::Bitmap appIcon_;
    core::Bitmap menuGlyphs_;
    SIZE maximizedSize_{0, 0};
    uint16_t extraSwitches_ = 0x3FF;
};

}  // namespace skin
