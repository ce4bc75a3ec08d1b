#pragma once
// The skin component on a form: holds the skin the form was built with and reads it from the
// "SKINSTREAM" RCDATA resource of the running program, the way the form's stored description
// is read at creation.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "core/skin/skin_data.h"
#include "win/ui/component.h"

namespace win {

class TSkinData : public ui::TComponent {
  public:
    // The resource that carries the stored SkinStream value.
    static constexpr const char* kResourceName = "SKINSTREAM";

    explicit TSkinData(ui::TComponent* AOwner);
    std::string ClassName() const override { return "TSkinData"; }

    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    // Controls with this tag are left unskinned.
    int DisableTag() const { return disableTag_; }
    void SetDisableTag(int tag) { disableTag_ = tag; }

    core::TSkinData& Data() { return data_; }
    const core::TSkinData& Data() const { return data_; }

    // Reads a stored SkinStream value and loads the skin it carries; returns the bytes taken.
    // Throws StreamError when the value is cut short.
    size_t LoadSkinStream(const uint8_t* data, size_t size);
    // Loads the skin from `module`'s SKINSTREAM resource (the running program's when null).
    // Returns whether a skin is loaded. No such resource leaves things as they are, silently;
    // a cut value is reported through the message box and changes nothing either.
    bool LoadSkinResource(HMODULE module = nullptr);

  private:
    core::TSkinData data_;
    bool active_ = true;
    int disableTag_ = 99;
};

}  // namespace win
