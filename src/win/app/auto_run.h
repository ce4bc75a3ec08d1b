#pragma once
// The "Auto &Run" option's registry value: named after the clock, holding the executable's
// path, under the Run key that starts programs with Windows.
#include <string>

#include "win/app/registry.h"

namespace win {

constexpr const char* kRunKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

enum class AutoRunOutcome {
    Written,         // the value was created
    AlreadyPresent,  // a value of that name exists and is kept, whatever path it holds
    Removed,         // a value of that name was deleted from at least one key
    NotPresent,      // nothing to remove
    Unavailable,     // no Run key could be opened or written; nothing changed
};

// Writes (on) or removes (off) the value `clockName` (empty: the key's default value).
// The machine-wide key comes first; users without rights there get the value under their own
// HKEY_CURRENT_USER Run key instead, and turning the option off clears both.
AutoRunOutcome ApplyAutoRun(Registry& registry,
                            bool on,
                            const std::string& clockName,
                            const std::string& executablePath,
                            const std::string& keyPath = kRunKeyPath);

// Full path of the running executable.
std::string RunningExecutablePath();

}  // namespace win
