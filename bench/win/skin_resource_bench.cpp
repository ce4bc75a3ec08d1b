// skin_resource_bench [CLOCK.EXE]: what the clock window's creation spends on its default skin:
// finding the SKINSTREAM resource of clock.exe (beside this program unless given), decoding
// it and reading every definition. Prints the median and the fastest of many runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "win/skin/skin_data_component.h"

int main(int argc, char** argv) {
    std::string exe;
    if (argc > 1) {
        exe = argv[1];
    } else {
        char path[MAX_PATH];
        const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
        exe = std::string(path, n);
        exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "clock.exe";
    }
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", exe.c_str());
        return 2;
    }
    constexpr int kRuns = 100;
    std::vector<double> micros;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        skin::TSkinData skin(nullptr);
        const bool loaded = skin.LoadSkinResource(module);
        const auto end = std::chrono::steady_clock::now();
        if (!loaded) {
            std::fprintf(stderr, "%s has no readable SKINSTREAM resource\n", exe.c_str());
            FreeLibrary(module);
            return 2;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    FreeLibrary(module);
    std::sort(micros.begin(), micros.end());
    std::printf(
        "skin from resource (find, decode, read)  median %8.1f us   fastest %8.1f us"
        "   (%d runs)\n",
        micros[micros.size() / 2], micros.front(), kRuns);
    return 0;
}
