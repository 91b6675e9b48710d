// The certification line an inventory carries after its main table, compared with what the check
// found: one finding per disagreement, naming both values, after the rubricator under its own
// heading, in the JSON output and as a comment on the line in the annotated copy.

#include "e2e/AnnotationReader.h"
#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "text/Cp1251.h"

#include <string>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

// Five cases: 1, 2, 2А (literal), 3 and 5 (4 missing).
const char* kTable =
    "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\n"
    "-\t1\tПротоколы заседаний правления\t1950\t12\t\n"
    "-\t2\tПриказы директора\t1951\t10\t\n"
    "-\t2А\tПриложения к приказам\t1951\t3\t\n"
    "-\t3\tОтчёты о работе\t1952\t7\t\n"
    "-\t5\tСметы расходов\t1954\t9\t\n";

const char* kAgreeing =
    "В данную опись внесено 5 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а; "
    "пропущенные номера: 4.";

struct LineCase {
    const char* name;
    const char* paragraphs;  // the paragraphs after the table, one per line
    const char* finding;     // the one expected finding, or empty
};

const LineCase kCases[] = {
    {"agreeing", kAgreeing, ""},
    {"agreeing over three paragraphs",
     "В данный раздел описи внесено 5 (пять) дел с № 1 по № 5, в том числе:\nлитерные номера: 2а\n"
     "пропущенные номера: 4",
     ""},
    // Every opening in use, in any letter case, with no-break spaces and line breaks.
    {"opening занесено",
     "В данную опись занесено 5 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     ""},
    {"opening настоящую",
     "В настоящую опись внесено 5 (пять) дел с № 1 по № 5, литерные номера: 2а; "
     "пропущенные номера: 4.",
     ""},
    {"opening в опись",
     "в опись внесено 5 (пять) дел с № 1 по № 5, в том числе литерный номер 2А, "
     "пропущенный номер 4",
     ""},
    {"opening всего",
     "ВСЕГО В ОПИСЬ ВНЕСЕНО 5 (ПЯТЬ) ДЕЛ С № 1 ПО № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     ""},
    {"opening раздел, broken lines",
     "В{nbsp}данный раздел описи{br}внесено 5{nbsp}(пять) дел с №{nbsp}1 по №{nbsp}5,{br}в том числе: литерные "
     "номера: 2а;{br}пропущенные номера: 4.",
     ""},
    {"line over two paragraphs",
     "В данную опись внесено\n5 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а; пропущенные номера: 4.",
     ""},
    {"count in figures",
     "В данную опись занесено 6 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     "Заверительная надпись: число дел цифрами 6, а в описи 5"},
    {"count in words",
     "В данную опись внесено 5 (шесть) дел с № 1 по № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     "Заверительная надпись: число дел прописью \"шесть\", а в описи 5 (пять)"},
    {"count in words unreadable",
     "В данную опись внесено 5 (пят) дел с № 1 по № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     "Заверительная надпись: число дел прописью \"пят\", а в описи 5 (пять)"},
    {"no count in words",
     "В данную опись внесено 5 дел с № 1 по № 5, в том числе: литерные номера: 2а; пропущенные номера: 4.",
     "Заверительная надпись: число дел не написано прописью"},
    {"word for cases",
     "В данную опись внесено 5 (пять) дела с № 1 по № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     "Заверительная надпись: после числа 5 должно стоять \"дел\", а не \"дела\""},
    {"first number",
     "В данную опись внесено 5 (пять) дел с № 2 по № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     "Заверительная надпись: первый номер № 2, а в описи № 1"},
    {"last number",
     "В данную опись внесено 5 (пять) дел с № 1 по № 6, в том числе: литерные номера: 2а; "
     "пропущенные номера: 4.",
     "Заверительная надпись: последний номер № 6, а в описи № 5"},
    {"literal numbers differ",
     "В данную опись внесено 5 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а, 3а; "
     "пропущенные номера: 4.",
     "Заверительная надпись: литерные номера 2а, 3а, а в описи литерные номера 2а"},
    {"literal numbers said to be none",
     "В данную опись внесено 5 (пять) дел с № 1 по № 5, в том числе: литерных номеров нет; "
     "пропущенные номера: 4.",
     "Заверительная надпись: литерных номеров нет, а в описи литерные номера 2а"},
    {"literal numbers forgotten",
     "В данную опись внесено 5 (пять) дел с № 1 по № 5, в том числе: пропущенные номера: 4.",
     "Заверительная надпись не называет литерные номера описи: 2а"},
    {"missing numbers said to be none",
     "В данную опись внесено 5 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а; "
     "пропущенных номеров нет.",
     "Заверительная надпись: пропущенных номеров нет, а в описи пропущенные номера 4"},
    {"missing numbers differ",
     "В данную опись внесено 5 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а; "
     "пропущенные номера: 3, 4.",
     "Заверительная надпись: пропущенные номера 3, 4, а в описи пропущенные номера 4"},
    {"missing numbers forgotten",
     "В данную опись внесено 5 (пять) дел с № 1 по № 5, в том числе: литерные номера: 2а.",
     "Заверительная надпись не называет пропущенные номера описи: 4"},
    {"unreadable", "В данную опись внесено пять дел.",
     "Заверительная надпись после таблицы не разобрана, сверьте её с описью вручную: \"В данную опись "
     "внесено пять дел.\""},
    {"no line", "Опись составил архивист", "Заверительная надпись после таблицы не найдена"},
};

const char* kHeading = "Сверка заверительной надписи:";
const std::string kNotFound = "Заверительная надпись после таблицы не найдена";

class CertificationCheckTest : public E2eTest {
  protected:
    void SetUp() override {
        E2eTest::SetUp();
        reconcileCertification_ = true;
    }
};

TEST_F(CertificationCheckTest, EachDisagreementIsOneFindingNamingBothValues) {
    int k = 0;
    for (const auto& c : kCases) {
        std::string plan = kTable;
        std::string paragraphs = c.paragraphs;
        for (std::size_t from = 0; from <= paragraphs.size();) {
            const std::size_t end = std::min(paragraphs.find('\n', from), paragraphs.size());
            plan += "@para " + paragraphs.substr(from, end - from) + "\n";
            from = end + 1;
        }
        const fs::path inventory = root_ / ("opis" + std::to_string(++k) + ".docx");
        WriteInventory(plan, inventory);
        const fs::path reportDir = root_ / std::to_string(k);
        const fs::path copy = root_ / ("copy" + std::to_string(k) + ".docx");
        const auto result = Check(inventory, reportDir, {"--annotate", copy.string()});
        EXPECT_NE(result.Status, 2) << c.name << ": " << result.Err;
        const std::string report = text::Cp1251ToUtf8(ReadFile(reportDir / "Tabulex_Report.txt"));
        const std::size_t heading = report.find(kHeading);
        const std::string finding = c.finding;
        if (finding.empty()) {
            EXPECT_EQ(heading, std::string::npos) << c.name << "\n" << report;
            continue;
        }
        // After the rubricator, the heading and the finding are the report's last lines.
        EXPECT_EQ(report.substr(heading == std::string::npos ? 0 : heading),
                  std::string(kHeading) + "\r\n" + finding + "\r\n")
            << c.name;
        EXPECT_LT(report.find("Рубрикатор:"), heading) << c.name;
        EXPECT_NE(result.Out.find(finding), std::string::npos) << c.name << "\n" << result.Out;

        // The annotated copy carries the finding on the line itself, or with the summary on the
        // table's first row when there is no line.
        bool onTheLine = false;
        bool withTheSummary = false;
        for (const auto& [id, comment] : ReadComments(copy)) {
            if (comment.Table == 0 && comment.Lines == std::vector<std::string>{finding})
                onTheLine = std::string(c.paragraphs).rfind(comment.Paragraph, 0) == 0;
            if (comment.Table == 1 && !comment.Lines.empty() && comment.Lines.back() == finding)
                withTheSummary = true;
        }
        EXPECT_TRUE(finding == kNotFound ? withTheSummary : onTheLine) << c.name;
    }
}

TEST_F(CertificationCheckTest, JsonCarriesTheLineAndItsFindings) {
    std::string plan = kTable;
    plan += "@para В данную опись внесено 5 (пять) дела с № 1 по № 5\n";
    const fs::path inventory = root_ / "opis.docx";
    WriteInventory(plan, inventory);
    const auto result = Check(inventory, root_ / "report", {"--format", "json"});
    // The line is the second paragraph after the table: an empty one closes the table.
    EXPECT_NE(result.Out.find(
                  "\"certificationCheck\": {\"line\": \"В данную опись внесено 5 (пять) дела с № 1 по № 5\", "
                  "\"paragraph\": 2, \"messages\": [{\"class\": \"warning\", \"text\": \"Заверительная "
                  "надпись: после числа 5 должно стоять \\\"дел\\\", а не \\\"дела\\\"\""),
              std::string::npos)
        << result.Out;

    // Without a line: its hint and no line; without the reconciliation: nothing.
    WriteInventory(kTable, inventory);
    EXPECT_NE(
        Check(inventory, root_ / "report", {"--format", "json"})
            .Out.find(
                "\"certificationCheck\": {\"line\": null, \"paragraph\": 0, \"messages\": "
                "[{\"class\": \"hint\", \"text\": \"Заверительная надпись после таблицы не найдена\"}]}"),
        std::string::npos);
    EXPECT_NE(Check(inventory, root_ / "report", {"--format", "json", "--no-certification-check"})
                  .Out.find("\"certificationCheck\": null"),
              std::string::npos);
}

}  // namespace
}  // namespace tabulex::e2e
