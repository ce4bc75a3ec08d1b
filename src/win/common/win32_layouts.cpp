// The product is a 32-bit program, and its tests run a 64-bit build. What the code relies on in
// the 32-bit layout of the system's structures (sizes it passes in size fields, computes from
// or reads through) is proved here when the i686 tree compiles.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <cstddef>

#ifndef _WIN64
namespace {

// Tray icon data: the shell tells the block's layout by its size, 88 bytes before shell 5.0
// and 488 from 5.0 on (asserted beside the tray icon); the block we keep must hold the larger.
static_assert(sizeof(NOTIFYICONDATAA) >= NOTIFYICONDATAA_V2_SIZE, "room for the 5.0 block");
static_assert(offsetof(NOTIFYICONDATAA, szTip) == 24, "tip after the icon handle");

// Combo box information and the menu and window structures handed over with their size.
static_assert(sizeof(COMBOBOXINFO) == 52, "combo box information");
static_assert(sizeof(MENUITEMINFOA) == 48, "menu item information");
static_assert(sizeof(MENUINFO) == 28, "menu information");
static_assert(sizeof(TPMPARAMS) == 20, "popup menu parameters");
static_assert(sizeof(WNDCLASSA) == 40 && sizeof(WNDCLASSEXA) == 48, "window classes");
static_assert(sizeof(CREATESTRUCTA) == 48, "window creation data");
static_assert(sizeof(WINDOWPOS) == 28, "window position change");
static_assert(sizeof(MINMAXINFO) == 40, "window size limits");
static_assert(sizeof(NCCALCSIZE_PARAMS) == 52, "non-client size calculation");
static_assert(sizeof(TRACKMOUSEEVENT) == 16, "mouse leave tracking");
static_assert(sizeof(MSG) == 28, "queued message");
static_assert(sizeof(SCROLLINFO) == 28, "scroll bar information");
static_assert(sizeof(WINDOWPLACEMENT) == 44, "window placement");
static_assert(sizeof(DRAWITEMSTRUCT) == 48 && sizeof(MEASUREITEMSTRUCT) == 24, "owner draw");

// Common controls.
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8, "common control classes");
static_assert(sizeof(NMHDR) == 12, "notification header");
static_assert(sizeof(NMDATETIMECHANGE) == 32, "date picker change");
static_assert(sizeof(SYSTEMTIME) == 16, "picker time");

// Media control interface blocks.
static_assert(sizeof(MCI_OPEN_PARMSA) == 20, "MCI open");
static_assert(sizeof(MCI_PLAY_PARMS) == 12, "MCI play");
static_assert(sizeof(MCI_STATUS_PARMS) == 16, "MCI status");
static_assert(sizeof(MCI_SEEK_PARMS) == 8 && sizeof(MCI_GENERIC_PARMS) == 4, "MCI seek, close");

// Graphics: bitmap headers, region data, fonts.
static_assert(sizeof(BITMAPINFOHEADER) == 40 && sizeof(BITMAPFILEHEADER) == 14, "bitmap headers");
static_assert(sizeof(BITMAP) == 24, "bitmap information");
static_assert(sizeof(RGNDATAHEADER) == 32 && sizeof(RECT) == 16, "region data");
static_assert(sizeof(LOGFONTA) == 60, "logical font");

// Version resource of shell32, read for the tray icon's block size.
static_assert(sizeof(VS_FIXEDFILEINFO) == 52, "file version");

// Window data: pointers and handles are 4 bytes, so they are never stored in a longer field
// by mistake and a LONG_PTR is a LONG.
static_assert(sizeof(void*) == 4 && sizeof(LONG_PTR) == 4 && sizeof(HWND) == 4, "32-bit");

}  // namespace
#endif
