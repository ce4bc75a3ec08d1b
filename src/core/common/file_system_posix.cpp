// The core's file seam on POSIX systems (the native build and its tools).
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/common/file_io.h"

namespace core::os {

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FlushToDisk(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

std::string LastErrorText() { return std::strerror(errno); }

}  // namespace core::os
#endif
