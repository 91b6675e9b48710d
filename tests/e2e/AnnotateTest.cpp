// `tabulex check FILE --annotate OUT.docx`: the copy carries a comment per problem row on the cell
// its first message concerns, the summary on the first row; comments already there are kept; the
// inventory itself is never changed; LibreOffice opens the copy with every comment.

#include "e2e/AnnotationReader.h"
#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "ooxml/Package.h"

#include <cstdlib>
#include <set>
#include <string>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

const char* kPlan =
    "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\n"
    "-\t1\tПротоколы заседаний правления\t1950\t12\t\n"
    "-\t2\t\t1951\t10\t\n"
    "-\t3\tПриказы директора\t1952\t\t\n"
    "-\t5\tОтчёты о работе\t1953\t7\t\n"
    "-\t6\tПереписка с трестом\t1954\t8\t  копии\n"
    "-\t7\tСметы расходов\t1955\t9\t\n";

struct Expected {
    int row;
    int cell;
    const char* firstLine;
};

// Row 3 lacks its title, row 4 its sheet count, row 5 breaks the sequence, row 6 has blanks
// before its notes.
const Expected kExpected[] = {
    {3, 2, "Название отсутствует"},
    {4, 4, "Кол-во отсутствует"},
    {5, 1, "Номер дела ожидался 4"},
    {6, 5, "Примечание: "},
};

class AnnotateTest : public E2eTest {
  protected:
    fs::path Inventory() {
        const fs::path path = root_ / "opis.docx";
        WriteInventory(kPlan, path);
        return path;
    }
};

TEST_F(AnnotateTest, EveryProblemRowGetsACommentOnTheCellItsFirstMessageConcerns) {
    const fs::path inventory = Inventory();
    const std::string before = ReadFile(inventory);
    const fs::path copy = root_ / "opis-annotated.docx";
    const auto result = Check(inventory, root_ / "report", {"--annotate", copy.string()});
    ASSERT_EQ(result.Status, 1) << result.Err;
    EXPECT_EQ(ReadFile(inventory), before) << "the inventory itself must not change";
    EXPECT_NE(result.Out.find(copy.string()), std::string::npos) << result.Out;

    const auto comments = ReadComments(copy);
    ASSERT_EQ(comments.size(), std::size(kExpected) + 1);
    std::set<std::pair<int, int>> seen;
    for (const auto& [id, comment] : comments) {
        EXPECT_EQ(comment.Author, "Табулекс") << id;
        EXPECT_EQ(comment.Date.size(), 20u) << comment.Date;
        EXPECT_TRUE(comment.Referenced) << id;
        EXPECT_EQ(comment.Table, 1) << id;
        ASSERT_FALSE(comment.Lines.empty()) << id;
        seen.insert({comment.Row, comment.Cell});
        if (comment.Row == 1) {
            EXPECT_EQ(comment.Cell, 1);
            bool certification = false;
            for (const auto& line : comment.Lines)
                certification = certification || line == "В данную опись занесено 6 (шесть) дел с № 1 по № 7";
            EXPECT_TRUE(certification) << comment.Lines.front();
            continue;
        }
        bool matched = false;
        for (const auto& e : kExpected) {
            if (e.row != comment.Row) continue;
            matched = true;
            EXPECT_EQ(comment.Cell, e.cell) << "row " << e.row;
            EXPECT_EQ(comment.Lines.front().rfind(e.firstLine, 0), 0u) << comment.Lines.front();
        }
        EXPECT_TRUE(matched) << "a comment on row " << comment.Row;
    }
    EXPECT_EQ(seen.size(), comments.size());

    // LibreOffice opens the copy and keeps every comment with its author.
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    const fs::path out = root_ / "lo";
    const std::string command = "timeout 180 soffice -env:UserInstallation=file://" +
                                (root_ / "profile").string() + " --headless --convert-to odt --outdir " +
                                out.string() + " " + copy.string() + " > " +
                                (root_ / "soffice.log").string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(root_ / "soffice.log");
    const std::string unzip = "unzip -p " + (out / "opis-annotated.odt").string() + " content.xml > " +
                              (root_ / "content.xml").string();
    ASSERT_EQ(std::system(unzip.c_str()), 0);
    const std::string content = ReadFile(root_ / "content.xml");
    std::size_t authors = 0;
    for (std::size_t at = 0;
         (at = content.find("<dc:creator>Табулекс</dc:creator>", at)) != std::string::npos; ++at)
        ++authors;
    EXPECT_EQ(authors, comments.size());
    EXPECT_NE(content.find("Название отсутствует"), std::string::npos);
}

// A manual line break in the number cell reaches the summary comment (the certification line
// names the first number as the cell gives it) as Word's own break: XML 1.0 cannot hold the
// character, even as a reference, and LibreOffice refuses such a part.
TEST_F(AnnotateTest, ALineBreakInACellsTextBecomesABreakInTheComment) {
    const fs::path inventory = root_ / "breaks.docx";
    WriteInventory(
        "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\n"
        "-\t1{br}а\tПротоколы заседаний правления.\t1950\t12\t\n",
        inventory);
    const fs::path copy = root_ / "breaks-annotated.docx";
    ASSERT_LE(Check(inventory, root_ / "report", {"--annotate", copy.string()}).Status, 1);
    const std::string comments = ooxml::Package::Load(copy.string()).Bytes("word/comments.xml");
    for (int control = 0; control < 0x20; ++control)
        EXPECT_EQ(comments.find("&#" + std::to_string(control) + ";"), std::string::npos) << control;
    EXPECT_NE(comments.find("1</w:t><w:br/><w:t>а"), std::string::npos) << comments;
}

TEST_F(AnnotateTest, CommentsAlreadyInTheDocumentAreKept) {
    const fs::path inventory = Inventory();
    const fs::path first = root_ / "first.docx";
    const fs::path second = root_ / "second.docx";
    ASSERT_EQ(Check(inventory, root_ / "r1", {"--annotate", first.string()}).Status, 1);
    ASSERT_EQ(Check(first, root_ / "r2", {"--annotate", second.string()}).Status, 1);
    const auto once = ReadComments(first);
    const auto twice = ReadComments(second);
    ASSERT_EQ(twice.size(), 2 * once.size());
    for (const auto& [id, comment] : once) {
        ASSERT_TRUE(twice.count(id)) << id;
        EXPECT_EQ(twice.at(id).Lines, comment.Lines);
        EXPECT_EQ(twice.at(id).Row, comment.Row);
        EXPECT_EQ(twice.at(id).Cell, comment.Cell);
    }
    for (const auto& [id, comment] : twice) EXPECT_TRUE(comment.Referenced) << id;
}

TEST_F(AnnotateTest, TheCopyNeverReplacesTheInventory) {
    const fs::path inventory = Inventory();
    const std::string before = ReadFile(inventory);
    for (const fs::path& out : {inventory, root_ / "." / "opis.docx"}) {
        const auto result = Check(inventory, root_ / "report", {"--annotate", out.string()});
        EXPECT_EQ(result.Status, 2) << out;
        EXPECT_NE(result.Err.find("--annotate"), std::string::npos) << result.Err;
        EXPECT_EQ(ReadFile(inventory), before);
    }
    const fs::path other = root_ / "other.docx";
    WriteInventory(kPlan, other);
    const auto batch = RunTabulex({"check", inventory.string(), other.string(), "--report-dir",
                                   (root_ / "batch").string(), "--annotate", (root_ / "a.docx").string()});
    EXPECT_EQ(batch.Status, 2);
    EXPECT_FALSE(fs::exists(root_ / "a.docx"));
}

}  // namespace
}  // namespace tabulex::e2e
