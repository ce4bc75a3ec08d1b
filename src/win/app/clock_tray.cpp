#include "win/app/clock_tray.h"

#include "win/app/auto_run.h"
#include "win/app/clock_window.h"
#include "win/app/dialog_commands.h"

namespace win {

namespace {

void AutoRunCommand(ClockCommandContext& clock) {
    muAutoRunClick(clock);
}

}  // namespace

TClockTray::TClockTray(app::TForm1& form)
    : form_(form),
      host_(*ui::Application),
      target_(form, *form.PopupMenu1, [&form] { form.ApplyWindowShape(); }) {
    BuildPopupMenu1(
        *form.PopupMenu1, &form,
        {{"Hide1Click", [this](ui::TObject*) { Run(Hide1Click, false); }},
         {"muShowOnTipClick", [this](ui::TObject*) { Run(muShowOnTipClick, true); }},
         {"muAutoRunClick", [this](ui::TObject*) { Run(AutoRunCommand, true); }},
         {"Exit1Click", [this](ui::TObject*) { Run(Exit1Click, false); }},
         {"Setup1Click",
          [&form](ui::TObject*) {
              if (form.AlarmDB)
                  app::Setup1Click(&form, *form.AlarmDB, app::AlarmFilePath,
                                   [&form] { form.UpdateTrayHint(); });
          }},
         {"About1Click", [&form](ui::TObject*) { app::About1Click(&form, form.Header); }}});

    form.SetTrayHint = [this](const core::ClockHint& hint) {
        hint_ = hint;
        if (trayIcon_)
            PutHint();
    };
    // The icon follows the window: putting it in the tray loads the shell and waits on the
    // taskbar, which need not hold up showing the clock.
    std::weak_ptr<bool> alive = alive_;
    ui::Application->Queue([this, alive] {
        if (!alive.expired())
            StartIcon();
    });
}

void TClockTray::StartIcon() {
    if (trayIcon_)
        return;
    app::TForm1& form = form_;
    trayIcon_ = std::make_unique<TTrayIcon>(shell_, host_);
    trayIcon_->PopupMenu = [&form](int x, int y) { form.PopupMenu1->Popup(x, y); };
    trayIcon_->OnDblClick = [this](TTrayIcon&, ui::TMouseButton, ui::TShiftState, int, int) {
        Run(TrayIcon1DblClick, false);
    };
    PutHint();
    trayIcon_->SetActive(true);
    trayIcon_->Loaded();
}

void TClockTray::PutHint() {
    trayIcon_->SetHint(core::TrayHintText(hint_, shell_.Version()));
}

TClockTray::~TClockTray() {
    form_.SetTrayHint = nullptr;
}

void TClockTray::ShowClock() {
    if (!target_.Visible()) {
        target_.SetItemCaption("Hide1", "&Hide");
        target_.SetVisible(true);
    }
    ::SetForegroundWindow(form_.Handle());
}

void TClockTray::Run(Command command, bool savesStore) {
    core::TAlarmDB unused;
    if (savesStore && !form_.AlarmDB)
        return;
    if (savesStore)
        form_.ReloadAlarmsIfChanged();  // the option goes onto the file as it is now
    ClockCommandContext clock{target_,
                              form_.AlarmDB ? *form_.AlarmDB : unused,
                              app::AlarmFilePath,
                              form_.Header.ClockName(),
                              RunningExecutablePath(),
                              registry_};
    command(clock);
}

}  // namespace win
