#include "core/skin/menu_system.h"

#include "core/skin/menu_text.h"

namespace core {

namespace {

void ApplyFrameRules(TSystemMenuItem& item, const TSystemMenuWindow& w) {
    const bool normal = !w.maximised && !w.minimised;
    switch (item.command & kScCommandMask) {
        case kScSize:
            // Sizing a maximised or minimised window, or one without a sizing border, does
            // nothing: the item must not offer it.
            if (!normal || !w.sizeable)
                item.enabled = false;
            break;
        case kScMove:
            if (w.maximised)
                item.enabled = false;
            break;
        case kScMinimize:
            item.glyph = kGlyphMinimize;
            item.enabled = !w.minimised && w.minimizeBox;
            break;
        case kScMaximize:
            item.glyph = kGlyphMaximize;
            item.enabled = !w.maximised && w.maximizeBox;
            break;
        case kScClose:
            item.glyph = kGlyphClose;
            break;
        case kScRestore:
            item.glyph = kGlyphRestore;
            item.enabled = !normal;
            break;
        default:
            break;
    }
}

}  // namespace

std::vector<TSystemMenuItem> SkinnedSystemMenuItems(const std::vector<TSystemMenuEntry>& menu,
                                                    const TSystemMenuWindow& window) {
    std::vector<TSystemMenuItem> items;
    items.reserve(menu.size());
    for (const TSystemMenuEntry& e : menu) {
        TSystemMenuItem item;
        const auto parts = SplitMenuShortcut(e.caption);
        const bool separator = parts.first.empty();
        item.caption = separator ? "-" : parts.first;
        item.shortcut = separator ? std::string() : parts.second;
        item.command = e.command;
        item.enabled = !e.grey;
        item.checked = e.checked;
        item.isDefault = e.isDefault && !separator;
        if (!separator)
            ApplyFrameRules(item, window);
        items.push_back(item);
    }
    return items;
}

std::vector<TSystemMenuItem> Nt4SystemMenuItems(const TSystemMenuWindow& window) {
    const std::vector<TSystemMenuEntry> fixed = {{" Restore ", kScRestore},
                                                 {" Minimize ", kScMinimize},
                                                 {" Maximize ", kScMaximize},
                                                 {"", 0},
                                                 {" Close \tALT+F4", kScClose}};
    return SkinnedSystemMenuItems(fixed, window);
}

}  // namespace core
