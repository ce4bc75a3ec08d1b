#pragma once
// The user's clock and time format, read from the system.
#include "core/app/time_format.h"
#include "core/common/date_time.h"

namespace app {

// Local date and time now, as a date-time value.
core::TDateTime LocalNow();
// The long time format of the user's locale.
core::TimeFormatSettings UserTimeFormat();

}  // namespace app
