#include "win/app/dialog_commands.h"

#include "win/alarms/about.h"
#include "win/alarms/alarm_list.h"

namespace app {

void Setup1Click(ui::TComponent* clockWindow,
                 core::TAlarmDB& alarms,
                 const std::string& alarmFilePath,
                 std::function<void()> storeChanged) {
    auto* list = new alarms::TfrmAlarmList(clockWindow);
    list->AlarmDB = &alarms;
    list->AlarmFilePath = alarmFilePath;
    list->OnStoreChanged = std::move(storeChanged);
    list->ShowModal();
}

void About1Click(ui::TComponent* clockWindow, const core::DesignHeader& header) {
    auto* about = new alarms::TfrmAbout(clockWindow);
    about->ShowDesign(header);
    about->ShowModal();
}

}  // namespace app
