#pragma once
// The clock window's Alarms and About commands: each makes a fresh dialog owned by the clock
// window and shows it modally; the dialog frees itself when it closes.
#include <functional>
#include <string>

#include "core/alarms/alarm_db.h"
#include "core/app/clock_design.h"
#include "win/ui/component.h"

namespace app {

// `storeChanged` runs after each change the alarm list makes to the store.
void Setup1Click(ui::TComponent* clockWindow,
                 core::TAlarmDB& alarms,
                 const std::string& alarmFilePath,
                 std::function<void()> storeChanged = nullptr);
void About1Click(ui::TComponent* clockWindow, const core::DesignHeader& header);

}  // namespace app
