#include "core/skin/menu_text.h"

namespace core {

char32_t FoldMenuKey(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    // Latin-1 lower-case letters sit 32 above their capitals; the division sign does not.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    return c;
}

}  // namespace core
