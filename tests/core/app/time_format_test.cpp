#include "core/app/time_format.h"

#include <gtest/gtest.h>

namespace {

using core::TimeFormatSettings;

double T(int h, int m, int s) {
    return 46364 + core::EncodeTime(h, m, s, 0);
}

TEST(FormatLongTime, TwelveHourLocaleWithMarkerAfter) {
    const TimeFormatSettings enUS = core::ParseTimeFormatPicture("h:mm:ss tt");
    EXPECT_TRUE(enUS.twelveHour);
    EXPECT_FALSE(enUS.leadingZero);
    EXPECT_FALSE(enUS.markerBeforeTime);
    EXPECT_EQ(core::FormatLongTime(T(9, 5, 0), enUS), "9:05:00 AM");
    EXPECT_EQ(core::FormatLongTime(T(21, 5, 7), enUS), "9:05:07 PM");
    EXPECT_EQ(core::FormatLongTime(T(0, 0, 1), enUS), "12:00:01 AM") << "midnight hour is 12";
    EXPECT_EQ(core::FormatLongTime(T(12, 30, 0), enUS), "12:30:00 PM") << "noon is afternoon";
    EXPECT_EQ(core::FormatLongTime(T(11, 59, 59), enUS), "11:59:59 AM");
    TimeFormatSettings padded = core::ParseTimeFormatPicture("hh:mm:ss tt");
    EXPECT_EQ(core::FormatLongTime(T(9, 5, 0), padded), "09:05:00 AM");
}

TEST(FormatLongTime, TwentyFourHourLocales) {
    const TimeFormatSettings deDE = core::ParseTimeFormatPicture("HH:mm:ss");
    EXPECT_FALSE(deDE.twelveHour);
    EXPECT_EQ(core::FormatLongTime(T(9, 5, 0), deDE), "09:05:00");
    EXPECT_EQ(core::FormatLongTime(T(23, 59, 59), deDE), "23:59:59");
    EXPECT_EQ(core::FormatLongTime(T(0, 0, 0), deDE), "00:00:00");
    const TimeFormatSettings fiFI = core::ParseTimeFormatPicture("H.mm.ss");
    EXPECT_EQ(fiFI.separator, ".");
    EXPECT_EQ(core::FormatLongTime(T(9, 5, 0), fiFI), "9.05.00");
    EXPECT_EQ(core::FormatLongTime(T(18, 0, 9), fiFI), "18.00.09");
}

TEST(FormatLongTime, MarkerBeforeTheTime) {
    // Korean and Chinese mornings and afternoons, in UTF-8 here; the shell hands in the
    // system code page's bytes, which pass through unchanged.
    const TimeFormatSettings koKR = core::ParseTimeFormatPicture(
        "tt h:mm:ss", "\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84");
    EXPECT_TRUE(koKR.markerBeforeTime);
    EXPECT_EQ(core::FormatLongTime(T(9, 5, 0), koKR), "\xEC\x98\xA4\xEC\xA0\x84 9:05:00");
    EXPECT_EQ(core::FormatLongTime(T(15, 5, 0), koKR), "\xEC\x98\xA4\xED\x9B\x84 3:05:00");
    TimeFormatSettings zhCN;
    zhCN.twelveHour = true;
    zhCN.markerBeforeTime = true;
    zhCN.amSymbol = "\xE4\xB8\x8A\xE5\x8D\x88";
    zhCN.pmSymbol = "\xE4\xB8\x8B\xE5\x8D\x88";
    EXPECT_EQ(core::FormatLongTime(T(0, 30, 0), zhCN), "\xE4\xB8\x8A\xE5\x8D\x88 12:30:00");
}

TEST(FormatLongTime, SettingsFilledFieldByField) {
    TimeFormatSettings s;
    s.twelveHour = true;
    s.amSymbol = "";
    s.pmSymbol = "";
    EXPECT_EQ(core::FormatLongTime(T(14, 0, 0), s), "2:00:00") << "no stray blank";
    s.separator = " h ";
    s.twelveHour = false;
    EXPECT_EQ(core::FormatLongTime(T(14, 0, 0), s), "14 h 00 h 00");
    EXPECT_EQ(core::FormatLongTime(-1.75, TimeFormatSettings()), "18:00:00")
        << "a negative value's time is its fraction's magnitude";
    EXPECT_EQ(core::FormatLongTime(core::EncodeTime(10, 30, 59, 999) + 0.4 / 86400000,
                                   TimeFormatSettings()),
              "10:30:59");
}

TEST(TimeFormatFromLocale, ReadsTheLocaleValues) {
    const TimeFormatSettings enUS = core::TimeFormatFromLocale({"0", "0", ":", "AM", "PM", "0"});
    EXPECT_EQ(core::FormatLongTime(T(13, 4, 5), enUS), "1:04:05 PM");
    const TimeFormatSettings deDE = core::TimeFormatFromLocale({"1", "1", ":", "", "", "0"});
    EXPECT_EQ(core::FormatLongTime(T(7, 4, 5), deDE), "07:04:05");
    const TimeFormatSettings koKR = core::TimeFormatFromLocale({"0", "0", ":", "AM", "PM", "1"});
    EXPECT_EQ(core::FormatLongTime(T(0, 4, 5), koKR), "AM 12:04:05");
    const TimeFormatSettings odd = core::TimeFormatFromLocale({"x", "", "", "a", "p", "junk"});
    EXPECT_TRUE(odd.twelveHour) << "an unreadable number counts as 0";
    EXPECT_EQ(core::FormatLongTime(T(23, 0, 0), odd), "11:00:00 p");
}

TEST(ParseTimeFormatPicture, ReadsQuotedSeparatorsAndDefaults) {
    const TimeFormatSettings quoted = core::ParseTimeFormatPicture("HH' h 'mm' min 'ss");
    EXPECT_EQ(quoted.separator, " h ");
    EXPECT_TRUE(quoted.leadingZero);
    const TimeFormatSettings bare = core::ParseTimeFormatPicture("Hmmss");
    EXPECT_EQ(bare.separator, ":");
    const TimeFormatSettings empty = core::ParseTimeFormatPicture("");
    EXPECT_FALSE(empty.twelveHour);
    EXPECT_EQ(core::FormatLongTime(T(7, 8, 9), empty), "7:08:09");
    const TimeFormatSettings unterminated = core::ParseTimeFormatPicture("h'");
    EXPECT_TRUE(unterminated.twelveHour);
}

TEST(FormatLedTime, TheMarkerBecomesALetterTheDisplayCanShowInAsManyCells) {
    TimeFormatSettings enUS = core::ParseTimeFormatPicture("h:mm:ss tt");
    TimeFormatSettings dotted = enUS;
    dotted.amSymbol = "a.m.";
    dotted.pmSymbol = "p.m.";
    // Korean morning and afternoon in UTF-8, marker first.
    const TimeFormatSettings koKR = core::ParseTimeFormatPicture(
        "tt h:mm:ss", "\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84");
    const TimeFormatSettings deDE = core::ParseTimeFormatPicture("HH:mm:ss");
    const struct {
        const TimeFormatSettings& format;
        double time;
        const char* led;
    } cases[] = {
        {enUS, T(23, 30, 0), "11:30:00 P "},  {enUS, T(11, 30, 0), "11:30:00 A "},
        {enUS, T(0, 5, 9), "12:05:09 A "},    {dotted, T(13, 0, 0), "1:00:00 P. ."},
        {koKR, T(9, 5, 0), "A      9:05:00"}, {koKR, T(15, 5, 0), "P      3:05:00"},
        {deDE, T(23, 30, 0), "23:30:00"},
    };
    for (const auto& c : cases) {
        const std::string led = core::FormatLedTime(c.time, c.format);
        EXPECT_EQ(led, c.led);
        EXPECT_EQ(led.size(), core::FormatLongTime(c.time, c.format).size());
    }
}

TEST(FormatShortTime, LeavesOutTheSeconds) {
    EXPECT_EQ(core::FormatShortTime(T(19, 5, 59), core::ParseTimeFormatPicture("h:mm:ss tt")),
              "7:05 PM");
    EXPECT_EQ(core::FormatShortTime(T(7, 5, 0), core::ParseTimeFormatPicture("tt hh:mm:ss")),
              "AM 07:05");
    EXPECT_EQ(core::FormatShortTime(T(7, 5, 0), core::ParseTimeFormatPicture("H.mm.ss")), "7.05");
}

}  // namespace
