#include "win/alarms/alarm_modify.h"

#include <cmath>

#include "win/app/local_time.h"

namespace alarms {
namespace {

using namespace ui;

constexpr ControlPlace kLayout[] = {
    {"PageControl1", 10, 8, 337, 337},
    {"Label1", 34, 13, 0, 0},
    {"CbbAlarmType", 112, 9, 145, 21},
    {"Bevel1", 8, 37, 310, 2},
    {"Label2", 32, 50, 0, 0},
    {"edtTitle", 64, 46, 217, 21},
    {"Label3", 24, 82, 0, 0},
    {"memTodo", 64, 80, 217, 73},
    {"Bevel2", 8, 160, 310, 2},
    {"Label4", 16, 168, 0, 0},
    {"Label5", 32, 192, 0, 0},
    {"dt1", 64, 188, 217, 21},
    {"PnContain", 24, 216, 281, 80},
    {"Label9", 8, 4, 0, 0},
    {"dtOnce", 40, 0, 217, 21},
    {"Label8", 8, 4, 0, 0},
    {"cbbWeek", 40, 0, 216, 21},
    {"Label6", 8, 4, 0, 0},
    {"dtMonth", 40, 0, 217, 21},
    {"Label7", 8, 4, 0, 0},
    {"dtEveryYear", 40, 0, 217, 21},
    {"Button2", 176, 352, 75, 25},
    {"Button1", 264, 352, 75, 25},
};
constexpr int kClientWidth = 359, kClientHeight = 393;

const std::vector<std::string> kTypeNames = {"Once", "Every day", "Every week", "Every month",
                                             "Every year"};
const std::vector<std::string> kWeekDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};

}  // namespace

core::TDateTime Today() { return std::trunc(app::LocalNow()); }

TfrmModifyAlarm::TfrmModifyAlarm(TComponent* AOwner) : TDialogForm(AOwner) {
    SetName("frmModifyAlarm");
    // Windowed controls are made in tab order: the dialog manager tabs in window order.
    PageControl1 = Make<TPageControl>("PageControl1", this);
    TabSheet1 = new TTabSheet(this);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetCaption("Alarm");
    TabSheet1->SetPageControl(PageControl1);

    Label1 = MakeLabel("Label1", TabSheet1, "Run this alarm");
    Label2 = MakeLabel("Label2", TabSheet1, "Title");
    Label3 = MakeLabel("Label3", TabSheet1, "To do");
    Label4 = MakeLabel("Label4", TabSheet1, "Run this alarm at");
    Label5 = MakeLabel("Label5", TabSheet1, "Time");
    Bevel1 = Make<TBevel>("Bevel1", TabSheet1);
    Bevel2 = Make<TBevel>("Bevel2", TabSheet1);

    CbbAlarmType = Make<TComboBox>("CbbAlarmType", TabSheet1);
    CbbAlarmType->SetItems(kTypeNames);
    CbbAlarmType->SetItemIndex(core::atOnce);
    CbbAlarmType->OnChange = [this](TObject* s) { CbbAlarmTypeChange(s); };

    PnContain = Make<TPanel>("PnContain", TabSheet1);
    PnContain->SetBevelOuter(bvNone);
    auto typePanel = [this](const char* name) {
        TPanel* panel = Make<TPanel>(name, PnContain);
        panel->SetBevelOuter(bvNone);
        return panel;
    };
    pnOnce = typePanel("pnOnce");
    PnEveryDay = typePanel("PnEveryDay");
    PnEveryWeek = typePanel("PnEveryWeek");
    pnEveryMonth = typePanel("pnEveryMonth");
    pnYear = typePanel("pnYear");

    Label9 = MakeLabel("Label9", pnOnce, "Date");
    dtOnce = Make<TDateTimePicker>("dtOnce", pnOnce);
    Label8 = MakeLabel("Label8", PnEveryWeek, "Date");
    cbbWeek = Make<TComboBox>("cbbWeek", PnEveryWeek);
    cbbWeek->SetItems(kWeekDayNames);
    Label6 = MakeLabel("Label6", pnEveryMonth, "Date");
    dtMonth = Make<TDateTimePicker>("dtMonth", pnEveryMonth);
    dtMonth->SetFormat("dd");
    Label7 = MakeLabel("Label7", pnYear, "Date");
    dtEveryYear = Make<TDateTimePicker>("dtEveryYear", pnYear);

    dt1 = Make<TDateTimePicker>("dt1", TabSheet1);
    dt1->SetKind(dtkTime);
    dt1->SetTime(core::EncodeTime(12, 0, 0, 0));
    edtTitle = Make<TEdit>("edtTitle", TabSheet1);
    edtTitle->SetText("Alarm1");
    memTodo = Make<TMemo>("memTodo", TabSheet1);
    memTodo->SetText("Don't forget......");

    Button1 = Make<TButton>("Button1", this);
    Button1->SetCaption("&Cancel");
    Button1->SetModalResult(mrCancel);
    Button1->SetCancel(true);
    Button2 = Make<TButton>("Button2", this);
    Button2->SetCaption("&OK");
    Button2->SetModalResult(mrOk);
    Button2->SetDefault(true);

    PlaceControls(kLayout);
    for (TPanel* panel : {pnOnce, PnEveryDay, PnEveryWeek, pnEveryMonth, pnYear})
        panel->SetAlign(alClient);
    SetClientSize(kClientWidth, kClientHeight);

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    DoCreate();
    // When the editor opens, the panel of the type shown is in front.
    CbbAlarmTypeChange(this);
}

void TfrmModifyAlarm::FormCreate(TObject*) {
    const core::TDateTime today = Today();
    dtOnce->SetDate(today);
    dtEveryYear->SetDate(today);
    dtMonth->SetDate(today);
}

TPanel* TfrmModifyAlarm::TypePanel(int type) const {
    switch (type) {
        case core::atOnce: return pnOnce;
        case core::atEveryDay: return PnEveryDay;
        case core::atEveryWeek: return PnEveryWeek;
        case core::atEveryMonth: return pnEveryMonth;
        case core::atEveryYear: return pnYear;
        default: return nullptr;
    }
}

void TfrmModifyAlarm::CbbAlarmTypeChange(TObject*) {
    if (TPanel* panel = TypePanel(CbbAlarmType->ItemIndex())) panel->BringToFront();
}

TPanel* TfrmModifyAlarm::FrontPanel() const {
    if (!PnContain->HandleAllocated()) return nullptr;
    HWND top = ::GetWindow(PnContain->Handle(), GW_CHILD);
    return dynamic_cast<TPanel*>(TWinControl::FindControl(top));
}

void TfrmModifyAlarm::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

core::AlarmEditFields TfrmModifyAlarm::ReadFields() const {
    core::AlarmEditFields f;
    f.type = CbbAlarmType->ItemIndex();
    f.title = edtTitle->Text();
    f.toDo = memTodo->Text();
    f.time = dt1->Time();
    f.onceDate = dtOnce->Date();
    f.monthDate = dtMonth->Date();
    f.yearDate = dtEveryYear->Date();
    f.weekDay = cbbWeek->ItemIndex();
    return f;
}

void TfrmModifyAlarm::WriteFields(const core::AlarmEditFields& f) {
    CbbAlarmType->SetItemIndex(f.type);
    edtTitle->SetText(f.title);
    memTodo->SetText(f.toDo);
    dt1->SetDateTime(f.time);
    dtOnce->SetDateTime(f.onceDate);
    cbbWeek->SetItemIndex(f.weekDay);
    dtMonth->SetDateTime(f.monthDate);
    dtEveryYear->SetDateTime(f.yearDate);
}

void TfrmModifyAlarm::TransferAlarm(bool ToRecord) {
    core::AlarmEditFields fields = ReadFields();
    if (ToRecord) {
        core::FieldsToAlarm(fields, Alarm);
        return;
    }
    core::AlarmToFields(Alarm, fields);
    WriteFields(fields);
    CbbAlarmTypeChange(this);
}

}  // namespace alarms
