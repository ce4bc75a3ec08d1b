#pragma once
// The one painter of the skin's owner-drawn menu items: the framework's popup and main menus
// and the skinned system menu. Measured and drawn by the core's item layout: the skin's
// measure over the framework's, the "MenuItem" frames over the popup's own skin background
// (or the menu colour), a glyph column with the menu's images or a check mark, the caption
// with its mnemonic, the shortcut and the submenu arrow.
#include <windows.h>

#include <string>

#include "core/common/bitmap.h"
#include "core/skin/menu_item_layout.h"

namespace skin {

class TSkinData;

struct TMenuItemView {
    core::TMenuKind kind = core::TMenuKind::PopupMenu;
    std::wstring caption;   // with "&" before the mnemonic
    std::wstring shortcut;  // the part after a tab
    int glyph = -1;         // into `images`, -1 for none
    // The menu's image list as a strip of images on magenta; nullptr for none. Its images
    // are `imageWidth` x `imageHeight`, or squares of the strip's height when those are 0.
    const core::Bitmap* images = nullptr;
    int imageWidth = 0, imageHeight = 0;
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    bool hasSubmenu = false;
    bool isDefault = false;
    bool hideAccel = false;  // the keyboard cues are off: no mnemonic underline
};

// The texts of an item measured in the menu font.
core::TMenuTextSize MeasureMenuTexts(HDC dc, const TMenuItemView& item, TSkinData& data);
// The framework's measure of the item, then the skin's on top of it.
SIZE MeasureSkinMenuItem(HDC dc, const TMenuItemView& item, TSkinData& data);
// The skin's measure over a framework measure that was already taken.
SIZE SkinMeasureOver(SIZE framework, const TMenuItemView& item, TSkinData& data);
// Draws the item into `rect` of `dc` (a popup menu window's or its print context).
void DrawSkinMenuItem(HDC dc,
                      const RECT& rect,
                      const TMenuItemView& item,
                      bool selected,
                      TSkinData& data);

// Item views of framework items: the caption (and its shortcut after a tab) in wide text.
std::wstring WideMenuText(const std::string& text);

}  // namespace skin
