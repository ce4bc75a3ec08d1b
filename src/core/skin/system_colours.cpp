#include "core/skin/system_colours.h"

#include <utility>

namespace core {

namespace {

SystemColourFunction& Source() {
    static SystemColourFunction source;
    return source;
}

// COLOR_SCROLLBAR .. COLOR_MENUBAR of the classic Windows scheme.
constexpr uint32_t kClassicScheme[] = {
    0xC8C8C8, 0x808000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xC8D0D4,
};

}  // namespace

void SetSystemColourFunction(SystemColourFunction f) {
    Source() = std::move(f);
}

uint32_t DefaultSystemColour(int index) {
    if (index < 0 || index >= int(sizeof kClassicScheme / sizeof kClassicScheme[0]))
        return 0;
    return kClassicScheme[index];
}

uint32_t ResolveColour(TSkinColor c) {
    if (!IsSystemColour(c))
        return uint32_t(c) & 0xFFFFFF;
    const int index = SystemColourIndexOf(c);
    const SystemColourFunction& f = Source();
    return (f ? f(index) : DefaultSystemColour(index)) & 0xFFFFFF;
}

}  // namespace core
