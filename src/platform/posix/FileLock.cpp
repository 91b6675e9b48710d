#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tabulex::platform {

FileLock::FileLock(std::filesystem::path lockFile, Access access)
    : path_(std::move(lockFile)), access_(access) {}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
}

// Kept open once opened: one open per object, not one per operation.
bool FileLock::Open() {
    if (fd_ >= 0) return true;
    // Never through a link and never waiting on a pipe; anything but a regular file is no lock
    // (the generation counter written into it would go to a device).
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | kFlags, 0666);
    if (fd_ < 0) errorCode_ = errno;
    // A read-only folder: readers still lock.
    if (fd_ < 0 && access_ == Access::ReadOnlyAllowed) fd_ = ::open(path_.c_str(), O_RDONLY | kFlags);
    struct stat st {};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
        errorCode_ = EINVAL;
        ::close(fd_);
        fd_ = -1;
    }
    return fd_ >= 0;
}

void FileLock::Lock(bool exclusive) {
    if (!Open()) return;
    while (::flock(fd_, exclusive ? LOCK_EX : LOCK_SH) != 0 && errno == EINTR) {
    }
}

bool FileLock::TryLock() {
    if (!Open()) return false;
    int rc;
    while ((rc = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    return rc == 0;
}

void FileLock::Unlock() {
    if (fd_ >= 0) ::flock(fd_, LOCK_UN);
}

std::uint64_t FileLock::Generation() {
    std::uint64_t generation = 0;
    if (fd_ < 0 || ::pread(fd_, &generation, sizeof generation, 0) != sizeof generation) return 0;
    return generation;
}

void FileLock::NextGeneration() {
    if (fd_ < 0) return;
    const std::uint64_t next = Generation() + 1;
    [[maybe_unused]] ssize_t written = ::pwrite(fd_, &next, sizeof next, 0);
}

}  // namespace tabulex::platform
