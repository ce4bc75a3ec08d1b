#include "win/skin/skin_data_component.h"

#include <string>

#include "core/common/errors.h"
#include "win/skin/skin_environment_win.h"
#include "win/ui/message_box.h"

namespace win {

namespace {

core::SkinEnvironment ComponentEnvironment() {
    core::SkinEnvironment env = MakeSkinEnvironment();
    env.showMessage = [](const std::string& text) {
        ui::MessageBoxes().Show(nullptr, text.c_str(), "", MB_OK);
    };
    return env;
}

}  // namespace

TSkinData::TSkinData(ui::TComponent* AOwner)
    : ui::TComponent(AOwner), data_(ComponentEnvironment()) {}

size_t TSkinData::LoadSkinStream(const uint8_t* data, size_t size) {
    return data_.ReadSkinProperty(data, size);
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

}  // namespace win
