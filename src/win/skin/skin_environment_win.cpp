#include "win/skin/skin_environment_win.h"

#include <windows.h>

#include "win/ui/graphics.h"
#include "win/ui/handles.h"

namespace skin {

void InstallSystemColours() {
    core::SetSystemColourFunction([](int index) { return uint32_t(GetSysColor(index)); });
}

core::Bitmap LoadBitmapResource(const std::string& name) {
    ui::ScopedBitmap bmp(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bmp)
        return core::Bitmap();
    BITMAP info{};
    if (GetObjectA(bmp.get(), sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return core::Bitmap();
    ui::TBitmap copy;
    copy.SetSize(info.bmWidth, info.bmHeight);
    ui::ScopedMemoryDC source(CreateCompatibleDC(nullptr));
    if (!source)
        return core::Bitmap();
    ui::ScopedSelectObject selected(source.get(), bmp.get());
    BitBlt(copy.Canvas().Handle(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    return copy.ToBitmap();
}

core::SkinEnvironment MakeSkinEnvironment() {
    core::SkinEnvironment env;
    env.hScrollArrowWidth = GetSystemMetrics(SM_CXHSCROLL);
    env.programBitmap = [](const std::string& name) { return LoadBitmapResource(name); };
    return env;
}

}  // namespace skin
