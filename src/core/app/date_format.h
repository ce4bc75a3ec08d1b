#pragma once
// The short date of the user's locale and its day and month names, as the tray tip writes a
// day: "Tue", "12/24/2024", "24.12.2024".
#include <array>
#include <string>

#include "core/common/date_time.h"

namespace core {

struct DateFormatSettings {
    // Sunday first, as DayOfWeek counts.
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string shortDatePicture = "M/d/yyyy";  // LOCALE_SSHORTDATE
};

// The short day name of the date ("" outside the calendar).
std::string ShortDayName(TDateTime date, const DateFormatSettings& settings);

// A date by a Windows date picture: "d"/"dd" the day, "ddd" and longer the short day name,
// "M"/"MM" the month, "MMM" and longer the short month name, "y"/"yy" the year in its
// century, "yyy" and longer the whole year, text in single quotes as it is; the era ("g") is
// left out and every other character stands for itself. "" outside the calendar.
std::string FormatDatePicture(TDateTime date,
                              const std::string& picture,
                              const DateFormatSettings& settings);

}  // namespace core
