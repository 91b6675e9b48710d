#include "platform/FileStamp.h"

#include "Handle.h"
#include "HandleStamp.h"

#include <windows.h>

namespace tabulex::platform {
namespace {

// FILETIME counts 100-nanosecond steps from 1601; the stamp counts from 1970 as elsewhere.
constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kEpochDifference = 11'644'473'600LL * kTicksPerSecond;

std::int64_t Ticks(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
}

}  // namespace

FileStamp StampOfHandle(HANDLE file, bool entry) {
    FileStamp stamp;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info)) return stamp;
    const bool link = entry && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    stamp.Exists = true;
    stamp.IsFolder = !link && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    stamp.IsRegular = !link && !stamp.IsFolder && ::GetFileType(file) == FILE_TYPE_DISK &&
                      (info.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0;
    stamp.HasWriteBits = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
    stamp.Device = info.dwVolumeSerialNumber;
    stamp.Inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp.Size =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    const std::int64_t ticks = Ticks(info.ftLastWriteTime) - kEpochDifference;
    stamp.ModifiedSeconds = ticks / kTicksPerSecond;
    stamp.ModifiedNanoseconds = (ticks % kTicksPerSecond) * 100;
    return stamp;
}

namespace {

// Attributes only (no read access), shared with every other opener; folders too. `entry`: a link
// or junction itself rather than what it points to.
FileStamp StampOfPath(const std::filesystem::path& path, bool entry) {
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (entry ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    windows::Handle file(::CreateFileW(path.wstring().c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, flags, nullptr));
    return file.Valid() ? StampOfHandle(file.Get(), entry) : FileStamp{};
}

}  // namespace

FileStamp StampOf(const std::filesystem::path& path) {
    return StampOfPath(path, false);
}

FileStamp EntryStampOf(const std::filesystem::path& path) {
    return StampOfPath(path, true);
}

}  // namespace tabulex::platform
