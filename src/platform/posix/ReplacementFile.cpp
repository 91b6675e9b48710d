#include "platform/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

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
    const std::string pattern = (target.parent_path() / (std::string(temporaryName) + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return Fail(errno);
    temporaryPath_ = name.data();
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
    if (std::fclose(stream_) != 0 && code == 0) code = errno;
    stream_ = nullptr;
    if (code == 0 && ::rename(temporaryPath_.c_str(), target_.c_str()) != 0) code = errno;
    if (code != 0) return Fail(code);
    temporaryPath_.clear();
    return true;
}

void ReplacementFile::Discard() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

}  // namespace tabulex::platform
