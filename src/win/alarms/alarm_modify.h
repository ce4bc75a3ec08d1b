#pragma once
// TfrmModifyAlarm: the alarm editor. It edits its own copy of one alarm record (`Alarm`) and
// never touches the store; the alarm list loads and takes the record.
#include "core/alarms/alarm_edit.h"
#include "core/alarms/alarm_record.h"
#include "win/ui/date_time_picker.h"
#include "win/ui/dialog_form.h"
#include "win/ui/page_control.h"
#include "win/ui/std_controls.h"

namespace alarms {

class TfrmModifyAlarm final : public ui::TDialogForm {
public:
    explicit TfrmModifyAlarm(ui::TComponent* AOwner);
    std::string ClassName() const override { return "TfrmModifyAlarm"; }

    // All zero when the editor is made.
    core::TAlarmRecord Alarm;

    void FormCreate(ui::TObject* Sender);
    void CbbAlarmTypeChange(ui::TObject* Sender);
    void FormClose(ui::TObject* Sender, ui::TCloseAction& Action);
    // true: controls -> Alarm; false: Alarm -> controls.
    void TransferAlarm(bool ToRecord);

    // The type panel in front of the others inside PnContain.
    ui::TPanel* FrontPanel() const;

    ui::TPageControl* PageControl1;
    ui::TTabSheet* TabSheet1;
    ui::TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    ui::TComboBox* CbbAlarmType;
    ui::TBevel *Bevel1, *Bevel2;
    ui::TEdit* edtTitle;
    ui::TMemo* memTodo;
    ui::TDateTimePicker* dt1;
    ui::TPanel* PnContain;
    ui::TPanel *pnOnce, *PnEveryDay, *PnEveryWeek, *pnEveryMonth, *pnYear;
    ui::TDateTimePicker *dtOnce, *dtMonth, *dtEveryYear;
    ui::TComboBox* cbbWeek;
    ui::TButton *Button1, *Button2;

private:
    ui::TPanel* TypePanel(int type) const;
    core::AlarmEditFields ReadFields() const;
    void WriteFields(const core::AlarmEditFields& fields);
};

// Today's date as a date-time value (no time of day).
core::TDateTime Today();

}  // namespace alarms
