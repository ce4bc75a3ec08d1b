#include "core/common/file_io.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/common/errors.h"

namespace core {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

void WriteAllOrThrow(std::FILE* f, const uint8_t* data, size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        throw StreamWriteError();
}

}  // namespace

std::string SystemErrorText() {
    return os::LastErrorText();
}

bool FileExists(const std::string& path) {
    return os::FileExists(path);
}

Bytes ReadWholeFile(const std::string& path) {
    return ReadWholeFile(path, UINT64_MAX, "file");
}

Bytes ReadWholeFile(const std::string& path, uint64_t limit, const std::string& what) {
    FilePtr f(std::fopen(path.c_str(), "rb"));
    if (!f)
        throw CannotOpenFile(path, SystemErrorText());
    const std::string notRegular = os::NotARegularFile(f.get());
    if (!notRegular.empty())
        throw CannotReadFile(path, notRegular);
    const FileStamp stamp = os::StampOf(f.get());
    if (stamp.size > limit)
        throw FileTooLarge(path, stamp.size, limit, what);
    Bytes out;
    out.reserve(size_t(stamp.size));
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) {
        if (out.size() + n > limit)  // grew while we read
            throw FileTooLarge(path, out.size() + n, limit, what);
        out.insert(out.end(), buf, buf + n);
    }
    if (std::ferror(f.get()))
        throw CannotReadFile(path, SystemErrorText());
    return out;
}

FileStamp StampOf(const std::string& path) {
    return os::StampOf(path);
}

void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
    FilePtr f(std::fopen(path.c_str(), "wb"));
    if (!f)
        throw CannotCreateFile(path, SystemErrorText());
    WriteAllOrThrow(f.get(), data, size);
    if (std::fflush(f.get()) != 0)
        throw StreamWriteError();
}

namespace {

// "<name>.<pid>-<count>.new"; "<name>.new" was the one shared name of earlier versions.
std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> count{0};
    return path + "." + std::to_string(os::ProcessId()) + "-" + std::to_string(++count) + ".new";
}

// Parses the writer's process id out of a temporary's name; 0 for the old shared name.
bool TemporaryOwner(const std::string& name, const std::string& fileName, unsigned long& pid) {
    const std::string prefix = fileName + ".", suffix = ".new";
    if (name == fileName + suffix) {
        pid = 0;
        return true;
    }
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix))
        return false;
    const std::string middle =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == middle.size() ||
        middle.find_first_not_of("0123456789-") != std::string::npos ||
        middle.find('-', dash + 1) != std::string::npos || dash > 10)
        return false;
    pid = std::stoul(middle.substr(0, dash));
    return true;
}

// A writer killed between creating its temporary and renaming it leaves the temporary behind;
// one whose process still runs may be writing it now.
void RemoveAbandonedTemporaries(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string folder = FolderOf(path), fileName = FileNameOf(path);
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec)
        return;
    const unsigned long self = os::ProcessId();
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            return;
        const std::string name = it->path().filename().string();
        unsigned long pid;
        if (!TemporaryOwner(name, fileName, pid) || pid == self || (pid && os::ProcessAlive(pid)))
            continue;
        os::RemoveFile(folder + name);
    }
}

}  // namespace

bool IsTemporaryOf(const std::string& name, const std::string& fileName) {
    unsigned long pid;
    return TemporaryOwner(name, fileName, pid);
}

FileStamp WriteFileAtomic(const std::string& path, const uint8_t* data, size_t size) {
    RemoveAbandonedTemporaries(path);
    const std::string temp = TemporaryName(path);
    FileStamp written;
    {
        FilePtr f(std::fopen(temp.c_str(), "wb"));
        if (!f)
            throw CannotCreateFile(path, SystemErrorText());
        try {
            WriteAllOrThrow(f.get(), data, size);
            if (std::fflush(f.get()) != 0 || !os::FlushToDisk(f.get()))
                throw StreamWriteError();
            // Taken from the open file: a writer that replaces the file just after our rename
            // must not pass for ours.
            written = os::StampOf(f.get());
        } catch (...) {
            f.reset();
            os::RemoveFile(temp);
            throw;
        }
        if (std::fclose(f.release()) != 0) {
            os::RemoveFile(temp);
            throw StreamWriteError();
        }
    }
    if (!os::RenameOver(temp, path)) {
        const std::string reason = SystemErrorText();
        os::RemoveFile(temp);
        throw CannotCreateFile(path, reason);
    }
    return written;
}

bool DeleteFileAt(const std::string& path) {
    return os::RemoveFile(path);
}

std::string FolderOf(const std::string& path) {
    size_t p = path.find_last_of("/\\");
    return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string FileNameOf(const std::string& path) {
    size_t p = path.find_last_of("/\\");
    return p == std::string::npos ? path : path.substr(p + 1);
}

}  // namespace core
