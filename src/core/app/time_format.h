#pragma once
// The long time format of the user's locale, as the time display and the alarm list show it:
// the hour ("h" or "hh"), then minutes and seconds, joined by the locale's separator, and in a
// 12-hour locale the morning or afternoon marker after the time or before it, with a blank.
#include <string>

#include "core/common/date_time.h"

namespace core {

struct TimeFormatSettings {
    bool twelveHour = false;        // LOCALE_ITIME "0"
    bool leadingZero = false;       // LOCALE_ITLZERO "1"
    std::string separator = ":";    // LOCALE_STIME
    std::string amSymbol = "AM";    // LOCALE_S1159
    std::string pmSymbol = "PM";    // LOCALE_S2359
    bool markerBeforeTime = false;  // LOCALE_ITIMEMARKPOSN "1"
};

// "9:05:00", "09:05:00", "9:05:00 PM", "PM 9:05:00" ... Only the time of day of `time` counts.
std::string FormatLongTime(TDateTime time, const TimeFormatSettings& settings);
// The same without the seconds: "9:05", "09:05", "9:05 PM", "PM 9:05".
std::string FormatShortTime(TDateTime time, const TimeFormatSettings& settings);

// The long time as the seven-segment display can show it: the marker becomes "A" or "P" (the
// display has glyphs for those two letters alone), its other characters blanks, so the
// display needs as many cells as for the locale's own marker: "9:05:00 P ", "A  9:05:00".
// A "." in the marker stays, because the display counts the text's first "." as no cell.
std::string FormatLedTime(TDateTime time, const TimeFormatSettings& settings);

// The values of the locale as Windows hands them out, as texts (LOCALE_ITIME, LOCALE_ITLZERO,
// LOCALE_STIME, LOCALE_S1159, LOCALE_S2359, LOCALE_ITIMEMARKPOSN). A number that does not read
// counts as 0, so a missing LOCALE_ITIME gives a 12-hour clock as the framework does.
struct LocaleTimeValues {
    std::string iTime, iTLZero, sTime, s1159, s2359, iTimeMarkPosn;
};
TimeFormatSettings TimeFormatFromLocale(const LocaleTimeValues& values);

// Settings from a Windows time format picture such as "h:mm:ss tt", "HH:mm:ss" or
// "tt h:mm:ss": "H"/"HH" 24-hour, "h"/"hh" 12-hour, doubled letters a leading zero, the text
// between hours and minutes the separator (quotes removed; ":" when there is none), a "t"
// before the hour the marker first. The marker texts are not part of a picture.
TimeFormatSettings ParseTimeFormatPicture(const std::string& picture,
                                          const std::string& amSymbol = "AM",
                                          const std::string& pmSymbol = "PM");

}  // namespace core
