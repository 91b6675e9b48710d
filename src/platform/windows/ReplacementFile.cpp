#include "platform/ReplacementFile.h"

#include "OpenFiles.h"
#include "Wide.h"
#include "platform/FileWrites.h"
#include "text/Utf8Paths.h"

#include <windows.h>

#include <io.h>

#include <cerrno>

namespace tabulex::platform {
namespace {

int LastErrno() {
    return windows::ErrnoFromWindowsError(::GetLastError());
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
    // Locked while this object lives (open without shared deletion), so that another run's
    // clean-up never takes it.
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int descriptor = CreateLockedTemporary(text::Utf8OfPath(folder), temporaryName, "", temporaryPath_);
    if (descriptor < 0) return Fail(errno);
    stream_ = ::_fdopen(descriptor, "wb");
    if (stream_ == nullptr) {
        const int code = errno;
        ::_close(descriptor);
        return Fail(code);
    }
    return true;
}

bool ReplacementFile::Commit(bool durable) {
    if (stream_ == nullptr) return false;
    const HANDLE file = windows::HandleOf(::_fileno(stream_));
    int code = 0;
    if (std::fflush(stream_) != 0) code = errno;
    if (code == 0 && durable && !::FlushFileBuffers(file)) code = LastErrno();
    // Renamed while still open and so locked: until then it is this run's, never a leftover.
    if (code == 0 && !windows::RenameOpenFile(file, target_.wstring(), true)) code = LastErrno();
    if (code == 0) temporaryPath_.clear();
    if (std::fclose(stream_) != 0 && code == 0) code = errno;
    stream_ = nullptr;
    if (code != 0) return Fail(code);
    return true;
}

void ReplacementFile::Discard() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    if (!temporaryPath_.empty()) ::DeleteFileW(windows::Wide(temporaryPath_).c_str());
    temporaryPath_.clear();
}

}  // namespace tabulex::platform
