#pragma once
// The framework's application object as the tray icon's host.
#include "win/ui/application.h"
#include "win/widgets/tray_icon.h"

namespace win {

class ApplicationTrayHost : public TrayHost {
  public:
    explicit ApplicationTrayHost(ui::TApplication& app) : app_(app) {}
    HWND ApplicationWindow() override { return app_.Handle(); }
    void HideMainForm() override;
    void Minimize() override;
    // The program's "MAINICON" resource, else the system's application icon.
    HICON ApplicationIcon() override;
    void ShowError(const std::exception& error) override { app_.HandleException(error.what()); }

  private:
    ui::TApplication& app_;
};

}  // namespace win
