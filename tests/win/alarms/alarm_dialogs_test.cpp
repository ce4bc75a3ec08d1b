// The alarm list and the alarm editor driven as a user drives them, checked by the bytes of
// the alarm file afterwards.
#include <gtest/gtest.h>

#include <cmath>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_edit.h"
#include "core/common/file_io.h"
#include "win/alarms/alarm_list.h"
#include "win/alarms/alarm_modify.h"
#include "win/alarms/dialog_driver.h"
#include "win/app/dialog_commands.h"
#include "win/app/local_time.h"
#include "win/win_test_support.h"

namespace {

using alarms::TfrmAlarmList;
using alarms::TfrmModifyAlarm;
using core::TAlarmRecord;
using wintest::DialogDriver;
using wintest::VisibleForm;

class AlarmDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "alarm_dialogs_" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(folder_.c_str(), nullptr);
        path_ = folder_ + "\\Alarm.sav";
        ::DeleteFileA(path_.c_str());
        db_.InitDefaults();
    }
    void TearDown() override {
        ::DeleteFileA(path_.c_str());
        ::RemoveDirectoryA(folder_.c_str());
    }

    void SaveStore(std::vector<TAlarmRecord> records) {
        for (const TAlarmRecord& r : records)
            db_.AddAlarm(r);
        db_.SaveToFile(path_);
        before_ = core::ReadWholeFile(path_);
    }
    // Runs the Alarms command with the script of `driver`, then lets the dialogs free
    // themselves.
    void RunAlarmList(DialogDriver& driver) {
        // Records the store's alarm count each time the list reports a change.
        app::Setup1Click(nullptr, db_, path_, [this] { changes_.push_back(db_.Count()); });
        wintest::Pump(60);
        EXPECT_TRUE(driver.Finished()) << "the script stopped early";
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(::FindWindowA("TfrmAlarmList", nullptr), nullptr);
        EXPECT_EQ(::FindWindowA("TfrmModifyAlarm", nullptr), nullptr);
    }
    core::TAlarmDB StoredAlarms() {
        core::TAlarmDB stored;
        stored.LoadFromFile(path_);
        return stored;
    }

    // Steps: press a list button, then wait for the editor.
    static void PressListButton(DialogDriver& d, int number) {
        d.Then([number] {
            auto* list = VisibleForm<TfrmAlarmList>("TfrmAlarmList");
            if (!list)
                return false;
            ui::TButton* b[] = {list->Button1, list->Button2, list->Button3, list->Button4};
            wintest::PostClick(b[number - 1]);
            return true;
        });
    }
    static void InEditor(DialogDriver& d, std::function<void(TfrmModifyAlarm&)> act) {
        d.Then([act] {
            auto* editor = VisibleForm<TfrmModifyAlarm>("TfrmModifyAlarm");
            if (!editor)
                return false;
            act(*editor);
            return true;
        });
    }
    static void InList(DialogDriver& d, std::function<void(TfrmAlarmList&)> act) {
        d.Then([act] {
            auto* list = VisibleForm<TfrmAlarmList>("TfrmAlarmList");
            if (!list)
                return false;
            act(*list);
            return true;
        });
    }
    static TAlarmRecord Record(uint8_t type, const std::string& title, double time) {
        TAlarmRecord r;
        r.SetAlarmType(type);
        r.SetTitle(title);
        r.SetToDoText("to do " + title);
        r.SetAlarmTime(time);
        return r;
    }

    std::string folder_, path_;
    core::TAlarmDB db_;
    core::Bytes before_;
    std::vector<unsigned> changes_;
};

TEST_F(AlarmDialogsTest, AddWithoutChangesStoresAOnceAlarmForToday) {
    DialogDriver d;
    std::string caption;
    bool oncePanelInFront = false;
    InList(d, [](TfrmAlarmList& list) { EXPECT_EQ(list.ListView1->ItemCount(), 0); });
    PressListButton(d, 1);
    InEditor(d, [&](TfrmModifyAlarm& e) {
        caption = e.Caption();
        oncePanelInFront = e.FrontPanel() == e.pnOnce;
    });
    d.Hold();
    InEditor(d, [](TfrmModifyAlarm& e) { wintest::PostClick(e.Button2); });
    InList(d, [](TfrmAlarmList& list) {
        ASSERT_EQ(list.ListView1->ItemCount(), 1);
        EXPECT_EQ(list.ListView1->Item(0).caption, "Alarm1");
    });
    d.Hold();
    PressListButton(d, 4);
    RunAlarmList(d);

    EXPECT_EQ(caption, "Add Alarm");
    EXPECT_TRUE(oncePanelInFront);
    EXPECT_EQ(changes_, std::vector<unsigned>{1}) << "reported once, after the change";
    core::Bytes file = core::ReadWholeFile(path_);
    ASSERT_EQ(file.size(), core::TAlarmDB::kHeaderSize + TAlarmRecord::kSize);
    TAlarmRecord r = StoredAlarms().GetAlarm(0);
    EXPECT_EQ(r.AlarmType(), core::atOnce);
    EXPECT_EQ(r.Title(), "Alarm1");
    EXPECT_EQ(r.ToDoText(), "Don't forget......");
    EXPECT_DOUBLE_EQ(r.AlarmTime(), 0.5);
    EXPECT_DOUBLE_EQ(std::trunc(r.AlarmDate()), alarms::Today());
    EXPECT_EQ(r.WeekDay(), 0);
    for (size_t i = TAlarmRecord::kSize - 6; i < TAlarmRecord::kSize; ++i)
        EXPECT_EQ(r.data()[i], 0);
}

TEST_F(AlarmDialogsTest, AddWeeklyWithoutDayAndMonthlyOnTheFifteenth) {
    DialogDriver d;
    bool weekInFront = false, monthInFront = false;
    PressListButton(d, 1);
    InEditor(d, [&](TfrmModifyAlarm& e) {
        wintest::ChooseItem(e.CbbAlarmType, core::atEveryWeek);
        weekInFront = e.FrontPanel() == e.PnEveryWeek;
        wintest::PostClick(e.Button2);
    });
    PressListButton(d, 1);
    InEditor(d, [&](TfrmModifyAlarm& e) {
        wintest::ChooseItem(e.CbbAlarmType, core::atEveryMonth);
        monthInFront = e.FrontPanel() == e.pnEveryMonth;
        wintest::PickDate(e.dtMonth, 2026, 7, 15);
        wintest::TypeText(e.memTodo, "pay\r\nrent");
    });
    d.Hold();
    InEditor(d, [](TfrmModifyAlarm& e) { wintest::PostClick(e.Button2); });
    PressListButton(d, 4);
    RunAlarmList(d);

    EXPECT_TRUE(weekInFront);
    EXPECT_TRUE(monthInFront);
    core::TAlarmDB stored = StoredAlarms();
    ASSERT_EQ(stored.Count(), 2);
    EXPECT_EQ(stored.GetAlarm(0).AlarmType(), core::atEveryWeek);
    EXPECT_EQ(stored.GetAlarm(0).WeekDay(), core::kNoWeekDay);
    EXPECT_DOUBLE_EQ(stored.GetAlarm(0).AlarmDate(), 0.0);  // a new record's unused date
    TAlarmRecord month = stored.GetAlarm(1);
    EXPECT_EQ(month.AlarmType(), core::atEveryMonth);
    int y, m, day;
    core::DecodeDate(month.AlarmDate(), y, m, day);
    EXPECT_EQ(day, 15);
    EXPECT_EQ(month.WeekDay(), 0);
    EXPECT_EQ(month.ToDoText(), "pay\r\nrent");
}

TEST_F(AlarmDialogsTest, EditChangingTheTypeKeepsTheUnusedFieldsAndCutsLongTitles) {
    TAlarmRecord weekly = Record(core::atEveryWeek, "Gym", core::EncodeTime(7, 30, 0, 0));
    weekly.SetWeekDay(4);
    weekly.SetAlarmDate(core::EncodeDate(2025, 2, 3));
    for (size_t i = TAlarmRecord::kSize - 6; i < TAlarmRecord::kSize; ++i)
        weekly.data()[i] = 0xAB;
    SaveStore({weekly});

    DialogDriver d;
    bool weekShown = false;
    int dayShown = -1;
    std::string titleShown;
    InList(d, [](TfrmAlarmList& list) { wintest::SelectRow(list.ListView1, 0); });
    PressListButton(d, 3);
    InEditor(d, [&](TfrmModifyAlarm& e) {
        weekShown = e.FrontPanel() == e.PnEveryWeek;
        dayShown = e.cbbWeek->ItemIndex();
        titleShown = e.edtTitle->Text();
        wintest::ChooseItem(e.CbbAlarmType, core::atEveryDay);
        wintest::TypeText(e.edtTitle, std::string(70, 'x'));
    });
    d.Hold();
    InEditor(d, [](TfrmModifyAlarm& e) { wintest::PostClick(e.Button2); });
    InList(d, [](TfrmAlarmList& list) {
        EXPECT_EQ(list.ListView1->Item(0).caption, std::string(64, 'x'));
    });
    PressListButton(d, 4);
    RunAlarmList(d);

    EXPECT_TRUE(weekShown);
    EXPECT_EQ(dayShown, 4);
    EXPECT_EQ(titleShown, "Gym");
    TAlarmRecord r = StoredAlarms().GetAlarm(0);
    EXPECT_EQ(r.AlarmType(), core::atEveryDay);
    EXPECT_EQ(r.WeekDay(), 4);
    EXPECT_DOUBLE_EQ(r.AlarmDate(), core::EncodeDate(2025, 2, 3));
    EXPECT_EQ(r.Title(), std::string(64, 'x'));
    EXPECT_NEAR(r.AlarmTime() - std::trunc(r.AlarmTime()), core::EncodeTime(7, 30, 0, 0), 1e-9);
    for (size_t i = TAlarmRecord::kSize - 6; i < TAlarmRecord::kSize; ++i)
        EXPECT_EQ(r.data()[i], 0xAB);
}

TEST_F(AlarmDialogsTest, CancelNoAndDeleteWithoutSelectionChangeNothing) {
    SaveStore({Record(core::atEveryDay, "A", 0.25), Record(core::atEveryDay, "B", 0.75)});
    wintest::RecordingMessageBox boxes;
    boxes.answer = IDNO;
    DialogDriver d;
    // Edit with every control changed, then Cancel.
    InList(d, [](TfrmAlarmList& list) { wintest::SelectRow(list.ListView1, 0); });
    PressListButton(d, 3);
    InEditor(d, [](TfrmModifyAlarm& e) {
        wintest::TypeText(e.edtTitle, "changed");
        wintest::TypeText(e.memTodo, "changed");
        wintest::ChooseItem(e.CbbAlarmType, core::atEveryYear);
        wintest::PickDate(e.dtEveryYear, 2027, 1, 2);
        wintest::PostClick(e.Button1);
    });
    // Add, then close the editor by its close box.
    PressListButton(d, 1);
    InEditor(d, [](TfrmModifyAlarm& e) { ::PostMessageA(e.Handle(), WM_CLOSE, 0, 0); });
    // Delete answered No, with a row selected.
    PressListButton(d, 2);
    // Delete without a selection answered Yes: asked, but nothing to delete.
    InList(d, [&](TfrmAlarmList& list) {
        EXPECT_EQ(boxes.calls.size(), 1u);
        boxes.answer = IDYES;
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED;
        ::SendMessageA(list.ListView1->Handle(), LVM_SETITEMSTATE, WPARAM(-1),
                       reinterpret_cast<LPARAM>(&none));
        // Editing without a selection opens nothing either.
        list.Button3Click(&list);
    });
    PressListButton(d, 2);
    InList(d, [](TfrmAlarmList& list) {
        EXPECT_EQ(list.ListView1->ItemCount(), 2);
        EXPECT_EQ(list.ListView1->Item(0).caption, "A");
    });
    PressListButton(d, 4);
    RunAlarmList(d);

    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(boxes.calls[0].text, "Are you sure delete the alarm?");
    EXPECT_EQ(boxes.calls[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(core::ReadWholeFile(path_), before_);
    EXPECT_EQ(db_.Count(), 2);
    EXPECT_TRUE(changes_.empty());
}

TEST_F(AlarmDialogsTest, DeleteOnAnEmptyTableAsksNothingAndYesDeletesTheSelectedRow) {
    wintest::RecordingMessageBox boxes;
    boxes.answer = IDYES;
    {
        DialogDriver d;
        PressListButton(d, 2);
        PressListButton(d, 4);
        RunAlarmList(d);
        EXPECT_TRUE(boxes.calls.empty());
        EXPECT_FALSE(core::FileExists(path_));
    }
    SaveStore({Record(0, "A", 0.1), Record(1, "B", 0.2), Record(2, "C", 0.3)});
    DialogDriver d;
    InList(d, [](TfrmAlarmList& list) { wintest::SelectRow(list.ListView1, 1); });
    PressListButton(d, 2);
    InList(d, [](TfrmAlarmList& list) {
        ASSERT_EQ(list.ListView1->ItemCount(), 2);
        EXPECT_EQ(list.ListView1->Item(1).caption, "C");
        EXPECT_EQ(list.ListView1->ItemIndex(), -1);
    });
    PressListButton(d, 4);
    RunAlarmList(d);
    core::TAlarmDB stored = StoredAlarms();
    ASSERT_EQ(stored.Count(), 2);
    EXPECT_EQ(stored.GetAlarm(0).Title(), "A");
    EXPECT_EQ(stored.GetAlarm(1).Title(), "C");
    EXPECT_EQ(changes_, std::vector<unsigned>{2});
}

// Another program changes the file while the list is open: the delete removes the alarm the
// user chose, where it now stands, and keeps the other program's changes.
TEST_F(AlarmDialogsTest, DeleteWhileAnotherProgramChangedTheFileActsOnTheChosenAlarm) {
    wintest::RecordingMessageBox boxes;
    boxes.answer = IDYES;
    SaveStore({Record(1, "A", 0.1), Record(1, "B", 0.2), Record(1, "C", 0.3)});
    const std::string path = path_;
    DialogDriver d;
    InList(d, [path](TfrmAlarmList& list) {
        core::TAlarmDB other;
        other.LoadFromFile(path);
        other.DeleteAlarm(0);
        other.AddAlarm(Record(1, "D", 0.4));
        other.SaveToFile(path);
        wintest::SelectRow(list.ListView1, 1);  // still shows A, B, C: this is B
    });
    PressListButton(d, 2);
    InList(d, [](TfrmAlarmList& list) {
        ASSERT_EQ(list.ListView1->ItemCount(), 2);
        EXPECT_EQ(list.ListView1->Item(0).caption, "C");
        EXPECT_EQ(list.ListView1->Item(1).caption, "D");
    });
    PressListButton(d, 4);
    RunAlarmList(d);
    core::TAlarmDB stored = StoredAlarms();
    ASSERT_EQ(stored.Count(), 2);
    EXPECT_EQ(stored.GetAlarm(0).Title(), "C");
    EXPECT_EQ(stored.GetAlarm(1).Title(), "D");
    EXPECT_EQ(db_.Count(), 2) << "the clock's store is the file's";
}

TEST_F(AlarmDialogsTest, EditingTheSecondOfThreeRewritesOnlyIt) {
    SaveStore({Record(1, "first", 0.1), Record(1, "second", 0.2), Record(1, "third", 0.3)});
    DialogDriver d;
    InList(d, [](TfrmAlarmList& list) { wintest::SelectRow(list.ListView1, 1); });
    PressListButton(d, 3);
    InEditor(d, [](TfrmModifyAlarm& e) {
        EXPECT_EQ(e.Caption(), "Edit Alarm");
        wintest::TypeText(e.edtTitle, "2nd");
        wintest::PostClick(e.Button2);
    });
    InList(d, [](TfrmAlarmList& list) {
        EXPECT_EQ(list.ListView1->Item(1).caption, "2nd");
        EXPECT_EQ(list.ListView1->Item(1).subItems.at(1), "to do second");
    });
    PressListButton(d, 4);
    RunAlarmList(d);

    core::Bytes after = core::ReadWholeFile(path_);
    ASSERT_EQ(after.size(), before_.size());
    const size_t second = core::TAlarmDB::kHeaderSize + TAlarmRecord::kSize;
    for (size_t i = 0; i < after.size(); ++i) {
        const bool inSecond = i >= second && i < second + TAlarmRecord::kSize;
        if (!inSecond) {
            ASSERT_EQ(after[i], before_[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(StoredAlarms().GetAlarm(1).Title(), "2nd");
    EXPECT_EQ(changes_, std::vector<unsigned>{3});
}

TEST_F(AlarmDialogsTest, RowsShowTheStoreWithTimeOfDayOnlyAndBadRecordsSurviveAnEdit) {
    TAlarmRecord weekly =
        Record(core::atEveryWeek, "Weekly", 45000 + core::EncodeTime(7, 30, 0, 0));
    weekly.SetWeekDay(2);
    TAlarmRecord bad;
    for (size_t i = 0; i < TAlarmRecord::kSize; ++i)
        bad.data()[i] = 0xE9;
    bad.SetAlarmType(9);
    bad.SetWeekDay(77);
    bad.SetAlarmTime(0.75);
    SaveStore({weekly, bad});

    DialogDriver d;
    std::vector<ui::TListItem> rows;
    int typeShown = 0;
    InList(d, [&](TfrmAlarmList& list) {
        for (int i = 0; i < list.ListView1->ItemCount(); ++i)
            rows.push_back(list.ListView1->Item(i));
        wintest::SelectRow(list.ListView1, 1);
    });
    PressListButton(d, 3);
    InEditor(d, [&](TfrmModifyAlarm& e) {
        typeShown = e.CbbAlarmType->ItemIndex();
        wintest::PostClick(e.Button2);
    });
    d.Hold();
    PressListButton(d, 4);
    RunAlarmList(d);

    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].caption, "Weekly");
    const std::string time = core::FormatLongTime(0.3125, app::UserTimeFormat());
    EXPECT_EQ(rows[0].subItems.at(0), time);
    EXPECT_NE(time.find("7"), std::string::npos);
    EXPECT_NE(time.find("30"), std::string::npos);
    EXPECT_EQ(rows[0].subItems.at(1), "to do Weekly");
    EXPECT_EQ(rows[1].caption, std::string(64, '\xE9'));
    EXPECT_EQ(typeShown, -1);
    TAlarmRecord saved = StoredAlarms().GetAlarm(1);
    for (size_t i = 0; i < TAlarmRecord::kSize; ++i) {
        if (i < TAlarmRecord::kTimeOffset || i >= TAlarmRecord::kTimeOffset + 8) {
            ASSERT_EQ(saved.data()[i], bad.data()[i]) << "byte " << i;
        }
    }
}

TEST_F(AlarmDialogsTest, DialogsHaveTheirLayoutFontAndPlace) {
    auto* editor = new TfrmModifyAlarm(nullptr);
    EXPECT_EQ(editor->ClientWidth(), 359);
    EXPECT_EQ(editor->ClientHeight(), 393);
    EXPECT_EQ(editor->BorderStyle(), ui::bsDialog);
    EXPECT_EQ(editor->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(editor->Font().Height(), -11);
    RECT r;
    ::GetWindowRect(editor->memTodo->Handle(), &r);
    POINT p{r.left, r.top};
    ::ScreenToClient(editor->TabSheet1->Handle(), &p);
    EXPECT_EQ(p.x, 64);
    EXPECT_EQ(p.y, 80);
    EXPECT_EQ(r.right - r.left, 217);
    EXPECT_EQ(editor->dtOnce->Width(), 217);
    EXPECT_EQ(editor->pnYear->Width(), 281);
    EXPECT_EQ(editor->pnYear->Height(), 80);
    EXPECT_EQ(editor->CbbAlarmType->Items().size(), 5u);
    EXPECT_EQ(editor->cbbWeek->ItemIndex(), -1);
    EXPECT_EQ(editor->dtMonth->Format(), "dd");
    EXPECT_EQ(editor->dt1->Kind(), ui::dtkTime);
    EXPECT_EQ(editor->ClassName(), "TfrmModifyAlarm");
    EXPECT_EQ(editor->PnContain->ClassName(), "TPanel");
    // Tab order on the page.
    std::vector<ui::TWinControl*> order;
    editor->TabSheet1->GetTabOrderList(order);
    std::vector<ui::TWinControl*> stops;
    for (ui::TWinControl* c : order)
        if (c->Parent() == editor->TabSheet1 && c->ClassName() != "TLabel" &&
            c->ClassName() != "TBevel")
            stops.push_back(c);
    std::vector<ui::TWinControl*> want = {editor->CbbAlarmType, editor->PnContain, editor->dt1,
                                          editor->edtTitle, editor->memTodo};
    EXPECT_EQ(stops, want);
    HWND hwnd = editor->Handle();
    ::SendMessageA(hwnd, WM_CLOSE, 0, 0);  // not modal: closes and frees itself
    wintest::Pump(50);
    EXPECT_FALSE(::IsWindow(hwnd));

    auto* list = new TfrmAlarmList(nullptr);
    EXPECT_EQ(list->ClientWidth(), 538);
    EXPECT_EQ(list->ClientHeight(), 317);
    EXPECT_EQ(list->Caption(), "Alarm List");
    EXPECT_EQ(list->ListView1->Columns().size(), 3u);
    EXPECT_EQ(list->ListView1->Columns()[1].caption, "Alarm time");
    EXPECT_EQ(list->ListView1->Columns()[2].width, 250);
    EXPECT_EQ(list->Button4->Left(), 328);
    delete list;
}

}  // namespace

namespace {

TEST_F(AlarmDialogsTest, AFailedSaveIsReportedAndTableAndStoreStayInStep) {
    SaveStore({Record(1, "A", 0.1), Record(1, "B", 0.2)});
    wintest::RecordingMessageBox boxes;
    boxes.answer = IDYES;
    DialogDriver d;
    InList(d, [this](TfrmAlarmList& list) {
        // The alarm file cannot be written from here on: its folder does not exist.
        list.AlarmFilePath = folder_ + "\\missing\\Alarm.sav";
        wintest::SelectRow(list.ListView1, 0);
    });
    PressListButton(d, 2);
    InList(d, [&](TfrmAlarmList& list) {
        ASSERT_EQ(boxes.calls.size(), 2u);  // the question, then the error box
        EXPECT_EQ(boxes.calls[1].type, UINT(MB_OK | MB_ICONSTOP));
        EXPECT_NE(boxes.calls[1].text.find("missing"), std::string::npos) << boxes.calls[1].text;
        ASSERT_EQ(list.ListView1->ItemCount(), 1);
        EXPECT_EQ(list.ListView1->Item(0).caption, "B");
    });
    PressListButton(d, 4);
    RunAlarmList(d);
    ASSERT_EQ(db_.Count(), 1);
    EXPECT_EQ(db_.GetAlarm(0).Title(), "B");
    EXPECT_EQ(core::ReadWholeFile(path_), before_);
    EXPECT_EQ(changes_, std::vector<unsigned>{1}) << "the store changed, though not its file";
}

TEST_F(AlarmDialogsTest, EnterAndEscapeClickOkAndCancel) {
    DialogDriver d;
    auto key = [](ui::TWinControl* c, WPARAM vk) {
        ::PostMessageA(c->Handle(), WM_KEYDOWN, vk, 1);
        ::PostMessageA(c->Handle(), WM_KEYUP, vk, 0xC0000001);
    };
    PressListButton(d, 1);
    InEditor(d, [&](TfrmModifyAlarm& e) {
        wintest::TypeText(e.edtTitle, "escaped");
        e.edtTitle->SetFocus();
        key(e.edtTitle, VK_ESCAPE);
    });
    PressListButton(d, 1);
    InEditor(d, [&](TfrmModifyAlarm& e) {
        wintest::TypeText(e.edtTitle, "entered");
        e.edtTitle->SetFocus();
        key(e.edtTitle, VK_RETURN);
    });
    PressListButton(d, 4);
    RunAlarmList(d);
    core::TAlarmDB stored = StoredAlarms();
    ASSERT_EQ(stored.Count(), 1);
    EXPECT_EQ(stored.GetAlarm(0).Title(), "entered");
}

}  // namespace
