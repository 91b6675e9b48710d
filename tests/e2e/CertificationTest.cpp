// The certification line of clean inventories of different sizes: the number of cases in figures
// and in words, the word for cases that follows the last two digits, the first and last numbers;
// the same line written after the table agrees with the check.

#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "text/Cp1251.h"

#include <string>

namespace tabulex::e2e {
namespace {

struct CertificationCase {
    int Cases;
    const char* Line;
};

// "Дело" is neuter: a count ending in one is "одно", in the thousands "одна".
const CertificationCase kCertificationCases[] = {
    {1, "В данную опись занесено 1 (одно) дело с № 1 по № 1"},
    {2, "В данную опись занесено 2 (два) дела с № 1 по № 2"},
    {4, "В данную опись занесено 4 (четыре) дела с № 1 по № 4"},
    {5, "В данную опись занесено 5 (пять) дел с № 1 по № 5"},
    {11, "В данную опись занесено 11 (одиннадцать) дел с № 1 по № 11"},
    {14, "В данную опись занесено 14 (четырнадцать) дел с № 1 по № 14"},
    {21, "В данную опись занесено 21 (двадцать одно) дело с № 1 по № 21"},
    {22, "В данную опись занесено 22 (двадцать два) дела с № 1 по № 22"},
    {30, "В данную опись занесено 30 (тридцать) дел с № 1 по № 30"},
    {101, "В данную опись занесено 101 (сто одно) дело с № 1 по № 101"},
    {112, "В данную опись занесено 112 (сто двенадцать) дел с № 1 по № 112"},
    {123, "В данную опись занесено 123 (сто двадцать три) дела с № 1 по № 123"},
    {1001, "В данную опись занесено 1001 (одна тысяча одно) дело с № 1 по № 1001"},
    {1021, "В данную опись занесено 1021 (одна тысяча двадцать одно) дело с № 1 по № 1021"},
};

class CertificationTest : public E2eTest {
  protected:
    void SetUp() override {
        E2eTest::SetUp();
        reconcileCertification_ = true;
    }
};

TEST_F(CertificationTest, NumberInFiguresAndWordsWithTheWordForCases) {
    for (const auto& c : kCertificationCases) {
        std::string plan = "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\n";
        for (int k = 1; k <= c.Cases; ++k)
            plan += "-\t" + std::to_string(k) + "\tПротоколы заседаний правления\t" +
                    std::to_string(1900 + k % 100) + "\t12\t\n";
        // The line the report states, written after the table, agrees with the check.
        plan += std::string("@para ") + c.Line + "\n";
        const auto inventory = root_ / ("opis-" + std::to_string(c.Cases) + ".docx");
        WriteInventory(plan, inventory);
        const auto reportDir = root_ / std::to_string(c.Cases);
        const auto result = Check(inventory, reportDir);
        EXPECT_EQ(result.Status, 0) << c.Cases << ": " << result.Err;
        const std::string report = ReadFile(reportDir / "Tabulex_Report.txt");
        const std::string expected = "\r\n\r\n" + text::Utf8ToCp1251("Проблемы не обнаружены.\r\n") +
                                     text::Utf8ToCp1251(c.Line) + "\r\n\r\n";
        EXPECT_NE(report.find(expected), std::string::npos)
            << c.Cases << " cases; expected " << c.Line << "\nreport:\n"
            << text::Cp1251ToUtf8(report);
    }
}

}  // namespace
}  // namespace tabulex::e2e
