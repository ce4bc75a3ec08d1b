#pragma once
// A due alarm becomes a desktop alert styled by the design, with the design's sound.
#include <cstddef>
#include <string>
#include <vector>

#include "core/alarms/alarm_record.h"
#include "core/alarms/alarm_watch.h"
#include "core/app/clock_design.h"
#include "core/app/date_format.h"
#include "core/app/time_format.h"
#include "win/ui/graphics.h"

namespace win {
class TDesktopAlert;
}  // namespace win

namespace app {

class TForm1;

// Copies a stored font into a framework font: Charset, Color, Height, Name, Pitch, Size and
// Style in this order, so the stored Size decides the final size.
void ApplyFontRecord(const core::FontRecord& record, ui::TFont& font);

// Display time of a popup in milliseconds: the stored seconds when UseDuration is set (a
// negative count is 0, a huge one is capped), otherwise 0 (stays until closed).
uint32_t AlertDisplayMilliseconds(const core::AlertRecord& alert);

// Creates, styles and shows the popup of one alarm; plays the sound first when the sound file
// exists. A sound that cannot be opened does not cost the alarm: the popup is shown without
// sound and the error text goes to `soundError` (kept when it already holds one), so that the
// tick tests the rest of its alarms and reports it once; without `soundError` it is thrown
// after the popup is shown.
win::TDesktopAlert* ShowAlarm(TForm1& form,
                              const core::TAlarmRecord& alarm,
                              std::string* soundError = nullptr);

// The link every alarm popup carries in its message area (a click snoozes for the default
// time; a right click on the popup offers the other times), and the missed-alarms popup.
constexpr char kSnoozeLinkText[] = "Snooze";
constexpr char kMissedAlarmsHeader[] = "Missed alarms";
constexpr size_t kMissedAlarmLines = 12;

// One line per missed alarm, "Tue 7:30 AM  Wake up", oldest first; past kMissedAlarmLines
// the rest are counted ("and 3 more").
std::string MissedAlarmsText(const std::vector<core::TMissedAlarm>& missed,
                             core::TDateTime now,
                             const core::DateFormatSettings& date,
                             const core::TimeFormatSettings& time);

// The one silent popup that lists what fell due unwatched, in the design's style, staying
// until closed and growing taller than the design's popup when the list needs it.
win::TDesktopAlert* ShowMissedAlarms(TForm1& form, const std::vector<core::TMissedAlarm>& missed);

// Every popup's OnClose: stops the sound for all of them.
void DesktopAlert1Close(TForm1& form);

}  // namespace app
