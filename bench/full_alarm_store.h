#pragma once
// The full store the alarm benchmarks measure: 65535 alarms of every type, spread over the day.
#include <string>

#include "core/alarms/alarm_db.h"
#include "core/common/date_time.h"

namespace bench {

inline core::TAlarmDB FullStore() {
    core::TAlarmDB db;
    db.InitDefaults();
    for (unsigned i = 0; i < core::TAlarmDB::kMaxAlarms; ++i) {
        core::TAlarmRecord r;
        r.SetAlarmType(uint8_t(i % 5));
        r.SetAlarmTime(core::EncodeTime(int(i % 24), int(i * 7 % 60), 0, 0));
        r.SetAlarmDate(core::EncodeDate(2020 + int(i % 10), 1 + int(i % 12), 1 + int(i % 28)));
        r.SetWeekDay(uint16_t(i % 7));
        r.SetTitle("Alarm number " + std::to_string(i));
        r.SetToDoText("Things to do for alarm " + std::to_string(i) + "\r\nand a second line");
        db.AddAlarm(r);
    }
    return db;
}

}  // namespace bench
