#include "win/alarms/alarm_list.h"

#include "core/alarms/alarm_edit.h"
#include "win/alarms/alarm_modify.h"
#include "win/app/local_time.h"
#include "win/app/msg.h"

namespace alarms {
namespace {

using namespace ui;

constexpr ControlPlace kLayout[] = {
    {"GroupBox1", 32, 16, 481, 241}, {"ListView1", 8, 16, 457, 217}, {"Button1", 32, 264, 75, 25},
    {"Button2", 128, 264, 75, 25},   {"Button3", 224, 264, 75, 25},  {"Button4", 328, 264, 75, 25},
};
constexpr int kClientWidth = 538, kClientHeight = 317;

}  // namespace

TfrmAlarmList::TfrmAlarmList(TComponent* AOwner)
    : TDialogForm(AOwner), TimeFormat(app::UserTimeFormat()) {
    SetName("frmAlarmList");
    SetCaption("Alarm List");
    GroupBox1 = Make<TGroupBox>("GroupBox1", this);
    ListView1 = Make<TListView>("ListView1", GroupBox1);
    ListView1->SetColumns({{"Title", 100}, {"Alarm time", 80}, {"To do", 250}});
    const char* captions[] = {"&Add", "&Delete", "&Edit", "&Exit"};
    TButton** buttons[] = {&Button1, &Button2, &Button3, &Button4};
    const char* names[] = {"Button1", "Button2", "Button3", "Button4"};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = Make<TButton>(names[i], this);
        (*buttons[i])->SetCaption(captions[i]);
    }
    Button4->SetCancel(true);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Button3->OnClick = [this](TObject* s) { Button3Click(s); };
    Button4->OnClick = [this](TObject* s) { Button4Click(s); };
    PlaceControls(kLayout);
    SetClientSize(kClientWidth, kClientHeight);
    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    DoCreate();
}

TListItem TfrmAlarmList::RowFor(const core::TAlarmRecord& record) const {
    core::AlarmRowTexts row = core::AlarmRow(record, TimeFormat);
    return TListItem{row.caption, {row.time, row.toDo}};
}

void TfrmAlarmList::StoreChanged() {
    if (OnStoreChanged)
        OnStoreChanged();
}

void TfrmAlarmList::FormShow(TObject*) {
    if (!AlarmDB)
        return;
    FillList();
}

void TfrmAlarmList::FillList() {
    shownGeneration_ = AlarmDB->Generation();
    shown_.clear();
    ListView1->Clear();
    for (unsigned i = 0; i < AlarmDB->Count(); ++i) {
        shown_.push_back(AlarmDB->GetAlarm(i));
        ListView1->AddItem(RowFor(shown_.back()));
    }
}

int TfrmAlarmList::RefreshAndFind(int row) {
    AlarmDB->ReloadIfChanged(AlarmFilePath);
    // The clock's tick may also have read the file again while the list was open.
    if (AlarmDB->Generation() == shownGeneration_)
        return row;
    const core::TAlarmRecord chosen = row >= 0 ? shown_[size_t(row)] : core::TAlarmRecord();
    FillList();
    StoreChanged();
    for (int i = 0; row >= 0 && i < static_cast<int>(shown_.size()); ++i)
        if (shown_[size_t(i)] == chosen)
            return i;
    return -1;
}

void TfrmAlarmList::Button1Click(TObject*) {
    auto* editor = new TfrmModifyAlarm(this);
    editor->SetCaption("Add Alarm");
    if (editor->ShowModal() != mrOk)
        return;
    editor->TransferAlarm(true);
    const core::TAlarmRecord record = editor->Alarm;
    RefreshAndFind(-1);
    AlarmDB->AddAlarm(record);
    shown_.push_back(record);
    ListView1->AddItem(RowFor(record));
    StoreChanged();
    AlarmDB->SaveToFile(AlarmFilePath);
}

void TfrmAlarmList::Button2Click(TObject*) {
    if (ListView1->ItemCount() == 0)
        return;
    if (!app::AskYesNo(Handle(), "Are you sure delete the alarm?"))
        return;
    const int row = ListView1->ItemIndex();
    if (row < 0)
        return;
    const int index = RefreshAndFind(row);
    if (index < 0) {
        app::ShowInfo(Handle(), "Another program changed this alarm; nothing was deleted.");
        return;
    }
    AlarmDB->DeleteAlarm(static_cast<unsigned>(index));
    StoreChanged();
    // The row goes with its alarm also when the save fails, so row i stays alarm i.
    shown_.erase(shown_.begin() + index);
    try {
        AlarmDB->SaveToFile(AlarmFilePath);
    } catch (...) {
        ListView1->DeleteItem(index);
        throw;
    }
    ListView1->DeleteItem(index);
}

void TfrmAlarmList::Button3Click(TObject*) {
    const int row = ListView1->ItemIndex();
    if (ListView1->ItemCount() == 0 || row < 0)
        return;
    auto* editor = new TfrmModifyAlarm(this);
    editor->SetCaption("Edit Alarm");
    editor->Alarm = shown_[size_t(row)];
    editor->TransferAlarm(false);
    if (editor->ShowModal() != mrOk)
        return;
    editor->TransferAlarm(true);
    const core::TAlarmRecord record = editor->Alarm;
    const int index = RefreshAndFind(row);
    if (index < 0) {
        // The user's edit is kept rather than written over someone else's change.
        AlarmDB->AddAlarm(record);
        shown_.push_back(record);
        ListView1->AddItem(RowFor(record));
        StoreChanged();
        AlarmDB->SaveToFile(AlarmFilePath);
        app::ShowInfo(Handle(), "Another program changed this alarm; your alarm was added.");
        return;
    }
    AlarmDB->SetAlarm(record, static_cast<unsigned>(index));
    shown_[size_t(index)] = record;
    ListView1->SetItem(index, RowFor(record));
    StoreChanged();
    AlarmDB->SaveToFile(AlarmFilePath);
}

void TfrmAlarmList::Button4Click(TObject*) {
    Close();
}

void TfrmAlarmList::FormClose(TObject*, TCloseAction& Action) {
    Action = caFree;
}

}  // namespace alarms
