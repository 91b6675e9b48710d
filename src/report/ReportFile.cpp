#include "report/ReportFile.h"

#include "text/Cp1251.h"

#include <fstream>
#include <iterator>

namespace tabulex::report {
namespace {

int CountLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return 0;
    int lines = 0;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it)
        if (*it == '\n') ++lines;
    return lines;
}

}  // namespace

ReportFile::~ReportFile() {
    Close();
}

bool ReportFile::Open(const std::filesystem::path& path, bool append, Encoding encoding) {
    Close();
    failed_ = false;
    encoding_ = encoding;
    linesBefore_ = append ? CountLines(path) : 0;
    file_ = std::fopen(path.c_str(), append ? "ab" : "wb");
    if (file_ != nullptr) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
    return file_ != nullptr;
}

void ReportFile::WriteLine(std::string_view line) {
    if (file_ == nullptr) return;
    if (encoding_ == Encoding::Utf8) {
        const std::string utf8 = text::Cp1251ToUtf8(line);
        if (std::fwrite(utf8.data(), 1, utf8.size(), file_) != utf8.size()) failed_ = true;
    } else if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) {
        failed_ = true;
    }
    if (std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
}

bool ReportFile::Close() {
    if (file_ == nullptr) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

}  // namespace tabulex::report
