#pragma once
// The skinned system menu: an owner-drawn popup menu built from a window's real system menu,
// with the states the window's frame allows and the menu glyphs.
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Tag of the popup menu the form skin builds, and the program's glyph bitmap.
constexpr int kSystemMenuTag = 33333;
constexpr const char* kMenuGlyphsResource = "SKINMENUGLYPHS";

// System commands; the system uses the low four bits of a command for itself.
constexpr uint32_t kScSize = 0xF000, kScMove = 0xF010, kScMinimize = 0xF020, kScMaximize = 0xF030,
                   kScClose = 0xF060, kScRestore = 0xF120;
constexpr uint32_t kScCommandMask = 0xFFF0;

// Glyphs of the menu glyph image list, 16 pixels each.
enum TMenuGlyph : int {
    kGlyphRestore = 0,
    kGlyphMaximize = 1,
    kGlyphMinimize = 2,
    kGlyphClose = 3,
};

// One item of the window's real system menu ("&Close\tAlt+F4"; empty for a separator).
struct TSystemMenuEntry {
    std::string caption;
    uint32_t command = 0;
    bool grey = false;
    bool checked = false;
    bool isDefault = false;  // the item a double click on the icon stands for: drawn bold
};

struct TSystemMenuWindow {
    bool maximised = false, minimised = false;
    bool minimizeBox = false, maximizeBox = false;
    bool sizeable = true;  // the window has a sizing border
};

struct TSystemMenuItem {
    std::string caption;   // "-" for a separator
    std::string shortcut;  // the text after the caption's tab
    uint32_t command = 0;
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;
    int glyph = -1;
};

// The real menu's items with their captions, commands, grey, checked and default states, and the
// frame's rules on top: size and move disabled while maximised (size also while minimised
// and without a sizing border), minimise enabled when not minimised and the window has a
// minimise box, maximise when not maximised and it has a maximise box, restore when not in
// the normal state; minimise, maximise, close and restore carry their glyphs.
std::vector<TSystemMenuItem> SkinnedSystemMenuItems(const std::vector<TSystemMenuEntry>& menu,
                                                    const TSystemMenuWindow& window);

// Windows NT 4: " Restore ", " Minimize ", " Maximize ", a separator and " Close " with
// "ALT+F4", under the same rules.
std::vector<TSystemMenuItem> Nt4SystemMenuItems(const TSystemMenuWindow& window);

}  // namespace core
