#pragma once
// The clock's one popup menu, PopupMenu1, as data: the framework builds the menu from it and
// routes each item's click to the clock window's handler of the same name.
#include <cstddef>
#include <string>

namespace core {

enum class MenuItemKind {
    Command,
    Separator,
    AutoCheck,  // toggles its check mark itself before its handler runs
};

struct ClockMenuItem {
    const char* name;
    const char* caption;
    MenuItemKind kind;
    const char* handler;  // null for separators
};

constexpr ClockMenuItem kPopupMenu1[] = {
    {"Setup1", "&Alarms", MenuItemKind::Command, "Setup1Click"},
    {"Hide1", "&Hide", MenuItemKind::Command, "Hide1Click"},
    {"N2", "-", MenuItemKind::Separator, nullptr},
    {"muShowOnTip", "Always On &Tip", MenuItemKind::AutoCheck, "muShowOnTipClick"},
    {"muAutoRun", "Auto &Run", MenuItemKind::AutoCheck, "muAutoRunClick"},
    {"N3", "-", MenuItemKind::Separator, nullptr},
    {"About1", "A&bout", MenuItemKind::Command, "About1Click"},
    {"N1", "-", MenuItemKind::Separator, nullptr},
    {"Exit1", "&Exit", MenuItemKind::Command, "Exit1Click"},
};

constexpr const char* kHideCaption = "&Hide";
constexpr const char* kShowCaption = "&Show";

// The item of that name, or null.
const ClockMenuItem* FindClockMenuItem(const std::string& name);

// The keyboard accelerator of a caption: the character after the first single "&" ("&&" is a
// literal ampersand); 0 when there is none.
char MenuAccelerator(const std::string& caption);

// The Hide1 caption after a Hide/Show command: "&Hide" becomes "&Show", anything else "&Hide".
std::string NextHideCaption(const std::string& caption);

}  // namespace core
