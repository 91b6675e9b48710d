#pragma once

// A new version of a file, written beside it and put in its place in one rename: a reader sees the
// old version or the new one, never half of it, and a failure or a killed run leaves the old one.

#include "platform/FileStamp.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tabulex::platform {

class ReplacementFile {
  public:
    ReplacementFile() = default;
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file, `temporaryName` followed by six random characters, in the
    // target's folder, locked while this object lives, with the target's permissions (a new
    // target: what the umask leaves of 0666). False when it cannot be made; ErrorCode says why.
    bool Open(const std::filesystem::path& target, std::string_view temporaryName);
    // Where the new contents go; null when not open.
    std::FILE* Stream() const { return stream_; }
    // Renames the new version over the target while it is still locked, then closes it; `durable`: flushed to
    // disk first. False when any step failed (ErrorCode says why); the temporary file is then removed.
    bool Commit(bool durable);
    // The stamp of the version Commit put in place, taken before anyone else could replace it: a
    // later look that finds another stamp knows the file changed since.
    const FileStamp& Written() const { return written_; }
    // Drops the new version; the target stays as it was.
    void Discard();
    // The errno value of the last failure.
    int ErrorCode() const { return errorCode_; }

  private:
    bool Fail(int code);

    std::filesystem::path target_;
    std::string temporaryPath_;
    std::FILE* stream_ = nullptr;
    int errorCode_ = 0;
    FileStamp written_;
};

}  // namespace tabulex::platform
