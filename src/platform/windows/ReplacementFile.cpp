#include "platform/ReplacementFile.h"

#include "Wide.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <random>

namespace tabulex::platform {
namespace {

std::wstring RandomSuffix() {
    static const wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::wstring suffix = L".";
    for (int i = 0; i < 6; ++i) suffix += kLetters[device() % (sizeof(kLetters) / sizeof(wchar_t) - 1)];
    return suffix;
}

int LastErrno() {
    return windows::ErrnoFromWindowsError(::GetLastError());
}

// Puts the new version in the target's place. ReplaceFileW keeps what the target carries besides
// its bytes (attributes, permissions, creation time), as the POSIX save keeps the mode; a new
// target is renamed into place.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target) {
    if (::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr))
        return true;
    return ::MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

ReplacementFile::~ReplacementFile() {
    Discard();
}

bool ReplacementFile::Fail(int code) {
    errorCode_ = code;
    Discard();
    return false;
}

bool ReplacementFile::Open(const std::filesystem::path& target, std::string_view temporaryName) {
    Discard();
    errorCode_ = 0;
    target_ = target;
    const std::wstring stem =
        (target.parent_path() / std::filesystem::path(windows::Wide(temporaryName))).wstring();
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::wstring temporary;
    for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = stem + RandomSuffix();
        handle = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (handle == INVALID_HANDLE_VALUE) return Fail(LastErrno());
    temporaryPath_ = windows::Utf8(temporary);
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_WRONLY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return Fail(EMFILE);
    }
    stream_ = ::_fdopen(fd, "wb");
    if (stream_ == nullptr) {
        const int code = errno;
        ::_close(fd);
        return Fail(code);
    }
    return true;
}

bool ReplacementFile::Commit(bool durable) {
    if (stream_ == nullptr) return false;
    int code = 0;
    if (std::fflush(stream_) != 0) code = errno;
    if (code == 0 && durable &&
        !::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream_)))))
        code = LastErrno();
    if (std::fclose(stream_) != 0 && code == 0) code = errno;
    stream_ = nullptr;
    if (code == 0 && !PutInPlace(windows::Wide(temporaryPath_), target_.wstring())) code = LastErrno();
    if (code != 0) return Fail(code);
    temporaryPath_.clear();
    return true;
}

void ReplacementFile::Discard() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    if (!temporaryPath_.empty()) ::DeleteFileW(windows::Wide(temporaryPath_).c_str());
    temporaryPath_.clear();
}

}  // namespace tabulex::platform
