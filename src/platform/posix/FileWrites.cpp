#include "platform/FileWrites.h"

#include "PosixFd.h"
#include "platform/FileMessages.h"
#include "platform/FileSystem.h"
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
#include <random>
#include <vector>

namespace tabulex::platform {
namespace {

constexpr std::string_view kTemporaryPrefix = ".~tabulex-";

using posix::Fd;
using posix::SystemError;

[[noreturn]] void SaveFailed(const std::string& path, std::string_view reason, std::string detail) {
    throw text::Error(std::string(messages::kSaveFailed) + DisplayName(path) + std::string(reason),
                      std::move(detail));
}

// What the user is told of a system error while saving, after the file name.
std::string SaveReason(int code) {
    // No rights in the folder: said as the folder check before the write says it.
    if (code == EACCES || code == EPERM) return std::string(messages::kReadOnlyFolder);
    return ": " + FailureReason(code);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

bool HasWriteBits(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new file gets the old one's permissions and, as far as the system lets this process give
// it, its owner and group (root keeps another user's file theirs).
void TakeOverAttributes(int fd, bool exists, const struct stat& old) {
    ::fchmod(fd, exists ? old.st_mode & 07777 : NewFileMode());
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) [[maybe_unused]]
            int ignored = ::fchown(fd, -1, old.st_gid);
        ::fchmod(fd, old.st_mode & 07777);  // chown clears the set-id bits
    }
}

void Flock(int fd) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// The checks before anything is written: the target's place holds a regular file or nothing, and
// both it and its folder may be written.
void RefuseUnwritableTarget(const std::string& requested, const std::string& path, bool exists,
                            const struct stat& target) {
    if (exists && S_ISDIR(target.st_mode))
        SaveFailed(requested, messages::kTargetIsFolder, "the target is a directory");
    if (exists && !S_ISREG(target.st_mode))
        SaveFailed(requested, messages::kTargetNotRegular, "the target is not a regular file");
    if (exists && !HasWriteBits(target.st_mode))
        SaveFailed(requested, messages::kReadOnlyTarget, "mode without write bits");
    const std::string folder = FolderOf(path);
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0) {
        const int code = errno;
        SaveFailed(requested, SaveReason(code), SystemError(("stat " + folder).c_str(), code));
    }
    if (!HasWriteBits(dir.st_mode))
        SaveFailed(requested, messages::kReadOnlyFolder, "folder mode without write bits");
}

}  // namespace

std::string FinalTarget(const std::string& path) {
    std::error_code error;
    std::filesystem::path at = path;
    // A chain of links, each relative to the folder of the link.
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(at, error); ++hops) {
        const std::filesystem::path next = std::filesystem::read_symlink(at, error);
        if (error) break;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return at.lexically_normal().string();
}

std::uint64_t OtherHardLinks(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || st.st_nlink < 1) return 0;
    return st.st_nlink - 1;
}

namespace {

std::string RandomPart() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::string part(6, 'x');
    for (char& c : part) c = kLetters[random() % (sizeof kLetters - 1)];
    return part;
}

// A file without a name is made and locked first, and named only then: another run's clean-up
// can never find it unlocked. Where the file system cannot do that, the name comes first and the
// lock a moment later.
int CreateLockedUnnamed(const std::string& folder, const std::string& prefix, const std::string& suffix,
                        std::string& path) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    Flock(fd);
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = folder + "/" + prefix + RandomPart() + suffix;
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            path = name;
            return fd;
        }
        if (errno != EEXIST) break;
    }
    const int code = errno;
    ::close(fd);
    errno = code;
    return -1;
}

}  // namespace

int CreateLockedTemporary(const std::string& folder, std::string_view prefix, std::string_view suffix,
                          std::string& path) {
    const int unnamed = CreateLockedUnnamed(folder, std::string(prefix), std::string(suffix), path);
    if (unnamed >= 0) return unnamed;
    std::string pattern = folder + "/" + std::string(prefix) + "XXXXXX" + std::string(suffix);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
    if (fd < 0) return -1;
    Flock(fd);
    path = name.data();
    return fd;
}

void RemoveAbandonedFiles(const std::string& folder, std::string_view prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.path().filename().string().starts_with(prefix)) continue;
        // Never follows a link and never waits on a pipe: only the program's own regular files go.
        Fd fd(::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat st {};
        if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // A writer locks its file the moment it makes it: one nobody holds has lost its writer.
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
        ::unlink(entry.path().c_str());
    }
}

WriteResult WriteFileAtomically(const std::string& requested, std::string_view bytes,
                                const WriteOptions& options) {
    WriteResult result;
    result.Target = options.FollowLinks ? FinalTarget(requested) : requested;
    const std::string& path = result.Target;
    struct stat target {};
    const bool exists = ::lstat(path.c_str(), &target) == 0;
    RefuseUnwritableTarget(requested, path, exists, target);
    const std::string folder = FolderOf(path);
    RemoveAbandonedFiles(folder, kTemporaryPrefix);

    std::string tempPath;
    Fd fd(CreateLockedTemporary(folder, kTemporaryPrefix, "", tempPath));
    if (fd.Get() < 0) {
        const int code = errno;
        SaveFailed(requested, SaveReason(code), SystemError("mkstemp", code));
    }
    auto fail = [&](const char* what) {
        const int code = errno;
        ::unlink(tempPath.c_str());
        SaveFailed(requested, SaveReason(code), SystemError(what, code));
    };
    TakeOverAttributes(fd.Get(), exists, target);
    if (!WriteAll(fd.Get(), bytes)) fail("write");
    if (::fsync(fd.Get()) != 0) fail("fsync");
    if (options.Stop != nullptr && options.Stop->load()) {
        ::unlink(tempPath.c_str());
        throw text::Error(std::string(messages::kSaveInterrupted) + DisplayName(requested), "stop requested");
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) fail("rename");
    Fd dirFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.Get() >= 0) ::fsync(dirFd.Get());  // makes the rename durable; a failure here loses nothing
    if (exists) result.OtherNames = target.st_nlink > 1 ? target.st_nlink - 1 : 0;
    return result;
}

std::string WriteNewFile(const std::string& first, std::string (*numbered)(const std::string&, int),
                         std::string_view bytes, const std::string& like) {
    const std::string folder = FolderOf(first);
    struct stat old {};
    const bool exists = ::stat(like.c_str(), &old) == 0;
    std::string tempPath;
    Fd fd(CreateLockedTemporary(folder, kTemporaryPrefix, "", tempPath));
    auto fail = [&](const char* what) {
        const int code = errno;
        if (!tempPath.empty()) ::unlink(tempPath.c_str());
        SaveFailed(first, SaveReason(code), SystemError(what, code));
    };
    if (fd.Get() < 0) fail("mkstemp");
    TakeOverAttributes(fd.Get(), exists, old);
    if (!WriteAll(fd.Get(), bytes)) fail("write");
    if (::fsync(fd.Get()) != 0) fail("fsync");
    // The first free name, taken without ever replacing a file: an earlier backup is an earlier
    // original.
    for (int n = 0; n < 10000; ++n) {
        const std::string name = n == 0 ? first : numbered(first, n);
        if (::renameat2(AT_FDCWD, tempPath.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0)
            return name;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) fail("renameat2");
        // A file system without that rename: a hard link never replaces either.
        if (::link(tempPath.c_str(), name.c_str()) == 0) {
            ::unlink(tempPath.c_str());
            return name;
        }
        if (errno != EEXIST) fail("link");
    }
    errno = EEXIST;
    fail("backup names");
    return {};  // not reached: fail throws
}

DocumentLock::DocumentLock(const std::string& path, Kind kind) {
    const bool lockFile = kind == Kind::LockFile;
    constexpr int kFlags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    for (int attempt = 0; attempt < 10; ++attempt) {
        fd_ = lockFile ? ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | kFlags, 0666)
                       : ::open(path.c_str(), O_RDONLY | kFlags);
        struct stat locked {
        }, named{};
        if (fd_ < 0 || ::fstat(fd_, &locked) != 0) {
            errorCode_ = lockFile && errno == ELOOP ? kNotRegularFile : errno;
            return;
        }
        if (!S_ISREG(locked.st_mode)) {
            errorCode_ = lockFile ? kNotRegularFile : EINVAL;
            return;
        }
        int rc;
        while ((rc = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (rc != 0) {
            if (!lockFile) errorCode_ = errno;
            state_ = errno == EWOULDBLOCK ? State::Busy : State::Failed;
            return;
        }
        // Replaced by another editor between the open and the lock: lock what the name shows now.
        if (::stat(path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
            named.st_ino == locked.st_ino) {
            state_ = State::Held;
            return;
        }
        ::close(fd_);
        fd_ = -1;
    }
}

DocumentLock::~DocumentLock() {
    Release();
}

void DocumentLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace tabulex::platform
