#include "platform/ReplacementSteps.h"

#include "HandleStamp.h"
#include "OpenFiles.h"
#include "Wide.h"
#include "platform/FileWrites.h"
#include "text/Utf8Paths.h"

#include <windows.h>

#include <io.h>

#include <cerrno>

namespace tabulex::platform::replacement {
namespace {

int LastErrno() {
    return windows::ErrnoFromWindowsError(::GetLastError());
}

}  // namespace

std::FILE* CreateTemporary(const std::filesystem::path& target, std::string_view temporaryName,
                           std::string& temporaryPath, int& code) {
    // Opened without shared deletion: nobody else's clean-up can take it.
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int descriptor = CreateLockedTemporary(text::Utf8OfPath(folder), temporaryName, "", temporaryPath);
    if (descriptor < 0) {
        code = errno;
        return nullptr;
    }
    std::FILE* stream = ::_fdopen(descriptor, "wb");
    if (stream == nullptr) {
        code = errno;
        ::_close(descriptor);
    }
    return stream;
}

int FlushAndRename(std::FILE* stream, bool durable, const std::string&, const std::filesystem::path& target,
                   FileStamp& written) {
    const HANDLE file = windows::HandleOf(::_fileno(stream));
    if (std::fflush(stream) != 0) return errno;
    if (durable && !::FlushFileBuffers(file)) return LastErrno();
    if (!windows::RenameOpenFile(file, target.wstring(), true)) return LastErrno();
    // From the open handle: the name may already show another writer's version. The system may
    // still move the write time when the handle closes; a later look then reads the file again,
    // which costs a read and never misses a change.
    written = StampOfHandle(file, false);
    return 0;
}

void RemoveTemporary(const std::string& temporaryPath) {
    ::DeleteFileW(windows::Wide(temporaryPath).c_str());
}

}  // namespace tabulex::platform::replacement
