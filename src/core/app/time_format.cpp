#include "core/app/time_format.h"

#include <cstdio>

namespace core {

std::string FormatLongTime(TDateTime time, const TimeFormatSettings& settings) {
    int hour, minute, second, msec;
    DecodeTime(time, hour, minute, second, msec);
    const bool afternoon = hour >= 12;
    if (settings.twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    char digits[8];
    std::string text;
    std::snprintf(digits, sizeof digits, settings.leadingZero ? "%02d" : "%d", hour);
    text += digits;
    std::snprintf(digits, sizeof digits, "%02d", minute);
    text += settings.separator + digits;
    std::snprintf(digits, sizeof digits, "%02d", second);
    text += settings.separator + digits;
    if (!settings.twelveHour)
        return text;
    const std::string& marker = afternoon ? settings.pmSymbol : settings.amSymbol;
    // A locale without marker texts would otherwise leave a stray blank.
    if (marker.empty())
        return text;
    return settings.markerBeforeTime ? marker + " " + text : text + " " + marker;
}

namespace {

// Whole decimal text, else 0.
int NumberOr0(const std::string& text) {
    if (text.empty() || text.size() > 6)
        return 0;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

TimeFormatSettings TimeFormatFromLocale(const LocaleTimeValues& values) {
    TimeFormatSettings settings;
    settings.twelveHour = NumberOr0(values.iTime) == 0;
    settings.leadingZero = NumberOr0(values.iTLZero) != 0;
    // An empty separator would run the digits together.
    settings.separator = values.sTime.empty() ? ":" : values.sTime;
    settings.amSymbol = values.s1159;
    settings.pmSymbol = values.s2359;
    settings.markerBeforeTime = NumberOr0(values.iTimeMarkPosn) != 0;
    return settings;
}

TimeFormatSettings ParseTimeFormatPicture(const std::string& picture,
                                          const std::string& amSymbol,
                                          const std::string& pmSymbol) {
    TimeFormatSettings settings;
    settings.amSymbol = amSymbol;
    settings.pmSymbol = pmSymbol;
    bool seenHour = false, seenMinute = false, seenMarker = false;
    std::string between;  // literal text after the hour, up to the minutes
    for (size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '\'') {
            const size_t end = picture.find('\'', i + 1);
            const size_t stop = end == std::string::npos ? picture.size() : end;
            if (seenHour && !seenMinute)
                between += picture.substr(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        if ((c == 'h' || c == 'H') && !seenHour) {
            seenHour = true;
            settings.twelveHour = c == 'h';
            settings.leadingZero = run >= 2;
            settings.markerBeforeTime = seenMarker;
        } else if (c == 'm' && seenHour && !seenMinute) {
            seenMinute = true;
        } else if (c == 't') {
            seenMarker = true;
        } else if (seenHour && !seenMinute) {
            between.append(run, c);
        }
        i += run;
    }
    if (!between.empty())
        settings.separator = between;
    return settings;
}

}  // namespace core
