#include "core/alarms/alarm_db.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "alarm_test_files.h"
#include "core/alarms/alarm_schedule.h"
#include "core/common/errors.h"

namespace {

using alarm_test::MakeAlarm;
using alarm_test::TempFile;
using core::Bytes;
using core::TAlarmDB;
using core::TAlarmRecord;

constexpr size_t kRec = TAlarmRecord::kSize;

Bytes Header(uint16_t count, uint8_t autoRun = 0, uint8_t onTip = 1, uint8_t fifth = 0) {
    return {'Z', 'Q', 'M', 0, fifth, 0, uint8_t(count), uint8_t(count >> 8), autoRun, onTip};
}

Bytes FileOf(const Bytes& header, const std::vector<TAlarmRecord>& records) {
    Bytes out = header;
    for (const auto& r : records)
        out.insert(out.end(), r.data(), r.data() + kRec);
    return out;
}

// The clock's start-up sequence.
void OpenLikeTheClock(TAlarmDB& db, const std::string& path) {
    if (!core::FileExists(path)) {
        db.InitDefaults();
        db.SaveToFile(path);
    }
    db.LoadFromFile(path);
}

TEST(AlarmRecord, FieldsSitAtTheirOffsets) {
    TAlarmRecord r;
    for (uint8_t b : r.bytes())
        ASSERT_EQ(b, 0) << "a new record is all zero";
    r.SetAlarmType(4);
    r.SetAlarmTime(0.5);
    r.SetAlarmDate(46364.0);
    r.SetWeekDay(0xABCD);
    r.SetTitle("T");
    r.SetToDoText("D");
    const uint8_t* p = r.data();
    EXPECT_EQ(p[0], 4);
    EXPECT_EQ(core::GetF64(p + 8), 0.5);
    EXPECT_EQ(core::GetF64(p + 16), 46364.0);
    EXPECT_EQ(p[24], 0xCD);
    EXPECT_EQ(p[25], 0xAB);
    EXPECT_EQ(p[26], 'T');
    EXPECT_EQ(p[90], 'D');
    for (size_t i : {1, 2, 3, 4, 5, 6, 7, 346, 347, 348, 349, 350, 351})
        EXPECT_EQ(p[i], 0) << i;
    EXPECT_EQ(r.AlarmType(), 4);
    EXPECT_EQ(r.WeekDay(), 0xABCD);
    EXPECT_STREQ(core::AlarmTypeName(0), "Once");
    EXPECT_STREQ(core::AlarmTypeName(4), "Every year");
    EXPECT_STREQ(core::AlarmTypeName(5), "");
}

TEST(AlarmRecord, TextsAreCutToTheirFieldsAndKeepOldTails) {
    TAlarmRecord r;
    const std::string title64(64, 'x');
    EXPECT_TRUE(r.SetTitle(title64));
    EXPECT_EQ(r.data()[26 + 63], 'x');
    EXPECT_EQ(r.data()[90], 0) << "no terminator spills into the to-do text";
    EXPECT_EQ(r.Title(), title64);
    EXPECT_FALSE(r.SetTitle(std::string(65, 'y')));
    EXPECT_EQ(r.Title(), std::string(64, 'y'));
    r.SetTitle("short");
    EXPECT_EQ(r.Title(), "short");
    EXPECT_EQ(r.data()[26 + 6], 'y') << "the tail of the longer title stays";
    EXPECT_FALSE(r.SetToDoText(std::string(300, 'd')));
    EXPECT_EQ(r.ToDoText().size(), 256u);
    EXPECT_EQ(r.data()[346], 0) << "padding untouched";
}

TEST(AlarmStore, StartsEmptyAndFirstStartWritesTheDefaults) {
    TempFile file;
    TAlarmDB db;
    for (uint8_t b : db.Header())
        EXPECT_EQ(b, 0);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_FALSE(db.ShowOnTip());
    OpenLikeTheClock(db, file.path());
    EXPECT_EQ(file.Read(), Bytes({'Z', 'Q', 'M', 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(db.Count(), 0);
    EXPECT_FALSE(db.AutoRun());
    EXPECT_TRUE(db.ShowOnTip());
    EXPECT_TRUE(db.HasMagic());
}

TEST(AlarmStore, InitDefaultsKeepsTheFifthMagicAndPaddingBytes) {
    TempFile file;
    Bytes header = Header(1, 1, 0, 0x77);
    header[5] = 0x66;
    file.Write(FileOf(header, {MakeAlarm(1, 8, 0, "a")}));
    TAlarmDB db;
    db.LoadFromFile(file.path());
    db.InitDefaults();
    EXPECT_EQ(db.Count(), 0);
    EXPECT_EQ(db.SaveToBytes(), Bytes({'Z', 'Q', 'M', 0, 0x77, 0x66, 0, 0, 0, 1}));
}

TEST(AlarmStore, AddGetSetKeepStoreOrderAndCopies) {
    TAlarmDB db;
    db.InitDefaults();
    for (int i = 0; i < 3; ++i)
        db.AddAlarm(MakeAlarm(1, 7, i, "alarm " + std::to_string(i)));
    EXPECT_EQ(db.Count(), 3);
    TAlarmRecord copy = db.GetAlarm(1);
    copy.SetTitle("changed");
    EXPECT_EQ(db.GetAlarm(1).Title(), "alarm 1") << "GetAlarm hands out a copy";
    db.SetAlarm(copy, 1);
    EXPECT_EQ(db.GetAlarm(0).Title(), "alarm 0");
    EXPECT_EQ(db.GetAlarm(1), copy);
    EXPECT_EQ(db.GetAlarm(2).Title(), "alarm 2");
    const Bytes bytes = db.SaveToBytes();
    ASSERT_EQ(bytes.size(), 10 + 3 * kRec);
    EXPECT_EQ(core::GetU16(&bytes[6]), 3);
    EXPECT_EQ(TAlarmRecord::FromBytes(&bytes[10 + kRec]), copy);
}

TEST(AlarmStore, DeleteMovesLaterAlarmsDownAndTheFileShrinks) {
    TempFile file;
    TAlarmDB db;
    OpenLikeTheClock(db, file.path());
    const TAlarmRecord a = MakeAlarm(0, 1, 0, "first"), b = MakeAlarm(2, 2, 0, "second", 0, 3),
                       c = MakeAlarm(4, 3, 0, "third", 46000);
    for (const auto& r : {a, b, c})
        db.AddAlarm(r);
    db.SaveToFile(file.path());
    db.DeleteAlarm(0);
    db.SaveToFile(file.path());
    EXPECT_EQ(file.Read(), FileOf(Header(2), {b, c}));
    db.DeleteAlarm(1);
    db.DeleteAlarm(0);
    db.SaveToFile(file.path());
    EXPECT_EQ(file.Read(), Header(0)) << "deleting the only alarm leaves the bare header";
}

TEST(AlarmStore, IndicesOutOfRangeAreRefused) {
    TAlarmDB db;
    db.InitDefaults();
    db.AddAlarm(MakeAlarm(1, 7, 0, "only"));
    const Bytes before = db.SaveToBytes();
    EXPECT_THROW(db.GetAlarm(1), core::AppError);
    EXPECT_THROW(db.SetAlarm(TAlarmRecord(), 1), core::AppError);
    try {
        db.DeleteAlarm(5);
        FAIL() << "no error";
    } catch (const core::AppError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
    EXPECT_EQ(db.SaveToBytes(), before);
}

TEST(AlarmStore, LoadReadsTheFileWhole) {
    TempFile file;
    const TAlarmRecord a = MakeAlarm(3, 6, 45, "rent", 45000), b = MakeAlarm(1, 22, 0, "bed");
    file.Write(FileOf(Header(2, 1, 0), {a, b}));
    TAlarmDB db;
    db.LoadFromFile(file.path());
    EXPECT_EQ(db.Count(), 2);
    EXPECT_TRUE(db.AutoRun());
    EXPECT_FALSE(db.ShowOnTip());
    EXPECT_EQ(db.GetAlarm(0), a);
    EXPECT_EQ(db.GetAlarm(1), b);
}

TEST(AlarmStore, BytesWeDoNotInterpretSurviveALoadAndASave) {
    TempFile file;
    Bytes header = Header(1, 2, 0, 0x5A);
    header[5] = 0xEE;
    TAlarmRecord r = MakeAlarm(1, 9, 0, std::string(64, 'T'));
    r.data()[3] = 0x11;    // padding
    r.data()[350] = 0x22;  // padding
    file.Write(FileOf(header, {r}));
    TAlarmDB db;
    db.LoadFromFile(file.path());
    EXPECT_TRUE(db.AutoRun()) << "an option byte of 2 counts as on";
    EXPECT_EQ(db.GetAlarm(0).Title(), std::string(64, 'T'));
    db.SaveToFile(file.path());
    EXPECT_EQ(file.Read(), FileOf(header, {r}));
    db.SetAutoRun(true);
    db.SetShowOnTip(true);
    EXPECT_EQ(db.SaveToBytes()[8], 1);
    EXPECT_EQ(db.SaveToBytes()[9], 1);
}

TEST(AlarmStore, OptionsReachTheFileOnlyBySaving) {
    TempFile file;
    TAlarmDB db;
    OpenLikeTheClock(db, file.path());
    const Bytes before = file.Read();
    db.SetAutoRun(true);
    db.SetShowOnTip(false);
    EXPECT_EQ(file.Read(), before);
    db.SaveToFile(file.path());
    EXPECT_EQ(file.Read(), Bytes({'Z', 'Q', 'M', 0, 0, 0, 0, 0, 1, 0}));
}

TEST(AlarmStore, AForeignFileYieldsTheDefaultsSoNewAlarmsSurviveTheNextStart) {
    const TAlarmRecord r = MakeAlarm(1, 9, 0, "x");
    for (const Bytes& magic : {Bytes{'Z', 'Q', 'm', 0}, Bytes{'Z', 'Q', 'M', '!'},
                               Bytes{'A', 'B', 'C', 0}, Bytes{0, 'Q', 'M', 0}}) {
        Bytes file = FileOf(Header(1, 1, 0, 9), {r});
        std::copy(magic.begin(), magic.end(), file.begin());
        TAlarmDB db;
        db.LoadFromBytes(file.data(), file.size());
        EXPECT_EQ(db.Count(), 0);
        EXPECT_TRUE(db.ForeignFile());
        EXPECT_TRUE(db.HasMagic());
        EXPECT_FALSE(db.AutoRun());
        EXPECT_TRUE(db.ShowOnTip());
        db.AddAlarm(MakeAlarm(1, 7, 30, "new"));
        const Bytes saved = db.SaveToBytes();
        TAlarmDB again;
        again.LoadFromBytes(saved.data(), saved.size());
        EXPECT_FALSE(again.ForeignFile());
        ASSERT_EQ(again.Count(), 1);
        EXPECT_EQ(again.GetAlarm(0).Title(), "new");
    }
}

TEST(AlarmStore, AMissingFileLeavesTheStoreAsItWas) {
    TempFile file;
    TAlarmDB db;
    db.InitDefaults();
    db.AddAlarm(MakeAlarm(1, 1, 1, "kept"));
    db.LoadFromFile(file.path());
    EXPECT_EQ(db.Count(), 1);
    EXPECT_EQ(db.GetAlarm(0).Title(), "kept");
}

TEST(AlarmStore, ShortHeaderFailsWithNoAlarms) {
    TempFile file;
    const Bytes full = Header(1);
    for (size_t n = 0; n < 10; ++n) {
        file.Write(Bytes(full.begin(), full.begin() + n));
        TAlarmDB db;
        db.InitDefaults();
        db.AddAlarm(MakeAlarm(1, 1, 1, "old"));
        try {
            db.LoadFromFile(file.path());
            FAIL() << n << " bytes loaded";
        } catch (const core::StreamError& e) {
            EXPECT_STREQ(e.what(), "Stream read error");
        }
        EXPECT_EQ(db.Count(), 0) << n;
        EXPECT_EQ(db.SaveToBytes().size(), 10u) << n;
    }
}

TEST(AlarmStore, ShortRecordsAreZeroFilledAndNeverDue) {
    TempFile file;
    const TAlarmRecord a = MakeAlarm(1, 0, 0, "whole"), b = MakeAlarm(1, 0, 0, "half");
    Bytes bytes = FileOf(Header(3), {a, b});
    bytes.resize(10 + kRec + kRec / 2);
    file.Write(bytes);
    TAlarmDB db;
    db.InitDefaults();
    for (int i = 0; i < 5; ++i)
        db.AddAlarm(MakeAlarm(1, 0, 0, std::string(64, 'o')));
    EXPECT_THROW(db.LoadFromFile(file.path()), core::StreamError);
    ASSERT_EQ(db.Count(), 3);
    EXPECT_EQ(db.GetAlarm(0), a);
    TAlarmRecord halfB = b;
    std::fill(halfB.data() + kRec / 2, halfB.data() + kRec, 0);
    EXPECT_EQ(db.GetAlarm(1), halfB);
    EXPECT_EQ(db.GetAlarm(2), TAlarmRecord()) << "no bytes of the store's older alarms remain";
    EXPECT_FALSE(core::IsAlarmDue(db.GetAlarm(2), alarm_test::At(2026, 12, 8, 0, 0)));
}

TEST(AlarmStore, BytesAfterTheLastRecordAreIgnored) {
    TempFile file;
    Bytes bytes = FileOf(Header(1), {MakeAlarm(1, 5, 0, "one")});
    bytes.insert(bytes.end(), 1000, 0xFF);
    file.Write(bytes);
    TAlarmDB db;
    db.LoadFromFile(file.path());
    EXPECT_EQ(db.Count(), 1);
    EXPECT_EQ(db.SaveToBytes(), Bytes(bytes.begin(), bytes.begin() + 10 + kRec));
}

TEST(AlarmStore, AFileThatCannotBeOpenedNamesThePath) {
    TempFile file;
    file.Write(Header(0));
    // No descriptor is left to open it with, whoever runs the test.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    std::vector<int> held;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0 && held.size() < 100000;)
        held.push_back(fd);
    rlimit none = old;
    none.rlim_cur = 0;
    ::setrlimit(RLIMIT_NOFILE, &none);
    std::string error;
    TAlarmDB db;
    try {
        db.LoadFromFile(file.path());
    } catch (const core::FileError& e) {
        error = e.what();
    }
    ::setrlimit(RLIMIT_NOFILE, &old);
    for (int fd : held)
        ::close(fd);
    EXPECT_EQ(error.rfind("Cannot open file \"" + file.path() + "\". ", 0), 0u) << error;
}

// A failed save leaves the old file whole, no temporary behind, and the store's memory as it
// was.
TEST(AlarmStore, AFailedSaveKeepsTheOldFileAndTheMemory) {
    TempFile file;
    TAlarmDB db;
    OpenLikeTheClock(db, file.path());
    db.AddAlarm(MakeAlarm(1, 7, 0, "saved"));
    db.SaveToFile(file.path());
    const Bytes saved = file.Read();
    db.AddAlarm(MakeAlarm(1, 8, 0, "unsaved"));
    {
        alarm_test::FileSizeLimit limit(saved.size());
        EXPECT_THROW(db.SaveToFile(file.path()), core::StreamError);
    }
    EXPECT_EQ(file.Read(), saved);
    EXPECT_TRUE(file.Temporaries().empty());
    EXPECT_EQ(db.Count(), 2);
    EXPECT_EQ(db.GetAlarm(1).Title(), "unsaved");
    const std::string noFolder = file.path() + ".missing/Alarm.sav";
    try {
        db.SaveToFile(noFolder);
        FAIL() << "no error";
    } catch (const core::FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + noFolder + "\". ", 0), 0u);
    }
}

TEST(AlarmStore, RefusesAlarmsBeyondTheCountsRange) {
    TempFile file;
    TAlarmDB db;
    db.InitDefaults();
    const TAlarmRecord r = MakeAlarm(1, 7, 0, "many");
    for (unsigned i = 0; i < TAlarmDB::kMaxAlarms; ++i)
        db.AddAlarm(r);
    db.SaveToFile(file.path());
    const Bytes saved = file.Read();
    ASSERT_EQ(saved.size(), 10 + 65535 * kRec);
    try {
        db.AddAlarm(r);
        FAIL() << "no error";
    } catch (const core::AppError& e) {
        EXPECT_STREQ(e.what(), "Cannot add more than 65535 alarms");
    }
    EXPECT_EQ(db.Count(), 65535);
    EXPECT_EQ(db.SaveToBytes(), saved);
    TAlarmDB reread;
    reread.LoadFromFile(file.path());
    EXPECT_EQ(reread.Count(), 65535);
    EXPECT_EQ(reread.GetAlarm(65534), r);
}

}  // namespace

namespace {

// Another program writes the store: the holder of the store sees it before its next use.
TEST(AlarmStoreOnDisk, ReloadsWhatAnotherWriterSavedAndOnlyThat) {
    TempFile file;
    TAlarmDB clock, other;
    OpenLikeTheClock(clock, file.path());
    EXPECT_FALSE(clock.ReloadIfChanged(file.path())) << "its own file";
    clock.AddAlarm(MakeAlarm(1, 7, 0, "mine"));
    clock.SaveToFile(file.path());
    EXPECT_FALSE(clock.ReloadIfChanged(file.path())) << "its own save";

    other.LoadFromFile(file.path());
    other.AddAlarm(MakeAlarm(1, 8, 0, "theirs"));
    other.SaveToFile(file.path());
    const unsigned generation = clock.Generation();
    ASSERT_TRUE(clock.ReloadIfChanged(file.path()));
    EXPECT_EQ(clock.Generation(), generation + 1);
    ASSERT_EQ(clock.Count(), 2);
    EXPECT_EQ(clock.GetAlarm(1).Title(), "theirs");
    EXPECT_FALSE(clock.ReloadIfChanged(file.path()));
    // The clock's next change goes onto the other's store: both alarms survive.
    clock.AddAlarm(MakeAlarm(1, 9, 0, "mine too"));
    clock.SaveToFile(file.path());
    other.LoadFromFile(file.path());
    EXPECT_EQ(other.Count(), 3);
}

TEST(AlarmStoreOnDisk, KeepsItsMemoryWhenTheFileIsGoneCutOrForeign) {
    TempFile file;
    TAlarmDB clock;
    OpenLikeTheClock(clock, file.path());
    clock.AddAlarm(MakeAlarm(1, 7, 0, "kept"));
    clock.SaveToFile(file.path());
    const Bytes cut = FileOf(Header(2), {MakeAlarm(1, 8, 0, "half")});
    const Bytes foreign = {'M', 'Z', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const Bytes* bytes : {&cut, &foreign, static_cast<const Bytes*>(nullptr)}) {
        std::remove(file.path().c_str());
        if (bytes)
            core::WriteFileAtomic(file.path(), bytes->data(), bytes->size());
        EXPECT_FALSE(clock.ReloadIfChanged(file.path()));
        ASSERT_EQ(clock.Count(), 1);
        EXPECT_EQ(clock.GetAlarm(0).Title(), "kept");
    }
    // Once the file is a store again, it is read.
    TAlarmDB other;
    other.InitDefaults();
    other.SaveToFile(file.path());
    EXPECT_TRUE(clock.ReloadIfChanged(file.path()));
    EXPECT_EQ(clock.Count(), 0);
}

}  // namespace
