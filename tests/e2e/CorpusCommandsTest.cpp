// Every .docx of the corpus of real documents, and the inventories made in LibreOffice, through what
// a user runs on an inventory: the check with its annotated copy, and the repairs. Each command
// completes or ends with its message (status 0, 1 or 2 and never a crash; 2 always with a message),
// every document written opens again, in the document host and, where it is installed, in
// LibreOffice, and no repair leaves a finding the check did not have before it.

#include "docx/DocxApplication.h"
#include "e2e/CheckFindings.h"
#include "e2e/E2eTest.h"
#include "word/CorpusFolder.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

const std::vector<std::string> kAllRepairs = {
    "--delete-empty-rows", "--delete-numbering-rows", "--number-cases",   "--lists-to-text",
    "--no-row-breaks",     "--delete-graphics",       "--format-headings"};
const std::vector<std::string> kWholeRepairs = {"--auto-number-cases", "--tables-to-text"};

std::vector<fs::path> DocxIn(const fs::path& folder) {
    std::vector<fs::path> documents;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".docx") documents.push_back(entry.path());
    std::sort(documents.begin(), documents.end());
    return documents;
}

// The corpus, when there is one, and the LibreOffice inventories of the repair tests.
std::vector<fs::path> CorpusDocuments() {
    std::vector<fs::path> documents = DocxIn(fs::path(TABULEX_FIXTURES) / "lo");
    const std::string root = word::docx::testing::CorpusFolder();
    if (root.empty()) return documents;
    const std::vector<fs::path> corpus = DocxIn(root);
    documents.insert(documents.end(), corpus.begin(), corpus.end());
    return documents;
}

class CorpusCommandsTest : public E2eTest {
  protected:
    // Runs `args` and expects an ordinary end; `written` must exist when the command succeeded, and
    // is kept for opening again.
    void Expect(const std::vector<std::string>& args, const fs::path& written, const std::string& what) {
        const CommandResult result = RunTabulex(args);
        EXPECT_GE(result.Status, 0) << what;
        EXPECT_LE(result.Status, 2) << what << "\n" << result.Err;
        if (result.Status == 2) {
            EXPECT_FALSE(result.Err.empty()) << what << ": a failure without a message";
        }
        if (result.Status < 2 && !written.empty()) {
            EXPECT_TRUE(fs::exists(written)) << what;
            if (fs::exists(written)) written_.push_back(written);
        }
    }

    // Checks and repairs every corpus document, keeping what the commands write.
    void RunEveryCommandOnEveryDocument(const std::vector<fs::path>& documents) {
        int index = 0;
        for (const fs::path& document : documents) {
            const fs::path out = root_ / "out" / std::to_string(++index);
            fs::create_directories(out);
            const std::string what = document.filename().string();
            Expect({"check", document.string(), "--report-dir", (out / "report").string(), "-q", "--annotate",
                    (out / "annotated.docx").string()},
                   out / "annotated.docx", what + " check");
            std::vector<std::string> repair = {"fix", document.string(), "-q", "-o",
                                               (out / "fixed.docx").string()};
            repair.insert(repair.end(), kAllRepairs.begin(), kAllRepairs.end());
            Expect(repair, out / "fixed.docx", what + " fix");
            repair = {"fix", document.string(), "-q", "-o", (out / "converted.docx").string()};
            repair.insert(repair.end(), kWholeRepairs.begin(), kWholeRepairs.end());
            Expect(repair, out / "converted.docx", what + " fix (whole tables)");
        }
    }

    std::vector<fs::path> written_;
};

TEST_F(CorpusCommandsTest, EveryDocumentIsCheckedAndRepairedAndWhatIsWrittenOpensAgain) {
    const std::vector<fs::path> documents = CorpusDocuments();
    if (word::docx::testing::CorpusFolder().empty()) GTEST_SKIP() << "no corpus folder: set TABULEX_CORPUS";
    RunEveryCommandOnEveryDocument(documents);
    ASSERT_FALSE(written_.empty());
    for (const fs::path& path : written_) {
        auto application = word::docx::CreateApplication();
        EXPECT_NO_THROW(application->Documents().Open(path.string()).Tables()->Count()) << path;
    }
}

// LibreOffice takes about a third of a second a file: the ordinary run converts every fifth document
// written (a step prime to the three outputs of a document, so each command's output is among them),
// TABULEX_LIBREOFFICE_ALL=1 every one (about three minutes).
std::vector<fs::path> LibreOfficeSample(const std::vector<fs::path>& written) {
    const char* all = std::getenv("TABULEX_LIBREOFFICE_ALL");
    if (all != nullptr && std::string(all) == "1") return written;
    std::vector<fs::path> sample;
    for (std::size_t k = 0; k < written.size(); k += 5) sample.push_back(written[k]);
    return sample;
}

// Not repeated under the sanitizers.
TEST_F(CorpusCommandsTest, WhatTheCommandsWriteOpensInLibreOffice) {
#ifdef TABULEX_SANITIZED
    GTEST_SKIP() << "checked by the ordinary build";
#endif
    const std::vector<fs::path> documents = CorpusDocuments();
    if (word::docx::testing::CorpusFolder().empty()) GTEST_SKIP() << "no corpus folder: set TABULEX_CORPUS";
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    RunEveryCommandOnEveryDocument(documents);
    // LibreOffice converts a few dozen files a run (a run given hundreds stops part-way); every
    // file must come out.
    const fs::path converted = root_ / "odt";
    std::vector<std::string> names;
    for (const fs::path& path : LibreOfficeSample(written_)) {
        names.push_back(path.parent_path().filename().string() + "-" + path.filename().string());
        fs::copy_file(path, root_ / names.back());
    }
    constexpr std::size_t kPerRun = 40;
    for (std::size_t first = 0; first < names.size(); first += kPerRun) {
        std::string command = "cd " + root_.string() +
                              " && timeout 600 soffice -env:UserInstallation=file://" +
                              (root_ / "profile").string() +
                              " --headless --norestore --convert-to odt --outdir " + converted.string();
        for (std::size_t k = first; k < std::min(names.size(), first + kPerRun); ++k)
            command += " " + names[k];
        command += " > " + (root_ / "soffice.log").string() + " 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << ReadFile(root_ / "soffice.log");
    }
    for (const std::string& name : names)
        EXPECT_TRUE(fs::exists(converted / (name.substr(0, name.size() - 5) + ".odt")))
            << name << " does not open in LibreOffice";
}

// The numbering repairs rewrite the sequence of case numbers, and leave some rows as they are: a row
// continuing a vertically merged number cell (the check reads it as a case of its own), a row that
// a small number would make a column-numbering row, a row of one cell. The check may then expect
// the next number in such a row; that is the sequence the repair is there to change.
bool SequenceFindingOfANumberingRepair(const std::string& repair, const RowFinding& finding) {
    const bool numbering = repair == "--number-cases" || repair == "--auto-number-cases";
    return numbering && finding.Message.starts_with("Номер дела ожидался");
}

// Each repair alone on each document, then the check again: every finding after the repair must have
// been there before (rows are told by their place, or by their cells when the repair deletes rows,
// so that deleted rows above do not count; a repair may only take findings away).
TEST_F(CorpusCommandsTest, NoRepairLeavesAFindingTheCheckDidNotHaveBefore) {
    std::vector<std::string> repairs = kAllRepairs;
    repairs.insert(repairs.end(), kWholeRepairs.begin(), kWholeRepairs.end());
    int index = 0;
    for (const fs::path& document : CorpusDocuments()) {
        const fs::path out = root_ / "findings" / std::to_string(++index);
        const CheckFindings before = FindingsOf(document, out / "before");
        if (!before.Checked) continue;
        // The repairs read the table with the columns the check of the findings reads.
        for (const std::string& repair : repairs) {
            const fs::path fixed = out / (repair.substr(2) + ".docx");
            const CommandResult result = RunTabulex(
                {"fix", document.string(), repair, "--columns", "standard", "-q", "-o", fixed.string()});
            if (result.Status != 0) continue;  // a repair the document does not allow writes nothing
            const CheckFindings after = FindingsOf(fixed, out / ("after" + repair));
            // Rows deleted from the longest table may leave another table the longest (or no table
            // at all): the check then reads that one, and the two reports are not of the same table.
            if (after.Table != before.Table || after.TableCount != before.TableCount) continue;
            const bool deletesRows = repair == "--delete-empty-rows" || repair == "--delete-numbering-rows";
            const std::vector<std::string> introduced = IntroducedFindings(
                before, after,
                [&](const RowFinding& finding) { return SequenceFindingOfANumberingRepair(repair, finding); },
                deletesRows ? RowIdentity::ByCells : RowIdentity::ByPlace);
            EXPECT_EQ(introduced, std::vector<std::string>{}) << document << " " << repair;
        }
        fs::remove_all(out);
    }
}

}  // namespace
}  // namespace tabulex::e2e
