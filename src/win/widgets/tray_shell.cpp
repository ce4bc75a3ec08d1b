#include "win/widgets/tray_shell.h"

#include <shellapi.h>

#include <vector>

#include "win/ui/delay_load.h"

namespace win {

core::ShellVersion FileVersionOf(const std::string& file) {
    DWORD ignored = 0;
    DWORD size = sys::GetFileVersionInfoSizeA(file.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> info(size);
    if (!sys::GetFileVersionInfoA(file.c_str(), 0, size, info.data()))
        return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    char root[] = "\\";
    if (!sys::VerQueryValueA(info.data(), root, reinterpret_cast<void**>(&fixed), &len) || !fixed ||
        len < sizeof(VS_FIXEDFILEINFO))
        return {};
    return {static_cast<int>(HIWORD(fixed->dwFileVersionMS)),
            static_cast<int>(LOWORD(fixed->dwFileVersionMS))};
}

bool SystemTrayShell::NotifyIcon(DWORD message, const void* data, DWORD size) {
    // The block carries its own size in its first field; the shell reads that many bytes.
    auto* block = static_cast<NOTIFYICONDATAA*>(const_cast<void*>(data));
    (void)size;
    return sys::Shell_NotifyIconA(message, block) != FALSE;
}

core::ShellVersion SystemTrayShell::Version() {
    if (!versionRead_) {
        version_ = FileVersionOf("shell32.dll");
        versionRead_ = true;
    }
    return version_;
}

}  // namespace win
