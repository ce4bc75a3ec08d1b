#include "win/widgets/application_tray_host.h"

namespace win {

void ApplicationTrayHost::HideMainForm() {
    if (ui::TForm* form = app_.MainForm())
        form->Hide();
}

void ApplicationTrayHost::Minimize() {
    if (!IsIconic(app_.Handle()))
        ShowWindow(app_.Handle(), SW_MINIMIZE);
}

HICON ApplicationTrayHost::ApplicationIcon() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

}  // namespace win
