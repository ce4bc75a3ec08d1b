#pragma once
// The user's long time format, read from the locale each time it is asked for.
#include "core/app/time_format.h"

namespace app {

core::TimeFormatSettings LocaleTimeFormat();

}  // namespace app
