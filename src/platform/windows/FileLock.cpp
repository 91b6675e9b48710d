#include "platform/FileLock.h"

#include "Wide.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace tabulex::platform {
namespace {

// The lock covers one byte far beyond the counter at the start of the file: Windows locks are
// mandatory for the bytes they cover, and readers must always be able to read the counter.
constexpr DWORD kLockOffsetHigh = 0x40000000;

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

OVERLAPPED At(DWORD offsetHigh, DWORD offsetLow) {
    OVERLAPPED overlapped{};
    overlapped.OffsetHigh = offsetHigh;
    overlapped.Offset = offsetLow;
    return overlapped;
}

int OpenLockFile(const std::wstring& path, DWORD access) {
    HANDLE handle =
        ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return -1;
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (fd < 0) ::CloseHandle(handle);
    return fd;
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
    fd_ = OpenLockFile(path, GENERIC_READ | GENERIC_WRITE);
    if (fd_ < 0) errorCode_ = windows::ErrnoFromWindowsError(::GetLastError());
    if (fd_ < 0 && access_ == Access::ReadOnlyAllowed) fd_ = OpenLockFile(path, GENERIC_READ);
    return fd_ >= 0;
}

void FileLock::Lock(bool exclusive) {
    if (!Open()) return;
    OVERLAPPED at = At(kLockOffsetHigh, 0);
    ::LockFileEx(HandleOf(fd_), exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0, 0, 1, 0, &at);
}

bool FileLock::TryLock() {
    if (!Open()) return false;
    OVERLAPPED at = At(kLockOffsetHigh, 0);
    return ::LockFileEx(HandleOf(fd_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) !=
           0;
}

void FileLock::Unlock() {
    if (fd_ < 0) return;
    OVERLAPPED at = At(kLockOffsetHigh, 0);
    ::UnlockFileEx(HandleOf(fd_), 0, 1, 0, &at);
}

std::uint64_t FileLock::Generation() {
    std::uint64_t generation = 0;
    OVERLAPPED at = At(0, 0);
    DWORD read = 0;
    if (fd_ < 0 || !::ReadFile(HandleOf(fd_), &generation, sizeof generation, &read, &at) ||
        read != sizeof generation)
        return 0;
    return generation;
}

void FileLock::NextGeneration() {
    if (fd_ < 0) return;
    const std::uint64_t next = Generation() + 1;
    OVERLAPPED at = At(0, 0);
    DWORD written = 0;
    ::WriteFile(HandleOf(fd_), &next, sizeof next, &written, &at);
}

}  // namespace tabulex::platform
