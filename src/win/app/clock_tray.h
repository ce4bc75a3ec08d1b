#pragma once
// TrayIcon1 and the items of PopupMenu1 on the clock window, wired to the window commands.
#include <memory>
#include <string>

#include "core/app/tray_hint.h"
#include "win/app/clock_commands.h"
#include "win/app/clock_popup_menu.h"
#include "win/app/registry.h"
#include "win/widgets/application_tray_host.h"
#include "win/widgets/tray_icon.h"
#include "win/widgets/tray_shell.h"

namespace app {
class TForm1;
}

namespace win {

class TClockTray {
  public:
    // Part of loading the clock window: fills the menu before the window's creation handler
    // runs (which sets the tip through SetTrayHint); the icon goes into the tray from the
    // message loop, once the window is up.
    explicit TClockTray(app::TForm1& form);
    ~TClockTray();
    TClockTray(const TClockTray&) = delete;
    TClockTray& operator=(const TClockTray&) = delete;

    // Null until the message loop has put the icon in the tray.
    TTrayIcon* TrayIcon1() { return trayIcon_.get(); }

    // Shows the clock as "&Show" would, if it is hidden (asked by a second start).
    void ShowClock();

  private:
    using Command = void (*)(ClockCommandContext&);
    // `savesStore`: the command rewrites the alarm file, which must not happen without a
    // loaded store (it would replace the user's alarms with an empty list).
    void Run(Command command, bool savesStore);
    void StartIcon();
    // The tip for the icon's shell, whose version decides its length and lines.
    void PutHint();

    app::TForm1& form_;
    SystemTrayShell shell_;
    ApplicationTrayHost host_;
    SystemRegistry registry_;
    FormCommandTarget target_;
    std::unique_ptr<TTrayIcon> trayIcon_;
    core::ClockHint hint_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // for the queued start
};

}  // namespace win
