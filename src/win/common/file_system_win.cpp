// The core's file seam on Windows.
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "core/common/file_io.h"

namespace core::os {

namespace {

FileStamp StampOfHandle(HANDLE h) {
    BY_HANDLE_FILE_INFORMATION info;
    if (h == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileStamp();
    FileStamp s;
    s.exists = true;
    s.size = (uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    s.modified = int64_t((uint64_t(info.ftLastWriteTime.dwHighDateTime) << 32) |
                         info.ftLastWriteTime.dwLowDateTime);
    s.volume = info.dwVolumeSerialNumber;
    s.id = (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return s;
}

HANDLE HandleOf(std::FILE* file) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}

}  // namespace

bool FileExists(const std::string& path) {
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

FileStamp StampOf(const std::string& path) {
    // Shared every way, so that looking never stands in another writer's way.
    HANDLE h = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return FileStamp();
    FileStamp s = StampOfHandle(h);
    CloseHandle(h);
    return s;
}

FileStamp StampOf(std::FILE* file) {
    return StampOfHandle(HandleOf(file));
}

std::string NotARegularFile(std::FILE* file) {
    HANDLE h = HandleOf(file);
    if (h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_DISK)
        return "It is not a regular file";
    return std::string();
}

bool RenameOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FlushToDisk(std::FILE* file) {
    HANDLE h = HandleOf(file);
    return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h) != 0;
}

bool RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

std::string LastErrorText() {
    DWORD code = GetLastError();
    char* text = nullptr;
    DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = n && text ? std::string(text, n) : std::string();
    if (text)
        LocalFree(text);
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' ||
                               result.back() == ' ' || result.back() == '.'))
        result.pop_back();
    return result;
}

unsigned long ProcessId() {
    return GetCurrentProcessId();
}

bool ProcessAlive(unsigned long pid) {
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (!h)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return running;
}

}  // namespace core::os
