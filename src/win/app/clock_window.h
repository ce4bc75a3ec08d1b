#pragma once
// The clock window: reads the design at start-up, shows the face and the LED time display,
// keeps the alarm store, ticks once a second and cuts its own shape.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_schedule.h"
#include "core/alarms/alarm_watch.h"
#include "core/app/clock_design.h"
#include "core/app/date_format.h"
#include "core/app/time_format.h"
#include "core/app/tray_hint.h"
#include "win/ui/application.h"
#include "win/ui/image.h"
#include "win/ui/popup_menu.h"
#include "win/ui/timer.h"
#include "win/widgets/led_font_num.h"
#include "win/widgets/media_player.h"
#include "win/widgets/shockwave_flash.h"

namespace win {
class TClockTray;
}
namespace skin {
class TSkinData;
}  // namespace skin

namespace app {

// The executable's folder followed by "Alarm.sav"; set by start-up, used wherever the alarm
// store is saved.
extern std::string AlarmFilePath;

class TForm1 : public ui::TForm {
  public:
    explicit TForm1(ui::TComponent* AOwner);
    ~TForm1() override;
    std::string ClassName() const override { return "TForm1"; }

    ui::TImage* Image1;
    widgets::TShockwaveFlash* ShockwaveFlash1;
    widgets::TMediaPlayer* MediaPlayer1;
    widgets::TLEDFontNum* LEDFontNum1;
    ui::TPopupMenu* PopupMenu1;
    ui::TTimer* Timer1;
    ui::TApplicationEvents* ApplicationEvents1;
    // The default skin, read from the program's SKINSTREAM resource at creation.
    skin::TSkinData* SkinData1;
    // TrayIcon1 and PopupMenu1's items with their commands.
    std::unique_ptr<win::TClockTray> Tray;

    // State, in this order: the alarm store, the design settings, the trailer, the sound path.
    std::unique_ptr<core::TAlarmDB> AlarmDB;
    core::AlertRecord Alert;
    core::ClockRecord Clock;
    core::DesignHeader Header;
    core::ExeTrailer Trailer;
    std::string SoundPath;

    void FormCreate(ui::TObject* Sender);
    void FormShow(ui::TObject* Sender);
    void FormDestroy(ui::TObject* Sender);
    void Timer1Timer(ui::TObject* Sender);
    void Image1MouseDown(ui::TObject* Sender,
                         ui::TMouseButton Button,
                         ui::TShiftState Shift,
                         int X,
                         int Y);
    void LEDFontNum1MouseDown(ui::TObject* Sender,
                              ui::TMouseButton Button,
                              ui::TShiftState Shift,
                              int X,
                              int Y);
    void ApplicationEvents1Message(MSG& Msg, bool& Handled);

    // Cuts the window to the face (picture shape or movie rectangle) and the LED rectangle.
    void ApplyWindowShape();

    // Hands the tray icon its tip for the store as it is now: the design's name and the next
    // alarm after the current minute. Run after every change of the store (opening it, the
    // alarm list's changes, reading it again from disk); the tick runs it when the alarm of
    // the tip has had its minute, or the clock went back.
    void UpdateTrayHint();

    // The one place the clock asks whether another program (alarmtool, an editor) changed the
    // alarm file since the store last read or wrote it, and reads it again if so: before each
    // minute's test of the alarms and before every change that is saved. True when reloaded;
    // the tray tip then follows the store as read.
    bool ReloadAlarmsIfChanged();

    // The alarm rings again, as a new popup with its sound, `minutes` from now; the state file
    // keeps it across a restart and the tray tip names it while it is the next.
    void SnoozeAlarm(const core::TAlarmRecord& alarm, int minutes);
    // Opens SnoozeMenu for the alarm of the popup window `popup` at the screen point; run from
    // the form's own message, so a popup that closes meanwhile is no concern. Choosing closes
    // that popup.
    void PopupSnoozeMenu(const core::TAlarmRecord& alarm, HWND popup, int x, int y);
    // The right-click menu of alarm popups: 5, 10 and 30 minutes.
    ui::TPopupMenu* SnoozeMenu;
    // Beside AlarmFilePath: the last minute tested and the snoozes. Written before sleep, at
    // session end, at exit, when a snooze comes or goes, and in each minute that showed a popup.
    std::string AlarmStatePath;
    void SaveAlarmState();
    const core::TAlarmWatch& Watch() const { return watch_; }

    // Where the pieces of other parts plug in: the tray icon's tip (the name, and the next
    // alarm once the store is open) and the alarm popup (given each due alarm, in store order;
    // the desktop alert with the design's sound unless replaced). Unset, they do nothing.
    std::function<void(const core::ClockHint& hint)> SetTrayHint;
    std::function<void(const core::TAlarmRecord& alarm)> ShowAlarm;
    // Given, in one call, what fell due while nobody watched (sleep, a clock set forward, the
    // time between runs), oldest first: the one silent "Missed alarms" popup unless replaced.
    std::function<void(const std::vector<core::TMissedAlarm>& missed)> ShowMissedAlarms;
    // The clock and the locale the tick and the tip read (the system's unless replaced).
    std::function<core::TDateTime()> Now;
    core::TimeFormatSettings TimeFormat;
    core::DateFormatSettings DateFormat;
    // The executable whose trailer names the design, and the program's arguments after its
    // name (the first one may be "p"). The running program's unless replaced before creation.
    std::string ExeName;
    std::vector<std::string> Arguments;

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void StartDrag();
    void LoadDesign(const std::string& exeFolder);
    void ApplyLedSettings();
    void OpenAlarmStore(const std::string& exeFolder);

    // The clock changed or the computer woke: what went by is missed, and the tick runs now.
    void ClockMoved();

    core::TAlarmWatch watch_;
    core::TAlarmRecord snoozeTarget_;
    HWND snoozePopup_ = nullptr;
    // The minute the tip was made in, and that of the alarm it names (none: the largest).
    int64_t hintMinute_ = 0;
    int64_t hintAlarmMinute_ = -1;
    std::string soundError_;  // of this tick's popups, reported once after them
};

extern TForm1* Form1;

}  // namespace app
