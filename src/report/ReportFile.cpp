#include "report/ReportFile.h"

#include "text/Cp1251.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace tabulex::report {
namespace {

bool HasWriteBits(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// The earlier report's mode, or what a new file gets under the umask.
mode_t ReportMode(bool exists, const struct stat& target) {
    if (exists) return target.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Reads the report through, giving each chunk to `use` (false stops); returns its line count,
// -1 when it cannot be read (or `use` failed), and 0 with missing set when there is none.
template <typename Use>
int ReadThrough(const std::filesystem::path& path, bool& missing, Use&& use) {
    std::FILE* from = std::fopen(path.c_str(), "rb");
    missing = from == nullptr && errno == ENOENT;
    if (from == nullptr) return missing ? 0 : -1;
    int lines = 0;
    std::vector<char> chunk(1 << 16);
    bool ok = true;
    for (std::size_t n; ok && (n = std::fread(chunk.data(), 1, chunk.size(), from)) > 0;) {
        lines +=
            static_cast<int>(std::count(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n), '\n'));
        ok = use(chunk.data(), n);
    }
    ok = ok && !std::ferror(from);
    std::fclose(from);
    return ok ? lines : -1;
}

// Copies the earlier report into the new one; returns its line count, -1 when it cannot be read.
int CopyEarlier(const std::filesystem::path& path, std::FILE* to) {
    bool missing = false;
    return ReadThrough(path, missing,
                       [&](const char* bytes, std::size_t n) { return std::fwrite(bytes, 1, n, to) == n; });
}

}  // namespace

std::optional<int> CountReportLines(const std::filesystem::path& path) {
    bool missing = false;
    const int lines = ReadThrough(path, missing, [](const char*, std::size_t) { return true; });
    if (missing || lines < 0) return std::nullopt;
    return lines;
}

ReportFile::~ReportFile() {
    Discard();
}

bool ReportFile::Fail(int code) {
    failed_ = true;
    if (errorCode_ == 0) errorCode_ = code;
    return false;
}

bool ReportFile::Open(const std::filesystem::path& path, bool append, Encoding encoding) {
    Discard();
    failed_ = false;
    errorCode_ = 0;
    encoding_ = encoding;
    linesBefore_ = 0;
    path_ = path;
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) return Fail(EISDIR);
    if (exists && !HasWriteBits(target.st_mode)) return Fail(EACCES);

    std::string pattern =
        (path.parent_path() / (std::string(kTemporaryPrefix) + path.extension().string() + ".XXXXXX"))
            .string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return Fail(errno);
    tempPath_ = name.data();
    if (::fchmod(fd, ReportMode(exists, target)) != 0 || (file_ = ::fdopen(fd, "wb")) == nullptr) {
        const int code = errno;
        ::close(fd);
        Discard();
        return Fail(code);
    }
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
    if (append && (linesBefore_ = CopyEarlier(path, file_)) < 0) {
        const int code = errno;
        Discard();
        return Fail(code);
    }
    return true;
}

void ReportFile::WriteLine(std::string_view line) {
    if (file_ == nullptr) return;
    if (encoding_ == Encoding::Utf8) {
        const std::string utf8 = text::Cp1251ToUtf8(line);
        if (std::fwrite(utf8.data(), 1, utf8.size(), file_) != utf8.size()) Fail(errno);
    } else if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) {
        Fail(errno);
    }
    if (std::fwrite("\r\n", 1, 2, file_) != 2) Fail(errno);
}

bool ReportFile::Close() {
    if (file_ == nullptr) return !failed_;
    if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) Fail(errno);
    if (std::fclose(file_) != 0) Fail(errno);
    file_ = nullptr;
    if (!failed_ && ::rename(tempPath_.c_str(), path_.c_str()) != 0) Fail(errno);
    if (failed_) {
        Discard();
        return false;
    }
    tempPath_.clear();
    return true;
}

void ReportFile::Discard() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

}  // namespace tabulex::report
