#pragma once
// Errors carry the exact texts the user sees in the application's error box.
#include <stdexcept>
#include <string>

namespace core {

class AppError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A read or write that ran out of data or room.
class StreamError : public AppError {
  public:
    using AppError::AppError;
};

// A file that could not be opened or created; the text names the path and the system's reason.
class FileError : public AppError {
  public:
    using AppError::AppError;
};

inline StreamError StreamReadError() {
    return StreamError("Stream read error");
}
inline StreamError StreamWriteError() {
    return StreamError("Stream write error");
}
inline FileError CannotOpenFile(const std::string& path, const std::string& reason) {
    return FileError("Cannot open file \"" + path + "\". " + reason);
}
inline FileError CannotReadFile(const std::string& path, const std::string& reason) {
    return FileError("Cannot read file \"" + path + "\". " + reason);
}
inline FileError FileTooLarge(const std::string& path,
                              unsigned long long size,
                              unsigned long long limit,
                              const std::string& what) {
    return FileError("\"" + path + "\" is " + std::to_string(size) + " bytes, more than a " + what +
                     " can be (" + std::to_string(limit) + ")");
}
inline FileError CannotCreateFile(const std::string& path, const std::string& reason) {
    return FileError("Cannot create file \"" + path + "\". " + reason);
}

}  // namespace core
