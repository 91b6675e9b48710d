#include "platform/FileLock.h"

#include "OpenFiles.h"
#include "Wide.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>

namespace tabulex::platform {
namespace {

// The lock covers one byte far beyond the counter at the start of the file: Windows locks are
// mandatory for the bytes they cover, and readers must always be able to read the counter.
constexpr DWORD kLockOffsetHigh = 0x40000000;

OVERLAPPED At(DWORD offsetHigh, DWORD offsetLow) {
    OVERLAPPED overlapped{};
    overlapped.OffsetHigh = offsetHigh;
    overlapped.Offset = offsetLow;
    return overlapped;
}

// Never through a link: anything but a regular file is no lock (the generation counter written
// into it would go elsewhere).
int OpenLockFile(const std::wstring& path, DWORD access, int& errorCode) {
    windows::Handle file =
        windows::OpenEntry(path, access, access & GENERIC_WRITE ? OPEN_ALWAYS : OPEN_EXISTING);
    if (!file.Valid()) {
        errorCode = windows::ErrnoFromWindowsError(::GetLastError());
        return -1;
    }
    if (!windows::IsRegularFile(file.Get())) {
        errorCode = EINVAL;
        return -1;
    }
    return windows::DescriptorOf(std::move(file), access & GENERIC_WRITE ? _O_RDWR : _O_RDONLY);
}

}  // namespace

FileLock::FileLock(std::filesystem::path lockFile, Access access)
    : path_(std::move(lockFile)), access_(access) {}

FileLock::~FileLock() {
    if (fd_ >= 0) ::_close(fd_);  // releases the lock
}

// Kept open once opened: one open per object, not one per operation.
bool FileLock::Open() {
    if (fd_ >= 0) return true;
    const std::wstring path = path_.wstring();
    fd_ = OpenLockFile(path, GENERIC_READ | GENERIC_WRITE, errorCode_);
    int ignored = 0;
    // A read-only folder: readers still lock.
    if (fd_ < 0 && access_ == Access::ReadOnlyAllowed && errorCode_ != EINVAL)
        fd_ = OpenLockFile(path, GENERIC_READ, ignored);
    return fd_ >= 0;
}

void FileLock::Lock(bool exclusive) {
    if (!Open()) return;
    OVERLAPPED at = At(kLockOffsetHigh, 0);
    ::LockFileEx(windows::HandleOf(fd_), exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0, 0, 1, 0, &at);
}

bool FileLock::TryLock() {
    if (!Open()) return false;
    OVERLAPPED at = At(kLockOffsetHigh, 0);
    return ::LockFileEx(windows::HandleOf(fd_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                        &at) != 0;
}

void FileLock::Unlock() {
    if (fd_ < 0) return;
    OVERLAPPED at = At(kLockOffsetHigh, 0);
    ::UnlockFileEx(windows::HandleOf(fd_), 0, 1, 0, &at);
}

std::uint64_t FileLock::Generation() {
    std::uint64_t generation = 0;
    OVERLAPPED at = At(0, 0);
    DWORD read = 0;
    if (fd_ < 0 || !::ReadFile(windows::HandleOf(fd_), &generation, sizeof generation, &read, &at) ||
        read != sizeof generation)
        return 0;
    return generation;
}

void FileLock::NextGeneration() {
    if (fd_ < 0) return;
    const std::uint64_t next = Generation() + 1;
    OVERLAPPED at = At(0, 0);
    DWORD written = 0;
    ::WriteFile(windows::HandleOf(fd_), &next, sizeof next, &written, &at);
}

}  // namespace tabulex::platform
