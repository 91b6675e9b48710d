#include "report/ReportFile.h"

#include "platform/FileStamp.h"
#include "text/Cp1251.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace tabulex::report {
namespace {

// Copies the earlier report into the new one; returns its line count, -1 when it cannot be read.
int CopyEarlier(const std::filesystem::path& path, std::FILE* to) {
    std::FILE* from = std::fopen(path.c_str(), "rb");
    if (from == nullptr) return errno == ENOENT ? 0 : -1;
    int lines = 0;
    std::vector<char> chunk(1 << 16);
    bool ok = true;
    for (std::size_t n; ok && (n = std::fread(chunk.data(), 1, chunk.size(), from)) > 0;) {
        lines +=
            static_cast<int>(std::count(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n), '\n'));
        ok = std::fwrite(chunk.data(), 1, n, to) == n;
    }
    ok = ok && !std::ferror(from);
    std::fclose(from);
    return ok ? lines : -1;
}

}  // namespace

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
    const platform::FileStamp target = platform::StampOf(path);
    if (target.IsFolder) return Fail(EISDIR);
    if (target.Exists && !target.HasWriteBits) return Fail(EACCES);
    if (!replacement_.Open(path, std::string(kTemporaryPrefix) + path.extension().string()))
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
