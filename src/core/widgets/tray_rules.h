#pragma once
// The tray icon's decisions that do not need Windows: the shell version rule, the tip text and
// what each notification-area mouse message does.
#include <cstdint>
#include <string>

namespace core {

// Major and minor number of the shell's file version, compared as a pair.
struct ShellVersion {
    int major = 0;
    int minor = 0;

    bool AtLeast(int wantMajor, int wantMinor) const {
        return major > wantMajor || (major == wantMajor && minor >= wantMinor);
    }
    // Shell 5.0 brought the larger notification block, longer tips and version-3 notifications.
    bool Modern() const { return AtLeast(5, 0); }
};

// Longest tip the shell shows: 63 characters before shell 5.0, 127 from it on.
size_t TrayTipLimit(ShellVersion shell);

// The hint as the tray icon stores it: older shells show one line only, so every CR LF pair
// becomes " - " there.
std::string NormalizeTrayHint(const std::string& hint, ShellVersion shell);

// The text handed to the shell: the hint's short part (up to the first '|') cut to the limit.
std::string TrayTipText(const std::string& hint, ShellVersion shell);

// Mouse messages the shell passes with the tray icon's callback message.
namespace tray_msg {
constexpr uint32_t kMouseMove = 0x200;
constexpr uint32_t kLButtonDown = 0x201;
constexpr uint32_t kLButtonUp = 0x202;
constexpr uint32_t kLButtonDblClk = 0x203;
constexpr uint32_t kRButtonDown = 0x204;
constexpr uint32_t kRButtonUp = 0x205;
constexpr uint32_t kRButtonDblClk = 0x206;
constexpr uint32_t kMButtonDown = 0x207;
constexpr uint32_t kMButtonUp = 0x208;
constexpr uint32_t kMButtonDblClk = 0x209;
constexpr uint32_t kContextMenu = 0x7B;
constexpr uint32_t kKeySelect = 0x401;
}  // namespace tray_msg

enum class TrayButton { mbLeft, mbRight, mbMiddle };

enum class TrayAction { None, UpdateTip, PopupMenu, DblClick };

struct TrayReaction {
    TrayAction action = TrayAction::None;
    TrayButton button = TrayButton::mbLeft;  // meaningful for DblClick only
};

// What the icon does on one notification. Single clicks and presses do nothing; the menu
// opens on the right button release only on shells that do not send WM_CONTEXTMENU.
TrayReaction ClassifyTrayMessage(uint32_t mouseMessage, ShellVersion shell);

}  // namespace core
