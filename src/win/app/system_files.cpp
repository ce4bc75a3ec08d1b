#include "win/app/system_files.h"

#include <windows.h>

#include "core/app/clock_db.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "win/ui/handles.h"

namespace app {
namespace {

ui::ScopedFile OpenForReading(const std::string& path, DWORD share) {
    ui::ScopedFile file(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw core::CannotOpenFile(path, core::SystemErrorText());
    return file;
}

void ReadExactly(HANDLE file, uint8_t* out, DWORD count) {
    DWORD done = 0;
    if (!::ReadFile(file, out, count, &done, nullptr) || done != count)
        throw core::StreamReadError();
}

}  // namespace

std::string ExePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ExeFolder() {
    return core::FolderOf(ExePath());
}

core::ExeTrailer ReadTrailerShared(const std::string& path) {
    ui::ScopedFile file =
        OpenForReading(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < LONGLONG(core::ExeTrailer::kSize))
        throw core::StreamReadError();
    LARGE_INTEGER at;
    at.QuadPart = size.QuadPart - LONGLONG(core::ExeTrailer::kSize);
    if (!::SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN))
        throw core::StreamReadError();
    core::ExeTrailer trailer;
    ReadExactly(file.get(), trailer.data(), core::ExeTrailer::kSize);
    return trailer;
}

core::Bytes ReadFileUnshared(const std::string& path) {
    ui::ScopedFile file = OpenForReading(path, 0);
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.get(), &size))
        throw core::StreamReadError();
    if (uint64_t(size.QuadPart) > core::kMaxDesignFileSize)
        throw core::StreamReadError();
    core::Bytes bytes(static_cast<size_t>(size.QuadPart));
    if (!bytes.empty())
        ReadExactly(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()));
    return bytes;
}

}  // namespace app
