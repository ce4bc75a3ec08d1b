#include "core/skin/menu_skin_rules.h"

namespace core {

bool SkinsPopupMenuWindow(const std::string& className,
                          bool childWindow,
                          bool managerTracking,
                          TPopupMenuOrigin origin,
                          TSkinControls controls) {
    if (childWindow || managerTracking || className != kPopupMenuClass)
        return false;
    switch (origin) {
        case TPopupMenuOrigin::MenuBar:
            return controls.Has(xcMainMenu) || controls.Has(xcMenuItem);
        case TPopupMenuOrigin::SystemMenu:
            return controls.Has(xcSystemMenu);
        case TPopupMenuOrigin::Other:
            break;
    }
    return controls.Has(xcPopupMenu);
}

bool SkinsFrameworkMenu(TMenuKind kind,
                        int tag,
                        int disableTag,
                        TSkinControls controls,
                        const std::string& formClass) {
    if (tag == disableTag || formClass == kRichEditFormClass)
        return false;
    return controls.Has(kind == TMenuKind::PopupMenu ? xcPopupMenu : xcMenuItem);
}

TMenuItemHandlers SkinMenuItemHandlers(TMenuKind kind,
                                       int depth,
                                       bool hasOwnDraw,
                                       bool hasOwnMeasure) {
    TMenuItemHandlers h;
    if (kind == TMenuKind::MainMenu && (depth < 2 || hasOwnDraw))
        return h;
    h.draw = true;
    h.measure = !hasOwnMeasure;
    return h;
}

}  // namespace core
