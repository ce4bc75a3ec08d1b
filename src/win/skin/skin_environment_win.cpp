#include "win/skin/skin_environment_win.h"

#include <windows.h>

#include <memory>
#include <type_traits>
#include <vector>

namespace win {

namespace {

struct GdiObjectDeleter {
    void operator()(HBITMAP h) const { DeleteObject(h); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer<HBITMAP>::type, GdiObjectDeleter>;

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() {
        if (dc != nullptr)
            ReleaseDC(nullptr, dc);
    }
};

}  // namespace

void InstallSystemColours() {
    core::SetSystemColourFunction([](int index) { return uint32_t(GetSysColor(index)); });
}

core::Bitmap LoadBitmapResource(const std::string& name) {
    BitmapHandle bmp(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bmp)
        return core::Bitmap();
    BITMAP info{};
    if (GetObjectA(bmp.get(), sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return core::Bitmap();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = info.bmWidth;
    bi.bmiHeader.biHeight = -info.bmHeight;  // top row first, as core::Bitmap keeps it
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> bgra(size_t(info.bmWidth) * size_t(info.bmHeight));
    ScreenDc screen;
    if (screen.dc == nullptr || GetDIBits(screen.dc, bmp.get(), 0, UINT(info.bmHeight), bgra.data(),
                                          &bi, DIB_RGB_COLORS) == 0)
        return core::Bitmap();
    core::Bitmap out(info.bmWidth, info.bmHeight);
    for (size_t i = 0; i < bgra.size(); ++i) {
        const uint32_t p = bgra[i];  // 0x00RRGGBB in memory order B, G, R
        out.pixels[i] = core::RGBColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    return out;
}

core::SkinEnvironment MakeSkinEnvironment() {
    core::SkinEnvironment env;
    env.hScrollArrowWidth = GetSystemMetrics(SM_CXHSCROLL);
    env.programBitmap = [](const std::string& name) { return LoadBitmapResource(name); };
    return env;
}

}  // namespace win
