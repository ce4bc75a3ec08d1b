// The core's file seam on POSIX systems (the native build and its tools).
#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/common/file_io.h"

namespace core::os {

namespace {

FileStamp StampOfStat(const struct stat& st) {
    FileStamp s;
    s.exists = true;
    s.size = uint64_t(st.st_size);
    s.modified = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.volume = uint64_t(st.st_dev);
    s.id = uint64_t(st.st_ino);
    return s;
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileStamp StampOf(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return FileStamp();
    return StampOfStat(st);
}

FileStamp StampOf(std::FILE* file) {
    struct stat st;
    if (::fstat(::fileno(file), &st) != 0)
        return FileStamp();
    return StampOfStat(st);
}

std::string NotARegularFile(std::FILE* file) {
    struct stat st;
    if (::fstat(::fileno(file), &st) != 0)
        return std::strerror(errno);
    if (S_ISDIR(st.st_mode))
        return std::strerror(EISDIR);
    return S_ISREG(st.st_mode) ? std::string() : "It is not a regular file";
}

bool RenameOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    // The rename itself lives in the folder: without this a crash can bring the old file back.
    const std::string folder = FolderOf(to);
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool FlushToDisk(std::FILE* file) {
    return ::fsync(::fileno(file)) == 0;
}

bool RemoveFile(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

std::string LastErrorText() {
    return std::strerror(errno);
}

unsigned long ProcessId() {
    return static_cast<unsigned long>(::getpid());
}

bool ProcessAlive(unsigned long pid) {
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

}  // namespace core::os
#endif
