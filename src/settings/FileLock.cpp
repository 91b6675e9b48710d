#include "settings/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace tabulex::settings {

FileLock::FileLock(std::filesystem::path lockFile) : path_(std::move(lockFile)) {}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

// Opened on first use and kept open: one open per object, not one per operation. The folder may
// appear later (the first save creates it), so a failed open is tried again next time.
bool FileLock::Open() {
    if (fd_ < 0) fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);  // a read-only folder: readers still lock
    return fd_ >= 0;
}

void FileLock::Lock(bool exclusive) {
    if (!Open()) return;
    while (::flock(fd_, exclusive ? LOCK_EX : LOCK_SH) != 0 && errno == EINTR) {
    }
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

}  // namespace tabulex::settings
