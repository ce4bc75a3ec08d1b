#include "win/app/clock_commands.h"

#include "core/app/clock_menu.h"

namespace win {

void Hide1Click(ClockCommandContext& clock) {
    ClockCommandTarget& w = clock.window;
    w.SetItemCaption("Hide1", core::NextHideCaption(w.ItemCaption("Hide1")));
    w.SetVisible(!w.Visible());
}

void TrayIcon1DblClick(ClockCommandContext& clock) {
    Hide1Click(clock);
}

void muShowOnTipClick(ClockCommandContext& clock) {
    const bool onTop = clock.window.ItemChecked("muShowOnTip");
    clock.window.SetStayOnTop(onTop);
    clock.window.ApplyWindowShape();
    clock.alarms.SetShowOnTip(onTop);
    clock.alarms.SaveToFile(clock.alarmFilePath);
}

AutoRunOutcome muAutoRunClick(ClockCommandContext& clock) {
    clock.alarms.SetAutoRun(clock.window.ItemChecked("muAutoRun"));
    clock.alarms.SaveToFile(clock.alarmFilePath);
    // A registry without rights is not the user's concern here: the option stays as chosen.
    return ApplyAutoRun(clock.registry, clock.alarms.AutoRun(), clock.clockName,
                        clock.executablePath);
}

void Exit1Click(ClockCommandContext& clock) {
    clock.window.Close();
}

}  // namespace win
