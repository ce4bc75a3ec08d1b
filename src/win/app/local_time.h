#pragma once
// The user's clock and its time and date formats, read from the system.
#include "core/app/date_format.h"
#include "core/app/time_format.h"
#include "core/common/date_time.h"

namespace app {

// Local date and time now, as a date-time value.
core::TDateTime LocalNow();
// The long time format of the user's locale.
core::TimeFormatSettings UserTimeFormat();
// The short date and the short day and month names of the user's locale.
core::DateFormatSettings UserDateFormat();

}  // namespace app
