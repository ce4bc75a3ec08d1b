#pragma once
// The clock's tray tip: the design's name and, while an alarm is set, when it rings next:
// "Sample Clock - next: Tue 7:30 AM Wake up". Without a coming alarm the name alone.
#include <optional>
#include <string>

#include "core/alarms/alarm_forecast.h"
#include "core/app/date_format.h"
#include "core/app/time_format.h"
#include "core/common/date_time.h"
#include "core/widgets/tray_rules.h"

namespace core {

class TAlarmDB;

struct NextAlarmTip {
    std::string when;   // "Tue 7:30 AM"
    std::string title;  // the alarm's title as stored
};

// What the tip is made of; the text itself depends on the shell's tip rules (TrayHintText).
struct ClockHint {
    std::string clockName;
    std::optional<NextAlarmTip> next;
};

// The first firing after the minute of `now`: that minute's alarms have had their turn at its
// second 0 (or, on a clock started later in the minute, are not rung at all).
std::optional<TAlarmFiring> NextAlarmAfter(const TAlarmDB& db, TDateTime now);

// The day and the time of a firing in the user's locale: "Tue 7:30 AM", "Di 07:30". A firing a
// week or more after `now` also gets its short date ("Tue 12/24/2024 7:30 AM"), since the day
// name alone would read as the coming one.
std::string NextAlarmWhen(TDateTime firing,
                          TDateTime now,
                          const DateFormatSettings& date,
                          const TimeFormatSettings& time);

// The hint handed to the tray icon. Without a next alarm it is the name as it stands, which
// the icon's rules cut as always. With one, the result already obeys those rules (the name's
// short part, one line on older shells, the tip's length): the title is cut to the room left,
// ending in "...", and dropped when not even one character of it fits; line breaks, tabs and
// the "|" that would end the tip become blanks in the title.
std::string TrayHintText(const ClockHint& hint, ShellVersion shell);

}  // namespace core
