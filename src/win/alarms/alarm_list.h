#pragma once
// TfrmAlarmList: the table of the store's alarms with Add, Delete, Edit and Exit. Row i always
// shows alarm i; each change is saved to the alarm file at once. Another program may change the
// file while the list is open: each change first reads it again and acts on the alarm the user
// chose, wherever it now stands.
#include <functional>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/app/time_format.h"
#include "win/ui/dialog_form.h"
#include "win/ui/list_view.h"

namespace alarms {

class TfrmAlarmList final : public ui::TDialogForm {
  public:
    explicit TfrmAlarmList(ui::TComponent* AOwner);
    std::string ClassName() const override { return "TfrmAlarmList"; }

    // Set by the caller before the dialog is shown; not owned.
    core::TAlarmDB* AlarmDB = nullptr;
    // Where every change is saved (the executable's folder and "Alarm.sav").
    std::string AlarmFilePath;
    // The row time texts' format (the user's locale unless changed).
    core::TimeFormatSettings TimeFormat;
    // Runs after each change of the store, before it is saved (so also when the save fails).
    std::function<void()> OnStoreChanged;

    void FormShow(ui::TObject* Sender);
    void Button1Click(ui::TObject* Sender);
    void Button2Click(ui::TObject* Sender);
    void Button3Click(ui::TObject* Sender);
    void Button4Click(ui::TObject* Sender);
    void FormClose(ui::TObject* Sender, ui::TCloseAction& Action);

    ui::TGroupBox* GroupBox1;
    ui::TListView* ListView1;
    ui::TButton *Button1, *Button2, *Button3, *Button4;

  private:
    ui::TListItem RowFor(const core::TAlarmRecord& record) const;
    void StoreChanged();
    void FillList();
    // Reads the file again if someone else changed it, and returns where the alarm shown in
    // `row` stands in the store now (-1 when another program changed or deleted it). The list
    // then shows the store as it now is.
    int RefreshAndFind(int row);

    std::vector<core::TAlarmRecord> shown_;  // the rows' alarms, as the list shows them
    unsigned shownGeneration_ = 0;
};

}  // namespace alarms
