#include "win/app/alarm_popup.h"

#include <algorithm>
#include <cstdint>

#include "core/alarms/alarm_watch.h"
#include "core/app/tray_hint.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/widgets/alert_placement.h"
#include "win/app/clock_window.h"
#include "win/ui/handles.h"
#include "win/widgets/desktop_alert.h"
#include "win/widgets/media_player.h"

namespace app {

void ApplyFontRecord(const core::FontRecord& record, ui::TFont& font) {
    font.SetCharset(record.Charset());
    font.SetColor(ui::TColor(record.Color()));
    font.SetHeight(record.Height());
    font.SetName(record.Name());
    font.SetPitch(record.Pitch() <= ui::fpFixed ? ui::TFontPitch(record.Pitch()) : ui::fpDefault);
    font.SetSize(record.Size());
    font.SetStyle(ui::TFontStyles(record.Style() & 0x0F));
}

uint32_t AlertDisplayMilliseconds(const core::AlertRecord& alert) {
    if (!alert.UseDuration())
        return 0;
    const int64_t seconds = std::max<int64_t>(0, alert.DurationSeconds());
    return uint32_t(std::min<int64_t>(seconds * 1000, INT32_MAX));
}

namespace {

// The design's look and place for a new popup, in the order the alert wants them: the style
// before the display time, which a new style would reset.
void StyleAlert(TForm1& form, win::TDesktopAlert& alert) {
    const core::AlertRecord& a = form.Alert;
    // A style the popup does not know keeps the fade it starts with.
    if (a.AlertStyle() <= core::asCenterGrow)
        alert.SetAlertStyle(a.AlertStyle());
    alert.Colors().SetWindowFrom(a.WindowFrom());
    alert.Colors().SetWindowTo(a.WindowTo());
    alert.Colors().SetCaptionFrom(a.CaptionFrom());
    alert.Colors().SetCaptionTo(a.CaptionTo());
    ApplyFontRecord(a.MessageFont(), alert.Font());
    ApplyFontRecord(a.HeaderFont(), alert.HeaderFont());
    alert.StyleOptions().SetDisplayDuration(AlertDisplayMilliseconds(a));
    alert.Location().SetPosition(core::PositionFromValue(a.AlertPosition()));
    alert.Location().SetLeft(a.AlertLeft());
    alert.Location().SetTop(a.AlertTop());
    alert.Location().SetWidth(std::max(0, a.AlertWidth()));
    alert.Location().SetHeight(std::max(0, a.AlertHeight()));
}

// Height of one line of `font`, for sizing a popup to a list.
int LineHeight(ui::TFont& font) {
    ui::ScopedGetDC dc(nullptr);
    ui::ScopedSelectObject select(dc.get(), font.Handle());
    TEXTMETRICA tm = {};
    if (!::GetTextMetricsA(dc.get(), &tm))
        return 13;
    return int(tm.tmHeight);
}

}  // namespace

win::TDesktopAlert* ShowAlarm(TForm1& form,
                              const core::TAlarmRecord& alarm,
                              std::string* soundError) {
    std::string failedSound;
    auto* alert = new win::TDesktopAlert(&form);
    try {
        alert->OnClose = [&form](ui::TObject*) { DesktopAlert1Close(form); };
        alert->AutoFree = true;
        alert->SetHeaderText(alarm.Title());
        alert->SetMessageText(alarm.ToDoText());
        StyleAlert(form, *alert);
        alert->SetLinkText(kSnoozeLinkText);
        alert->OnLinkClick = [&form, alarm](ui::TObject* sender) {
            form.SnoozeAlarm(alarm, core::TAlarmWatch::kDefaultSnoozeMinutes);
            if (auto* popup = static_cast<win::TDesktopAlert*>(sender)->Popup())
                popup->CloseCommand();
        };
        alert->OnContextMenu = [&form, alarm](ui::TObject* sender, int x, int y) {
            auto* popup = static_cast<win::TDesktopAlert*>(sender)->Popup();
            form.PopupSnoozeMenu(alarm, popup ? popup->Handle() : nullptr, x, y);
        };
        if (!form.SoundPath.empty() && core::FileExists(form.SoundPath)) {
            form.MediaPlayer1->FileName = form.SoundPath;
            form.MediaPlayer1->NotifyWindow = form.Handle();
            try {
                form.MediaPlayer1->Open();
                form.MediaPlayer1->Play();
            } catch (const core::AppError& e) {
                failedSound = e.what();
            }
        }
    } catch (...) {
        delete alert;
        throw;
    }
    alert->Execute();
    if (!failedSound.empty()) {
        if (!soundError)
            throw core::AppError(failedSound);
        if (soundError->empty())
            *soundError = failedSound;
    }
    return alert;
}

std::string MissedAlarmsText(const std::vector<core::TMissedAlarm>& missed,
                             core::TDateTime now,
                             const core::DateFormatSettings& date,
                             const core::TimeFormatSettings& time) {
    std::string text;
    const size_t shown = std::min(missed.size(), kMissedAlarmLines);
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0)
            text += "\r\n";
        text += core::NextAlarmWhen(missed[i].due, now, date, time) + "  " + missed[i].title;
    }
    if (missed.size() > shown)
        text += "\r\nand " + std::to_string(missed.size() - shown) + " more";
    return text;
}

win::TDesktopAlert* ShowMissedAlarms(TForm1& form, const std::vector<core::TMissedAlarm>& missed) {
    auto* alert = new win::TDesktopAlert(&form);
    try {
        alert->AutoFree = true;
        alert->SetHeaderText(kMissedAlarmsHeader);
        StyleAlert(form, *alert);
        // Whoever comes back to the computer reads it: it stays until closed.
        alert->StyleOptions().SetDisplayDuration(0);
        const std::string text =
            MissedAlarmsText(missed, form.Now(), form.DateFormat, form.TimeFormat);
        alert->SetMessageText(text);
        // The design's height is the least; a longer list makes the popup taller.
        const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
        const int designHeight =
            form.Alert.AlertHeight() > 0 ? form.Alert.AlertHeight() : core::kDefaultAlertHeight;
        const int needed =
            13 + LineHeight(alert->HeaderFont()) + lines * LineHeight(alert->Font()) + 8;
        alert->Location().SetHeight(std::max(designHeight, needed));
    } catch (...) {
        delete alert;
        throw;
    }
    alert->Execute();
    return alert;
}

void DesktopAlert1Close(TForm1& form) {
    form.MediaPlayer1->Close();
}

}  // namespace app
