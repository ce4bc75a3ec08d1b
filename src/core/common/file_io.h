#pragma once
// Whole-file reads and writes with the texts our error box shows. The operating-system calls
// behind them live in file_system_posix.cpp (native) and src/win/common (Windows).
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/common/bytes.h"

namespace core {

// The operating system's text for the last failed call ("The system cannot find the file...").
std::string SystemErrorText();

bool FileExists(const std::string& path);
// What a file looks like from outside: enough to tell that another program replaced or rewrote
// it. Every atomic write makes a new file, so its identity changes even when size and time
// do not.
struct FileStamp {
    bool exists = false;
    uint64_t size = 0;
    int64_t modified = 0;  // last write, in the system's finest unit
    uint64_t volume = 0;
    uint64_t id = 0;  // the file's identity on its volume
    bool operator==(const FileStamp& o) const {
        return exists == o.exists && size == o.size && modified == o.modified &&
               volume == o.volume && id == o.id;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};
// A missing (or unreadable) file gives a stamp with `exists` false.
FileStamp StampOf(const std::string& path);

// Reads a whole regular file. Throws CannotOpenFile, CannotReadFile (a folder, a failed read),
// and, when `limit` is given, FileTooLarge for a file longer than `limit` bytes, before
// anything is allocated; `what` names the kind of file in that message ("skin file").
Bytes ReadWholeFile(const std::string& path);
Bytes ReadWholeFile(const std::string& path, uint64_t limit, const std::string& what);
// Plain create-and-write, replacing an existing file. Throws CannotCreateFile/StreamWriteError.
void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);
// Replaces the file in one step: a crash or a full disk leaves either the old or the new
// content, never a mix. Writes a temporary file of its own in the same folder (named after the
// file, the process and a count, so that writers at once never share one), then renames it over
// the old one. Temporaries left by writers that died are removed first. Throws
// CannotCreateFile or StreamWriteError; the old file then stays whole. Returns the stamp of the
// file written.
FileStamp WriteFileAtomic(const std::string& path, const uint8_t* data, size_t size);
// True for the name of a temporary that WriteFileAtomic makes for `fileName`.
bool IsTemporaryOf(const std::string& name, const std::string& fileName);
bool DeleteFileAt(const std::string& path);

// Folder part of a path, with its trailing separator ("" when there is none).
std::string FolderOf(const std::string& path);
// File-name part of a path (after the last '/' or '\\').
std::string FileNameOf(const std::string& path);

// Operating-system seam (one implementation per platform).
namespace os {
bool FileExists(const std::string& path);
FileStamp StampOf(const std::string& path);
FileStamp StampOf(std::FILE* file);
// Renames `from` over `to`, replacing it atomically, and makes the rename durable (on POSIX the
// folder is flushed too). Returns false on failure.
bool RenameOver(const std::string& from, const std::string& to);
// "" for a regular file; otherwise why it cannot be read as one ("Is a directory").
std::string NotARegularFile(std::FILE* file);
unsigned long ProcessId();
bool ProcessAlive(unsigned long pid);
// Forces written data to the disk; false when it could not.
bool FlushToDisk(std::FILE* file);
bool RemoveFile(const std::string& path);
std::string LastErrorText();
}  // namespace os

}  // namespace core
