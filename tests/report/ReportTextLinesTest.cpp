// The report file read back line by line: every kind of line end, also where one falls across the
// reader's blocks, gives the lines Word would take the text into.

#include "report/ReportTextLines.h"

#include "ooxml/TextParagraphs.h"
#include "support/TestFolder.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tabulex::report {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ReadAll(const fs::path& path, Encoding encoding) {
    ReportTextLines reader(path, encoding);
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line);) lines.push_back(line);
    return lines;
}

// The lines of the whole text split at once, the last line's own end giving no empty line.
std::vector<std::string> SplitWhole(const std::string& text) {
    std::vector<std::string> lines;
    for (std::string_view line : ooxml::SplitParagraphs(text)) lines.emplace_back(line);
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

class ReportTextLinesTest : public ::testing::Test {
  protected:
    void SetUp() override { root_ = tabulex::testing::MakeTestFolder("tabulex_report_lines_"); }
    void TearDown() override { fs::remove_all(root_); }

    fs::path Write(const std::string& bytes) {
        const fs::path path = root_ / "Tabulex_Report.txt";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path root_;
};

TEST_F(ReportTextLinesTest, LineEndsAsWordTakesThem) {
    struct Case {
        const char* Name;
        std::string Text;
        std::vector<std::string> Lines;
    } cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"CR alone and LF alone", "a\rb\nc", {"a", "b", "c"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"empty lines kept", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        {"an empty last line before the end", "a\r\n\r\n", {"a", ""}},
        {"empty file", "", {""}},
        {"only a line end", "\r\n", {""}},
        {"tabs stay", "1\tЗаголовок\t\r\n", {"1\tЗаголовок\t"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(ReadAll(Write(text::Utf8ToCp1251(test.Text)), Encoding::Cp1251), test.Lines);
    }
}

// A CR LF split between two blocks (at 64 KiB) is one line end; the lines are those of the text
// split whole.
TEST_F(ReportTextLinesTest, LineEndsAcrossBlocks) {
    std::string text;
    for (int line = 0; text.size() < 300000; ++line) {
        text += "N " + std::to_string(line) + std::string(static_cast<std::size_t>(line % 97), 'x');
        text += line % 3 == 0 ? "\r\n" : line % 3 == 1 ? "\r" : "\n";
    }
    for (std::size_t at = 65535; at < text.size(); at += 65536) text.insert(at, "\r\n");
    const std::string cp1251 = text::Utf8ToCp1251(text);
    EXPECT_EQ(ReadAll(Write(cp1251), Encoding::Cp1251), SplitWhole(text));
    EXPECT_EQ(ReadAll(Write(text), Encoding::Utf8), SplitWhole(text));
}

TEST_F(ReportTextLinesTest, AMissingReportIsRefused) {
    EXPECT_THROW(ReportTextLines(root_ / "missing.txt", Encoding::Cp1251), text::Error);
}

}  // namespace
}  // namespace tabulex::report
