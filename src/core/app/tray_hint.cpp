#include "core/app/tray_hint.h"

#include "core/alarms/alarm_db.h"

namespace core {
namespace {

constexpr int kDaysOfAWeek = 7;
constexpr char kEllipsis[] = "...";

// One line without the tip's part separator; blanks at both ends dropped.
std::string TipLine(const std::string& text) {
    std::string line = text;
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < ' ' || c == '|')
            c = ' ';
    }
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<TAlarmFiring> NextAlarmAfter(const TAlarmDB& db, TDateTime now) {
    const int64_t minute = MinuteStamp(now);
    if (minute < 0)
        return std::nullopt;
    const std::vector<TAlarmFiring> next = NextFirings(db, MinuteStampToDateTime(minute + 1), 1);
    if (next.empty())
        return std::nullopt;
    return next.front();
}

std::string NextAlarmWhen(TDateTime firing,
                          TDateTime now,
                          const DateFormatSettings& date,
                          const TimeFormatSettings& time) {
    std::string when = ShortDayName(firing, date);
    const int64_t days = MinuteStamp(firing) / kMinutesPerDay - MinuteStamp(now) / kMinutesPerDay;
    if (days >= kDaysOfAWeek)
        when += " " + FormatDatePicture(firing, date.shortDatePicture, date);
    return when + " " + FormatShortTime(firing, time);
}

std::string TrayHintText(const ClockHint& hint, ShellVersion shell) {
    if (!hint.next)
        return hint.clockName;
    const size_t limit = TrayTipLimit(shell);
    std::string text = TrayTipText(NormalizeTrayHint(hint.clockName, shell), shell);
    const std::string when = (text.empty() ? "next: " : " - next: ") + TipLine(hint.next->when);
    if (text.size() + when.size() > limit)
        return text;
    text += when;
    std::string title = TipLine(hint.next->title);
    if (title.empty() || text.size() + 1 >= limit)
        return text;
    const size_t room = limit - text.size() - 1;  // after the blank before the title
    if (title.size() > room) {
        if (room <= sizeof kEllipsis - 1)
            return text;
        title.resize(room - (sizeof kEllipsis - 1));
        title = TipLine(title) + kEllipsis;
    }
    return text + " " + title;
}

}  // namespace core
