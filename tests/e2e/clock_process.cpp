#include "e2e/clock_process.h"

#include <cstdio>
#include <memory>

namespace e2e {

std::string BinFolder() {
    char buf[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string path(buf, n);
    return path.substr(0, path.find_last_of("\\/") + 1);
}

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = folder + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full + "\\");
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        char name[64];
        std::snprintf(name, sizeof name, "clock-e2e-%lu-%u\\", GetCurrentProcessId(), ++counter);
        path_ = std::string(base) + name;
        if (CreateDirectoryA(path_.c_str(), nullptr))
            break;
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::vector<unsigned char> out;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return out;
    DWORD size = GetFileSize(h, nullptr);
    out.resize(size);
    DWORD read = 0;
    if (size)
        ReadFile(h, out.data(), size, &read, nullptr);
    out.resize(read);
    CloseHandle(h);
    return out;
}

bool Exists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

ClockProcess::~ClockProcess() {
    if (pi_.hProcess) {
        Kill();
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
}

bool ClockProcess::Start(const std::string& exe,
                         const std::string& args,
                         const std::string& workingFolder) {
    std::string cmd = "\"" + exe + "\"";
    if (!args.empty())
        cmd += " " + args;
    std::string folder = workingFolder;
    if (folder.empty())
        folder = exe.substr(0, exe.find_last_of("\\/") + 1);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &si, &pi_) != 0;
}

namespace {

struct WindowSearch {
    DWORD pid;
    const char* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s->pid)
        return TRUE;
    if (s->visibleOnly && !IsWindowVisible(hwnd))
        return TRUE;
    if (ClassOf(hwnd) != s->className)
        return TRUE;
    s->found = hwnd;
    return FALSE;
}

}  // namespace

HWND ClockProcess::WaitForWindow(const char* className, DWORD ms) const {
    DWORD start = GetTickCount();
    do {
        WindowSearch s{pi_.dwProcessId, className, true, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
        if (s.found)
            return s.found;
        if (!Running())
            return nullptr;
        Sleep(50);
    } while (GetTickCount() - start < ms);
    return nullptr;
}

HWND ClockProcess::FindWindowOfClass(const char* className) const {
    WindowSearch s{pi_.dwProcessId, className, false, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool ClockProcess::WaitForExit(DWORD ms, DWORD* exitCode) {
    if (!pi_.hProcess)
        return false;
    if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(pi_.hProcess, exitCode);
    return true;
}

bool ClockProcess::Running() const {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

void ClockProcess::Kill() {
    if (Running()) {
        TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
}

std::string WindowText(HWND hwnd) {
    char buf[2048];
    int n = GetWindowTextA(hwnd, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

std::string ClassOf(HWND hwnd) {
    char buf[256];
    int n = GetClassNameA(hwnd, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

namespace {

struct ChildSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    if (ClassOf(hwnd) == s->className) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

namespace {

struct VisibleSearch {
    DWORD pid;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<VisibleSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == s->className)
        s->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD pid, const char* className) {
    VisibleSearch s{pid, className, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindChild(HWND parent, const char* className) {
    ChildSearch s{className, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string MessageBoxText(HWND box) {
    // The message text is the box's static control with id 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::string();
}

std::vector<RECT> WindowRegionRects(HWND hwnd, int* kind) {
    std::vector<RECT> rects;
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    int k = GetWindowRgn(hwnd, rgn);
    if (kind)
        *kind = k;
    if (k != ERROR) {
        DWORD size = GetRegionData(rgn, 0, nullptr);
        std::unique_ptr<unsigned char[]> buf(new unsigned char[size]);
        auto* data = reinterpret_cast<RGNDATA*>(buf.get());
        if (size && GetRegionData(rgn, size, data)) {
            auto* r = reinterpret_cast<RECT*>(data->Buffer);
            rects.assign(r, r + data->rdh.nCount);
        }
    }
    DeleteObject(rgn);
    return rects;
}

bool RegionContains(HWND hwnd, int x, int y) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    bool inside = GetWindowRgn(hwnd, rgn) != ERROR && PtInRegion(rgn, x, y);
    DeleteObject(rgn);
    return inside;
}

bool WaitFor(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms)
            return false;
        Sleep(50);
    }
    return true;
}

HWND TrayIconWindow() {
    HWND tray = FindWindowA(nullptr, "Wine System Tray");
    if (!tray || !IsWindowVisible(tray))
        return nullptr;
    return FindWindowExA(tray, nullptr, nullptr, nullptr);
}

namespace {

struct MenuSearch {
    DWORD pid;
    int count = 0;
    HWND menu = nullptr;
};

BOOL CALLBACK CountMenus(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<MenuSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == "#32768") {
        ++search->count;
        search->menu = hwnd;
    }
    return TRUE;
}

}  // namespace

int VisibleMenus(DWORD pid, HWND* menu) {
    MenuSearch search{pid};
    EnumWindows(CountMenus, reinterpret_cast<LPARAM>(&search));
    if (menu)
        *menu = search.menu;
    return search.count;
}

HWND OpenTrayMenu(HWND icon, DWORD pid) {
    // A click that reaches the icon before the clock listens to it is lost: click again (the
    // clock opens one menu at a time, so a late first click cannot open a second one).
    HWND menu = nullptr;
    for (int attempt = 0; attempt < 3 && !menu; ++attempt) {
        PostMessageA(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
        PostMessageA(icon, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
        WaitFor([&] { return VisibleMenus(pid, &menu) > 0; }, 3000);
    }
    return menu;
}

}  // namespace e2e
