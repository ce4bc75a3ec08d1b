// alarmtool: lists, adds and deletes the alarms of an alarm file and tells when they fall due.
//   alarmtool list FILE
//   alarmtool add FILE --type once|daily|weekly|monthly|yearly --time HH:MM [--date YYYY-MM-DD]
//                      [--weekday sunday..saturday] --title TEXT [--todo TEXT]
//   alarmtool delete FILE INDEX
//   alarmtool next FILE --from "YYYY-MM-DD HH:MM" [--count N]
//   alarmtool next FILE --missed "YYYY-MM-DD HH:MM" "YYYY-MM-DD HH:MM"
//   alarmtool --help
// Bad input ends with a message and status 2, leaving the file untouched; a failed save ends
// with status 1.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_forecast.h"
#include "core/alarms/alarm_record.h"
#include "core/alarms/alarm_schedule.h"
#include "core/alarms/alarm_watch.h"
#include "core/common/date_time.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/common/text.h"

namespace {

constexpr int kBadInput = 2;
constexpr int kFailed = 1;

// Input the user has to correct; reported with status 2.
struct UsageError {
    std::string text;
};

const char kUsage[] =
    "usage: alarmtool list FILE\n"
    "       alarmtool add FILE --type once|daily|weekly|monthly|yearly --time HH:MM\n"
    "                 [--date YYYY-MM-DD] [--weekday sunday..saturday] --title TEXT\n"
    "                 [--todo TEXT]\n"
    "       alarmtool delete FILE INDEX\n"
    "       alarmtool next FILE --from \"YYYY-MM-DD HH:MM\" [--count N]\n"
    "       alarmtool next FILE --missed \"YYYY-MM-DD HH:MM\" \"YYYY-MM-DD HH:MM\"\n"
    "       alarmtool --help\n"
    "FILE is an alarm file (Alarm.sav); add makes it when it is missing. --date goes with\n"
    "once (the day), monthly (its day of the month) and yearly (its month and day); --weekday\n"
    "with weekly. list prints the options, then one line per alarm: index, type, time, day,\n"
    "title and to-do text, with control characters escaped (\\n, \\xHH). next prints\n"
    "date, time, index and title of each firing; with --missed, of what the clock offers as\n"
    "missed when it last tested the first minute and looks again in the second one.\n";

const char* const kTypeWords[] = {"once", "daily", "weekly", "monthly", "yearly"};
const char* const kWeekDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

// Options after the file (and index), "--name value" pairs; each name at most once.
std::map<std::string, std::string> ParseOptions(const std::vector<std::string>& args,
                                                size_t first,
                                                const std::vector<std::string>& allowed) {
    std::map<std::string, std::string> options;
    for (size_t i = first; i < args.size(); i += 2) {
        const std::string& name = args[i];
        bool known = false;
        for (const auto& a : allowed)
            known = known || name == "--" + a;
        if (!known)
            throw UsageError{"unknown option \"" + name + "\""};
        if (i + 1 >= args.size())
            throw UsageError{"option " + name + " needs a value"};
        if (!options.emplace(name.substr(2), args[i + 1]).second)
            throw UsageError{"option " + name + " given twice"};
    }
    return options;
}

// Loads an existing alarm file, refusing anything that is not one.
core::TAlarmDB LoadStore(const std::string& path) {
    if (!core::FileExists(path)) {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec))
            throw UsageError{"\"" + path + "\" is a folder, not an alarm file"};
        throw UsageError{"no alarm file \"" + path + "\""};
    }
    core::TAlarmDB db;
    try {
        db.LoadFromFile(path);
    } catch (const core::StreamError&) {
        throw UsageError{"\"" + path + "\" is not an alarm file (it is cut short)"};
    } catch (const core::FileError& e) {
        throw UsageError{e.what()};
    }
    if (db.ForeignFile())
        throw UsageError{"\"" + path + "\" is not an alarm file"};
    return db;
}

// A stored value that is no time or date is shown as the number it is, never as a time.
std::string Undecodable(const char* what, double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return std::string("no ") + what + " (" + text + ")";
}

std::string TimeText(double time) {
    int h, m, s, ms;
    return core::TryDecodeTime(time, h, m, s, ms) ? core::FormatHourMinute(time)
                                                  : Undecodable("time", time);
}

// The date or week day that the alarm's type uses.
std::string DayText(const core::TAlarmRecord& alarm) {
    const double date = alarm.AlarmDate();
    int y, m, d;
    const bool usesDate = alarm.AlarmType() == core::atOnce ||
                          alarm.AlarmType() == core::atEveryMonth ||
                          alarm.AlarmType() == core::atEveryYear;
    if (usesDate && !core::TryDecodeDate(date, y, m, d))
        return Undecodable("date", date);
    switch (alarm.AlarmType()) {
        case core::atOnce:
            return core::FormatIsoDate(date);
        case core::atEveryDay:
            return "-";
        case core::atEveryWeek:
            return alarm.WeekDay() < 7 ? kWeekDayNames[alarm.WeekDay()] : "no day";
        case core::atEveryMonth:
            return "day " + core::FormatIsoDate(date).substr(8);
        case core::atEveryYear:
            return core::FormatIsoDate(date).substr(5);
        default:
            return "-";
    }
}

int List(const std::vector<std::string>& args) {
    if (args.size() != 2)
        throw UsageError{"usage: alarmtool list FILE"};
    const core::TAlarmDB db = LoadStore(args[1]);
    std::printf("Auto run: %s\n", db.AutoRun() ? "on" : "off");
    std::printf("Always on top: %s\n", db.ShowOnTip() ? "on" : "off");
    std::printf("Alarms: %u\n", unsigned(db.Count()));
    for (unsigned i = 0; i < db.Count(); ++i) {
        const core::TAlarmRecord alarm = db.GetAlarm(i);
        std::string type = core::AlarmTypeName(alarm.AlarmType());
        if (type.empty())
            type = "Unknown type " + std::to_string(alarm.AlarmType());
        std::printf("%u\t%s\t%s\t%s\t%s\t%s\n", i, type.c_str(),
                    TimeText(alarm.AlarmTime()).c_str(), DayText(alarm).c_str(),
                    core::EscapedText(alarm.Title()).c_str(),
                    core::EscapedText(alarm.ToDoText()).c_str());
    }
    return 0;
}

// Line breaks are stored as CR LF.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

core::TAlarmRecord AlarmFromOptions(const std::map<std::string, std::string>& options) {
    auto need = [&](const char* name) -> const std::string& {
        auto it = options.find(name);
        if (it == options.end())
            throw UsageError{std::string("missing --") + name};
        return it->second;
    };
    core::TAlarmRecord alarm;
    const std::string typeWord = Lower(need("type"));
    int type = -1;
    for (int t = 0; t < 5; ++t)
        if (typeWord == kTypeWords[t])
            type = t;
    if (type < 0)
        throw UsageError{"unknown alarm type \"" + typeWord + "\""};
    alarm.SetAlarmType(uint8_t(type));

    int hour, minute;
    if (!core::ParseHourMinute(need("time"), hour, minute))
        throw UsageError{"bad time \"" + need("time") + "\" (want HH:MM)"};
    alarm.SetAlarmTime(core::EncodeTime(hour, minute, 0, 0));

    const bool usesDate =
        type == core::atOnce || type == core::atEveryMonth || type == core::atEveryYear;
    if (usesDate) {
        double date;
        if (!core::ParseIsoDate(need("date"), date))
            throw UsageError{"bad date \"" + need("date") + "\" (want YYYY-MM-DD)"};
        alarm.SetAlarmDate(date);
    } else if (options.count("date")) {
        throw UsageError{"--date does not apply to type " + typeWord};
    }

    if (type == core::atEveryWeek) {
        const std::string day = Lower(need("weekday"));
        int found = -1;
        for (int d = 0; d < 7; ++d)
            if (day == Lower(kWeekDayNames[d]))
                found = d;
        if (found < 0)
            throw UsageError{"unknown week day \"" + day + "\""};
        alarm.SetWeekDay(uint16_t(found));
    } else if (options.count("weekday")) {
        throw UsageError{"--weekday does not apply to type " + typeWord};
    }

    if (!alarm.SetTitle(need("title")))
        throw UsageError{"the title is longer than 64 characters"};
    auto todo = options.find("todo");
    if (todo != options.end() && !alarm.SetToDoText(WithCrLf(todo->second)))
        throw UsageError{"the to-do text is longer than 256 characters"};
    return alarm;
}

int Add(const std::vector<std::string>& args) {
    if (args.size() < 2)
        throw UsageError{"usage: alarmtool add FILE --type ... --time HH:MM"};
    const std::string& path = args[1];
    const core::TAlarmRecord alarm = AlarmFromOptions(
        ParseOptions(args, 2, {"type", "time", "date", "weekday", "title", "todo"}));
    core::TAlarmDB db;
    if (core::FileExists(path)) {
        db = LoadStore(path);
    } else {
        // A first start of the clock does the same.
        db.InitDefaults();
    }
    try {
        db.AddAlarm(alarm);
    } catch (const core::AppError& e) {
        throw UsageError{e.what()};
    }
    db.SaveToFile(path);
    std::printf("added alarm %u\n", unsigned(db.Count() - 1));
    return 0;
}

bool ParseIndex(const std::string& text, unsigned long& index) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    index = std::strtoul(text.c_str(), nullptr, 10);
    return true;
}

int Delete(const std::vector<std::string>& args) {
    if (args.size() != 3)
        throw UsageError{"usage: alarmtool delete FILE INDEX"};
    core::TAlarmDB db = LoadStore(args[1]);
    unsigned long index;
    if (!ParseIndex(args[2], index) || index >= db.Count())
        throw UsageError{"no alarm with index \"" + args[2] + "\" (the file holds " +
                         std::to_string(db.Count()) + ")"};
    db.DeleteAlarm(unsigned(index));
    db.SaveToFile(args[1]);
    return 0;
}

// "YYYY-MM-DD HH:MM" at second 0.
double ParseMinute(const std::string& option, const std::string& text) {
    double date;
    int hour, minute;
    if (text.size() != 16 || text[10] != ' ' || !core::ParseIsoDate(text.substr(0, 10), date) ||
        !core::ParseHourMinute(text.substr(11), hour, minute))
        throw UsageError{"bad " + option + " \"" + text + "\" (want \"YYYY-MM-DD HH:MM\")"};
    return core::ComposeDateTime(date, core::EncodeTime(hour, minute, 0, 0));
}

void PrintFiring(const core::TAlarmDB& db, const core::TAlarmFiring& f) {
    std::printf("%s %s %u %s\n", core::FormatIsoDate(f.when).c_str(),
                core::FormatHourMinute(f.when).c_str(), unsigned(f.index),
                core::EscapedText(db.GetAlarm(f.index).Title()).c_str());
}

// The clock's own rule: its tracker, resumed from the first minute, looks again at the second.
int Missed(const std::vector<std::string>& args) {
    if (args.size() != 5)
        throw UsageError{
            "usage: alarmtool next FILE --missed \"YYYY-MM-DD HH:MM\" "
            "\"YYYY-MM-DD HH:MM\""};
    const double from = ParseMinute("--missed", args[3]);
    const double to = ParseMinute("--missed", args[4]);
    const core::TAlarmDB db = LoadStore(args[1]);
    core::TMinuteTracker tracker;
    tracker.ResumeFrom(core::MinuteStamp(from));
    const core::TMinuteCheck check = tracker.Check(to);
    for (const core::TAlarmFiring& f : core::MissedFirings(db, check.missedFirst, check.missedLast))
        PrintFiring(db, f);
    return 0;
}

int Next(const std::vector<std::string>& args) {
    if (args.size() < 2)
        throw UsageError{"usage: alarmtool next FILE --from \"YYYY-MM-DD HH:MM\""};
    if (args.size() > 2 && args[2] == "--missed")
        return Missed(args);
    const auto options = ParseOptions(args, 2, {"from", "count"});
    auto from = options.find("from");
    if (from == options.end())
        throw UsageError{"missing --from"};
    const double start = ParseMinute("--from", from->second);
    unsigned long count = 1;
    auto c = options.find("count");
    if (c != options.end() && (!ParseIndex(c->second, count) || count == 0))
        throw UsageError{"bad --count \"" + c->second + "\""};
    const core::TAlarmDB db = LoadStore(args[1]);
    // Streamed: a large count over a full store would not fit in memory as one list.
    unsigned long printed = 0;
    core::ForEachFiring(db, start, 10, [&](const core::TAlarmFiring& f) {
        PrintFiring(db, f);
        return ++printed < count;
    });
    return 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"usage: alarmtool list|add|delete|next FILE ... (alarmtool --help)"};
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "list")
        return List(args);
    if (command == "add")
        return Add(args);
    if (command == "delete")
        return Delete(args);
    if (command == "next")
        return Next(args);
    throw UsageError{"unknown command \"" + command + "\""};
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return Run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "alarmtool: %s\n", e.text.c_str());
        return kBadInput;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "alarmtool: %s\n", e.what());
        return kFailed;
    }
}
