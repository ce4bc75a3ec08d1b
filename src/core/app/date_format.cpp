#include "core/app/date_format.h"

#include <cstdio>

#include "core/app/format_picture.h"

namespace core {

std::string ShortDayName(TDateTime date, const DateFormatSettings& settings) {
    const int day = DayOfWeek(date);
    return day == 0 ? std::string() : settings.shortDayNames[size_t(day - 1)];
}

std::string FormatDatePicture(TDateTime date,
                              const std::string& picture,
                              const DateFormatSettings& settings) {
    int year, month, day;
    if (!TryDecodeDate(date, year, month, day))
        return {};
    auto number = [](int value, bool twoDigits) {
        char digits[8];
        std::snprintf(digits, sizeof digits, twoDigits ? "%02d" : "%d", value);
        return std::string(digits);
    };
    std::string text;
    ForEachPictureToken(picture, [&](const PictureToken& t) {
        if (t.quoted)
            text += t.text;
        else if (t.letter == 'd')
            text += t.run >= 3 ? ShortDayName(date, settings) : number(day, t.run == 2);
        else if (t.letter == 'M')
            text += t.run >= 3 ? settings.shortMonthNames[size_t(month - 1)]
                               : number(month, t.run == 2);
        else if (t.letter == 'y')
            text += t.run >= 3 ? number(year, false) : number(year % 100, t.run == 2);
        else if (t.letter != 'g')
            text.append(t.run, t.letter);
    });
    return text;
}

}  // namespace core
