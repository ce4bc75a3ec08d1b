#include "core/app/clock_menu.h"

#include <cctype>

#include "core/skin/menu_text.h"

namespace core {

const ClockMenuItem* FindClockMenuItem(const std::string& name) {
    for (const ClockMenuItem& item : kPopupMenu1) {
        if (name == item.name)
            return &item;
    }
    return nullptr;
}

char MenuAccelerator(const std::string& caption) {
    const char mnemonic = ParseMenuCaption(caption).mnemonic;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(mnemonic)));
}

std::string NextHideCaption(const std::string& caption) {
    // Exactly "&Hide": the caption and the visibility toggle apart from each other.
    return caption == kHideCaption ? kShowCaption : kHideCaption;
}

}  // namespace core
