#pragma once
// The system functions that only some clocks or some moments need, bound on their first call
// instead of at load time: every library imported up front costs each clock start-up time and
// memory, while a picture face with no dialog open never needs COM, MCI or the common controls.
// Each returns the function's own failure value when its library or entry cannot be found.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <oleauto.h>
#include <shellapi.h>

namespace sys {

// ole32
HRESULT OleInitialize(LPVOID reserved);
void OleUninitialize();
HRESULT CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid);
// oleaut32
BSTR SysAllocString(const OLECHAR* text);
HRESULT VariantClear(VARIANTARG* value);
// winmm
MCIERROR mciSendCommandA(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params);
BOOL mciGetErrorStringA(MCIERROR error, LPSTR text, UINT size);
// shell32
BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATAA data);
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR folder,
                        INT show);
// version
DWORD GetFileVersionInfoSizeA(LPCSTR file, LPDWORD handle);
BOOL GetFileVersionInfoA(LPCSTR file, DWORD handle, DWORD size, LPVOID data);
BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, PUINT length);
// comctl32
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);
BOOL SetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);
LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace sys
