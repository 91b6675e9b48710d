#include "platform/ReplacementFile.h"

#include "platform/FileWrites.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tabulex::platform {
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
    // Locked while this object lives, so that another run's clean-up never takes it.
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = CreateLockedTemporary(folder.string(), temporaryName, "", temporaryPath_);
    if (fd < 0) return Fail(errno);
    if (::fchmod(fd, NewFileMode(target)) != 0 || (stream_ = ::fdopen(fd, "wb")) == nullptr) {
        const int code = errno;
        ::close(fd);
        return Fail(code);
    }
    return true;
}

bool ReplacementFile::Commit(bool durable) {
    if (stream_ == nullptr) return false;
    int code = 0;
    if (std::fflush(stream_) != 0 || (durable && ::fsync(::fileno(stream_)) != 0)) code = errno;
    // Renamed while still open and so locked: until then it is this run's, never a leftover.
    if (code == 0 && ::rename(temporaryPath_.c_str(), target_.c_str()) != 0) code = errno;
    if (code == 0) temporaryPath_.clear();
    if (std::fclose(stream_) != 0 && code == 0) code = errno;
    stream_ = nullptr;
    if (code != 0) return Fail(code);
    return true;
}

void ReplacementFile::Discard() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

}  // namespace tabulex::platform
