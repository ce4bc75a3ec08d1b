#include "core/common/file_io.h"

#include <cstdio>
#include <memory>

#include "core/common/errors.h"

namespace core {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

void WriteAllOrThrow(std::FILE* f, const uint8_t* data, size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, f) != size) throw StreamWriteError();
}

}  // namespace

std::string SystemErrorText() { return os::LastErrorText(); }

bool FileExists(const std::string& path) { return os::FileExists(path); }

Bytes ReadWholeFile(const std::string& path) {
    FilePtr f(std::fopen(path.c_str(), "rb"));
    if (!f) throw CannotOpenFile(path, SystemErrorText());
    Bytes out;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) out.insert(out.end(), buf, buf + n);
    if (std::ferror(f.get())) throw StreamReadError();
    return out;
}

void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
    FilePtr f(std::fopen(path.c_str(), "wb"));
    if (!f) throw CannotCreateFile(path, SystemErrorText());
    WriteAllOrThrow(f.get(), data, size);
    if (std::fflush(f.get()) != 0) throw StreamWriteError();
}

void WriteFileAtomic(const std::string& path, const uint8_t* data, size_t size) {
    const std::string temp = path + ".new";
    {
        FilePtr f(std::fopen(temp.c_str(), "wb"));
        if (!f) throw CannotCreateFile(path, SystemErrorText());
        try {
            WriteAllOrThrow(f.get(), data, size);
            if (std::fflush(f.get()) != 0 || !os::FlushToDisk(f.get())) throw StreamWriteError();
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
}

bool DeleteFileAt(const std::string& path) { return os::RemoveFile(path); }

std::string FolderOf(const std::string& path) {
    size_t p = path.find_last_of("/\\");
    return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string FileNameOf(const std::string& path) {
    size_t p = path.find_last_of("/\\");
    return p == std::string::npos ? path : path.substr(p + 1);
}

}  // namespace core
