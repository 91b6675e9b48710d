// Inventories written today, made by LibreOffice (tests/fixtures/lo): spaced ranges, months as
// words, literal numbers with small letters and list-style numbers "1.". The modern rules pass the
// clean one and find exactly the real faults of the other; the original rules keep their report.

#include "e2e/E2eTest.h"
#include "text/Cp1251.h"

#include <sstream>
#include <string>
#include <vector>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

std::string LibreOfficeFixture(const std::string& name) {
    return std::string(TABULEX_FIXTURES) + "/lo/" + name;
}

// The report in UTF-8, line by line.
std::vector<std::string> ReportLines(const fs::path& reportDir) {
    std::istringstream in(text::Cp1251ToUtf8(ReadFile(reportDir / "Tabulex_Report.txt")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The problem lines: those after the header line and before the first empty line.
std::vector<std::string> ProblemLines(const fs::path& reportDir) {
    std::vector<std::string> problems;
    const std::vector<std::string> lines = ReportLines(reportDir);
    for (std::size_t k = 1; k < lines.size() && !lines[k].empty(); ++k) problems.push_back(lines[k]);
    return problems;
}

bool Holds(const std::vector<std::string>& lines, const std::string& wanted) {
    for (const std::string& line : lines)
        if (line.starts_with(wanted)) return true;
    return false;
}

const char* kModernLine = "Правила проверки: современные";
const char* kSkipped = "\t\t\t\t\tСтрока пропущена.";

class ModernRulesTest : public E2eTest {};

TEST_F(ModernRulesTest, CleanInventoryOfTodayPassesUnderTheModernRules) {
    const fs::path inventory = LibreOfficeFixture("modern-clean.docx");
    const CommandResult modern = Check(inventory, root_ / "modern", {"--rules", "modern"});
    EXPECT_EQ(modern.Status, 0) << modern.Err;
    EXPECT_EQ(ProblemLines(root_ / "modern"), std::vector<std::string>{kSkipped});
    const std::vector<std::string> report = ReportLines(root_ / "modern");
    EXPECT_TRUE(Holds(report, kModernLine));
    EXPECT_TRUE(Holds(report, "Ошибки не обнаружены. OK."));
    EXPECT_TRUE(Holds(report, "Предупреждений нет. OK."));
    EXPECT_TRUE(Holds(report, "В данную опись занесено 10 (десять) дел с № 1 по № 9"));
    EXPECT_TRUE(Holds(report, "Литерный номер дела:     5а . Всего дел: 1."));
    EXPECT_TRUE(Holds(report, "Начальная дата от 13 ноября 1959 (4) до 1 сентября 1995 (9)"));
    EXPECT_FALSE(Holds(report, "Сверка заверительной надписи:"));

    // The original rules find every spaced range, month word and final full stop, as they always did.
    const CommandResult original = Check(inventory, root_ / "original");
    EXPECT_EQ(original.Status, 1);
    const std::vector<std::string> problems = ProblemLines(root_ / "original");
    EXPECT_EQ(problems.size(), 11u);
    EXPECT_FALSE(Holds(ReportLines(root_ / "original"), kModernLine));
    // The console says how many of those errors today's rules would not report; the report does not.
    EXPECT_NE(
        original.Err.find("modern-clean.docx: Ошибок в датах: 9. Из них 9 не будут ошибками по современным "
                          "правилам (tabulex check --rules modern; в окне: Настройки | Правила проверки | "
                          "Современные), а 4 исправит команда \"Даты | Диапазоны дат без пробелов\" "
                          "(tabulex fix --dates-join-ranges)."),
        std::string::npos)
        << original.Err;
    EXPECT_FALSE(Holds(ReportLines(root_ / "original"), "Ошибок в датах"));
    EXPECT_EQ(modern.Err.find("Ошибок в датах"), std::string::npos) << modern.Err;
    EXPECT_TRUE(Holds(problems,
                      "4\tЛичное дело учителя\t13.11.1959 - 03.09.1960\t30\t\tНомер. Лишняя точка в "
                      "конце: Дата неверная \"Кон.; Нач.; Нач.; Кон.; \""));
}

TEST_F(ModernRulesTest, RealFaultsStandOutUnderTheModernRules) {
    const CommandResult modern =
        Check(LibreOfficeFixture("modern-faults.docx"), root_ / "modern", {"--rules", "modern"});
    EXPECT_EQ(modern.Status, 1);
    const std::vector<std::string> expected = {
        kSkipped,
        "2\tПротоколы заседаний педагогического совета\t1995 - 1990\t120\t\tДата нач. позже "
        "кон.\"01.01.1995>31.12.1990\"",
        "4\tЛичное дело учителя\t31.02.1997\t30\t\tДата неверная \"Кол-во дней в месяце меньше; Нач.; Кон.; \"",
        "5\tЖурнал регистрации приказов\t12 мюня 1990\t8\t\tДата неверная \"Неверная; Нач.; Кон.; \"",
        "6\tГодовой отчёт школы\t12 мая\t25\t\tДата неверная \"Неверная; Нач.; Кон.; \"",
        "7\tСметы расходов\t12.05.1990 15.06.1990\t14\t\tДата неверная \"Неверная; Нач.; Кон.; \"",
        "8\tПереписка с отделом образования\tиюнь 1991 – май 1991\t40\t\tДата нач. позже "
        "кон.\"01.06.1991>31.05.1991\"",
    };
    EXPECT_EQ(ProblemLines(root_ / "modern"), expected);
    EXPECT_TRUE(Holds(ReportLines(root_ / "modern"), "Ошибки: 6."));

    // Two spaced ranges among real faults are too few for the advice.
    const CommandResult original = Check(LibreOfficeFixture("modern-faults.docx"), root_ / "original");
    EXPECT_EQ(original.Err.find("Ошибок в датах"), std::string::npos) << original.Err;
}

TEST_F(ModernRulesTest, UnknownRuleSetIsRefused) {
    const CommandResult result =
        Check(LibreOfficeFixture("modern-clean.docx"), root_ / "r", {"--rules", "new"});
    EXPECT_EQ(result.Status, 2);
    EXPECT_NE(result.Err.find("original"), std::string::npos) << result.Err;
}

}  // namespace
}  // namespace tabulex::e2e
