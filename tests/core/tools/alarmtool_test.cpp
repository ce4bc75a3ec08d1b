// Runs the real alarmtool binary on files in the test's temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "../alarms/alarm_test_files.h"
#include "core/alarms/alarm_db.h"
#include "core/support/run_command.h"

namespace {

using alarm_test::TempFile;
using core::Bytes;

struct Result {
    int status;
    std::string out;
    std::string err;
};

using testsupport::ShellQuoted;

Result RunTool(const std::vector<std::string>& args) {
    const std::string errPath = std::string(::testing::TempDir()) + "alarmtool_stderr_" +
                                std::to_string(::getpid()) + ".txt";
    std::string command = ShellQuoted(std::string(TOOLS_BIN_DIR) + "/alarmtool");
    for (const auto& a : args)
        command += " " + ShellQuoted(a);
    const testsupport::CommandResult run =
        testsupport::RunCommand(command + " 2>" + ShellQuoted(errPath));
    Result r;
    r.out = run.output;
    r.status = run.status;
    const Bytes err = core::ReadWholeFile(errPath);
    r.err.assign(err.begin(), err.end());
    std::remove(errPath.c_str());
    return r;
}

Result Add(const std::string& path, const std::vector<std::string>& options) {
    std::vector<std::string> args = {"add", path};
    args.insert(args.end(), options.begin(), options.end());
    return RunTool(args);
}

TEST(AlarmTool, AddCreatesAStoreLikeTheClockAndListShowsIt) {
    TempFile file;
    ASSERT_EQ(Add(file.path(), {"--type", "weekly", "--time", "07:30", "--weekday", "Sunday",
                                "--title", "Wake up", "--todo", "coffee\nnews"})
                  .status,
              0);
    ASSERT_EQ(Add(file.path(), {"--type", "once", "--time", "23:59", "--date", "2026-12-31",
                                "--title", "Year end"})
                  .status,
              0);
    ASSERT_EQ(Add(file.path(), {"--type", "monthly", "--time", "12:00", "--date", "2026-01-31",
                                "--title", "Rent"})
                  .status,
              0);
    ASSERT_EQ(Add(file.path(), {"--type", "yearly", "--time", "00:00", "--date", "2024-02-29",
                                "--title", "Leap"})
                  .status,
              0);
    ASSERT_EQ(Add(file.path(), {"--type", "daily", "--time", "22:00", "--title", "Bed"}).status, 0);
    const Bytes bytes = file.Read();
    ASSERT_EQ(bytes.size(), 10 + 5 * core::TAlarmRecord::kSize);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 10),
              Bytes({'Z', 'Q', 'M', 0, 0, 0, 5, 0, 0, 1}));
    core::TAlarmDB db;
    db.LoadFromFile(file.path());
    EXPECT_EQ(db.GetAlarm(0).ToDoText(), "coffee\r\nnews") << "line breaks are stored as CR LF";
    EXPECT_EQ(db.GetAlarm(0).AlarmDate(), 0.0) << "fields the type does not use stay zero";
    EXPECT_EQ(db.GetAlarm(4).WeekDay(), 0);

    const Result list = RunTool({"list", file.path()});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out,
              "Auto run: off\n"
              "Always on top: on\n"
              "Alarms: 5\n"
              "0\tEvery week\t07:30\tSunday\tWake up\tcoffee\\r\\nnews\n"
              "1\tOnce\t23:59\t2026-12-31\tYear end\t\n"
              "2\tEvery month\t12:00\tday 31\tRent\t\n"
              "3\tEvery year\t00:00\t02-29\tLeap\t\n"
              "4\tEvery day\t22:00\t-\tBed\t\n");
}

TEST(AlarmTool, NextListsFiringsInTimeThenStoreOrder) {
    TempFile file;
    Add(file.path(), {"--type", "daily", "--time", "08:00", "--title", "Daily"});
    Add(file.path(),
        {"--type", "weekly", "--time", "08:00", "--weekday", "wednesday", "--title", "Wednesday"});
    Add(file.path(),
        {"--type", "monthly", "--time", "07:00", "--date", "2000-01-31", "--title", "Month end"});
    Add(file.path(),
        {"--type", "once", "--time", "09:15", "--date", "2026-12-08", "--title", "Today"});
    const Result r = RunTool({"next", file.path(), "--from", "2026-12-08 09:15", "--count", "6"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "2026-12-08 09:15 3 Today\n"
              "2026-12-09 08:00 0 Daily\n"
              "2026-12-09 08:00 1 Wednesday\n"
              "2026-12-10 08:00 0 Daily\n"
              "2026-12-11 08:00 0 Daily\n"
              "2026-12-12 08:00 0 Daily\n");
    EXPECT_EQ(RunTool({"next", file.path(), "--from", "2027-02-27 09:00", "--count", "3"}).out,
              "2027-02-28 08:00 0 Daily\n"
              "2027-03-01 08:00 0 Daily\n"
              "2027-03-02 08:00 0 Daily\n");
}

TEST(AlarmTool, MissedListsWhatTheClockOffersForAnUnwatchedSpell) {
    TempFile file;
    Add(file.path(), {"--type", "daily", "--time", "07:10", "--title", "Tea"});
    Add(file.path(), {"--type", "daily", "--time", "07:30", "--title", "Bus"});
    Add(file.path(), {"--type", "daily", "--time", "07:40", "--title", "Now"});
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        // Asleep from 07:00 to 07:40: the current minute rings, it is not missed.
        {{"2026-12-08 07:00", "2026-12-08 07:40"},
         "2026-12-08 07:10 0 Tea\n2026-12-08 07:30 1 Bus\n"},
        // Three days off: the last 24 hours only.
        {{"2026-12-05 07:00", "2026-12-08 07:20"},
         "2026-12-07 07:30 1 Bus\n2026-12-07 07:40 2 Now\n2026-12-08 07:10 0 Tea\n"},
        // Set back an hour: nothing; set back a day: the tracking starts over.
        {{"2026-12-08 08:00", "2026-12-08 07:00"}, ""},
        {{"2026-12-09 08:00", "2026-12-08 07:00"}, ""},
    };
    for (const auto& [span, expected] : cases) {
        const Result r = RunTool({"next", file.path(), "--missed", span[0], span[1]});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, expected) << span[0] << " to " << span[1];
    }
}

TEST(AlarmTool, DeleteRemovesByIndex) {
    TempFile file;
    for (const char* t : {"a", "b", "c"})
        Add(file.path(), {"--type", "daily", "--time", "08:00", "--title", t});
    EXPECT_EQ(RunTool({"delete", file.path(), "0"}).status, 0);
    core::TAlarmDB db;
    db.LoadFromFile(file.path());
    ASSERT_EQ(db.Count(), 2);
    EXPECT_EQ(db.GetAlarm(0).Title(), "b");
    EXPECT_EQ(db.GetAlarm(1).Title(), "c");
    EXPECT_EQ(file.Read().size(), 10 + 2 * core::TAlarmRecord::kSize);
}

TEST(AlarmTool, BadInputIsStatusTwoAndLeavesTheFileAlone) {
    TempFile file;
    Add(file.path(), {"--type", "daily", "--time", "08:00", "--title", "keep"});
    const Bytes before = file.Read();
    const std::string p = file.path();
    const std::vector<std::vector<std::string>> bad = {
        {"add", p, "--type", "hourly", "--time", "08:00", "--title", "x"},
        {"add", p, "--type", "daily", "--time", "24:00", "--title", "x"},
        {"add", p, "--type", "daily", "--time", "8:00", "--title", "x"},
        {"add", p, "--type", "once", "--time", "08:00", "--date", "2026-02-30", "--title", "x"},
        {"add", p, "--type", "once", "--time", "08:00", "--title", "x"},
        {"add", p, "--type", "weekly", "--time", "08:00", "--weekday", "funday", "--title", "x"},
        {"add", p, "--type", "daily", "--time", "08:00", "--weekday", "monday", "--title", "x"},
        {"add", p, "--type", "daily", "--time", "08:00"},
        {"add", p, "--type", "daily", "--time", "08:00", "--title", std::string(65, 't')},
        {"add", p, "--type", "daily", "--time", "08:00", "--title", "x", "--todo",
         std::string(257, 'd')},
        {"add", p, "--type", "daily", "--time", "08:00", "--title", "x", "--colour", "red"},
        {"add", p, "--type", "daily", "--time", "08:00", "--title"},
        {"delete", p, "1"},
        {"delete", p, "-1"},
        {"delete", p, "one"},
        {"next", p, "--from", "2026-12-08"},
        {"next", p, "--from", "2026-12-08 08:00", "--count", "0"},
        {"next", p, "--missed", "2026-12-08 08:00"},
        {"next", p, "--missed", "2026-12-08 08:00", "tomorrow"},
        {"frobnicate", p},
        {},
    };
    for (const auto& args : bad) {
        const Result r = RunTool(args);
        std::string line;
        for (const auto& a : args)
            line += a.substr(0, 20) + " ";
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_FALSE(r.err.empty()) << line;
        EXPECT_EQ(file.Read(), before) << line;
    }
}

TEST(AlarmTool, AFailedSaveIsReportedAndTheFileKept) {
    TempFile file;
    Add(file.path(), {"--type", "daily", "--time", "08:00", "--title", "keep"});
    const Bytes before = file.Read();
    Result r;
    {
        alarm_test::FileSizeLimit limit(before.size());
        r = Add(file.path(), {"--type", "daily", "--time", "09:00", "--title", "x"});
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Stream write error"), std::string::npos) << r.err;
    EXPECT_EQ(file.Read(), before);
    EXPECT_TRUE(file.Temporaries().empty());
    r = Add(file.path() + ".missing/Alarm.sav",
            {"--type", "daily", "--time", "09:00", "--title", "x"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot create file"), std::string::npos) << r.err;
}

TEST(AlarmTool, RefusesFilesThatAreNotAlarmStores) {
    TempFile foreign("_foreign.sav"), shortFile("_short.sav"), missing("_missing.sav");
    foreign.Write(Bytes({'M', 'Z', 0x90, 0, 3, 0, 4, 0, 0, 0, 0xFF, 0xFF}));
    shortFile.Write(Bytes({'Z', 'Q', 'M', 0, 0, 0, 1, 0, 0, 1, 7, 7}));
    for (const TempFile* f : {&foreign, &shortFile}) {
        const Bytes before = f->Read();
        EXPECT_EQ(RunTool({"list", f->path()}).status, 2);
        EXPECT_EQ(RunTool({"delete", f->path(), "0"}).status, 2);
        EXPECT_EQ(RunTool({"next", f->path(), "--from", "2026-12-08 08:00"}).status, 2);
        EXPECT_EQ(Add(f->path(), {"--type", "daily", "--time", "08:00", "--title", "x"}).status, 2);
        EXPECT_EQ(f->Read(), before);
    }
    EXPECT_EQ(RunTool({"list", missing.path()}).status, 2);
    EXPECT_FALSE(core::FileExists(missing.path()));
}

// Whatever a stored record holds, list prints it as text that cannot drive the terminal and
// says when a time or date is no time or date.
TEST(AlarmTool, ListShowsStoredBytesAsWhatTheyAre) {
    TempFile file;
    core::TAlarmDB db;
    db.InitDefaults();
    core::TAlarmRecord r = alarm_test::MakeAlarm(core::atOnce, 8, 0, "\x1b[31mred\x07");
    r.SetAlarmTime(std::numeric_limits<double>::quiet_NaN());
    r.SetAlarmDate(1e300);
    r.SetToDoText("tab\there\x7f");
    db.AddAlarm(r);
    db.SaveToFile(file.path());
    const Result list = RunTool({"list", file.path()});
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("0\tOnce\tno time (nan)\tno date (1.0000000000000001e+300)\t"
                            "\\x1B[31mred\\x07\ttab\\there\\x7F\n"),
              std::string::npos)
        << list.out;
}

TEST(AlarmTool, HelpAndAFolderAreAnsweredPlainly) {
    const Result help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: alarmtool list FILE\n", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("alarmtool next FILE --from"), std::string::npos);
    const std::string folder = ::testing::TempDir();
    const Result r = RunTool({"list", folder});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "alarmtool: \"" + folder + "\" is a folder, not an alarm file\n");
}

}  // namespace
