// The system functions bound on first use, and what that buys: clock.exe imports only the
// libraries every window program loads anyway.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "win/ui/delay_load.h"
#include "win/win_test_support.h"

namespace {

TEST(DelayLoad, BoundFunctionsReachTheirLibraries) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
    EXPECT_TRUE(sys::InitCommonControlsEx(&icc));

    char text[256] = {};
    EXPECT_TRUE(sys::mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, text, sizeof text));
    EXPECT_GT(std::strlen(text), 0u);
    MCI_OPEN_PARMSA open{};
    open.lpstrElementName = "Z:\\no\\such\\folder\\missing.wav";
    EXPECT_NE(sys::mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                                   reinterpret_cast<DWORD_PTR>(&open)),
              0u);

    DWORD ignored = 0;
    EXPECT_GT(sys::GetFileVersionInfoSizeA("shell32.dll", &ignored), 0u);

    CLSID clsid;
    EXPECT_TRUE(SUCCEEDED(sys::OleInitialize(nullptr)));
    EXPECT_TRUE(SUCCEEDED(sys::CLSIDFromProgID(L"Scripting.FileSystemObject", &clsid)));
    EXPECT_TRUE(FAILED(sys::CLSIDFromProgID(L"No.Such.Program.Id", &clsid)));
    sys::OleUninitialize();

    BSTR text16 = sys::SysAllocString(L"chime");
    ASSERT_NE(text16, nullptr);
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = text16;
    EXPECT_EQ(sys::VariantClear(&v), S_OK);
    EXPECT_EQ(v.vt, VT_EMPTY);
}

// Subclassing through the bound functions: the hook sees the window's messages and hands them on.
LRESULT CALLBACK CountingHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    if (msg == WM_APP + 7)
        ++*reinterpret_cast<int*>(data);
    return sys::DefSubclassProc(hwnd, msg, wParam, lParam);
}

TEST(DelayLoad, SubclassingThroughTheBoundFunctions) {
    HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    int seen = 0;
    ASSERT_TRUE(sys::SetWindowSubclass(hwnd, CountingHook, 1, reinterpret_cast<DWORD_PTR>(&seen)));
    SendMessageA(hwnd, WM_APP + 7, 0, 0);
    EXPECT_TRUE(sys::RemoveWindowSubclass(hwnd, CountingHook, 1));
    SendMessageA(hwnd, WM_APP + 7, 0, 0);
    EXPECT_EQ(seen, 1);
    DestroyWindow(hwnd);
}

// The names of the libraries a PE file imports at load time, lower case.
std::set<std::string> ImportedLibraries(const std::vector<unsigned char>& f) {
    auto u16 = [&](size_t at) { return at + 2 <= f.size() ? f[at] | f[at + 1] << 8 : 0; };
    auto u32 = [&](size_t at) {
        return at + 4 <= f.size() ? uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16 : 0u;
    };
    std::set<std::string> names;
    const size_t pe = u32(0x3C);
    if (u32(pe) != 0x4550)
        return names;
    const size_t sections = u16(pe + 6);
    const size_t optional = pe + 24;
    const size_t optionalSize = u16(pe + 20);
    const bool plus = u16(optional) == 0x20B;
    const uint32_t importRva = u32(optional + (plus ? 120 : 104));
    auto fileOffset = [&](uint32_t rva) -> size_t {
        for (size_t i = 0; i < sections; ++i) {
            const size_t s = optional + optionalSize + i * 40;
            const uint32_t va = u32(s + 12), rawSize = u32(s + 16), raw = u32(s + 20);
            if (rva >= va && rva < va + std::max(rawSize, u32(s + 8)))
                return raw + (rva - va);
        }
        return 0;
    };
    for (size_t d = fileOffset(importRva); d && u32(d + 12) != 0; d += 20) {
        size_t at = fileOffset(u32(d + 12));
        std::string name;
        while (at && at < f.size() && f[at])
            name += char(std::tolower(f[at++]));
        names.insert(name);
    }
    return names;
}

TEST(DelayLoad, ClockImportsOnlyTheLibrariesEveryWindowProgramLoads) {
    std::ifstream in(wintest::BinFolder() + "clock.exe", std::ios::binary);
    ASSERT_TRUE(in) << "clock.exe is built beside the tests";
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    const std::set<std::string> imports = ImportedLibraries(file);
    ASSERT_TRUE(imports.count("kernel32.dll")) << "the import table was not read";
    const std::set<std::string> allowed{"kernel32.dll", "user32.dll", "gdi32.dll",
                                        "advapi32.dll", "msvcrt.dll"};
    for (const std::string& name : imports)
        EXPECT_TRUE(allowed.count(name)) << name << " is imported at load time";
}

}  // namespace
