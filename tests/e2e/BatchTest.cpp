// A folder of inventories written by LibreOffice in every format the program reads, checked as one
// batch: one JSON document that a JSON reader takes, a report folder per file named by the whole
// file name, the total line, and the warning about a table that a stray paragraph split off.

#include "e2e/E2eTest.h"

#include <cstdlib>
#include <fstream>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

// Four cases in a table, the fourth split off by a paragraph.
constexpr const char* kInventoryHtml =
    "<html><head><meta charset=\"utf-8\"></head><body><p>Опись дел постоянного хранения</p>"
    "<table border=\"1\"><tr><td>№</td><td>Заголовок дела</td><td>Крайние даты</td><td>Кол-во листов</td>"
    "<td>Примечание</td></tr><tr><td>1</td><td>2</td><td>3</td><td>4</td><td>5</td></tr>"
    "<tr><td>1</td><td>Протоколы заседаний исполкома горсовета</td><td>12.01.1945-30.12.1945</td>"
    "<td>120</td><td></td></tr>"
    "<tr><td>2</td><td>Приказы директора по основной деятельности</td><td>1946</td><td>45</td><td></td></tr>"
    "<tr><td>3</td><td>Штатное расписание</td><td>1947</td><td>12</td><td></td></tr></table>"
    "<p>Продолжение</p>"
    "<table border=\"1\"><tr><td>4</td><td>Переписка с трестом</td><td>1948</td><td>30</td><td></td></tr>"
    "</table></body></html>";

class BatchTest : public E2eTest {
  protected:
    // Runs LibreOffice once; false when it failed.
    bool Soffice(const std::string& arguments) {
        const std::string command =
            "cd '" + root_.string() + "' && timeout 180 soffice -env:UserInstallation=file://" +
            (root_ / "profile").string() + " --headless " + arguments + " >> soffice.log 2>&1";
        return std::system(command.c_str()) == 0;
    }
};

TEST_F(BatchTest, LibreOfficeInventoriesInEveryFormat) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    if (std::system("command -v python3 > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    std::ofstream(root_ / "opis.html") << kInventoryHtml;
    const fs::path shelf = root_ / "shelf";
    ASSERT_TRUE(Soffice("--convert-to docx:\"MS Word 2007 XML\" --outdir shelf opis.html"))
        << ReadFile(root_ / "soffice.log");
    for (const char* format : {"doc", "odt", "rtf"})
        ASSERT_TRUE(Soffice(std::string("--convert-to ") + format + " --outdir shelf shelf/opis.docx"))
            << ReadFile(root_ / "soffice.log");
    std::ofstream(shelf / "broken.docx") << "not a document";

    const CommandResult result =
        RunTabulex({"check", shelf.string(), "--report-dir", (root_ / "out").string(), "--no-report-docx",
                    "--format", "json"});
    // A file that could not be checked makes the whole batch's status 2.
    EXPECT_EQ(result.Status, 2) << result.Err;
    for (const char* name : {"opis.docx", "opis.doc", "opis.odt", "opis.rtf"})
        EXPECT_TRUE(fs::exists(root_ / "out" / name / "Tabulex_Report.txt")) << name << "\n" << result.Err;

    std::ofstream(root_ / "out.json", std::ios::binary) << result.Out;
    const std::string read =
        "python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); "
        "print(len(d), sum(1 for x in d if x[\"end\"]==\"completed\"), "
        "sum(1 for x in d if x.get(\"leftOutTables\")==[{\"table\": 2, \"caseRows\": 1}]))' " +
        (root_ / "out.json").string() + " > " + (root_ / "parsed.txt").string();
    ASSERT_EQ(std::system(read.c_str()), 0) << result.Out;
    EXPECT_EQ(ReadFile(root_ / "parsed.txt"), "5 4 4\n") << result.Out;
    EXPECT_NE(result.Err.find("Итого: проверено описей: 4, из них с ошибками: 0; не удалось проверить: 1"),
              std::string::npos)
        << result.Err;
    EXPECT_NE(result.Err.find("opis.rtf: Внимание: таблица 2 не проверена"), std::string::npos) << result.Err;
}

}  // namespace
}  // namespace tabulex::e2e
