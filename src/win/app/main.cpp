// Program entry: one clock per folder, the application object, the clock window as the main
// window, the loop.
#include <windows.h>

#include "core/common/file_io.h"
#include "win/app/clock_window.h"
#include "win/app/single_instance.h"
#include "win/app/system_files.h"
#include "win/ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string folder = core::FolderOf(app::ExePath());
    app::TSingleClock single(folder);
    if (!single.First()) {
        app::ShowRunningClock(folder);
        return 0;
    }
    ui::TApplication application;
    return application.Execute([&application] {
        application.Initialize();
        application.CreateForm(&app::Form1);
        application.Run();
    });
}
