#pragma once
// The coming moments at which the alarms of a store fall due, found day by day from each
// alarm's type rather than minute by minute, and each confirmed by IsAlarmDue.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/common/date_time.h"

namespace core {

class TAlarmDB;

struct TAlarmFiring {
    TDateTime when;  // second 0 of the minute
    uint16_t index;  // store index
};

// Hands the firings in the minutes from that of `from` up to, not including, the same minute
// `years` years later (or the calendar's end) to `take`, in time order, ties in store order,
// until `take` returns false.
void ForEachFiring(const TAlarmDB& db,
                   TDateTime from,
                   int years,
                   const std::function<bool(const TAlarmFiring&)>& take);

// The first `count` firings in the minutes from that of `from` up to, not including, the same
// minute `years` years later (or the calendar's end), in time order, ties in store order.
std::vector<TAlarmFiring> NextFirings(const TAlarmDB& db,
                                      TDateTime from,
                                      size_t count,
                                      int years = 10);

}  // namespace core
