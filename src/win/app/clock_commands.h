#pragma once
// The popup menu's window commands of the clock window: Hide/Show (also the tray icon's double
// click), "Always On &Tip", "Auto &Run" and Exit.
#include <string>

#include "core/alarms/alarm_db.h"
#include "win/app/auto_run.h"
#include "win/app/registry.h"

namespace win {

// What the commands need of the clock window and its menu; the clock window implements it.
class ClockCommandTarget {
  public:
    virtual ~ClockCommandTarget() = default;
    virtual bool Visible() = 0;
    // Showing puts the window back at the lower right corner of the work area.
    virtual void SetVisible(bool visible) = 0;
    // Recreates the platform window, which loses its shape.
    virtual void SetStayOnTop(bool onTop) = 0;
    virtual void ApplyWindowShape() = 0;
    virtual void Close() = 0;
    virtual std::string ItemCaption(const std::string& item) = 0;
    virtual void SetItemCaption(const std::string& item, const std::string& caption) = 0;
    virtual bool ItemChecked(const std::string& item) = 0;
};

struct ClockCommandContext {
    ClockCommandTarget& window;
    core::TAlarmDB& alarms;
    std::string alarmFilePath;  // the executable's folder and "Alarm.sav"
    std::string clockName;      // the design's ClockName, the auto-start value's name
    std::string executablePath;
    Registry& registry;
};

void Hide1Click(ClockCommandContext& clock);
void TrayIcon1DblClick(ClockCommandContext& clock);
// Run after the item toggled its own check mark.
void muShowOnTipClick(ClockCommandContext& clock);
// The option is stored and saved before the registry is touched; a failed save leaves the
// registry alone. Returns what happened to the auto-start value.
AutoRunOutcome muAutoRunClick(ClockCommandContext& clock);
void Exit1Click(ClockCommandContext& clock);

}  // namespace win
