// The clock window's start-up from a design beside a stamped executable, its shape, its tick,
// the movie face and the end of the program when the design is missing.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_watch.h"
#include "core/app/clock_design.h"
#include "core/app/time_format.h"
#include "core/common/bitmap.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "win/app/clock_tray.h"
#include "win/app/clock_window.h"
#include "win/ui/timer.h"
#include "win/widgets/desktop_alert.h"
#include "win/win_test_support.h"

namespace {

constexpr uint32_t kKey = 0x00FF00FF;

class ClockWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "clockwin" + std::to_string(::GetTickCount()) + "\\";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        clock.SetFaceExt(".bmp");
        clock.SetTransColor(kKey);
        clock.SetFaceLeft(10);
        clock.SetFaceTop(5);
        clock.SetFaceWidth(40);
        clock.SetFaceHeight(30);
        clock.SetAlphaValue(200);
        clock.SetCutShape(1);
        clock.SetLedBGColor(0x000000);
        clock.SetLedLightColor(0x00FF00);
        clock.SetLedWordWidth(9);
        clock.SetLedWordHeight(15);
        clock.SetLedThick(2);
        clock.SetLedSpace(2);
        clock.SetLedOffSetX(1);
        clock.SetLedOffSetY(1);
        header.SetMagic("ZQM");
        header.SetClockName("Test Clock");
        // A face with a key-coloured left column: the shape starts one pixel in.
        core::Bitmap face(40, 30, 0x00336699);
        for (int y = 0; y < 30; ++y)
            face.Set(0, y, kKey);
        faceBytes = core::EncodeBmp24(face);
        sound = {'R', 'I', 'F', 'F', 1, 2, 3};
        alert.SetSoundName("beep.wav");
    }
    void TearDown() override {
        delete form;
        for (const char* f :
             {"clock.exe", "test.clk", "beep.wav", "Alarm.sav", "Alarm.state", "tmp.swf"})
            ::DeleteFileA((folder + f).c_str());
        ::RemoveDirectoryA(folder.c_str());
    }

    void WriteFiles(const std::string& designName = "test.clk") {
        clock.SetFaceSize(static_cast<uint32_t>(faceBytes.size()));
        alert.SetSoundSize(static_cast<uint32_t>(sound.size()));
        core::Bytes design(header.bytes.begin(), header.bytes.end());
        design.insert(design.end(), clock.bytes.begin(), clock.bytes.end());
        design.insert(design.end(), alert.bytes.begin(), alert.bytes.end());
        design.insert(design.end(), faceBytes.begin(), faceBytes.end());
        design.insert(design.end(), sound.begin(), sound.end());
        core::WriteWholeFile(folder + "test.clk", design.data(), design.size());
        core::ExeTrailer trailer;
        trailer.SetDesignName(designName);
        core::Bytes exe(200, 0x90);
        exe.insert(exe.end(), trailer.bytes.begin(), trailer.bytes.end());
        core::WriteWholeFile(folder + "clock.exe", exe.data(), exe.size());
    }

    app::TForm1* Create(std::vector<std::string> args = {}) {
        form = new app::TForm1(nullptr);
        form->ExeName = folder + "clock.exe";
        form->Arguments = std::move(args);
        form->Now = [this] { return now; };
        form->TimeFormat = core::TimeFormatSettings{};
        form->DateFormat = core::DateFormatSettings{};
        form->DoCreate();
        return form;
    }

    std::string folder;
    core::DesignHeader header;
    core::ClockRecord clock;
    core::AlertRecord alert;
    core::Bytes faceBytes, sound;
    core::TDateTime now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 30, 15, 0);
    app::TForm1* form = nullptr;
};

std::string ClassOf(HWND hwnd) {
    char name[64] = {0};
    ::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

TEST_F(ClockWindowTest, StartUpAppliesTheDesignToTheWindowTheFaceAndTheLed) {
    WriteFiles();
    app::TForm1* f = Create();
    EXPECT_EQ(ClassOf(f->Handle()), "TForm1");
    EXPECT_EQ(f->Caption(), "Form1");
    EXPECT_EQ(ClassOf(f->LEDFontNum1->Handle()), "TLEDFontNum");
    EXPECT_EQ(ClassOf(f->Image1->Handle()), "TImage");
    EXPECT_EQ(::GetParent(f->Image1->Handle()), f->Handle());
    EXPECT_EQ(f->AlphaBlendValue(), 200);
    EXPECT_EQ(f->Header.ClockName(), "Test Clock");

    // The tick ran once: the LED shows the time and sized itself from the design's cells.
    EXPECT_EQ(f->LEDFontNum1->Text(), "10:30:15");
    EXPECT_EQ(f->LEDFontNum1->Width(), 8 * 9 + 7 * 2 + 2);
    EXPECT_EQ(f->LEDFontNum1->Height(), 2 + 15);

    // Face at (10, 5) and LED at (0, 0): already at the corner; the window fits both.
    EXPECT_TRUE(f->Image1->Visible());
    EXPECT_FALSE(f->ShockwaveFlash1->Visible());
    EXPECT_EQ(f->Image1->Left(), 10);
    EXPECT_EQ(f->Image1->Top(), 5);
    EXPECT_EQ(f->Image1->Picture().Width(), 40);
    EXPECT_EQ(f->ClientWidth(), 88);
    EXPECT_EQ(f->ClientHeight(), 35);

    // Shape: the picture without its key column and last row, joined with the LED rectangle.
    ui::ScopedRegion shape(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(f->Handle(), shape.get()), ERROR);
    ui::ScopedRegion want(::CreateRectRgn(11, 5, 50, 34));
    ui::ScopedRegion led(::CreateRectRgn(0, 0, 88, 17));
    ::CombineRgn(want.get(), want.get(), led.get(), RGN_OR);
    EXPECT_TRUE(::EqualRgn(shape.get(), want.get()));

    // Sound written beside the executable, the store created, both in its folder.
    EXPECT_EQ(f->SoundPath, folder + "beep.wav");
    EXPECT_EQ(core::ReadWholeFile(f->SoundPath), sound);
    EXPECT_TRUE(core::FileExists(folder + "Alarm.sav"));
    EXPECT_EQ(app::AlarmFilePath, folder + "Alarm.sav");

    // Destroying the window deletes the sound file.
    delete form;
    form = nullptr;
    EXPECT_FALSE(core::FileExists(folder + "beep.wav"));
}

TEST_F(ClockWindowTest, ArgumentPWritesNoSoundAndAHiddenLedStillJoinsTheShape) {
    clock.SetLedHidden(1);
    WriteFiles();
    app::TForm1* f = Create({"p"});
    EXPECT_TRUE(f->SoundPath.empty());
    EXPECT_FALSE(core::FileExists(folder + "beep.wav"));
    EXPECT_FALSE(f->LEDFontNum1->Visible());
    RECT ledRect = f->LEDFontNum1->BoundsRect();
    ui::ScopedRegion shape(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(f->Handle(), shape.get()), ERROR);
    EXPECT_TRUE(::PtInRegion(shape.get(), ledRect.left, ledRect.top));
    // The face alone decides the window's size and moves to the corner.
    EXPECT_EQ(f->Image1->Left(), 0);
    EXPECT_EQ(f->Image1->Top(), 0);
    EXPECT_EQ(f->ClientWidth(), 40);
}

TEST_F(ClockWindowTest, AMissingDesignShowsTheNameAndEndsTheProgram) {
    WriteFiles("missing.clk");
    wintest::RecordingMessageBox boxes;
    EXPECT_THROW(Create(), ui::ProgramHalt);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "file missing.clk not found.");
    EXPECT_EQ(boxes.calls[0].type, UINT(MB_OK | MB_ICONINFORMATION));
    EXPECT_FALSE(core::FileExists(folder + "Alarm.sav"));  // nothing else ran
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(ClockWindowTest, AnEmptyDesignNameGivesTwoBlanksInTheMessage) {
    WriteFiles("");
    wintest::RecordingMessageBox boxes;
    EXPECT_THROW(Create(), ui::ProgramHalt);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "file  not found.");
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(ClockWindowTest, ABrokenFaceIsReportedAndTheWindowLivesOnWithEarlierSteps) {
    faceBytes = {'X', 'Y', 'Z'};
    WriteFiles();
    wintest::RecordingMessageBox boxes;
    app::TForm1* f = Create();
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(boxes.calls[0].type, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(f->AlphaBlendValue(), 200);     // step 7 ran
    EXPECT_EQ(f->LEDFontNum1->Text(), "00");  // the tick did not
    EXPECT_EQ(f->AlarmDB, nullptr);
}

TEST_F(ClockWindowTest, MovieFaceWritesTheMovieShowsTheStandInAndCutsRectangles) {
    clock.SetFaceExt(".SWF");
    clock.SetCutShape(0);
    clock.SetFaceLeft(30);
    clock.SetFaceTop(20);
    clock.SetFaceWidth(50);
    clock.SetFaceHeight(25);
    // An uncompressed movie: header, then SetBackgroundColor (tag 9) = red 0x12 green 0x34 blue
    // 0x56.
    faceBytes = {'F', 'W', 'S', 6,    0,    0,    0,    0,    0x08, 0, 0,
                 12,  1,   0,   0x43, 0x02, 0x12, 0x34, 0x56, 0,    0};
    WriteFiles();
    app::TForm1* f = Create();
    EXPECT_EQ(core::ReadWholeFile(folder + "\\tmp.swf"), faceBytes);
    EXPECT_TRUE(f->ShockwaveFlash1->Visible());
    EXPECT_FALSE(f->Image1->Visible());
    EXPECT_EQ(ClassOf(f->ShockwaveFlash1->Handle()), "TShockwaveFlash");
    if (!f->ShockwaveFlash1->HostsPlayer()) {
        EXPECT_EQ(f->ShockwaveFlash1->StandInColor(), 0x563412);
    }
    ui::ScopedRegion shape(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(f->Handle(), shape.get()), ERROR);
    RECT box;
    ::GetRgnBox(shape.get(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 88);   // the LED (0..88) joined with the movie (30..80)
    EXPECT_EQ(box.bottom, 45);  // movie 20..45

    // A right press on the movie opens the clock's menu and is swallowed.
    int popups = 0;
    f->PopupMenu1->OnPopup = [&](ui::TObject*) { ++popups; };
    ui::TTimer closer(nullptr);
    closer.SetInterval(50);
    closer.OnTimer = [&](ui::TObject*) {
        if (HWND menu = ::FindWindowA("#32768", nullptr))
            ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    };
    auto* item = new ui::TMenuItem(f);
    item->SetCaption("&Exit");
    f->PopupMenu1->Items().Add(item);
    MSG msg{};
    msg.hwnd = f->ShockwaveFlash1->Handle();
    msg.message = WM_RBUTTONDOWN;
    bool handled = false;
    f->ApplicationEvents1Message(msg, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(popups, 1);
    // Presses elsewhere are not looked at.
    msg.hwnd = f->Image1->Handle();
    handled = false;
    f->ApplicationEvents1Message(msg, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(popups, 1);
}

TEST_F(ClockWindowTest, ShowingPlacesTheWindowAtTheLowerRightCornerEveryTime) {
    WriteFiles();
    app::TForm1* f = Create();
    f->Show();
    int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(f->Left(), sw - f->Width());
    EXPECT_EQ(f->Top(), sh - f->Height() - 30);
    f->SetLeft(5);
    f->Hide();
    f->Show();
    EXPECT_EQ(f->Left(), sw - f->Width());
}

TEST_F(ClockWindowTest, TheTickHandsDueAlarmsOverOncePerMinuteInStoreOrder) {
    WriteFiles();
    app::TForm1* f = Create();
    std::vector<std::string> shown;
    f->ShowAlarm = [&](const core::TAlarmRecord& a) { shown.push_back(a.Title()); };
    for (const char* title : {"first", "second"}) {
        core::TAlarmRecord a;
        a.SetAlarmType(1);  // every day
        a.SetAlarmTime(core::EncodeTime(10, 31, 0, 0));
        a.SetTitle(title);
        f->AlarmDB->AddAlarm(a);
    }
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 31, 0, 0);
    f->Timer1Timer(f);
    EXPECT_EQ(f->LEDFontNum1->Text(), "10:31:00");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "first");
    EXPECT_EQ(shown[1], "second");
    now += core::EncodeTime(0, 0, 1, 0);
    f->Timer1Timer(f);
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(ClockWindowTest, TheTrayTipNamesTheNextAlarmAndFollowsTheStoreAndTheClock) {
    const std::string name = "Clock of the Old Town Hall, wound every Sunday by the keeper";
    header.SetClockName(name);
    WriteFiles();
    app::TForm1* f = Create();  // Monday 10:30:15
    f->ShowAlarm = [](const core::TAlarmRecord&) {};
    win::TTrayIcon* icon = nullptr;
    ASSERT_TRUE(wintest::PumpUntil([&] { return (icon = f->Tray->TrayIcon1()) != nullptr; }, 5000));
    EXPECT_EQ(icon->Hint(), name) << "no alarm: the name alone";

    auto add = [&](uint8_t type, int hour, int minute, const std::string& title) {
        core::TAlarmRecord a;
        a.SetAlarmType(type);
        a.SetAlarmDate(core::EncodeDate(2024, 5, 6));
        a.SetAlarmTime(core::EncodeTime(hour, minute, 0, 0));
        a.SetTitle(title);
        f->AlarmDB->AddAlarm(a);
        f->UpdateTrayHint();
    };
    add(core::atEveryDay, 10, 45, "Wake up");
    EXPECT_EQ(icon->Hint(), name + " - next: Mon 10:45 Wake up");
    // The shell gets it at the next mouse movement over the icon.
    ::SendMessageA(icon->Handle(), win::TTrayIcon::kCallbackMessage, win::TTrayIcon::kIconId,
                   WM_MOUSEMOVE);
    EXPECT_EQ(std::string(icon->NotificationData().szTip), icon->Hint());

    // 60 + 18 + 1 + 45 of the title's 64 characters and "..." make the tip's 127.
    add(core::atOnce, 10, 40, std::string(64, 't'));
    EXPECT_EQ(icon->Hint(), name + " - next: Mon 10:40 " + std::string(45, 't') + "...");

    // Each alarm's minute moves the tip on, also when the tick came late.
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 40, 0, 0);
    f->Timer1Timer(f);
    EXPECT_EQ(icon->Hint(), name + " - next: Mon 10:45 Wake up");
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 45, 2, 0);
    f->Timer1Timer(f);
    EXPECT_EQ(icon->Hint(), name + " - next: Tue 10:45 Wake up");
    // A clock put back before the minute shows today's again.
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 44, 30, 0);
    f->Timer1Timer(f);
    EXPECT_EQ(icon->Hint(), name + " - next: Mon 10:45 Wake up");

    f->AlarmDB->DeleteAlarm(0);
    f->UpdateTrayHint();
    EXPECT_EQ(icon->Hint(), name) << "the Once alarm has passed: the name alone again";
    delete form;
    form = nullptr;
    // The next tests find the tray empty.
    EXPECT_TRUE(wintest::PumpUntil(
        [] {
            HWND tray = ::FindWindowA(nullptr, "Wine System Tray");
            HWND child = tray ? ::FindWindowExA(tray, nullptr, nullptr, nullptr) : nullptr;
            return !tray || !::IsWindowVisible(tray) || !child || !::IsWindowVisible(child);
        },
        3000));
}

BOOL CALLBACK CountPopup(HWND hwnd, LPARAM count) {
    if (ClassOf(hwnd) == "TFormDesktopAlert" && ::IsWindowVisible(hwnd))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The design's sound is no wave file: the alarms still show, all of them, and the error box
// comes once, after them.
TEST_F(ClockWindowTest, ASoundThatCannotBeOpenedCostsNoAlarmAndIsReportedOnce) {
    WriteFiles();
    app::TForm1* f = Create();
    ASSERT_FALSE(f->SoundPath.empty());
    for (const char* title : {"first", "second"}) {
        core::TAlarmRecord a;
        a.SetAlarmType(1);
        a.SetAlarmTime(core::EncodeTime(10, 31, 0, 0));
        a.SetTitle(title);
        f->AlarmDB->AddAlarm(a);
    }
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 31, 0, 0);
    int errors = 0;
    try {
        f->Timer1Timer(f);
    } catch (const core::AppError& e) {
        ++errors;
        EXPECT_STRNE(e.what(), "");
    }
    EXPECT_EQ(errors, 1);
    int popups = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountPopup, reinterpret_cast<LPARAM>(&popups));
    EXPECT_EQ(popups, 2);
    EXPECT_FALSE(f->MediaPlayer1->IsOpen());
}

// Another program adds an alarm to the running clock's file: it rings at its minute and the
// clock's own next save keeps it.
TEST_F(ClockWindowTest, AnAlarmAddedByAnotherProgramRingsAndSurvivesTheNextSave) {
    WriteFiles();
    app::TForm1* f = Create();
    std::vector<std::string> shown;
    f->ShowAlarm = [&](const core::TAlarmRecord& a) { shown.push_back(a.Title()); };
    core::TAlarmDB other;
    other.LoadFromFile(folder + "Alarm.sav");
    core::TAlarmRecord a;
    a.SetAlarmType(1);
    a.SetAlarmTime(core::EncodeTime(10, 31, 0, 0));
    a.SetTitle("from alarmtool");
    other.AddAlarm(a);
    other.SaveToFile(folder + "Alarm.sav");
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 31, 0, 0);
    f->Timer1Timer(f);
    ASSERT_EQ(shown, std::vector<std::string>{"from alarmtool"});
    f->AlarmDB->SetAutoRun(true);
    f->AlarmDB->SaveToFile(folder + "Alarm.sav");
    other.LoadFromFile(folder + "Alarm.sav");
    ASSERT_EQ(other.Count(), 1);
    EXPECT_EQ(other.GetAlarm(0).Title(), "from alarmtool");
}

// The popups of the clock that show now.
std::vector<win::TDesktopAlert*> ShownAlerts(app::TForm1* f) {
    std::vector<win::TDesktopAlert*> shown;
    for (ui::TComponent* c : f->Components())
        if (auto* a = dynamic_cast<win::TDesktopAlert*>(c))
            if (a->Popup() && a->Popup()->Visible())
                shown.push_back(a);
    return shown;
}

void AddDaily(app::TForm1* f, int hour, int minute, const std::string& title) {
    core::TAlarmRecord a;
    a.SetAlarmType(core::atEveryDay);
    a.SetAlarmTime(core::EncodeTime(hour, minute, 0, 0));
    a.SetTitle(title);
    f->AlarmDB->AddAlarm(a);
    f->AlarmDB->SaveToFile(app::AlarmFilePath);
}

// The running clock, its timer ticking, sees its clock moved two minutes on past an alarm: a
// late timer would ring it, a clock change offers it as missed.
TEST_F(ClockWindowTest, AClockSetForwardPastAnAlarmOffersItAsMissedAndRingsNothing) {
    WriteFiles();
    app::TForm1* f = Create({"p"});
    std::vector<std::string> rung;
    f->ShowAlarm = [&](const core::TAlarmRecord& a) { rung.push_back(a.Title()); };
    AddDaily(f, 10, 31, "Standup");
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 32, 20, 0);
    ::SendMessageA(f->Handle(), WM_TIMECHANGE, 0, 0);
    std::vector<win::TDesktopAlert*> alerts;
    ASSERT_TRUE(wintest::PumpUntil([&] { return !(alerts = ShownAlerts(f)).empty(); }, 3000));
    wintest::Pump(1200);
    alerts = ShownAlerts(f);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0]->HeaderText(), "Missed alarms");
    EXPECT_EQ(alerts[0]->MessageText(), "Mon 10:31  Standup");
    EXPECT_EQ(alerts[0]->StyleOptions().DisplayDuration(), 0u) << "stays until read";
    EXPECT_TRUE(rung.empty());

    // Before sleep the state is written: a restart goes on from this minute.
    ::SendMessageA(f->Handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    core::TAlarmWatch saved;
    ASSERT_TRUE(saved.Load(folder + "Alarm.state"));
    EXPECT_EQ(saved.Minutes().LastTested(), core::MinuteStamp(now));
}

TEST_F(ClockWindowTest, TheSnoozeLinkRingsTheAlarmAgainFiveMinutesLaterAsANewPopup) {
    WriteFiles();
    app::TForm1* f = Create({"p"});
    AddDaily(f, 10, 31, "Standup");
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 31, 0, 0);
    std::vector<win::TDesktopAlert*> alerts;
    ASSERT_TRUE(wintest::PumpUntil([&] { return !(alerts = ShownAlerts(f)).empty(); }, 3000));
    ASSERT_EQ(alerts.size(), 1u);
    win::TFormDesktopAlert* popup = alerts[0]->Popup();
    EXPECT_EQ(popup->LinkText(), "Snooze");
    const core::AlertRect link = popup->LinkRect();
    ASSERT_GT(link.Width(), 0);
    EXPECT_TRUE(popup->RectOfClient().Contains(link.Left, link.Top));
    EXPECT_LE(link.Bottom, popup->RectOfClient().Bottom - 2);
    const LPARAM at = MAKELPARAM(link.Left + link.Width() / 2, link.Top + link.Height() / 2);
    ::SendMessageA(popup->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(popup->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(wintest::PumpUntil([&] { return ShownAlerts(f).empty(); }, 3000));
    ASSERT_EQ(f->Watch().Snoozes().size(), 1u);
    EXPECT_NE(f->Tray->TrayIcon1()->Hint().find("10:36 Standup"), std::string::npos)
        << f->Tray->TrayIcon1()->Hint();

    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 35, 59, 0);
    wintest::Pump(1500);
    EXPECT_TRUE(ShownAlerts(f).empty());
    now = core::EncodeDate(2024, 5, 6) + core::EncodeTime(10, 36, 0, 0);
    ASSERT_TRUE(wintest::PumpUntil([&] { return !(alerts = ShownAlerts(f)).empty(); }, 3000));
    EXPECT_EQ(alerts[0]->HeaderText(), "Standup");
    EXPECT_TRUE(f->Watch().Snoozes().empty());
    core::TAlarmWatch saved;
    ASSERT_TRUE(saved.Load(folder + "Alarm.state"));
    EXPECT_TRUE(saved.Snoozes().empty()) << "the state file follows the snooze taken";
}

}  // namespace
