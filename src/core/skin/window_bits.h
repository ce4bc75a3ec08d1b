#pragma once
// The Windows style bits and values the skin rules read (frames and controls). The core never
// includes <windows.h>, so the numbers are written here once; they are those of the Windows
// headers.
#include <cstdint>

namespace core {
namespace winbits {

// Window styles.
constexpr uint32_t kPopup = 0x80000000u;         // WS_POPUP
constexpr uint32_t kChild = 0x40000000u;         // WS_CHILD
constexpr uint32_t kClipChildren = 0x02000000u;  // WS_CLIPCHILDREN
constexpr uint32_t kCaption = 0x00C00000u;       // WS_CAPTION: border and dialog frame together
constexpr uint32_t kVScroll = 0x00200000u;       // WS_VSCROLL
constexpr uint32_t kHScroll = 0x00100000u;       // WS_HSCROLL
constexpr uint32_t kSysMenu = 0x00080000u;       // WS_SYSMENU
constexpr uint32_t kThickFrame = 0x00040000u;    // WS_THICKFRAME
constexpr uint32_t kMinimizeBox = 0x00020000u;   // WS_MINIMIZEBOX
constexpr uint32_t kMaximizeBox = 0x00010000u;   // WS_MAXIMIZEBOX
constexpr uint32_t kDsModalFrame = 0x00000080u;  // DS_MODALFRAME

// Extended window styles.
constexpr uint32_t kExDlgModalFrame = 0x00000001u;  // WS_EX_DLGMODALFRAME
constexpr uint32_t kExMdiChild = 0x00000040u;       // WS_EX_MDICHILD
constexpr uint32_t kExRight = 0x00001000u;          // WS_EX_RIGHT
constexpr uint32_t kExLeftScrollBar = 0x00004000u;  // WS_EX_LEFTSCROLLBAR
constexpr uint32_t kExAppWindow = 0x00040000u;      // WS_EX_APPWINDOW

// Combo box styles: the low two bits give the kind.
constexpr uint32_t kComboKindMask = 0x3;  // CBS_SIMPLE 1, CBS_DROPDOWN 2, CBS_DROPDOWNLIST 3
constexpr uint32_t kComboSimple = 0x1;
constexpr uint32_t kComboDropDownBit = 0x2;
// The combo box information marks an invisible drop-down button with this state bit.
constexpr uint32_t kComboButtonInvisible = 0x8000;  // STATE_SYSTEM_INVISIBLE
// Combo box notifications carried by the command message.
constexpr int kComboListOpened = 7;  // CBN_DROPDOWN
constexpr int kComboListClosed = 8;  // CBN_CLOSEUP

// Button styles: the low four bits give the kind.
constexpr uint32_t kButtonKindMask = 0xF;  // BS_TYPEMASK

// Date-time picker styles: the up-down bit is part of the time format too.
constexpr uint32_t kDateTimeUpDown = 0x1;  // DTS_UPDOWN

}  // namespace winbits
}  // namespace core
