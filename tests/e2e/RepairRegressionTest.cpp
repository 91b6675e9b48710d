// Repairs on inventories made in LibreOffice (tests/fixtures/lo), each checked again afterwards: a
// repair changes what it is for and nothing the check would then flag, keeps the comments and
// bookmarks of the cells it rewrites, and says what it did.

#include "e2e/AnnotationReader.h"
#include "e2e/CheckFindings.h"
#include "e2e/DocxTables.h"
#include "e2e/E2eTest.h"
#include "ooxml/Package.h"

#include <gtest/gtest.h>

namespace tabulex::e2e {
namespace {

namespace fs = std::filesystem;

fs::path LoFixture(const std::string& name) {
    return fs::path(TABULEX_FIXTURES) / "lo" / (name + ".docx");
}

// The first cell of every row of the main table, as DocxTables views it ("[1]" for a list number).
std::vector<std::string> NumberCells(const fs::path& docx) {
    const DocumentView view = ViewDocument(docx, false);
    std::vector<std::string> numbers;
    for (const std::string& row : view.Tables.at(0)) numbers.push_back(row.substr(0, row.find(" | ")));
    return numbers;
}

class RepairRegressionTest : public E2eTest {
  protected:
    // `tabulex fix FIXTURE FLAGS -o OUT`; the output must be written.
    fs::path Fix(const fs::path& input, const std::vector<std::string>& flags,
                 CommandResult* result = nullptr) {
        const fs::path output = root_ / ("fixed-" + std::to_string(++runs_) + ".docx");
        std::vector<std::string> args = {"fix", input.string()};
        args.insert(args.end(), flags.begin(), flags.end());
        args.insert(args.end(), {"-o", output.string()});
        const CommandResult done = RunTabulex(args);
        EXPECT_EQ(done.Status, 0) << done.Err;
        if (result) *result = done;
        return output;
    }
    CheckFindings Findings(const fs::path& docx) {
        return FindingsOf(docx, root_ / ("report-" + std::to_string(++runs_)));
    }

    int runs_ = 0;
};

struct NoNewFindingsCase {
    const char* Fixture;
    std::vector<std::string> Flags;
    std::vector<std::string> NumberCells;  // the first cells of the main table afterwards, as viewed
};

// A list number made text, and numbers given by a list, read as the same case numbers they showed.
TEST_F(RepairRegressionTest, NumberRepairsAddNothingTheCheckFlags) {
    const std::vector<NoNewFindingsCase> cases = {
        {"list-numbers",
         {"--lists-to-text"},
         {"№ п/п", "1", "Раздел 1. Управление", "1.", "2.", "3.", "4.", "5."}},
        {"list-numbers",
         {"--auto-number-cases"},
         {"№ п/п", "1", "Раздел 1. Управление", "[1]", "[2]", "[3]", "[4]", "[5]"}},
        // A comment reference reads as the character 5, as in Word.
        {"comments", {"--auto-number-cases"}, {"№ п/п", "1", "[1]", "[2]\x05", "[3]", "[4]", "[5]\x05"}},
        {"comments", {"--number-cases"}, {"№ п/п", "1", "1", "2\x05", "3", "4", "5\x05"}},
    };
    for (const NoNewFindingsCase& c : cases) {
        SCOPED_TRACE(std::string(c.Fixture) + " " + c.Flags.front());
        const fs::path input = LoFixture(c.Fixture);
        const fs::path output = Fix(input, c.Flags);
        const CheckFindings before = Findings(input);
        const CheckFindings after = Findings(output);
        EXPECT_TRUE(after.Checked);
        EXPECT_EQ(IntroducedFindings(before, after), std::vector<std::string>{});
        if (c.Flags.front() == "--lists-to-text") {
            EXPECT_EQ(after.Rows, before.Rows) << "the same report as before";
        }
        EXPECT_EQ(NumberCells(output), c.NumberCells);
    }
}

// A colleague's comment (a range and a point) and a bookmark in number cells stay where they were.
TEST_F(RepairRegressionTest, RenumberingKeepsCommentsAndBookmarksInTheirCells) {
    for (const char* flag : {"--number-cases", "--auto-number-cases"}) {
        SCOPED_TRACE(flag);
        const fs::path output = Fix(LoFixture("comments"), {flag});
        const std::map<int, ReadComment> comments = ReadComments(output);
        ASSERT_EQ(comments.size(), 2u);
        EXPECT_EQ(comments.at(0).Lines, std::vector<std::string>{"Проверить номер"});
        EXPECT_EQ(comments.at(0).Row, 4);
        EXPECT_EQ(comments.at(0).Cell, 1);
        EXPECT_TRUE(comments.at(0).Referenced);
        const std::string document = ooxml::Package::Load(output.string()).Bytes("word/document.xml");
        EXPECT_NE(document.find("<w:commentReference w:id=\"1\"/>"), std::string::npos);
        EXPECT_NE(document.find("w:name=\"Дело4\""), std::string::npos);
        EXPECT_NE(document.find("<w:bookmarkEnd w:id=\"0\"/>"), std::string::npos);
    }
}

// The literal numbers case numbering replaced are named: as text, in JSON.
TEST_F(RepairRegressionTest, CaseNumberingNamesTheLiteralNumbersItReplaced) {
    CommandResult text;
    Fix(LoFixture("comments"), {"--number-cases"}, &text);
    EXPECT_NE(text.Out.find("--number-cases: Расставлено номеров: 5\nЛитерные номера заменены: 2а → 3\n"),
              std::string::npos)
        << text.Out;
    const CommandResult json =
        RunTabulex({"fix", LoFixture("comments").string(), "--number-cases", "--format", "json"});
    EXPECT_NE(json.Out.find("\"literalNumbers\": [{\"old\": \"2а\", \"new\": 3}]"), std::string::npos)
        << json.Out;
}

// Floating objects go, each by its kind; a picture and a shape placed in the line stay.
TEST_F(RepairRegressionTest, GraphicsRemovalDeletesOnlyFloatingObjectsAndCountsThemByKind) {
    CommandResult result;
    const fs::path output = Fix(LoFixture("preface-graphics"), {"--delete-graphics"}, &result);
    EXPECT_NE(result.Out.find("--delete-graphics: Удалено линий: 1, рисунков: 1, других объектов: 0\n"),
              std::string::npos)
        << result.Out;
    const std::string document = ooxml::Package::Load(output.string()).Bytes("word/document.xml");
    EXPECT_EQ(document.find("<wp:anchor"), std::string::npos);
    EXPECT_NE(document.find("name=\"Герб\""), std::string::npos);
    EXPECT_NE(document.find("name=\"Shape1\""), std::string::npos);
    EXPECT_EQ(IntroducedFindings(Findings(LoFixture("preface-graphics")), Findings(output)),
              std::vector<std::string>{});

    CommandResult none;
    Fix(LoFixture("no-preface"), {"--delete-graphics"}, &none);
    EXPECT_NE(none.Out.find("--delete-graphics: Удалено линий: 0, рисунков: 0, других объектов: 0\n"),
              std::string::npos)
        << none.Out;
}

TEST_F(RepairRegressionTest, PrefaceShowsTextTableRowsAndNoPictureCodes) {
    const CommandResult preface = RunTabulex({"preface", LoFixture("preface-graphics").string()});
    EXPECT_EQ(preface.Status, 0);
    EXPECT_EQ(preface.Out,
              "Архивный отдел администрации города\nФонд № 12 Опись № 1\nДела 1945-1948\nУтверждаю\n"
              "Опись № 1 дел постоянного хранения\n");
    const CommandResult none = RunTabulex({"preface", LoFixture("no-preface").string()});
    EXPECT_EQ(none.Status, 0);
    EXPECT_EQ(none.Out, "");
    EXPECT_EQ(none.Err, "no-preface.docx: Перед основной таблицей нет текста: предисловия нет.\n");
}

TEST_F(RepairRegressionTest, CommandLineTextsSayWhatHappened) {
    CommandResult rows;
    Fix(LoFixture("list-numbers"), {"--delete-numbering-rows"}, &rows);
    EXPECT_NE(rows.Out.find("--delete-numbering-rows: Удалено строк нумерации: 1\n"), std::string::npos)
        << rows.Out;

    const fs::path doc = root_ / "opis.doc";
    fs::copy_file(fs::path(TABULEX_FIXTURES) / "convert" / "ukrf.doc", doc);
    const CommandResult inPlace = RunTabulex({"fix", doc.string(), "--no-row-breaks", "--in-place"});
    EXPECT_EQ(inPlace.Status, 2);
    EXPECT_NE(inPlace.Err.find("укажите -o opis.docx"), std::string::npos) << inPlace.Err;

    const CommandResult jobs = RunTabulex({"check", doc.string(), "--jobs", "-1"});
    EXPECT_EQ(jobs.Status, 2);
    EXPECT_NE(jobs.Err.find("ожидается целое число от 0"), std::string::npos) << jobs.Err;

    // What an option excludes stands under its description, not in the option's name.
    const CommandResult help = RunTabulex({"fix", "--help"});
    EXPECT_NE(help.Out.find("Записать исправленную опись в новый файл .docx\n" + std::string(30, ' ') +
                            "Исключает: --in-place\n"),
              std::string::npos)
        << help.Out;
}

// A case written over two rows whose number cells are merged: the second row is part of the case.
TEST_F(RepairRegressionTest, RowsContinuingAMergedNumberCellGetNoNumber) {
    CommandResult result;
    const fs::path numbered = Fix(LoFixture("merged-numbers"), {"--number-cases"}, &result);
    EXPECT_EQ(NumberCells(numbered), (std::vector<std::string>{"№ п/п", "1", "1", "2", "", "3"}));
    EXPECT_EQ(IntroducedFindings(Findings(LoFixture("merged-numbers")), Findings(numbered)),
              std::vector<std::string>{});

    // Text the merge hides (left in the continuation cell by an older renumbering) is not shown by
    // Word, and does not become visible text either.
    const fs::path hidden = root_ / "hidden.docx";
    auto package = ooxml::Package::Load(LoFixture("merged-numbers").string());
    std::string document = package.Bytes("word/document.xml");
    const std::size_t continuation = document.find("w:val=\"continue\"");
    const std::size_t properties = document.find("</w:pPr>", continuation) + 8;
    document.insert(properties, "<w:r><w:t>7</w:t></w:r>");
    package.SetBytes("word/document.xml", document);
    package.Save(hidden.string());
    const fs::path text = Fix(hidden, {"--tables-to-text"});
    const std::string story = ViewDocument(text, false).StoryUtf8;
    EXPECT_NE(story.find("{p}{tab}(продолжение) приложения к приказам{tab}1946{tab}3{tab}{p}"),
              std::string::npos)
        << story;
}

// The column-numbering row in the middle of a list-numbered column shows 11 before the renumbering
// and 1 once the cases above lost their list numbers: it keeps its place and digits.
TEST_F(RepairRegressionTest, ANumberingRowIsJudgedByTheNumberItShowsWhenItsTurnComes) {
    for (const char* flag : {"--number-cases", "--auto-number-cases"}) {
        SCOPED_TRACE(flag);
        CommandResult result;
        const fs::path output = Fix(LoFixture("list-numbering-row"), {flag}, &result);
        const TableRows rows = ViewDocument(output, false).Tables.at(0);
        ASSERT_EQ(rows.size(), 14u);
        EXPECT_EQ(rows[11], "[1] | 2 | 3 | 4 | 5");
        EXPECT_NE(result.Out.find("Расставлено номеров: 12"), std::string::npos) << result.Out;
    }
}

}  // namespace
}  // namespace tabulex::e2e
