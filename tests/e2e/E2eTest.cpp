#include "e2e/E2eTest.h"

#include "cli/Cli.h"
#include "e2e/InventoryBuilder.h"
#include "support/TestFolder.h"
#include "text/Cp1251.h"

#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tabulex::e2e {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string FixturePath(const std::string& name) {
    return std::string(TABULEX_FIXTURES) + "/e2e/" + name;
}

std::string ReadFixture(const std::string& name) {
    return ReadFile(FixturePath(name));
}

std::string ExpandMarks(std::string utf8) {
    for (std::size_t at; (at = utf8.find("{nbsp}")) != std::string::npos;) utf8.replace(at, 6, "\xC2\xA0");
    return utf8;
}

std::string ExpectedReportBytes(const std::string& utf8Lf) {
    std::string crLf;
    for (char c : ExpandMarks(utf8Lf)) {
        if (c == '\n') crLf += '\r';
        crLf += c;
    }
    return text::Utf8ToCp1251(crLf);
}

void E2eTest::SetUp() {
    root_ = tabulex::testing::MakeTestFolder(
        std::string("tabulex-e2e-") +
        ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-");
    fs::create_directories(root_ / "data");
    tabulex::testing::SetEnvironment("TABULEX_DATA_DIR", (root_ / "data").string().c_str());
}

void E2eTest::TearDown() {
    if (!HasFailure()) fs::remove_all(root_);
}

fs::path E2eTest::MakeInventory(const std::string& planName, const std::string& docxName) {
    const fs::path path = root_ / docxName;
    WriteInventory(ReadFixture(planName), path);
    return path;
}

CommandResult E2eTest::RunTabulex(std::vector<std::string> args) {
    args.insert(args.begin(), "tabulex");
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    CommandResult result;
    result.Status = cli::Run(static_cast<int>(argv.size()), argv.data(), out, err);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}

CommandResult E2eTest::Check(const fs::path& file, const fs::path& reportDir,
                             const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"check", file.string(), "--report-dir", reportDir.string(),
                                     "--no-report-docx"};
    if (!reconcileCertification_) args.emplace_back("--no-certification-check");
    args.insert(args.end(), extra.begin(), extra.end());
    return RunTabulex(args);
}

void E2eTest::ExpectReport(const fs::path& reportDir, const std::string& reportName) {
    const fs::path reportFile = reportDir / "Tabulex_Report.txt";
    ASSERT_TRUE(fs::exists(reportFile)) << reportFile;
    const std::string actual = ReadFile(reportFile);
    const std::string expectedUtf8 = ExpandMarks(ReadFixture(reportName));
    const std::string expected = ExpectedReportBytes(expectedUtf8);
    if (actual == expected) return;
    // Readable first: the report back in UTF-8 with LF, its first differing line beside the fixture's.
    std::string actualUtf8;
    for (char c : text::Cp1251ToUtf8(actual))
        if (c != '\r') actualUtf8 += c;
    if (actualUtf8 == expectedUtf8) {
        ADD_FAILURE() << "the report has the expected text but not its bytes (encoding or line ends): "
                      << reportFile;
        return;
    }
    std::istringstream actualLines(actualUtf8), expectedLines(expectedUtf8);
    std::string actualLine, expectedLine;
    for (int line = 1;; ++line) {
        const bool moreActual = static_cast<bool>(std::getline(actualLines, actualLine));
        const bool moreExpected = static_cast<bool>(std::getline(expectedLines, expectedLine));
        if (!moreActual && !moreExpected) break;
        if (moreActual && moreExpected && actualLine == expectedLine) continue;
        ADD_FAILURE() << "report " << reportFile << " differs from fixture " << reportName << " at line "
                      << line << "\n  actual:   [" << (moreActual ? actualLine : "<end of report>")
                      << "]\n  expected: [" << (moreExpected ? expectedLine : "<end of fixture>")
                      << "]\nwhole report:\n"
                      << actualUtf8;
        break;
    }
}

}  // namespace tabulex::e2e
