#pragma once

// What identifies one version of a file on disk, cheaply: a changed stamp means the file was
// replaced or written since.

#include <cstdint>
#include <filesystem>

namespace tabulex::platform {

struct FileStamp {
    bool Exists = false;
    bool IsFolder = false;
    bool IsRegular = false;
    // Some write permission bit is set (who may override it is not asked).
    bool HasWriteBits = false;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedSeconds = 0;
    std::int64_t ModifiedNanoseconds = 0;  // within the second
    bool operator==(const FileStamp&) const = default;
};

// The stamp of a path (followed through symbolic links); Exists false when it cannot be read.
FileStamp StampOf(const std::filesystem::path& path);
// The stamp of the entry itself: a symbolic link is neither a folder nor a regular file.
FileStamp EntryStampOf(const std::filesystem::path& path);

}  // namespace tabulex::platform
