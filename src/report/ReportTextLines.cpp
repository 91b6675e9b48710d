#include "report/ReportTextLines.h"

#include "platform/FileSystem.h"
#include "report/ReportTexts.h"
#include "text/Cp1251.h"
#include "text/Error.h"
#include "text/Utf8Paths.h"

namespace tabulex::report {
namespace {

constexpr std::size_t kReadBytes = 1 << 16;

// The report is the program's own file: never read through a link or from a pipe.
std::FILE* OpenReport(const std::filesystem::path& path) {
    int errorCode = 0;
    std::FILE* file = platform::OpenOwnFile(path, errorCode);
    if (!file) throw text::Error(std::string(texts::kReportUnreadable), text::Utf8OfPath(path));
    return file;
}

}  // namespace

ReportTextLines::ReportTextLines(const std::filesystem::path& path, Encoding encoding)
    : file_(OpenReport(path)), encoding_(encoding) {}

ReportTextLines::~ReportTextLines() {
    std::fclose(file_);
}

bool ReportTextLines::Fill() {
    buffer_.resize(kReadBytes);
    const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    buffer_.resize(got);
    at_ = 0;
    if (got == 0 && std::ferror(file_))
        throw text::Error(std::string(texts::kReportUnreadable), "read error in the report file");
    return got > 0;
}

bool ReportTextLines::NextRaw(std::string& line) {
    line.clear();
    if (ended_) return false;
    for (;;) {
        if (at_ == buffer_.size() && !Fill()) {
            ended_ = true;
            // What follows the last line end is a line when it holds something; an empty file is
            // one empty line.
            if (line.empty() && lines_ > 0) return false;
            ++lines_;
            return true;
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[at_] == '\n') {
                ++at_;
                continue;
            }
        }
        std::size_t end = at_;
        while (end < buffer_.size() && buffer_[end] != '\r' && buffer_[end] != '\n') ++end;
        if (end == buffer_.size()) {
            line.append(buffer_, at_, std::string::npos);
            at_ = buffer_.size();
            continue;
        }
        line.append(buffer_, at_, end - at_);
        skipLineFeed_ = buffer_[end] == '\r';
        at_ = end + 1;
        ++lines_;
        return true;
    }
}

bool ReportTextLines::Next(std::string& lineUtf8) {
    if (!NextRaw(raw_)) return false;
    lineUtf8 = text::Cp1251ToUtf8(encoding_ == Encoding::Utf8 ? text::Utf8ToCp1251(raw_) : raw_);
    return true;
}

}  // namespace tabulex::report
