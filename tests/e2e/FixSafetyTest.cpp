// What `tabulex fix` writes and what it leaves alone: the input is byte-identical after every run
// unless --in-place completed; a dry run, a failure part-way and an interruption write nothing at all.

#include "cli/FixCommand.h"
#include "e2e/DocxTables.h"
#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "ooxml/MinimalPackage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace tabulex::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPlan =
    "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\n"
    "-\t1\t2\t3\t4\n"
    "-\t\t\t\t\n"
    "-\t3\tПриказы\t1950\t12\n"
    "-\t8\tСметы\t1953\t2\n";

// The files of a folder (names only), to see that nothing was left behind.
std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) names.insert(entry.path().filename().string());
    return names;
}

class FixSafetyTest : public E2eTest {
  protected:
    fs::path Inventory(const std::string& plan = kPlan) {
        const fs::path path = root_ / "opis.docx";
        WriteInventory(plan, path);
        return path;
    }
    // A main table with a numbering row to delete and then a row without any cell, which numbering
    // cannot reach.
    fs::path BrokenInventory() {
        auto cellRow = [](const std::string& a, const std::string& b) {
            return "<w:tr><w:tc><w:p><w:r><w:t>" + a + "</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>" + b +
                   "</w:t></w:r></w:p></w:tc></w:tr>";
        };
        const std::string body = "<w:tbl><w:tblGrid><w:gridCol/><w:gridCol/></w:tblGrid>" +
                                 cellRow("1", "Приказы") + cellRow("1", "2") + "<w:tr/>" +
                                 cellRow("2", "Сметы") + "</w:tbl><w:p/>";
        const fs::path path = root_ / "broken.docx";
        std::ofstream(path, std::ios::binary) << ooxml::BuildDocxBytes({ooxml::WrapBody(body), {}, {}});
        return path;
    }
};

TEST_F(FixSafetyTest, DryRunWritesNothingAndTellsWhatEachCommandWouldChange) {
    const fs::path input = Inventory();
    const std::string original = ReadFile(input);
    const auto before = FilesIn(root_);
    const CommandResult result = RunTabulex(
        {"fix", input.string(), "--delete-empty-rows", "--delete-numbering-rows", "--number-cases"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out,
              "--delete-empty-rows: Удалено пустых строк: 1\n"
              "--delete-numbering-rows: Удалено строк нумерации: 1\n"
              "--number-cases: Расставлено номеров: 2\n"
              "Пробный запуск: ничего не записано (укажите -o ФАЙЛ.docx или --in-place).\n");
    EXPECT_TRUE(ReadFile(input) == original) << "the input changed";
    EXPECT_EQ(FilesIn(root_), before);
}

TEST_F(FixSafetyTest, InPlaceKeepsTheOriginalAsBak) {
    const fs::path input = Inventory();
    const std::string original = ReadFile(input);
    const CommandResult result = RunTabulex({"fix", input.string(), "--delete-empty-rows", "--in-place"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(ReadFile(root_ / "opis.docx.bak"), original);
    EXPECT_EQ(FilesIn(root_), (std::set<std::string>{"opis.docx", "opis.docx.bak"}));
    EXPECT_EQ(ViewDocument(input, false).Tables.at(0).size(), 4u);
}

struct WriteNothingCase {
    const char* Name;
    std::vector<std::string> Args;  // after "fix FILE"
    const char* Message;            // a piece of standard error
};

TEST_F(FixSafetyTest, FailuresWriteNothingAndExitWithTwo) {
    const std::vector<WriteNothingCase> cases = {
        {"no command", {"-o", "out.docx"}, "Не указано ни одной команды"},
        {"output is the input", {"--delete-empty-rows", "-o", "opis.docx"}, "--in-place"},
        {"output not a .docx", {"--delete-empty-rows", "-o", "out.txt"}, ".docx"},
        {"output folder missing", {"--delete-empty-rows", "-o", "missing/out.docx"}, "opis.docx: "},
    };
    const fs::path input = Inventory();
    const std::string original = ReadFile(input);
    const auto before = FilesIn(root_);
    const fs::path previous = fs::current_path();
    fs::current_path(root_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> args = {"fix", input.string()};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const CommandResult result = RunTabulex(args);
        EXPECT_EQ(result.Status, 2);
        EXPECT_NE(result.Err.find(c.Message), std::string::npos) << result.Err;
        EXPECT_TRUE(ReadFile(input) == original) << "the input changed";
        EXPECT_EQ(FilesIn(root_), before);
    }
    fs::current_path(previous);  // Windows cannot remove a folder that is the current one
}

TEST_F(FixSafetyTest, ACommandFailingPartWayWritesNothing) {
    const fs::path input = BrokenInventory();
    const std::string original = ReadFile(input);
    const auto before = FilesIn(root_);
    for (const std::string& target : {std::string("-o"), std::string("--in-place")}) {
        SCOPED_TRACE(target);
        std::vector<std::string> args = {"fix", input.string(), "--delete-numbering-rows", "--number-cases",
                                         target};
        if (target == "-o") args.push_back((root_ / "out.docx").string());
        const CommandResult result = RunTabulex(args);
        EXPECT_EQ(result.Status, 2);
        // The host's message names the cell it could not reach.
        EXPECT_NE(result.Err.find("broken.docx: "), std::string::npos) << result.Err;
        EXPECT_TRUE(ReadFile(input) == original) << "the input changed";
        EXPECT_EQ(FilesIn(root_), before);
    }
}

TEST_F(FixSafetyTest, AnInterruptedFixWritesNothing) {
    const fs::path input = Inventory();
    const std::string original = ReadFile(input);
    const auto before = FilesIn(root_);
    cli::FixCommandOptions options;
    options.File = input.string();
    options.Tools = {tools::Tool::DeleteEmptyRows, tools::Tool::NumberCases};
    options.InPlace = true;
    const std::atomic<bool> stop{true};
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunFixCommand(options, out, err, stop), 2);
    EXPECT_NE(err.str().find("Прервано"), std::string::npos) << err.str();
    EXPECT_TRUE(ReadFile(input) == original) << "the input changed";
    EXPECT_EQ(FilesIn(root_), before);
}

TEST_F(FixSafetyTest, JsonListsEveryStepInTheOrderGiven) {
    const fs::path input = Inventory();
    const CommandResult result =
        RunTabulex({"fix", input.string(), "--number-cases", "--delete-empty-rows", "--format", "json"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const std::size_t number = result.Out.find("\"command\": \"number-cases\", \"count\": 2");
    const std::size_t empty = result.Out.find("\"command\": \"delete-empty-rows\", \"count\": 1");
    ASSERT_NE(number, std::string::npos) << result.Out;
    ASSERT_NE(empty, std::string::npos) << result.Out;
    EXPECT_LT(number, empty);
    EXPECT_NE(result.Out.find("\"written\": null"), std::string::npos);
}

TEST_F(FixSafetyTest, PrefacePrintsTheTextBeforeTheMainTable) {
    const fs::path input = root_ / "preface.docx";
    WriteInventory(
        "@para Архивный отдел\n@para Фонд № 1{br}Опись № 1\n-\tмалая\tтаблица\n@table\n"
        "-\t№\tЗаголовок\n-\t1\tПриказы\n-\t2\tСметы\n",
        input);
    const CommandResult result = RunTabulex({"preface", input.string()});
    ASSERT_EQ(result.Status, 0) << result.Err;
    // The table's row is a line of its own, then the paragraph that follows every table.
    EXPECT_EQ(result.Out, "Архивный отдел\nФонд № 1\nОпись № 1\nмалая таблица\n\n");
    EXPECT_EQ(RunTabulex({"preface", (root_ / "missing.docx").string()}).Status, 2);
}

}  // namespace
}  // namespace tabulex::e2e
