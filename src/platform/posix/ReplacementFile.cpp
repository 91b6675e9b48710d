#include "platform/ReplacementSteps.h"

#include "StatusStamp.h"
#include "platform/FileWrites.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tabulex::platform::replacement {
namespace {

// The target's permissions, or what a new file gets under the umask.
mode_t NewFileMode(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::FILE* CreateTemporary(const std::filesystem::path& target, std::string_view temporaryName,
                           std::string& temporaryPath, int& code) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = CreateLockedTemporary(folder.string(), temporaryName, "", temporaryPath);
    if (fd < 0) {
        code = errno;
        return nullptr;
    }
    std::FILE* stream = nullptr;
    if (::fchmod(fd, NewFileMode(target)) != 0 || (stream = ::fdopen(fd, "wb")) == nullptr) {
        code = errno;
        ::close(fd);
    }
    return stream;
}

int FlushAndRename(std::FILE* stream, bool durable, const std::string& temporaryPath,
                   const std::filesystem::path& target, FileStamp& written) {
    if (std::fflush(stream) != 0 || (durable && ::fsync(::fileno(stream)) != 0)) return errno;
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) return errno;
    // From the open file: the name may already show another writer's version.
    struct stat st {};
    if (::fstat(::fileno(stream), &st) == 0) written = StampOfStatus(st);
    return 0;
}

void RemoveTemporary(const std::string& temporaryPath) {
    ::unlink(temporaryPath.c_str());
}

}  // namespace tabulex::platform::replacement
