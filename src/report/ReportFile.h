#pragma once

// The report file: Windows-1251 (or UTF-8) lines ended by CR LF, created anew or continued from
// the earlier report. The lines go to a temporary file beside the report; Close puts it in the
// report's place in one rename, so that a run that is killed, runs out of disk space or fails
// leaves the earlier report as it was.

#include "platform/ReplacementFile.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabulex::report {

enum class Encoding { Cp1251, Utf8 };

// Temporary files of the report folder start with this; what a killed run left is removed by the
// next run (see RemoveLeftovers).
inline constexpr std::string_view kTemporaryPrefix = ".~Tabulex_Report";

// The lines of a report file (CR LF ends counted); nullopt when there is none or it cannot be read.
std::optional<int> CountReportLines(const std::filesystem::path& path);

class ReportFile {
  public:
    ReportFile() = default;
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // Starts a new report, empty or (append) holding a copy of the earlier one; false when that is
    // not possible (ErrorCode says why). A folder, or a report file without write permission, in
    // the report's place is refused.
    bool Open(const std::filesystem::path& path, bool append, Encoding encoding);
    bool IsOpen() const { return file_ != nullptr; }
    // Lines the earlier report held when it was continued.
    int LinesBefore() const { return linesBefore_; }

    // Writes the 1251 text and CR LF; a text may hold CR LF of its own.
    void WriteLine(std::string_view line);
    // Flushes the new report to disk and puts it in the report's place; false when any write
    // failed (the earlier report then stays).
    bool Close();
    // Drops the new report; the earlier one stays.
    void Discard();
    // The errno of the last failure, 0 when none.
    int ErrorCode() const { return errorCode_; }

  private:
    bool Fail(int code);

    platform::ReplacementFile replacement_;
    std::FILE* file_ = nullptr;  // the replacement's stream while open
    std::filesystem::path path_;
    Encoding encoding_ = Encoding::Cp1251;
    int linesBefore_ = 0;
    bool failed_ = false;
    int errorCode_ = 0;
};

}  // namespace tabulex::report
