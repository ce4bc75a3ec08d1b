#include "win/app/single_instance.h"

#include <cstdint>
#include <cstdio>

#include "core/common/file_io.h"

namespace app {

namespace {

std::string Canonical(const std::string& folder) {
    std::string out;
    for (char c : folder) {
        c = c == '/' ? '\\' : c;
        out += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

struct Search {
    std::string folder;
    HWND found = nullptr;
};

std::string FolderOfProcess(DWORD pid) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return std::string();
    char path[MAX_PATH * 2] = {0};
    DWORD size = sizeof path - 1;
    const BOOL ok = ::QueryFullProcessImageNameA(process, 0, path, &size);
    ::CloseHandle(process);
    return ok ? Canonical(core::FolderOf(std::string(path, size))) : std::string();
}

BOOL CALLBACK FindClock(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char cls[16] = {0};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (lstrcmpA(cls, "TForm1") != 0 || pid == ::GetCurrentProcessId() ||
        FolderOfProcess(pid) != search->folder)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

std::string ClockMutexName(const std::string& exeFolder) {
    // A hash keeps the name within the system's limit, whatever the folder's length.
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : Canonical(exeFolder)) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof name, "Local\\DeskClock-%016llx",
                  static_cast<unsigned long long>(hash));
    return name;
}

TSingleClock::TSingleClock(const std::string& exeFolder) {
    mutex_ = ::CreateMutexA(nullptr, FALSE, ClockMutexName(exeFolder).c_str());
    first_ = !mutex_ || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

TSingleClock::~TSingleClock() {
    if (mutex_)
        ::CloseHandle(mutex_);
}

UINT ShowClockMessage() {
    static const UINT message = ::RegisterWindowMessageA("DeskClock.ShowRunningClock");
    return message;
}

bool ShowRunningClock(const std::string& exeFolder) {
    Search search{Canonical(exeFolder)};
    ::EnumWindows(FindClock, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return false;
    // The running clock may bring itself to the front only if we let it.
    DWORD pid = 0;
    ::GetWindowThreadProcessId(search.found, &pid);
    ::AllowSetForegroundWindow(pid);
    return ::PostMessageA(search.found, ShowClockMessage(), 0, 0) != FALSE;
}

}  // namespace app
