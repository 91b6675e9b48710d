#include "platform/FileSystem.h"

#include "Handle.h"
#include "OpenFiles.h"
#include "Wide.h"
#include "platform/FileMessages.h"
#include "text/Cp1251.h"
#include "text/Error.h"
#include "text/Utf8Paths.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
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

}  // namespace

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

namespace {

// Folders of `prefix` that a killed run left in the temporary folder: a live run keeps its folder
// open without sharing its deletion, so only a leftover opens for deletion here.
void RemoveAbandonedFolders(const std::wstring& base, std::string_view prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(base), error)) {
        if (!text::Utf8OfPath(entry.path().filename()).starts_with(prefix)) continue;
        Handle folder = windows::OpenEntry(entry.path().wstring(), DELETE | FILE_READ_ATTRIBUTES);
        BY_HANDLE_FILE_INFORMATION info{};
        if (!folder.Valid() || !::GetFileInformationByHandle(folder.Get(), &info) ||
            (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
            !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        folder.Close();
        std::error_code ignored;
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

}  // namespace

TempFolder::TempFolder(std::string_view prefix) {
    wchar_t base[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, base);
    std::wstring folder = length > 0 ? std::wstring(base, length) : std::wstring(L".\\");
    if (folder.back() != L'\\') folder += L'\\';
    RemoveAbandonedFolders(folder, prefix);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring candidate = folder + Wide(prefix) + windows::RandomPart();
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = windows::Utf8(candidate);
            // Held while the folder is in use: the next run's clean-up leaves it alone.
            lockFd_ = windows::DescriptorOf(
                Handle(::CreateFileW(candidate.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr)),
                _O_RDONLY);
            return;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    const DWORD code = ::GetLastError();
    throw text::Error(std::string(messages::kCannotRead) + DisplayName(windows::Utf8(folder)),
                      LastErrorText("CreateDirectoryW", code));
}

TempFolder::~TempFolder() {
    if (lockFd_ >= 0) ::_close(lockFd_);
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(Wide(path_)), ec);
}

std::FILE* OpenOwnFile(const std::filesystem::path& path, int& errorCode) {
    Handle file = windows::OpenEntry(path.wstring(), GENERIC_READ);
    if (!file.Valid()) {
        errorCode = windows::ErrnoFromWindowsError(::GetLastError());
        return nullptr;
    }
    if (!windows::IsRegularFile(file.Get())) {
        errorCode = EINVAL;
        return nullptr;
    }
    const int descriptor = windows::DescriptorOf(std::move(file), _O_RDONLY);
    std::FILE* stream = descriptor >= 0 ? ::_fdopen(descriptor, "rb") : nullptr;
    if (stream == nullptr) {
        errorCode = EMFILE;
        if (descriptor >= 0) ::_close(descriptor);
    }
    return stream;
}

std::optional<std::string> ReadOwnFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    int errorCode = 0;
    std::FILE* file = OpenOwnFile(path, errorCode);
    if (file == nullptr) return std::nullopt;
    LARGE_INTEGER size{};
    std::optional<std::string> bytes;
    if (::GetFileSizeEx(windows::HandleOf(::_fileno(file)), &size) &&
        static_cast<std::uintmax_t>(size.QuadPart) <= maxBytes) {
        std::string read(static_cast<std::size_t>(size.QuadPart), '\0');
        read.resize(std::fread(read.data(), 1, read.size(), file));
        if (!std::ferror(file)) bytes = std::move(read);
    }
    std::fclose(file);
    return bytes;
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
