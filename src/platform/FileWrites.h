#pragma once

// How the program puts a file on disk: whole or not at all, never through anything but a regular
// file, and without leaving temporary files behind even when it is killed. Every temporary file is
// named ".~tabulex-XXXXXX" in the folder of the file it becomes (short, so that any name the file
// system allows for the target still works) and is locked while its writer lives; one that is no
// longer locked is a leftover of a killed run and the next write into that folder removes it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tabulex::platform {

struct WriteOptions {
    // A symbolic link as the target: true writes the file it finally points to (the link stays a
    // link); false refuses it, for the files the program alone owns.
    bool FollowLinks = true;
    // Checked once everything is written and flushed, just before the file is put in place: when
    // set, nothing changes and text::Error ("interrupted, the file is unchanged") is thrown.
    const std::atomic<bool>* Stop = nullptr;
    // Where the system will not replace a file that is open (Wine; Windows on file systems without
    // POSIX renames), the caller's own hold on the target (an edit's lock) refuses the rename: this
    // lets go of it, after making sure nobody changed the file meanwhile (it throws to keep the
    // file), and the rename is tried once more. Unset: the save fails as the system refused it.
    std::function<void()> ReleaseTarget = nullptr;
};

struct WriteResult {
    std::string Target;            // the file written: the final target of a link
    std::uint64_t OtherNames = 0;  // hard links of the replaced file, which keep its old contents
};

// The final target of a path: links followed as far as they lead (a missing last part kept).
std::string FinalTarget(const std::string& path);

// How many other names (hard links) the file has; 0 when it has none or cannot be looked at.
std::uint64_t OtherHardLinks(const std::string& path);

// Writes bytes to a temporary file in the target's folder, flushes it to disk and renames it over
// the target, which keeps its permissions and, where the system allows, its owner. Refused with
// text::Error ("could not save the document" and why), leaving everything as it was: a folder or
// anything but a regular file in the target's place, a target or folder without write permission
// (even where the process could override it), a full disk or a file-size limit.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                const WriteOptions& options = {});

// Writes a new file under the first free name `first`, else `numbered(1)`, `numbered(2)`, ...,
// never replacing a file; returns the name taken. `like` gives its permissions and owner. Throws
// text::Error naming `first` when it cannot.
std::string WriteNewFile(const std::string& first, std::string (*numbered)(const std::string&, int),
                         std::string_view bytes, const std::string& like);

// Removes the temporary files (names starting with `prefix`) of runs that were killed while
// writing into `folder`: those no live writer holds locked.
void RemoveAbandonedFiles(const std::string& folder, std::string_view prefix);

// Makes a temporary file "folder/prefix" + six random characters + suffix, opened for writing and
// locked for as long as the descriptor stays open; returns the descriptor (-1 and errno on failure).
int CreateLockedTemporary(const std::string& folder, std::string_view prefix, std::string_view suffix,
                          std::string& path);

// A link, device, pipe or socket where a file of the program's own should be: such a file is
// never written through, replaced or locked (an error code beside the errno values).
inline constexpr int kNotRegularFile = -1;

// An exclusive lock for the length of an edit or a run, taken without waiting: a second editor is
// refused at once. The path is checked to still name the locked file, so an editor that came while
// another replaced the file locks the new one.
class DocumentLock {
  public:
    enum class State { Held, Busy, Failed };
    // Document: the lock is taken on the file itself, which must exist (a non-regular file fails
    // with EINVAL). LockFile: a lock file made when missing, never through a link (a link or
    // non-regular file fails with kNotRegularFile).
    enum class Kind { Document, LockFile };
    explicit DocumentLock(const std::string& path, Kind kind = Kind::Document);
    ~DocumentLock();
    DocumentLock(const DocumentLock&) = delete;
    DocumentLock& operator=(const DocumentLock&) = delete;
    State Status() const { return state_; }
    int ErrorCode() const { return errorCode_; }
    // Lets go of the file before this object goes (the lock is no longer held).
    void Release();

  private:
    int fd_ = -1;
    State state_ = State::Failed;
    int errorCode_ = 0;
};

}  // namespace tabulex::platform
