#pragma once
// Which menus the skin takes over: popup menu windows caught at their creation, and the
// framework menus whose items it switches to owner drawing.
#include <string>

#include "core/skin/menu_item_layout.h"
#include "core/skin/skin_options.h"

namespace core {

// The popup menu window class.
constexpr const char* kPopupMenuClass = "#32768";
// Forms of this class keep their menus as they are.
constexpr const char* kRichEditFormClass = "TwwRichEditForm";

// What a popup menu window was opened for, as the manager noted it.
enum class TPopupMenuOrigin { MenuBar, SystemMenu, Other };

// A newly created window gets a popup menu skin when it is a top-level "#32768" window, no
// menu is tracked by the manager, and the skin's controls allow its origin: xcMainMenu or
// xcMenuItem for the popup of a menu bar item, xcSystemMenu for a system menu, xcPopupMenu
// for any other.
bool SkinsPopupMenuWindow(const std::string& className,
                          bool childWindow,
                          bool managerTracking,
                          TPopupMenuOrigin origin,
                          TSkinControls controls);

// Whether a framework menu of the given kind, owned by a form of class `formClass`, is
// switched to owner drawing: popup menus with xcPopupMenu, main menus with xcMenuItem, never
// one whose Tag is the DisableTag, never on a "TwwRichEditForm".
bool SkinsFrameworkMenu(TMenuKind kind,
                        int tag,
                        int disableTag,
                        TSkinControls controls,
                        const std::string& formClass);

// What the skin gives one item of a skinned menu. Undoing takes back exactly this and
// nothing else, so an item keeps the handlers it had of its own.
struct TMenuItemHandlers {
    bool draw = false;
    bool measure = false;
};
// Popup menus: every item gets the skin's draw handler and, unless it has one, its measure
// handler. Main menus: only items below the bar (depth 2 and more, the bar's own items being
// depth 1) without a draw handler of their own.
TMenuItemHandlers SkinMenuItemHandlers(TMenuKind kind,
                                       int depth,
                                       bool hasOwnDraw,
                                       bool hasOwnMeasure);

}  // namespace core
