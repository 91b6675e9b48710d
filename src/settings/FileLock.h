#pragma once

// An advisory lock (flock) on a small lock file beside a shared file, taken around every
// load-modify-save of that file so that writers in other processes, and other objects of this
// process, lose no update. The lock file also counts the saves made under it, so that a reader can
// tell cheaply whether its copy is still current. Without a usable lock file (a missing or
// read-only folder) every operation is a no-op: the shared file is then used without the lock.

#include <cstdint>
#include <filesystem>

namespace tabulex::settings {

class FileLock {
  public:
    explicit FileLock(std::filesystem::path lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Blocks until the lock is held, shared (readers) or exclusive (writers).
    void Lock(bool exclusive);
    void Unlock();

    // The number of saves counted so far; 0 without a lock file. Read with the lock held.
    std::uint64_t Generation();
    // Counts one more save; call with the exclusive lock held.
    void NextGeneration();

  private:
    bool Open();

    std::filesystem::path path_;
    int fd_ = -1;
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

}  // namespace tabulex::settings
