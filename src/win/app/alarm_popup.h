#pragma once
// A due alarm becomes a desktop alert styled by the design, with the design's sound.
#include <string>

#include "core/alarms/alarm_record.h"
#include "core/app/clock_design.h"
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

// Every popup's OnClose: stops the sound for all of them.
void DesktopAlert1Close(TForm1& form);

}  // namespace app
