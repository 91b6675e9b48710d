#include "platform/FileWrites.h"

#include "Handle.h"
#include "OpenFiles.h"
#include "Wide.h"
#include "platform/FileMessages.h"
#include "platform/FileStamp.h"
#include "platform/FileSystem.h"
#include "text/Error.h"
#include "text/Utf8Paths.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace tabulex::platform {
namespace {

using windows::Handle;
using windows::LastErrorText;
using windows::Wide;

constexpr std::string_view kTemporaryPrefix = ".~tabulex-";

// The lock of a live writer covers one byte far beyond any file's end: Windows locks are
// mandatory for the bytes they cover, and the file itself must stay readable.
constexpr DWORD kLockOffsetHigh = 0x40000000;

[[noreturn]] void SaveFailed(const std::string& path, std::string_view reason, std::string detail) {
    throw text::Error(std::string(messages::kSaveFailed) + DisplayName(path) + std::string(reason),
                      std::move(detail));
}

// What the user is told of a system error while saving, after the file name.
std::string SaveReason(DWORD code) {
    if (code == ERROR_ACCESS_DENIED) return std::string(messages::kReadOnlyFolder);
    return ": " + FailureReason(windows::ErrnoFromWindowsError(code));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = text::PathFromUtf8(path).parent_path();
    return parent.empty() ? std::string(".") : text::Utf8OfPath(parent);
}

bool TryLock(HANDLE file) {
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    return ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
}

// The checks before anything is written: the target's place holds a regular file or nothing, the
// file is not read-only, and its folder exists.
void RefuseUnwritableTarget(const std::string& requested, const std::string& path, const FileStamp& target) {
    if (target.Exists && target.IsFolder)
        SaveFailed(requested, messages::kTargetIsFolder, "the target is a directory");
    if (target.Exists && !target.IsRegular)
        SaveFailed(requested, messages::kTargetNotRegular, "the target is not a regular file");
    if (target.Exists && !target.HasWriteBits)
        SaveFailed(requested, messages::kReadOnlyTarget, "read-only attribute");
    const std::string folder = FolderOf(path);
    const DWORD attributes = ::GetFileAttributesW(Wide(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        SaveFailed(requested, SaveReason(code), LastErrorText("GetFileAttributesW (folder)", code));
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        SaveFailed(requested, ": " + FailureReason(ENOTDIR), "the folder is a file");
}

// A temporary file of the program, opened for writing and renaming and locked; others may read it
// but neither delete nor rename it while it is open.
Handle CreateTemporary(const std::string& folder, std::string_view prefix, std::string_view suffix,
                       std::string& path) {
    const std::wstring stem = Wide(folder) + L"\\" + Wide(prefix);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = stem + windows::RandomPart() + Wide(suffix);
        Handle file(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Valid()) {
            TryLock(file.Get());
            path = windows::Utf8(name);
            return file;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return Handle();
}

// Removes a temporary file that failed, through its own handle (it is not shared for deletion).
void DeleteOpenFile(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// Renames the temporary file over the target. A target that is open elsewhere cannot be replaced
// where POSIX renames are missing: when the caller's own hold is what keeps it open, the caller
// lets go of it (or throws, and the temporary file goes) and the rename is tried again.
bool ReplaceTarget(HANDLE temp, const std::string& path, const std::function<void()>& releaseTarget) {
    const std::wstring target = Wide(path);
    if (windows::RenameOpenFile(temp, target, true)) return true;
    const DWORD code = ::GetLastError();
    if (!releaseTarget || (code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION)) return false;
    try {
        releaseTarget();
    } catch (...) {
        DeleteOpenFile(temp);
        throw;
    }
    return windows::RenameOpenFile(temp, target, true);
}

}  // namespace

std::string FinalTarget(const std::string& path) {
    std::error_code error;
    std::filesystem::path at = text::PathFromUtf8(path);
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(at, error); ++hops) {
        const std::filesystem::path next = std::filesystem::read_symlink(at, error);
        if (error) break;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return text::Utf8OfPath(at.lexically_normal());
}

std::uint64_t OtherHardLinks(const std::string& path) {
    Handle file = windows::OpenEntry(Wide(path), FILE_READ_ATTRIBUTES);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.Valid() || !::GetFileInformationByHandle(file.Get(), &info) || info.nNumberOfLinks < 1)
        return 0;
    return info.nNumberOfLinks - 1;
}

int CreateLockedTemporary(const std::string& folder, std::string_view prefix, std::string_view suffix,
                          std::string& path) {
    Handle file = CreateTemporary(folder, prefix, suffix, path);
    if (!file.Valid()) {
        errno = windows::ErrnoFromWindowsError(::GetLastError());
        return -1;
    }
    const int descriptor = windows::DescriptorOf(std::move(file), _O_RDWR);
    if (descriptor < 0) {
        ::DeleteFileW(Wide(path).c_str());
        errno = EMFILE;
    }
    return descriptor;
}

void RemoveAbandonedFiles(const std::string& folder, std::string_view prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(text::PathFromUtf8(folder), error)) {
        if (!text::Utf8OfPath(entry.path().filename()).starts_with(prefix)) continue;
        // A live writer keeps its file open without sharing its deletion: only a leftover opens here.
        Handle file = windows::OpenEntry(entry.path().wstring(), DELETE | FILE_READ_ATTRIBUTES);
        if (!file.Valid() || !windows::IsRegularFile(file.Get())) continue;
        DeleteOpenFile(file.Get());
    }
}

WriteResult WriteFileAtomically(const std::string& requested, std::string_view bytes,
                                const WriteOptions& options) {
    WriteResult result;
    result.Target = options.FollowLinks ? FinalTarget(requested) : requested;
    const std::string& path = result.Target;
    const FileStamp target = EntryStampOf(text::PathFromUtf8(path));
    RefuseUnwritableTarget(requested, path, target);
    const std::string folder = FolderOf(path);
    RemoveAbandonedFiles(folder, kTemporaryPrefix);
    if (target.Exists) result.OtherNames = OtherHardLinks(path);

    std::string tempPath;
    Handle temp = CreateTemporary(folder, kTemporaryPrefix, "", tempPath);
    if (!temp.Valid()) {
        const DWORD code = ::GetLastError();
        SaveFailed(requested, SaveReason(code), LastErrorText("CreateFileW (temporary file)", code));
    }
    auto fail = [&](const char* what) {
        const DWORD code = ::GetLastError();
        DeleteOpenFile(temp.Get());
        SaveFailed(requested, SaveReason(code), LastErrorText(what, code));
    };
    if (!WriteAll(temp.Get(), bytes)) fail("WriteFile");
    if (!::FlushFileBuffers(temp.Get())) fail("FlushFileBuffers");
    if (options.Stop != nullptr && options.Stop->load()) {
        DeleteOpenFile(temp.Get());
        throw text::Error(std::string(messages::kSaveInterrupted) + DisplayName(requested), "stop requested");
    }
    if (!ReplaceTarget(temp.Get(), path, options.ReleaseTarget)) fail("rename");
    return result;
}

std::string WriteNewFile(const std::string& first, std::string (*numbered)(const std::string&, int),
                         std::string_view bytes, const std::string&) {
    const std::string folder = FolderOf(first);
    std::string tempPath;
    Handle temp = CreateTemporary(folder, kTemporaryPrefix, "", tempPath);
    auto fail = [&](const char* what) {
        const DWORD code = ::GetLastError();
        if (temp.Valid()) DeleteOpenFile(temp.Get());
        SaveFailed(first, SaveReason(code), LastErrorText(what, code));
    };
    if (!temp.Valid()) fail("CreateFileW (temporary file)");
    if (!WriteAll(temp.Get(), bytes)) fail("WriteFile");
    if (!::FlushFileBuffers(temp.Get())) fail("FlushFileBuffers");
    // The first free name, taken without ever replacing a file: an earlier backup is an earlier
    // original.
    for (int n = 0; n < 10000; ++n) {
        const std::string name = n == 0 ? first : numbered(first, n);
        if (windows::RenameOpenFile(temp.Get(), Wide(name), false)) return name;
        const DWORD code = ::GetLastError();
        if (code != ERROR_ALREADY_EXISTS && code != ERROR_FILE_EXISTS && code != ERROR_ACCESS_DENIED)
            fail("rename");
        // Access denied: a folder or an open file under that name; the next name is tried.
        if (code == ERROR_ACCESS_DENIED && !std::filesystem::exists(text::PathFromUtf8(name))) fail("rename");
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    fail("backup names");
    return {};  // not reached: fail throws
}

DocumentLock::DocumentLock(const std::string& path, Kind kind) {
    const bool lockFile = kind == Kind::LockFile;
    const std::wstring wide = Wide(path);
    for (int attempt = 0; attempt < 10; ++attempt) {
        Handle file =
            lockFile ? windows::OpenEntry(wide, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS)
                     : Handle(::CreateFileW(wide.c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!file.Valid()) {
            errorCode_ = windows::ErrnoFromWindowsError(::GetLastError());
            return;
        }
        if (!windows::IsRegularFile(file.Get())) {
            errorCode_ = lockFile ? kNotRegularFile : EINVAL;
            return;
        }
        if (!TryLock(file.Get())) {
            const DWORD code = ::GetLastError();
            if (!lockFile) errorCode_ = windows::ErrnoFromWindowsError(code);
            state_ = code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING ? State::Busy : State::Failed;
            return;
        }
        // Replaced by another editor between the open and the lock: lock what the name shows now.
        BY_HANDLE_FILE_INFORMATION locked{};
        const FileStamp named = StampOf(text::PathFromUtf8(path));
        if (::GetFileInformationByHandle(file.Get(), &locked) && named.Exists &&
            named.Device == locked.dwVolumeSerialNumber &&
            named.Inode ==
                ((static_cast<std::uint64_t>(locked.nFileIndexHigh) << 32) | locked.nFileIndexLow)) {
            fd_ = windows::DescriptorOf(std::move(file), _O_RDONLY);
            state_ = fd_ >= 0 ? State::Held : State::Failed;
            return;
        }
    }
}

DocumentLock::~DocumentLock() {
    Release();
}

void DocumentLock::Release() {
    if (fd_ >= 0) ::_close(fd_);
    fd_ = -1;
}

}  // namespace tabulex::platform
