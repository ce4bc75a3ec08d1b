#include "win/app/clock_window.h"

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <optional>
#include <utility>

#include "core/alarms/alarm_watch.h"
#include "core/app/clock_db.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "win/app/alarm_popup.h"
#include "win/app/clock_tray.h"
#include "win/app/local_time.h"
#include "win/app/msg.h"
#include "win/app/single_instance.h"
#include "win/app/system_files.h"
#include "win/app/window_shape.h"
#include "win/skin/skin_data_component.h"

#include <windowsx.h>

namespace app {

std::string AlarmFilePath;
TForm1* Form1 = nullptr;

namespace {

// The system command that moves a window with the pressed button. SC_MOVE with the caption hit
// code: with the client hit code (0xF011) some windowing layers (Wine) end the move at once.
constexpr WPARAM kDragCommand = 0xF012;
// Timer messages come a little late at best; aim just past the boundary.
constexpr int kTickMargin = 15;
// Posted by an alarm popup's right click: the snooze menu opens outside the popup's message.
constexpr UINT kSnoozeMenuMessage = WM_APP + 14;
constexpr int kSnoozeChoices[] = {5, 10, 30};

std::vector<std::string> ProgramArguments() {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(__argv[i]);
    return args;
}

}  // namespace

TForm1::TForm1(ui::TComponent* AOwner)
    : ui::TForm(AOwner),
      Now(&LocalNow),
      TimeFormat(UserTimeFormat()),
      DateFormat(UserDateFormat()),
      ExeName(ExePath()),
      Arguments(ProgramArguments()) {
    SetName("Form1");
    SetBorderStyle(ui::bsNone);
    SetAlphaBlend(true);
    SetAlphaBlendValue(120);
    SetCaption("Form1");
    SetClientSize(253, 120);

    PopupMenu1 = new ui::TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    SetPopupMenu(PopupMenu1);

    Image1 = new ui::TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(64, 8, 131, 112);
    Image1->Hide();
    Image1->SetPopupMenu(PopupMenu1);
    Image1->OnMouseDown = [this](ui::TObject* s, ui::TMouseButton b, ui::TShiftState sh, int x,
                                 int y) { Image1MouseDown(s, b, sh, x, y); };

    ShockwaveFlash1 = new widgets::TShockwaveFlash(this);
    ShockwaveFlash1->SetName("ShockwaveFlash1");
    ShockwaveFlash1->SetParent(this);
    ShockwaveFlash1->SetBounds(104, 48, 105, 64);
    ShockwaveFlash1->Hide();

    MediaPlayer1 = new widgets::TMediaPlayer(this);
    MediaPlayer1->SetName("MediaPlayer1");

    LEDFontNum1 = new widgets::TLEDFontNum(this);
    LEDFontNum1->SetName("LEDFontNum1");
    LEDFontNum1->SetParent(this);
    LEDFontNum1->SetBounds(56, 0, 46, 37);
    LEDFontNum1->SetThick(3);
    LEDFontNum1->SetSpace(4);
    LEDFontNum1->SetText("00");
    LEDFontNum1->OnMouseDown = [this](ui::TObject* s, ui::TMouseButton b, ui::TShiftState sh, int x,
                                      int y) { LEDFontNum1MouseDown(s, b, sh, x, y); };

    Timer1 = new ui::TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1000);
    Timer1->OnTimer = [this](ui::TObject* s) { Timer1Timer(s); };

    ApplicationEvents1 = new ui::TApplicationEvents(this);
    ApplicationEvents1->SetName("ApplicationEvents1");
    ApplicationEvents1->OnMessage = [this](MSG& m, bool& h) { ApplicationEvents1Message(m, h); };

    // Loaded with the rest of the stored description, so the skin is ready before FormCreate.
    SkinData1 = new skin::TSkinData(this);
    SkinData1->SetName("SkinData1");
    SkinData1->SetActive(true);
    SkinData1->LoadSkinResource();

    // The window fits its visible controls once its window is needed (cutting the shape, or
    // showing after a failed start-up), then on every change; so a LED hidden during start-up
    // keeps its stored bounds, which still join the shape.

    OnCreate = [this](ui::TObject* s) { FormCreate(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    OnDestroy = [this](ui::TObject* s) { FormDestroy(s); };

    SnoozeMenu = new ui::TPopupMenu(this);
    SnoozeMenu->SetName("SnoozeMenu");
    for (int minutes : kSnoozeChoices) {
        auto* item = new ui::TMenuItem(this);
        item->SetCaption("Snooze " + std::to_string(minutes) + " minutes");
        item->OnClick = [this, minutes](ui::TObject*) {
            SnoozeAlarm(snoozeTarget_, minutes);
            if (snoozePopup_ && ::IsWindow(snoozePopup_))
                ::PostMessageA(snoozePopup_, WM_CLOSE, 0, 0);
        };
        SnoozeMenu->Items().Add(item);
    }

    ShowAlarm = [this](const core::TAlarmRecord& alarm) {
        app::ShowAlarm(*this, alarm, &soundError_);
    };
    ShowMissedAlarms = [this](const std::vector<core::TMissedAlarm>& missed) {
        app::ShowMissedAlarms(*this, missed);
    };
    Tray = std::make_unique<win::TClockTray>(*this);
}

TForm1::~TForm1() {
    DoDestroy();          // FormDestroy needs the store and the sound path
    DestroyComponents();  // their handlers point into this object
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::FormCreate(ui::TObject*) {
    const std::string folder = core::FolderOf(ExeName);
    Trailer = ReadTrailerShared(ExeName);
    const std::string name = core::DesignFileName(Trailer);
    const std::string designPath = folder + name;
    if (name.empty() || !core::FileExists(designPath)) {
        // An empty name names no file (the folder itself exists, and is no design).
        ShowInfo(Handle(), "file " + name + " not found.");
        ui::Application->Halt(0);
    }
    LoadDesign(folder);
    UpdateTrayHint();  // the name alone: the store is not open yet

    widgets::TLEDFontNum* led = LEDFontNum1;
    ui::TControl* face = Clock.IsMovieFace() ? static_cast<ui::TControl*>(ShockwaveFlash1)
                                             : static_cast<ui::TControl*>(Image1);
    face->SetLeft(Clock.FaceLeft());
    face->SetTop(Clock.FaceTop());
    face->SetWidth(Clock.FaceWidth());
    face->SetHeight(Clock.FaceHeight());
    if (Clock.LedHidden() != 0) {
        led->Hide();
    } else {
        ApplyLedSettings();
    }

    OpenAlarmStore(folder);
    SetFormStyle(AlarmDB->ShowOnTip() ? ui::fsStayOnTop : ui::fsNormal);
    if (auto* item = dynamic_cast<ui::TMenuItem*>(FindComponent("muAutoRun")))
        item->SetChecked(AlarmDB->AutoRun());
    if (auto* item = dynamic_cast<ui::TMenuItem*>(FindComponent("muShowOnTip")))
        item->SetChecked(AlarmDB->ShowOnTip());

    Timer1Timer(this);
    ApplyWindowShape();
}

void TForm1::LoadDesign(const std::string& folder) {
    core::TClockDB db;
    const std::string designPath = folder + core::DesignFileName(Trailer);
    core::Bytes file = ReadFileUnshared(designPath);
    db.ReadDesignFrom(file.data(), file.size());
    file.clear();
    if (Arguments.empty() || Arguments[0] != "p")
        SoundPath = db.SaveSound(folder);
    Alert = db.Alert;
    Clock = db.Clock;
    Header = db.Header;
    SetAlphaBlendValue(Clock.AlphaValue());
    if (!Clock.IsMovieFace()) {
        Image1->Show();
        core::Bitmap picture;
        db.LoadFacePicture(picture);
        if (!picture.Empty())
            Image1->Picture().Assign(picture.pixels.data(), picture.width, picture.height);
    } else {
        ShockwaveFlash1->SetMovie(db.SaveFaceMovie(folder));
        ShockwaveFlash1->Show();
    }
}

void TForm1::ApplyLedSettings() {
    // The order matters: the display checks WordWidth, WordHeight and Thick against each other.
    widgets::TLEDFontNum* led = LEDFontNum1;
    led->SetLeft(Clock.LedLeft());
    led->SetTop(Clock.LedTop());
    led->SetWordWidth(Clock.LedWordWidth());
    led->SetWordHeight(Clock.LedWordHeight());
    led->SetSpace(Clock.LedSpace());
    led->SetBGColor(Clock.LedBGColor());
    led->SetDarkColor(Clock.LedBGColor());  // unlit segments do not show
    led->SetLightColor(Clock.LedLightColor());
    led->SetThick(Clock.LedThick());
    led->SetOffSetX(Clock.LedOffSetX());
    led->SetOffSetY(Clock.LedOffSetY());
}

void TForm1::OpenAlarmStore(const std::string& folder) {
    AlarmFilePath = folder + "Alarm.sav";
    AlarmDB = std::make_unique<core::TAlarmDB>();
    if (!core::FileExists(AlarmFilePath)) {
        AlarmDB->InitDefaults();
        AlarmDB->SaveToFile(AlarmFilePath);
    }
    AlarmDB->LoadFromFile(AlarmFilePath);
    // A missing or damaged state starts the tracking afresh: nothing is offered as missed.
    AlarmStatePath = folder + core::kAlarmStateFileName;
    watch_.Load(AlarmStatePath);
    UpdateTrayHint();
}

void TForm1::UpdateTrayHint() {
    const core::TDateTime now = Now();
    core::ClockHint hint{Header.ClockName(), std::nullopt};
    hintMinute_ = core::MinuteStamp(now);
    hintAlarmMinute_ = INT64_MAX;
    if (AlarmDB) {
        if (std::optional<core::TAlarmFiring> next = core::NextAlarmAfter(*AlarmDB, now)) {
            hint.next =
                core::NextAlarmTip{core::NextAlarmWhen(next->when, now, DateFormat, TimeFormat),
                                   AlarmDB->GetAlarm(next->index).Title()};
            hintAlarmMinute_ = core::MinuteStamp(next->when);
        }
        // A snooze that comes first is the next alarm; taking it updates the tip again.
        const core::TSnooze* snooze = watch_.NextSnooze();
        if (snooze && (!hint.next || snooze->due / 60 < hintAlarmMinute_)) {
            const core::TDateTime when = core::MinuteStampToDateTime(snooze->due / 60);
            hint.next = core::NextAlarmTip{core::NextAlarmWhen(when, now, DateFormat, TimeFormat),
                                           snooze->alarm.Title()};
        }
    }
    if (SetTrayHint)
        SetTrayHint(hint);
}

void TForm1::FormShow(ui::TObject*) {
    SetAutoSize(true);
    // The whole primary screen, not its work area: the place is lost at every Hide and Show.
    SetLeft(::GetSystemMetrics(SM_CXSCREEN) - Width());
    SetTop(::GetSystemMetrics(SM_CYSCREEN) - Height() - 30);
}

void TForm1::FormDestroy(ui::TObject*) {
    if (AlarmDB)
        SaveAlarmState();
    AlarmDB.reset();  // every change was saved when it was made
    if (!SoundPath.empty())
        core::DeleteFileAt(SoundPath);
}

void TForm1::Timer1Timer(ui::TObject*) {
    core::TDateTime now = Now();
    LEDFontNum1->SetText(core::FormatLedTime(now, TimeFormat));
    // The next tick lands just after the next second boundary, so the display changes with the
    // second instead of drifting across it.
    Timer1->SetInterval(core::MillisecondsToNextSecond(Now()) + kTickMargin);
    if (!AlarmDB)
        return;
    // Every minute is tested once, also when a late tick missed its second 0; what went by
    // unwatched is offered as missed.
    const core::TWatchTick tick = watch_.Tick(Now());
    const core::TMinuteCheck& check = tick.check;
    const bool snoozesTaken = !tick.snoozed.empty() || !tick.missedSnoozes.empty();
    if (!check.minutes.empty() || check.AnyMissed())
        ReloadAlarmsIfChanged();
    const int64_t minute = core::MinuteStamp(Now());
    if (snoozesTaken || minute >= hintAlarmMinute_ || minute < hintMinute_)
        UpdateTrayHint();
    bool shown = false;
    if (check.AnyMissed() || !tick.missedSnoozes.empty()) {
        const std::vector<core::TMissedAlarm> missed =
            core::MissedAlarms(*AlarmDB, check.missedFirst, check.missedLast, tick.missedSnoozes);
        shown = !missed.empty();
        if (shown && ShowMissedAlarms)
            ShowMissedAlarms(missed);
    }
    soundError_.clear();
    for (core::TDateTime due : check.minutes) {
        for (uint16_t index : core::DueAlarmIndices(*AlarmDB, due)) {
            core::TAlarmRecord alarm = AlarmDB->GetAlarm(index);
            shown = true;
            if (ShowAlarm)
                ShowAlarm(alarm);
        }
    }
    for (const core::TAlarmRecord& alarm : tick.snoozed)
        if (ShowAlarm)
            ShowAlarm(alarm);
    // The minute last tested matters to a start after a crash only once something was shown
    // up to it: offered again as missed otherwise. So it is written in such minutes (at most
    // once a minute), and whenever a snooze came or went.
    if (watch_.NeedsSave() && (shown || snoozesTaken))
        SaveAlarmState();
    // Every popup is up; the timer's dispatch shows the sound's error box once.
    if (!soundError_.empty())
        throw core::AppError(std::exchange(soundError_, std::string()));
}

void TForm1::SaveAlarmState() {
    if (AlarmStatePath.empty())
        return;
    try {
        watch_.Save(AlarmStatePath);
    } catch (const std::exception&) {
        // A folder that cannot be written keeps the clock ringing; only what a restart would
        // offer as missed is lost, and the next save tries again.
    }
}

void TForm1::SnoozeAlarm(const core::TAlarmRecord& alarm, int minutes) {
    watch_.Snooze(alarm, Now(), int64_t(minutes) * 60);
    SaveAlarmState();
    UpdateTrayHint();
}

void TForm1::PopupSnoozeMenu(const core::TAlarmRecord& alarm, HWND popup, int x, int y) {
    snoozeTarget_ = alarm;
    snoozePopup_ = popup;
    ::PostMessageA(Handle(), kSnoozeMenuMessage, 0, MAKELPARAM(x, y));
}

void TForm1::ClockMoved() {
    watch_.MarkJump();
    Timer1->SetInterval(1);  // the tick's own dispatch, with its error box, runs it next
}

bool TForm1::ReloadAlarmsIfChanged() {
    if (!AlarmDB || !AlarmDB->ReloadIfChanged(AlarmFilePath))
        return false;
    UpdateTrayHint();
    return true;
}

LRESULT TForm1::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == ShowClockMessage()) {  // a second start from our folder
        if (Tray)
            Tray->ShowClock();
        return 0;
    }
    switch (msg) {
        case kSnoozeMenuMessage:
            SnoozeMenu->Popup(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_TIMECHANGE:
            ClockMoved();
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMSUSPEND)
                SaveAlarmState();
            else if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)
                ClockMoved();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam)
                SaveAlarmState();
            return 0;
        default:
            break;
    }
    return ui::TForm::WndProc(msg, wParam, lParam);
}

void TForm1::StartDrag() {
    ::ReleaseCapture();
    ::SendMessageA(Handle(), WM_SYSCOMMAND, kDragCommand, 0);
}

void TForm1::Image1MouseDown(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
    StartDrag();
}

void TForm1::LEDFontNum1MouseDown(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
    StartDrag();
}

void TForm1::ApplicationEvents1Message(MSG& Msg, bool& Handled) {
    if (!ShockwaveFlash1->OwnsWindow(Msg.hwnd))
        return;
    if (Msg.message == WM_LBUTTONDOWN) {
        StartDrag();  // not handled: the player gets the press too
    } else if (Msg.message == WM_RBUTTONDOWN) {
        PopupMenu1->SetPopupComponent(ShockwaveFlash1);
        PopupMenu1->Popup(Msg.pt.x, Msg.pt.y);
        Handled = true;  // the player's own menu never opens
    }
}

void TForm1::ApplyWindowShape() {
    SetAutoSize(true);  // the shape is cut from the controls' places after the fit
    ui::ScopedRegion region;
    const RECT led = LEDFontNum1->BoundsRect();  // visible or not
    if (Clock.IsMovieFace()) {
        UniteRect(region, ShockwaveFlash1->BoundsRect());
        UniteRect(region, led);
    } else if (Clock.CutShape() != 0) {
        core::Bitmap picture = Image1->Picture().ToBitmap();
        region = BitmapRegion(picture, Clock.TransColor(), Image1->Left(), Image1->Top());
        UniteRect(region, led);
    } else {
        return;  // the window stays rectangular
    }
    if (region)
        SetWindowRegion(Handle(), std::move(region), true);
}

}  // namespace app
