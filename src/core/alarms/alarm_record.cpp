#include "core/alarms/alarm_record.h"

#include <cstring>

namespace core {

TAlarmRecord TAlarmRecord::FromBytes(const uint8_t* source) {
    TAlarmRecord record;
    std::memcpy(record.bytes_.data(), source, kSize);
    return record;
}

const char* AlarmTypeName(uint8_t type) {
    static const char* const kNames[] = {"Once", "Every day", "Every week", "Every month",
                                         "Every year"};
    return type < sizeof kNames / sizeof kNames[0] ? kNames[type] : "";
}

}  // namespace core
