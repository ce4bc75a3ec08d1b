// The system functions bound on first use, and what that buys: clock.exe imports only the
// libraries every window program loads anyway.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/pe_image.h"
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

TEST(DelayLoad, ClockImportsOnlyTheLibrariesEveryWindowProgramLoads) {
    std::ifstream in(wintest::BinFolder() + "clock.exe", std::ios::binary);
    ASSERT_TRUE(in) << "clock.exe is built beside the tests";
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    const std::set<std::string> imports = pe::Image(file).ImportedLibraries();
    ASSERT_TRUE(imports.count("kernel32.dll")) << "the import table was not read";
    const std::set<std::string> allowed{"kernel32.dll", "user32.dll", "gdi32.dll",
                                        "advapi32.dll", "msvcrt.dll"};
    for (const std::string& name : imports)
        EXPECT_TRUE(allowed.count(name)) << name << " is imported at load time";
}

}  // namespace
