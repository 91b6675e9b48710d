#pragma once

// An advisory lock on a small lock file, shared between processes and between objects of one
// process. The lock file also counts the saves made under it, so that a reader can tell cheaply
// whether its copy of the file the lock guards is still current. Without a usable lock file every
// operation is a no-op.

#include <cstdint>
#include <filesystem>

namespace tabulex::platform {

class FileLock {
  public:
    // ReadOnlyAllowed: a lock file that cannot be opened for writing (a read-only folder) is
    // opened for reading, which still takes the lock.
    enum class Access { Writable, ReadOnlyAllowed };

    explicit FileLock(std::filesystem::path lockFile, Access access = Access::Writable);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens (creating when missing) the lock file; the first call opens it, later ones try again
    // only while it is not open: its folder may appear later. False when it cannot be opened
    // (ErrorCode says why).
    bool Open();
    // Blocks until the lock is held, shared (readers) or exclusive (writers).
    void Lock(bool exclusive);
    // Takes the exclusive lock without waiting; false when another holds it or the file cannot be
    // opened.
    bool TryLock();
    void Unlock();
    // The errno value of the last failed open.
    int ErrorCode() const { return errorCode_; }

    // The number of saves counted so far; 0 without a lock file. Read with the lock held.
    std::uint64_t Generation();
    // Counts one more save; call with the exclusive lock held.
    void NextGeneration();

  private:
    std::filesystem::path path_;
    Access access_;
    int fd_ = -1;
    int errorCode_ = 0;
};

// Holds a FileLock for a scope.
class FileLockGuard {
  public:
    FileLockGuard(FileLock& lock, bool exclusive) : lock_(lock) { lock_.Lock(exclusive); }
    ~FileLockGuard() { lock_.Unlock(); }
    FileLockGuard(const FileLockGuard&) = delete;
    FileLockGuard& operator=(const FileLockGuard&) = delete;

  private:
    FileLock& lock_;
};

}  // namespace tabulex::platform
