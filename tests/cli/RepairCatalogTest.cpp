// A repair is one row of the tool catalog: a row added here, with a function and texts of its own,
// is offered by `tabulex fix` (flag, help, order of the command line, its result line in its own
// words) and run by the tool runner, which hands it its texts, without any other change.

#include "cli/Cli.h"

#include "docx/DocxApplication.h"
#include "ooxml/MinimalPackage.h"
#include "support/TestFolder.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"
#include "tools/ToolCatalog.h"
#include "word/WordModel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tabulex::cli {
namespace {
namespace fs = std::filesystem;
using namespace text::literals;

// Not a tool of the program: the fixture's own identity.
constexpr auto kMarkTitles = static_cast<tools::Tool>(1000);

// Writes "+" before the title of every row below the header, asking and reporting in its row's words.
tools::ToolOutcome MarkTitles(word::Document& document, tools::ToolHost& host,
                              const tools::ToolOptions& options, const tools::CommandTexts& texts) {
    tools::ToolOutcome outcome;
    if (!options.ShiftHeld &&
        !host.Confirm({kMarkTitles, texts.ConfirmCaption, texts.ConfirmText, texts.ConfirmHelp})) {
        outcome.End = tools::ToolEnd::Cancelled;
        return outcome;
    }
    host.ShowStatus(texts.Progress);
    auto table = document.Tables()->Item(1);
    for (int row = 2; row <= table->Rows()->Count(); ++row) {
        auto range = table->Cell(row, 2)->Range();
        const std::string text = range->Text();
        range->SetText("+" + text.substr(0, text.find('\r')));
        ++outcome.Count;
    }
    host.ShowStatus(text::FillIn(texts.Result, {std::to_string(outcome.Count)}));
    return outcome;
}

std::vector<tools::ToolEntry> CatalogWithFixture() {
    std::vector<tools::ToolEntry> rows(tools::ToolCatalog().begin(), tools::ToolCatalog().end());
    rows.push_back({kMarkTitles,
                    "mark-titles",
                    "Отметить заголовки",
                    tools::ToolMenu::Table,
                    "Отметить заголовки",
                    "mmMarkTitles",
                    false,
                    &MarkTitles,
                    {"Отметить заголовки?"_cp, "Перед каждым заголовком будет поставлен знак \"+\"."_cp,
                     false, "Отметка заголовков..."_cp, "Отмечено заголовков: %1"_cp}});
    return rows;
}

class RepairCatalogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = tabulex::testing::MakeTestFolder("tabulex-catalog-");
        fs::create_directories(root_ / "data");
        tabulex::testing::SetEnvironment("TABULEX_DATA_DIR", (root_ / "data").string().c_str());
        inventory_ = root_ / "opis.docx";
        ooxml::DocxParts parts;
        parts.Document =
            ooxml::WrapBody("<w:tbl><w:tblGrid><w:gridCol/><w:gridCol/></w:tblGrid>" + Row("№", "Заголовок") +
                            Row("1", "Приказы") + Row("2", "Сметы") + "</w:tbl><w:p/>");
        std::ofstream(inventory_, std::ios::binary) << ooxml::BuildDocxBytes(parts);
    }
    void TearDown() override { fs::remove_all(root_); }

    static std::string Row(const std::string& number, const std::string& title) {
        return "<w:tr><w:tc><w:p><w:r><w:t>" + number + "</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>" +
               title + "</w:t></w:r></w:p></w:tc></w:tr>";
    }

    int Run(std::vector<std::string> args, std::string& out) {
        args.insert(args.begin(), "tabulex");
        std::vector<const char*> argv;
        for (const auto& arg : args) argv.push_back(arg.c_str());
        std::ostringstream outStream, errStream;
        const int status =
            cli::Run(static_cast<int>(argv.size()), argv.data(), outStream, errStream, catalog_);
        out = outStream.str() + errStream.str();
        return status;
    }

    std::vector<std::string> Titles(const fs::path& file) {
        auto application = word::docx::CreateApplication();
        auto table = application->Documents().Open(file.string()).Tables()->Item(1);
        std::vector<std::string> titles;
        for (int row = 1; row <= table->Rows()->Count(); ++row) {
            std::string text = text::Cp1251ToUtf8(table->Cell(row, 2)->Range()->Text());
            titles.push_back(text.substr(0, text.find('\r')));
        }
        return titles;
    }

    fs::path root_;
    fs::path inventory_;
    std::vector<tools::ToolEntry> catalog_ = CatalogWithFixture();
};

TEST_F(RepairCatalogTest, ARowAddedToTheCatalogIsAFixFlagRunInItsPlace) {
    std::string out;
    const fs::path written = root_ / "out.docx";
    ASSERT_EQ(
        Run({"fix", inventory_.string(), "--mark-titles", "--number-cases", "-o", written.string()}, out), 0)
        << out;
    EXPECT_EQ(out,
              "--mark-titles: Отмечено заголовков: 2\n--number-cases: Расставлено номеров: 2\nЗаписано: " +
                  written.string() + "\n");
    EXPECT_EQ(Titles(written), (std::vector<std::string>{"Заголовок", "+Приказы", "+Сметы"}));

    ASSERT_EQ(Run({"fix", "--help"}, out), 0);
    EXPECT_NE(out.find("--mark-titles"), std::string::npos) << out;
    EXPECT_NE(out.find("Отметить заголовки"), std::string::npos) << out;
}

TEST_F(RepairCatalogTest, TheRunnerFindsTheToolInTheCatalogItIsGiven) {
    struct Host : tools::ToolHost {
        void ShowStatus(std::string_view) override {}
        void SetCaption(std::string_view) override {}
        void SetApplicationTitle(std::string_view) override {}
        void SetBusy(bool) override {}
        void ProcessEvents() override {}
        bool StopRequested() override { return false; }
        bool Confirm(const tools::Confirmation& asked) override {
            Asked.push_back(text::Cp1251ToUtf8(asked.Caption) + "|" + text::Cp1251ToUtf8(asked.Text));
            return Answer;
        }
        bool AskRowReadAgain(std::string_view, std::string_view) override { return false; }
        void BringToFront() override {}
        void CloseReportDocuments() override {}
        settings::Settings& Settings() override { std::abort(); }
        std::vector<std::string> Asked;
        bool Answer = true;
    } host;
    auto application = word::docx::CreateApplication();
    word::Document& document = application->Documents().Open(inventory_.string(), {.ForEditing = true});
    EXPECT_EQ(tools::RunTool(kMarkTitles, document, host, {}, catalog_).Count, 2);
    EXPECT_EQ(host.Asked, std::vector<std::string>{
                              "Отметить заголовки?|Перед каждым заголовком будет поставлен знак \"+\"."});
    host.Answer = false;
    EXPECT_EQ(tools::RunTool(kMarkTitles, document, host, {}, catalog_).End, tools::ToolEnd::Cancelled);
    EXPECT_EQ(tools::RunTool(kMarkTitles, document, host, {}).End, tools::ToolEnd::Failed);
}

// Each tool is one row: a flag or a menu item given twice would leave one of the commands unreachable.
TEST(ToolCatalogTest, EveryToolHasOneRowWithItsOwnFlagAndMenuItem) {
    std::set<tools::Tool> tools;
    std::set<std::string_view> flags, menuNames;
    for (const tools::ToolEntry& entry : tools::ToolCatalog()) {
        EXPECT_TRUE(tools.insert(entry.Tool).second) << entry.Flag;
        EXPECT_TRUE(flags.insert(entry.Flag).second) << entry.Flag;
        EXPECT_TRUE(menuNames.insert(entry.MenuName).second) << entry.MenuName;
        EXPECT_NE(entry.Run, nullptr) << entry.Flag;
        // Every repair tells its end; a question has both its caption and its text.
        EXPECT_FALSE(entry.Texts.Result.empty()) << entry.Flag;
        EXPECT_EQ(entry.Texts.ConfirmCaption.empty(), entry.Texts.ConfirmText.empty()) << entry.Flag;
    }
    EXPECT_EQ(tools.size(), std::size_t(tools::Tool::DatesJoinRanges) + 1);
}

}  // namespace
}  // namespace tabulex::cli
