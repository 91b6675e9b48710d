#pragma once

// The report file: Windows-1251 (or UTF-8) lines ended by CR LF, created anew or appended to.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace tabulex::report {

enum class Encoding { Cp1251, Utf8 };

class ReportFile {
  public:
    ReportFile() = default;
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // Creates the file empty, or opens it for appending; false when that is not possible.
    bool Open(const std::filesystem::path& path, bool append, Encoding encoding);
    bool IsOpen() const { return file_ != nullptr; }
    // Lines the file already held when it was opened for appending.
    int LinesBefore() const { return linesBefore_; }

    // Writes the 1251 text and CR LF; a text may hold CR LF of its own.
    void WriteLine(std::string_view line);
    // Flushes and closes; false when any write failed.
    bool Close();

  private:
    std::FILE* file_ = nullptr;
    Encoding encoding_ = Encoding::Cp1251;
    int linesBefore_ = 0;
    bool failed_ = false;
};

}  // namespace tabulex::report
