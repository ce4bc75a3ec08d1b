// Starts a program, measures the time until it shows a top-level window and its resident memory
// (first line), then its CPU time over a period of running as Wine counts it (second line). Used side by side on the clock and on a bare
// Win32 program under the same Wine, so the figures compare like with like.
//   startup_probe PROGRAM [SECONDS]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindShown(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && IsWindowVisible(hwnd)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

double Ms(const FILETIME& ft) {
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    return u.QuadPart / 10000.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [SECONDS]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    std::string cmd = std::string("\"") + argv[1] + "\"";
    std::string folder = argv[1];
    size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? "." : folder.substr(0, slash);

    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&t0);
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 2;
    }
    Search s{pi.dwProcessId, nullptr};
    for (int i = 0; i < 30000 && !s.found; ++i) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&s));
        if (!s.found) Sleep(1);
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    }
    QueryPerformanceCounter(&t1);
    if (!s.found) {
        std::fprintf(stderr, "no window appeared\n");
        TerminateProcess(pi.hProcess, 1);
        return 1;
    }
    const double startMs = double(t1.QuadPart - t0.QuadPart) * 1000.0 / double(freq.QuadPart);
    Sleep(500);
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
    // Printed at once, so that a watcher outside can start its own CPU sample now.
    std::printf("start_ms=%.1f rss_kb=%lu\n", startMs,
                static_cast<unsigned long>(pmc.WorkingSetSize / 1024));
    std::fflush(stdout);
    FILETIME c, e, k0, u0, k1, u1;
    GetProcessTimes(pi.hProcess, &c, &e, &k0, &u0);
    Sleep(DWORD(seconds) * 1000);
    GetProcessTimes(pi.hProcess, &c, &e, &k1, &u1);
    const double cpuMs = (Ms(k1) - Ms(k0)) + (Ms(u1) - Ms(u0));
    // The watcher's sample ends a moment before this one, while the program still runs.
    Sleep(1000);
    std::printf("cpu_ms=%.1f over %d s\n", cpuMs, seconds);
    PostMessageA(s.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}
