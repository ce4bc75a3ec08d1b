#pragma once
// The clock window's Alarms and About commands: each makes a fresh dialog owned by the clock
// window and shows it modally; the dialog frees itself when it closes.
#include <string>

#include "core/alarms/alarm_db.h"
#include "core/app/clock_design.h"
#include "win/ui/component.h"

namespace app {

void Setup1Click(ui::TComponent* clockWindow, core::TAlarmDB& alarms,
                 const std::string& alarmFilePath);
void About1Click(ui::TComponent* clockWindow, const core::DesignHeader& header);

}  // namespace app
