#pragma once
// Drives the real clock.exe from a test: a private folder beside which the clock finds its
// design, the process, its windows and its message boxes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Folder of the running test program (clock.exe is built beside it), with a trailing '\'.
std::string BinFolder();

// A fresh folder under %TEMP%, removed with everything in it when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }  // with a trailing '\'
    std::string operator/(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);
bool Exists(const std::string& path);

class ClockProcess {
  public:
    ClockProcess() = default;
    ~ClockProcess();  // ends a clock that is still running
    ClockProcess(const ClockProcess&) = delete;
    ClockProcess& operator=(const ClockProcess&) = delete;

    // Starts `exe` with `args`, from `workingFolder` (the exe's folder when empty).
    bool Start(const std::string& exe,
               const std::string& args = "",
               const std::string& workingFolder = "");
    DWORD pid() const { return pi_.dwProcessId; }
    // The process's first visible top-level window of `className`, waiting up to `ms`.
    HWND WaitForWindow(const char* className, DWORD ms = 15000) const;
    // Any top-level window of the process of `className` (visible or not), or null.
    HWND FindWindowOfClass(const char* className) const;
    // Waits for the process to end; false on timeout.
    bool WaitForExit(DWORD ms, DWORD* exitCode = nullptr);
    bool Running() const;
    void Kill();

  private:
    PROCESS_INFORMATION pi_{};
};

// Text of the static control of a message box ("#32770") and the texts of its buttons.
std::string MessageBoxText(HWND box);
std::string WindowText(HWND hwnd);
std::string ClassOf(HWND hwnd);
// The child window of `parent` (any depth) with class `className`, or null.
HWND FindChild(HWND parent, const char* className);

// The visible top-level windows of process `pid` of `className`, such as its alarm popups.
std::vector<HWND> VisibleWindowsOf(DWORD pid, const char* className);

// Polls `done` every 50 ms for up to `ms`; false when it never came true.
bool WaitFor(const std::function<bool()>& done, DWORD ms = 8000);
// The notification-area icon: under Wine without a tray manager every icon is a child of the
// stand-alone "Wine System Tray" window. Null when no icon is shown.
HWND TrayIconWindow();
// The visible popup menus ("#32768") of process `pid`; `menu` receives the last one found.
int VisibleMenus(DWORD pid, HWND* menu = nullptr);
// Right-clicks the tray icon and waits for the process's menu (three tries of 3 s); null when
// none opens.
HWND OpenTrayMenu(HWND icon, DWORD pid);

// The window's region as rectangles in window coordinates; empty when it has none.
std::vector<RECT> WindowRegionRects(HWND hwnd, int* kind = nullptr);
// True when the point (window coordinates) lies in the window's region.
bool RegionContains(HWND hwnd, int x, int y);

}  // namespace e2e
