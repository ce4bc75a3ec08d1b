#pragma once
// Temporary alarm files and records for the alarm tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

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
        std::remove((path_ + ".new").c_str());
    }
    const std::string& path() const { return path_; }
    void Write(const core::Bytes& bytes) const {
        core::WriteWholeFile(path_, bytes.data(), bytes.size());
    }
    core::Bytes Read() const { return core::ReadWholeFile(path_); }

  private:
    std::string path_;
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
