#include "win/app/local_time.h"

#include <windows.h>

namespace app {
namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
    char buffer[128] = {0};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) <= 0)
        return fallback;
    return buffer;
}

}  // namespace

core::TDateTime LocalNow() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return core::EncodeDate(st.wYear, st.wMonth, st.wDay) +
           core::EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
}

core::TimeFormatSettings UserTimeFormat() {
    core::TimeFormatSettings s = core::ParseTimeFormatPicture(
        LocaleText(LOCALE_STIMEFORMAT, "h:mm:ss"), LocaleText(LOCALE_S1159, "AM"),
        LocaleText(LOCALE_S2359, "PM"));
    return s;
}

core::DateFormatSettings UserDateFormat() {
    core::DateFormatSettings s;
    // The locale counts its days from Monday; the settings from Sunday.
    for (int day = 0; day < 7; ++day)
        s.shortDayNames[size_t((day + 1) % 7)] = LocaleText(
            LCTYPE(LOCALE_SABBREVDAYNAME1 + day), s.shortDayNames[size_t((day + 1) % 7)].c_str());
    for (int month = 0; month < 12; ++month)
        s.shortMonthNames[size_t(month)] = LocaleText(LCTYPE(LOCALE_SABBREVMONTHNAME1 + month),
                                                      s.shortMonthNames[size_t(month)].c_str());
    s.shortDatePicture = LocaleText(LOCALE_SSHORTDATE, s.shortDatePicture.c_str());
    return s;
}

}  // namespace app
