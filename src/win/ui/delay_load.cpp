#include "win/ui/delay_load.h"

namespace sys {
namespace {

// The entry `name` of `library`, loading the library on first use; null when either is missing.
// Libraries stay loaded for the program's life, as imported ones would.
template <typename Fn>
Fn Bind(const char* library, const char* name) {
    HMODULE module = ::GetModuleHandleA(library);
    if (!module)
        module = ::LoadLibraryA(library);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                  : nullptr;
}

#define BOUND(library, fn) \
    static const auto bound = Bind<decltype(&::fn)>(library, #fn)

}  // namespace

HRESULT OleInitialize(LPVOID reserved) {
    BOUND("ole32.dll", OleInitialize);
    return bound ? bound(reserved) : E_FAIL;
}

void OleUninitialize() {
    BOUND("ole32.dll", OleUninitialize);
    if (bound)
        bound();
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid) {
    BOUND("ole32.dll", CLSIDFromProgID);
    return bound ? bound(progId, clsid) : CO_E_CLASSSTRING;
}

BSTR SysAllocString(const OLECHAR* text) {
    BOUND("oleaut32.dll", SysAllocString);
    return bound ? bound(text) : nullptr;
}

HRESULT VariantClear(VARIANTARG* value) {
    BOUND("oleaut32.dll", VariantClear);
    return bound ? bound(value) : E_FAIL;
}

MCIERROR mciSendCommandA(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) {
    BOUND("winmm.dll", mciSendCommandA);
    return bound ? bound(device, message, flags, params) : MCIERR_CANNOT_LOAD_DRIVER;
}

BOOL mciGetErrorStringA(MCIERROR error, LPSTR text, UINT size) {
    BOUND("winmm.dll", mciGetErrorStringA);
    return bound ? bound(error, text, size) : FALSE;
}

BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATAA data) {
    BOUND("shell32.dll", Shell_NotifyIconA);
    return bound ? bound(message, data) : FALSE;
}

HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR folder,
                        INT show) {
    BOUND("shell32.dll", ShellExecuteA);
    // Values up to 32 are failures; this one reads "out of memory or resources".
    return bound ? bound(owner, verb, file, params, folder, show) : nullptr;
}

DWORD GetFileVersionInfoSizeA(LPCSTR file, LPDWORD handle) {
    BOUND("version.dll", GetFileVersionInfoSizeA);
    return bound ? bound(file, handle) : 0;
}

BOOL GetFileVersionInfoA(LPCSTR file, DWORD handle, DWORD size, LPVOID data) {
    BOUND("version.dll", GetFileVersionInfoA);
    return bound ? bound(file, handle, size, data) : FALSE;
}

BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, PUINT length) {
    BOUND("version.dll", VerQueryValueA);
    return bound ? bound(block, subBlock, buffer, length) : FALSE;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
    BOUND("comctl32.dll", InitCommonControlsEx);
    return bound ? bound(classes) : FALSE;
}

BOOL SetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    BOUND("comctl32.dll", SetWindowSubclass);
    return bound ? bound(hwnd, proc, id, data) : FALSE;
}

BOOL RemoveWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
    BOUND("comctl32.dll", RemoveWindowSubclass);
    return bound ? bound(hwnd, proc, id) : FALSE;
}

LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    BOUND("comctl32.dll", DefSubclassProc);
    return bound ? bound(hwnd, msg, wParam, lParam) : ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace sys
