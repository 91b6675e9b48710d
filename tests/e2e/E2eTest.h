#pragma once

// The frame of every end-to-end test: a fresh temporary folder holding the settings folder
// (TABULEX_DATA_DIR), the inventories and the report folders; the command run in-process; the
// expected reports read from tests/fixtures/e2e (UTF-8, LF, "{nbsp}" for a no-break space) and turned into
// what the command must write (Windows-1251, CR LF).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::e2e {

struct CommandResult {
    int Status = 0;
    std::string Out;
    std::string Err;
};

class E2eTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the inventory of plan fixture `planName` (tests/fixtures/e2e) as `docxName`.
    std::filesystem::path MakeInventory(const std::string& planName, const std::string& docxName);
    // `tabulex ARGS...`, in-process.
    CommandResult RunTabulex(std::vector<std::string> args);
    // `tabulex check FILE --report-dir DIR --no-report-docx EXTRA...`, with
    // --no-certification-check unless reconcileCertification_ is set: the plans whose reports are
    // compared byte for byte carry no certification line.
    CommandResult Check(const std::filesystem::path& file, const std::filesystem::path& reportDir,
                        const std::vector<std::string>& extra = {});

    // Compares the report file in `reportDir` with fixture `reportName` byte for byte; on a
    // difference both are shown in UTF-8.
    void ExpectReport(const std::filesystem::path& reportDir, const std::string& reportName);

    std::filesystem::path root_;
    bool reconcileCertification_ = false;
};

std::string ReadFile(const std::filesystem::path& path);
std::string FixturePath(const std::string& name);
std::string ReadFixture(const std::string& name);
// "{nbsp}" in a fixture stands for a no-break space.
std::string ExpandMarks(std::string utf8);
// UTF-8 with LF as written in the repository -> Windows-1251 with CR LF as the report file holds.
std::string ExpectedReportBytes(const std::string& utf8Lf);

}  // namespace tabulex::e2e
