#pragma once
// The items of the skinned system menu, measured and drawn from the skin's "MenuItem" object
// over the menu colour: a glyph column (the program's menu glyphs, or a check mark), the
// caption with its mnemonic and the shortcut. The skinned popup menus measure and draw their
// items with the same two functions.
#include <windows.h>

#include <string>

namespace skin {

class TSkinData;

struct TSystemMenuItemView {
    // Marks the item data of the engine's own owner-drawn menus.
    static constexpr int kTag = 33333;
    int tag = kTag;
    UINT command = 0;
    std::wstring text;      // with "&" before the mnemonic
    std::wstring shortcut;  // the part after a tab
    int glyph = -1;         // into the program's menu glyphs, -1 for none
    bool separator = false;
    bool grayed = false;
    bool checked = false;
};

SIZE MeasureSkinMenuItem(HDC dc, const TSystemMenuItemView& item, TSkinData& data);
void DrawSkinMenuItem(HDC dc,
                      const RECT& rect,
                      const TSystemMenuItemView& item,
                      bool selected,
                      TSkinData& data);

}  // namespace skin
