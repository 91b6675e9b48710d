#include "platform/FileSystem.h"

#include "Handle.h"
#include "Wide.h"
#include "platform/FileMessages.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <utility>

namespace tabulex::platform {

using namespace text::literals;
using windows::Handle;
using windows::LastErrorText;
using windows::Wide;

namespace {

[[noreturn]] void ReadFailed(std::string_view message, const std::string& path, std::string detail) {
    throw text::Error(std::string(message) + DisplayName(path), std::move(detail));
}

[[noreturn]] void SaveFailed(const std::string& path, std::string_view reason, std::string detail) {
    throw text::Error(std::string(messages::kSaveFailed) + DisplayName(path) + std::string(reason),
                      std::move(detail));
}

std::string SaveReason(DWORD code) {
    if (code == ERROR_ACCESS_DENIED) return std::string(messages::kReadOnlyFolder);
    return ": " + FailureReason(windows::ErrnoFromWindowsError(code));
}

// The folder a path names its file in; "." for a bare name.
std::wstring FolderOf(const std::wstring& path) {
    std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L".";
    if (slash == 0 || (slash == 2 && path[1] == L':')) return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

std::wstring NameOf(const std::wstring& path) {
    std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring RandomSuffix() {
    static const wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::wstring suffix;
    for (int i = 0; i < 6; ++i) suffix += kLetters[device() % (sizeof(kLetters) / sizeof(wchar_t) - 1)];
    return suffix;
}

// Opens a regular file for reading, shared with writers (Word keeps its documents open); refuses a
// missing file and a folder.
Handle OpenRegularFile(const std::string& path) {
    const std::wstring wide = Wide(path);
    DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD code = ::GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME)
            ReadFailed(messages::kFileNotFound, path, LastErrorText("GetFileAttributesW", code));
        ReadFailed(messages::kCannotRead, path, LastErrorText("GetFileAttributesW", code));
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) ReadFailed(messages::kIsFolder, path, "a directory");
    Handle file(::CreateFileW(wide.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        ReadFailed(messages::kCannotRead, path, LastErrorText("CreateFileW", ::GetLastError()));
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK)
        ReadFailed(messages::kCannotRead, path, "not a disk file");
    return file;
}

// Reads up to `count` bytes; fewer only at the end of the file.
std::size_t ReadUpTo(const Handle& file, char* buffer, std::size_t count, const std::string& path) {
    std::size_t done = 0;
    while (done < count) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer + done, chunk, &read, nullptr))
            ReadFailed(messages::kCannotRead, path, LastErrorText("ReadFile", ::GetLastError()));
        if (read == 0) break;
        done += read;
    }
    return done;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::string DisplayName(std::string_view utf8Path) {
    return text::Utf8ToCp1251(utf8Path);
}

std::string FailureReason(int errorCode) {
    switch (errorCode) {
        case EACCES:
        case EPERM:
            return std::string("нет прав на запись"_cp);
        case EROFS:
            return std::string("диск доступен только для чтения"_cp);
        case ENOSPC:
            return std::string("нет места на диске"_cp);
        case EEXIST:
        case ENOTDIR:
            return std::string("на месте папки находится файл"_cp);
        case EISDIR:
            return std::string("на месте файла находится папка"_cp);
        case ENOENT:
            return std::string("папка не найдена"_cp);
        case EFBIG:
            return std::string("превышен допустимый размер файла"_cp);
        case ENAMETOOLONG:
            return std::string("слишком длинное имя"_cp);
        case EIO:
            return std::string("ошибка ввода-вывода"_cp);
        default:
            return std::string("ошибка системы № "_cp) + std::to_string(errorCode);
    }
}

std::string ReadFileHead(const std::string& path, std::size_t count) {
    Handle file = OpenRegularFile(path);
    std::string head(count, '\0');
    head.resize(ReadUpTo(file, head.data(), head.size(), path));
    if (head.empty()) ReadFailed(messages::kEmptyFile, path, "0 bytes");
    return head;
}

std::string ReadDocumentFile(const std::string& path, std::uint64_t maxBytes) {
    Handle file = OpenRegularFile(path);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size))
        ReadFailed(messages::kCannotRead, path, LastErrorText("GetFileSizeEx", ::GetLastError()));
    if (size.QuadPart == 0) ReadFailed(messages::kEmptyFile, path, "0 bytes");
    if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes)
        ReadFailed(messages::kTooLarge, path, "file of " + std::to_string(size.QuadPart) + " bytes");
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    bytes.resize(ReadUpTo(file, bytes.data(), bytes.size(), path));  // the file may have shrunk
    if (bytes.empty()) ReadFailed(messages::kEmptyFile, path, "0 bytes read");
    return bytes;
}

void WriteFileAtomically(const std::string& requested, std::string_view bytes) {
    const std::wstring path = Wide(requested);
    const std::wstring folder = FolderOf(path);
    DWORD target = ::GetFileAttributesW(path.c_str());
    const bool exists = target != INVALID_FILE_ATTRIBUTES;
    if (exists && (target & FILE_ATTRIBUTE_DIRECTORY))
        SaveFailed(requested, messages::kTargetIsFolder, "the target is a directory");
    if (exists && (target & FILE_ATTRIBUTE_READONLY))
        SaveFailed(requested, messages::kReadOnlyTarget, "read-only attribute");
    DWORD folderAttributes = ::GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES) {
        DWORD code = ::GetLastError();
        SaveFailed(requested, SaveReason(code), LastErrorText("GetFileAttributesW (folder)", code));
    }
    if (!(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        SaveFailed(requested, ": " + FailureReason(ENOTDIR), "the folder is a file");

    std::wstring tempPath;
    Handle temp;
    for (int attempt = 0; attempt < 100 && !temp.Valid(); ++attempt) {
        tempPath = folder + L"\\.~" + NameOf(path) + L"." + RandomSuffix();
        temp = Handle(::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!temp.Valid() && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (!temp.Valid()) {
        DWORD code = ::GetLastError();
        SaveFailed(requested, SaveReason(code), LastErrorText("CreateFileW (temporary file)", code));
    }
    auto fail = [&](const char* what) {
        DWORD code = ::GetLastError();
        temp.Close();
        ::DeleteFileW(tempPath.c_str());
        SaveFailed(requested, SaveReason(code), LastErrorText(what, code));
    };
    if (!WriteAll(temp.Get(), bytes)) fail("WriteFile");
    if (!::FlushFileBuffers(temp.Get())) fail("FlushFileBuffers");
    if (!temp.Close()) fail("CloseHandle");
    // ReplaceFileW keeps what the target carries besides its bytes (attributes, permissions,
    // creation time), as the POSIX save keeps the mode; a new target is simply renamed into place.
    if (exists && ::ReplaceFileW(path.c_str(), tempPath.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                 nullptr, nullptr))
        return;
    if (!::MoveFileExW(tempPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail("MoveFileExW");
}

TempFolder::TempFolder(std::string_view prefix) {
    wchar_t base[MAX_PATH + 1];
    DWORD length = ::GetTempPathW(MAX_PATH + 1, base);
    std::wstring folder = length > 0 ? std::wstring(base, length) : std::wstring(L".\\");
    if (folder.back() != L'\\') folder += L'\\';
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring candidate = folder + Wide(prefix) + RandomSuffix();
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = windows::Utf8(candidate);
            return;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    DWORD code = ::GetLastError();
    throw text::Error(std::string(messages::kCannotRead) + DisplayName(windows::Utf8(folder)),
                      LastErrorText("CreateDirectoryW", code));
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(Wide(path_)), ec);
}

namespace {

// Where a program's installer registered it: "App Paths", which the shell also searches.
std::wstring RegisteredPath(const std::wstring& executable) {
    const std::wstring key = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + executable;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        wchar_t value[MAX_PATH * 4];
        DWORD size = sizeof value;
        if (::RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) ==
                ERROR_SUCCESS &&
            ::GetFileAttributesW(value) != INVALID_FILE_ATTRIBUTES)
            return value;
    }
    return {};
}

// LibreOffice installs under Program Files without putting itself on PATH.
std::wstring UnderProgramFiles(const std::wstring& executable) {
    if (executable != L"soffice.exe") return {};
    for (const wchar_t* variable : {L"ProgramW6432", L"ProgramFiles", L"ProgramFiles(x86)"}) {
        const wchar_t* folder = ::_wgetenv(variable);
        if (!folder || !*folder) continue;
        std::wstring candidate = std::wstring(folder) + L"\\LibreOffice\\program\\" + executable;
        if (::GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
    }
    return {};
}

}  // namespace

std::string FindOnPath(std::string_view program) {
    std::wstring executable = Wide(program);
    if (!executable.ends_with(L".exe")) executable += L".exe";
    wchar_t found[MAX_PATH * 4];
    DWORD length = ::SearchPathW(nullptr, executable.c_str(), nullptr, MAX_PATH * 4, found, nullptr);
    if (length > 0 && length < MAX_PATH * 4) return windows::Utf8(std::wstring_view(found, length));
    std::wstring registered = RegisteredPath(executable);
    if (registered.empty()) registered = UnderProgramFiles(executable);
    return windows::Utf8(registered);
}

}  // namespace tabulex::platform
