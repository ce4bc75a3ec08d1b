#include "win/app/alarm_popup.h"

#include <algorithm>
#include <cstdint>

#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/widgets/alert_placement.h"
#include "win/app/clock_window.h"
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

win::TDesktopAlert* ShowAlarm(TForm1& form,
                              const core::TAlarmRecord& alarm,
                              std::string* soundError) {
    const core::AlertRecord& a = form.Alert;
    std::string failedSound;
    auto* alert = new win::TDesktopAlert(&form);
    try {
        alert->OnClose = [&form](ui::TObject*) { DesktopAlert1Close(form); };
        alert->AutoFree = true;
        alert->SetHeaderText(alarm.Title());
        alert->SetMessageText(alarm.ToDoText());
        // A style the popup does not know keeps the fade it starts with.
        if (a.AlertStyle() <= core::asCenterGrow)
            alert->SetAlertStyle(a.AlertStyle());
        alert->Colors().SetWindowFrom(a.WindowFrom());
        alert->Colors().SetWindowTo(a.WindowTo());
        alert->Colors().SetCaptionFrom(a.CaptionFrom());
        alert->Colors().SetCaptionTo(a.CaptionTo());
        ApplyFontRecord(a.MessageFont(), alert->Font());
        ApplyFontRecord(a.HeaderFont(), alert->HeaderFont());
        alert->StyleOptions().SetDisplayDuration(AlertDisplayMilliseconds(a));
        alert->Location().SetPosition(core::PositionFromValue(a.AlertPosition()));
        alert->Location().SetLeft(a.AlertLeft());
        alert->Location().SetTop(a.AlertTop());
        alert->Location().SetWidth(std::max(0, a.AlertWidth()));
        alert->Location().SetHeight(std::max(0, a.AlertHeight()));
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

void DesktopAlert1Close(TForm1& form) {
    form.MediaPlayer1->Close();
}

}  // namespace app
