#pragma once
// Items of the skinned system menu: drawn by the skin's menu item painter, and marked so that
// the form skin knows its own item data.
#include <windows.h>

#include "core/skin/menu_system.h"
#include "win/skin/menu_item_painter.h"

namespace skin {

struct TSystemMenuItemView : TMenuItemView {
    // Marks the item data of the engine's own owner-drawn menus.
    int tag = core::kSystemMenuTag;
    UINT command = 0;
};

}  // namespace skin
