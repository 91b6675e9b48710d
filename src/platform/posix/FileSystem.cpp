#include "platform/FileSystem.h"

#include "PosixFd.h"
#include "platform/FileMessages.h"
#include "platform/FileStamp.h"
#include "platform/ReplacementFile.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace tabulex::platform {

using namespace text::literals;

namespace {

using posix::Fd;
using posix::SystemError;

[[noreturn]] void ReadFailed(std::string_view message, const std::string& path, std::string detail) {
    throw text::Error(std::string(message) + DisplayName(path), std::move(detail));
}

}  // namespace

namespace {

// Opens a regular file for reading; refuses a missing file, a folder and anything else.
Fd OpenRegularFile(const std::string& path, struct stat& st) {
    if (::stat(path.c_str(), &st) != 0) {
        int code = errno;
        if (code == ENOENT || code == ENOTDIR)
            ReadFailed(messages::kFileNotFound, path, SystemError("stat", code));
        ReadFailed(messages::kCannotRead, path, SystemError("stat", code));
    }
    if (S_ISDIR(st.st_mode)) ReadFailed(messages::kIsFolder, path, "a directory");
    if (!S_ISREG(st.st_mode)) ReadFailed(messages::kCannotRead, path, "not a regular file");
    // Never waits on a pipe put in the file's place since the check.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) ReadFailed(messages::kCannotRead, path, SystemError("open", errno));
    if (::fstat(fd.Get(), &st) != 0) ReadFailed(messages::kCannotRead, path, SystemError("fstat", errno));
    if (!S_ISREG(st.st_mode)) ReadFailed(messages::kCannotRead, path, "not a regular file");
    return Fd(fd.Release());
}

}  // namespace

std::string ReadFileHead(const std::string& path, std::size_t count) {
    struct stat st {};
    Fd fd = OpenRegularFile(path, st);
    std::string head(count, '\0');
    ssize_t n;
    while ((n = ::read(fd.Get(), head.data(), head.size())) < 0 && errno == EINTR) {
    }
    if (n < 0) ReadFailed(messages::kCannotRead, path, SystemError("read", errno));
    if (n == 0) ReadFailed(messages::kEmptyFile, path, "0 bytes");
    head.resize(static_cast<std::size_t>(n));
    return head;
}

std::string ReadDocumentFile(const std::string& path, std::uint64_t maxBytes) {
    struct stat st {};
    Fd fd = OpenRegularFile(path, st);
    if (st.st_size == 0) ReadFailed(messages::kEmptyFile, path, "0 bytes");
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        ReadFailed(messages::kTooLarge, path, "file of " + std::to_string(st.st_size) + " bytes");
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ReadFailed(messages::kCannotRead, path, SystemError("read", errno));
        if (n == 0) break;  // the file shrank while being read
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    if (bytes.empty()) ReadFailed(messages::kEmptyFile, path, "0 bytes read");
    return bytes;
}

namespace {

// Folders of `prefix` that a killed run left in the temporary folder: this user's and not locked
// by a live run.
void RemoveAbandonedFolders(const std::filesystem::path& base, std::string_view prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
        if (!entry.path().filename().string().starts_with(prefix)) continue;
        Fd fd(::open(entry.path().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || st.st_uid != ::geteuid()) continue;
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
        std::error_code ignored;
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

}  // namespace

TempFolder::TempFolder(std::string_view prefix) {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) base = "/tmp";
    RemoveAbandonedFolders(base, prefix);
    std::string pattern = (base / (std::string(prefix) + "XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data()))
        throw text::Error(std::string(messages::kCannotRead) + DisplayName(pattern),
                          SystemError("mkdtemp", errno));
    path_ = buffer.data();
    // Held while the folder is in use: a run that finds it unlocked knows its owner is gone.
    lockFd_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lockFd_ >= 0) ::flock(lockFd_, LOCK_EX);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
    if (lockFd_ >= 0) ::close(lockFd_);
}

std::string FindOnPath(std::string_view program) {
    if (program.find('/') != std::string_view::npos)
        return ::access(std::string(program).c_str(), X_OK) == 0 ? std::string(program) : std::string();
    const char* path = std::getenv("PATH");
    if (!path) return {};
    std::string_view rest(path);
    while (true) {
        std::size_t colon = rest.find(':');
        std::string_view dir = rest.substr(0, colon);
        std::string candidate =
            (dir.empty() ? std::string(".") : std::string(dir)) + "/" + std::string(program);
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return {};
}

std::FILE* OpenOwnFile(const std::filesystem::path& path, int& errorCode) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        errorCode = errno;
        return nullptr;
    }
    struct stat st {};
    std::FILE* file = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? ::fdopen(fd, "rb") : nullptr;
    if (file == nullptr) {
        errorCode = EINVAL;
        ::close(fd);
    }
    return file;
}

std::optional<std::string> ReadOwnFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    int errorCode = 0;
    std::FILE* file = OpenOwnFile(path, errorCode);
    if (file == nullptr) return std::nullopt;
    struct stat st {};
    std::optional<std::string> bytes;
    if (::fstat(::fileno(file), &st) == 0 && static_cast<std::uintmax_t>(st.st_size) <= maxBytes) {
        bytes.emplace(static_cast<std::size_t>(st.st_size), '\0');
        if (std::fread(bytes->data(), 1, bytes->size(), file) != bytes->size()) bytes.reset();
    }
    std::fclose(file);
    return bytes;
}

}  // namespace tabulex::platform
