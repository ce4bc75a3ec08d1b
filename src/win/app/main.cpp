// Program entry: the application object, the clock window as the main window, the loop.
#include <windows.h>

#include "win/app/clock_window.h"
#include "win/ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::TApplication application;
    return application.Execute([&application] {
        application.Initialize();
        application.CreateForm(&app::Form1);
        application.Run();
    });
}
