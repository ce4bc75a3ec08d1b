#pragma once
// The shell's notification area as the tray icon uses it. Production calls Shell_NotifyIconA;
// tests substitute a recorder to see the exact blocks handed over.
#include <windows.h>

#include <string>

#include "core/widgets/tray_rules.h"

namespace win {

class TrayShell {
  public:
    virtual ~TrayShell() = default;
    // One Shell_NotifyIconA call: `data` points at a NOTIFYICONDATAA block of `size` bytes.
    virtual bool NotifyIcon(DWORD message, const void* data, DWORD size) = 0;
    // The shell version that decides the block size, the tip limit and the notifications.
    virtual core::ShellVersion Version() = 0;
};

// Major and minor number of a file's version resource; {0, 0} when it has none.
core::ShellVersion FileVersionOf(const std::string& file);

class SystemTrayShell : public TrayShell {
  public:
    bool NotifyIcon(DWORD message, const void* data, DWORD size) override;
    // The file version of shell32.dll, read on first use and kept.
    core::ShellVersion Version() override;

  private:
    bool versionRead_ = false;
    core::ShellVersion version_;
};

}  // namespace win
