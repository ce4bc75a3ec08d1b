#pragma once
// Items of the engine's owner-drawn menus (the skinned system menu), measured and drawn by the
// core's item layout: the skin's measure over the framework's, the "MenuItem" frames over the
// menu colour, a glyph column with the program's menu glyphs or a check mark, the caption
// with its mnemonic and the shortcut.
#include <windows.h>

#include <string>

#include "core/skin/menu_system.h"

namespace skin {

class TSkinData;

struct TSystemMenuItemView {
    // Marks the item data of the engine's own owner-drawn menus.
    int tag = core::kSystemMenuTag;
    UINT command = 0;
    std::wstring caption;   // with "&" before the mnemonic
    std::wstring shortcut;  // the part after a tab
    int glyph = -1;         // into the program's menu glyphs, -1 for none
    bool separator = false;
    bool enabled = true;
    bool checked = false;
};

SIZE MeasureSkinMenuItem(HDC dc, const TSystemMenuItemView& item, TSkinData& data);
void DrawSkinMenuItem(HDC dc,
                      const RECT& rect,
                      const TSystemMenuItemView& item,
                      bool selected,
                      TSkinData& data);

}  // namespace skin
