#pragma once
// Whole-file reads and writes with the texts our error box shows. The operating-system calls
// behind them live in file_system_posix.cpp (native) and src/win/common (Windows).
#include <cstdio>
#include <string>

#include "core/common/bytes.h"

namespace core {

// The operating system's text for the last failed call ("The system cannot find the file...").
std::string SystemErrorText();

bool FileExists(const std::string& path);
// Throws CannotOpenFile.
Bytes ReadWholeFile(const std::string& path);
// Plain create-and-write, replacing an existing file. Throws CannotCreateFile/StreamWriteError.
void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);
// Replaces the file in one step: a crash or a full disk leaves either the old or the new
// content, never a mix. Writes a temporary file in the same folder, then renames it over the
// old one. Throws CannotCreateFile or StreamWriteError; the old file then stays whole.
void WriteFileAtomic(const std::string& path, const uint8_t* data, size_t size);
bool DeleteFileAt(const std::string& path);

// Folder part of a path, with its trailing separator ("" when there is none).
std::string FolderOf(const std::string& path);
// File-name part of a path (after the last '/' or '\\').
std::string FileNameOf(const std::string& path);

// Operating-system seam (one implementation per platform).
namespace os {
bool FileExists(const std::string& path);
// Renames `from` over `to`, replacing it atomically. Returns false on failure.
bool RenameOver(const std::string& from, const std::string& to);
// Forces written data to the disk; false when it could not.
bool FlushToDisk(std::FILE* file);
bool RemoveFile(const std::string& path);
std::string LastErrorText();
}  // namespace os

}  // namespace core
