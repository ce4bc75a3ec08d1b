#pragma once
// The framework menus of a skinned form drawn by the skin: its popup menus (and those of the
// forms it owns) and the drop-downs of its main menu get owner drawing with the skin's item
// painter. Undoing takes back exactly the handlers the skin gave.
#include "win/ui/popup_menu.h"

namespace skin {

class TFormSkin;

void SkinPopupMenus(TFormSkin& form);
void UnskinPopupMenus(TFormSkin& form);
void SkinMainMenu(TFormSkin& form);
void UnskinMainMenu(TFormSkin& form);

}  // namespace skin
