#pragma once
// Temporary alarm files and records for the alarm tests.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/alarms/alarm_record.h"
#include "core/common/bytes.h"
#include "core/common/date_time.h"
#include "core/common/file_io.h"

namespace alarm_test {

// A file path unique to the running test, removed (with the atomic save's temporary) at the end.
class TempFile {
  public:
    explicit TempFile(const std::string& suffix = ".sav") {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps test runs of several checkouts apart.
        path_ = std::string(::testing::TempDir()) + "alarm_" + std::to_string(::getpid()) + "_" +
                info->test_suite_name() + "_" + info->name() + suffix;
        std::remove(path_.c_str());
    }
    ~TempFile() {
        std::remove(path_.c_str());
        for (const std::string& t : Temporaries())
            std::remove(t.c_str());
    }
    // The atomic save's temporaries of this file that are on disk now.
    std::vector<std::string> Temporaries() const {
        std::vector<std::string> found;
        const std::filesystem::path p(path_);
        for (const auto& e : std::filesystem::directory_iterator(p.parent_path()))
            if (core::IsTemporaryOf(e.path().filename().string(), p.filename().string()))
                found.push_back(e.path().string());
        return found;
    }
    const std::string& path() const { return path_; }
    void Write(const core::Bytes& bytes) const {
        core::WriteWholeFile(path_, bytes.data(), bytes.size());
    }
    core::Bytes Read() const { return core::ReadWholeFile(path_); }

  private:
    std::string path_;
};

// Files this process (and the tools it starts) writes cannot grow past `bytes` while this
// lives: a failed write that holds for root too. The signal that would end the writer is
// ignored, so the write itself fails (EFBIG).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

inline core::TAlarmRecord MakeAlarm(uint8_t type,
                                    int hour,
                                    int minute,
                                    const std::string& title,
                                    core::TDateTime date = 0,
                                    uint16_t weekDay = 0) {
    core::TAlarmRecord r;
    r.SetAlarmType(type);
    r.SetAlarmTime(core::EncodeTime(hour, minute, 0, 0));
    r.SetAlarmDate(date);
    r.SetWeekDay(weekDay);
    r.SetTitle(title);
    return r;
}

inline core::TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return core::EncodeDate(y, mo, d) + core::EncodeTime(h, mi, s, ms);
}

}  // namespace alarm_test
