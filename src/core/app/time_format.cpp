#include "core/app/time_format.h"

#include <cstdio>

#include "core/app/format_picture.h"

namespace core {

namespace {

// The marker as it stands in the text, given whether the time is in the afternoon.
using MarkerText = std::string (*)(const std::string& marker, bool afternoon);

std::string LocaleMarker(const std::string& marker, bool) {
    return marker;
}

std::string LedMarker(const std::string& marker, bool afternoon) {
    std::string led = marker;
    bool lettered = false;
    for (char& c : led) {
        if (c == '.' || c == ' ')
            continue;
        c = lettered ? ' ' : (afternoon ? 'P' : 'A');
        lettered = true;
    }
    return led;
}

std::string ComposeTime(TDateTime time,
                        const TimeFormatSettings& settings,
                        bool withSeconds,
                        MarkerText markerText) {
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
    if (withSeconds) {
        std::snprintf(digits, sizeof digits, "%02d", second);
        text += settings.separator + digits;
    }
    if (!settings.twelveHour)
        return text;
    const std::string marker =
        markerText(afternoon ? settings.pmSymbol : settings.amSymbol, afternoon);
    // A locale without marker texts would otherwise leave a stray blank.
    if (marker.empty())
        return text;
    return settings.markerBeforeTime ? marker + " " + text : text + " " + marker;
}

}  // namespace

std::string FormatLongTime(TDateTime time, const TimeFormatSettings& settings) {
    return ComposeTime(time, settings, true, LocaleMarker);
}

std::string FormatShortTime(TDateTime time, const TimeFormatSettings& settings) {
    return ComposeTime(time, settings, false, LocaleMarker);
}

std::string FormatLedTime(TDateTime time, const TimeFormatSettings& settings) {
    return ComposeTime(time, settings, true, LedMarker);
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
    ForEachPictureToken(picture, [&](const PictureToken& t) {
        const bool betweenParts = seenHour && !seenMinute;
        const char c = t.letter;
        if (t.quoted) {
            if (betweenParts)
                between += t.text;
        } else if ((c == 'h' || c == 'H') && !seenHour) {
            seenHour = true;
            settings.twelveHour = c == 'h';
            settings.leadingZero = t.run >= 2;
            settings.markerBeforeTime = seenMarker;
        } else if (c == 'm' && betweenParts) {
            seenMinute = true;
        } else if (c == 't') {
            seenMarker = true;
        } else if (betweenParts) {
            between.append(t.run, c);
        }
    });
    if (!between.empty())
        settings.separator = between;
    return settings;
}

}  // namespace core
