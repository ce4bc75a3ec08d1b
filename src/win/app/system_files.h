#pragma once
// The running executable and the files start-up reads with the sharing rules they need.
#include <string>

#include "core/app/clock_design.h"
#include "core/common/bytes.h"

namespace app {

// Full path of the running executable.
std::string ExePath();
// Its folder, ending with the separator.
std::string ExeFolder();
// The last 64 bytes of the file, opened with sharing allowed for everybody (the running
// executable is open already). Throws CannotOpenFile / StreamReadError.
core::ExeTrailer ReadTrailerShared(const std::string& path);
// The whole file, opened without sharing it with other openers.
// Throws CannotOpenFile / StreamReadError.
core::Bytes ReadFileUnshared(const std::string& path);

}  // namespace app
