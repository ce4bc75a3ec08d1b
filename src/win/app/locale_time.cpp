#include "win/app/locale_time.h"

#include <windows.h>

#include <string>

namespace app {
namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
    char buffer[80] = {0};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) <= 0) return fallback;
    return buffer;
}

}  // namespace

core::TimeFormatSettings LocaleTimeFormat() {
    return core::ParseTimeFormatPicture(LocaleText(LOCALE_STIMEFORMAT, "h:mm:ss"),
                                        LocaleText(LOCALE_S1159, "AM"),
                                        LocaleText(LOCALE_S2359, "PM"));
}

}  // namespace app
