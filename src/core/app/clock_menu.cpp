#include "core/app/clock_menu.h"

#include <cctype>

namespace core {

const ClockMenuItem* FindClockMenuItem(const std::string& name) {
    for (const ClockMenuItem& item : kPopupMenu1) {
        if (name == item.name)
            return &item;
    }
    return nullptr;
}

char MenuAccelerator(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

std::string NextHideCaption(const std::string& caption) {
    // Exactly "&Hide": the caption and the visibility toggle apart from each other.
    return caption == kHideCaption ? kShowCaption : kHideCaption;
}

}  // namespace core
