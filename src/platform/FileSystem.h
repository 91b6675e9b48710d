#pragma once

// File system helpers of the document layers: reading a document whole (writing one: FileWrites.h),
// a private temporary folder and finding a program on PATH. Paths are UTF-8.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabulex::platform {

// Reads a regular file whole. Throws text::Error for a missing file, a folder, an unreadable or
// empty file, and a file larger than maxBytes (the package's "too large" message).
std::string ReadDocumentFile(const std::string& path, std::uint64_t maxBytes);

// The first `count` bytes of a regular file (fewer when it is shorter), refused like ReadDocumentFile
// refuses a missing, unreadable or empty file or a folder.
std::string ReadFileHead(const std::string& path, std::size_t count);

// The program's own files (a report folder's lock, resume point and report) are opened never
// through a link and never waiting on a pipe, and only when they are regular files.
// Opened for reading; null with errorCode set (ENOENT when missing, EINVAL when not a regular file).
std::FILE* OpenOwnFile(const std::filesystem::path& path, int& errorCode);
// Read whole; nullopt when missing, not a regular file, larger than maxBytes or unreadable.
std::optional<std::string> ReadOwnFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// A fresh folder under the system's temporary folder, removed with everything in it on destruction.
class TempFolder {
  public:
    explicit TempFolder(std::string_view prefix);
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    int lockFd_ = -1;
};

// The full path of an executable found on PATH, or an empty string.
std::string FindOnPath(std::string_view program);

// The 1251 form of a UTF-8 path for the user's messages.
std::string DisplayName(std::string_view utf8Path);

// Why a file operation failed (an errno value), in Russian and 1251: "нет прав на запись",
// "нет места на диске", ..., "ошибка системы № N" for the rest.
std::string FailureReason(int errorCode);

// What the user is told of an exception of the standard library (1251): a system or file system
// error as FailureReason says it, with the path it concerns; anything else as an internal error.
std::string ExceptionReason(const std::exception& error);

}  // namespace tabulex::platform
