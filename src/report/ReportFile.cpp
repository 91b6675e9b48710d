#include "report/ReportFile.h"

#include "platform/FileStamp.h"
#include "platform/FileSystem.h"
#include "report/ReportFolder.h"
#include "text/Cp1251.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace tabulex::report {
namespace {

// Reads the report through, giving each chunk to `use` (false stops); returns its line count,
// -1 when it cannot be read (or `use` failed), and 0 with missing set when there is none.
template <typename Use>
int ReadThrough(const std::filesystem::path& path, bool& missing, Use&& use) {
    // The report folder's own file: never through a link, never waiting on a pipe.
    int errorCode = 0;
    std::FILE* from = platform::OpenOwnFile(path, errorCode);
    missing = from == nullptr && errorCode == ENOENT;
    if (from == nullptr) {
        errno = errorCode;
        return missing ? 0 : -1;
    }
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
    const platform::FileStamp target = platform::EntryStampOf(path);
    if (target.IsFolder) return Fail(EISDIR);
    // A link, device, pipe or socket in the report's place is neither written through nor replaced.
    if (target.Exists && !target.IsRegular) return Fail(kNotRegularFile);
    if (target.Exists && !target.HasWriteBits) return Fail(EACCES);
    // Locked while this run lives, so that another run's clean-up never takes it.
    if (!replacement_.Open(path, std::string(kTemporaryPrefix) + path.extension().string() + "."))
        return Fail(replacement_.ErrorCode());
    file_ = replacement_.Stream();
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
    file_ = nullptr;
    if (failed_) {
        replacement_.Discard();
        return false;
    }
    if (!replacement_.Commit(true)) return Fail(replacement_.ErrorCode());
    return true;
}

void ReportFile::Discard() {
    file_ = nullptr;
    replacement_.Discard();
}

}  // namespace tabulex::report
