#include "report/ReportLines.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace tabulex::report {
namespace {

std::string Utf(std::string_view cp) {
    return text::Cp1251ToUtf8(cp);
}

TEST(CasesWordTest, FollowsTheLastTwoDigits) {
    struct Case {
        int Count;
        const char* Word;
    } cases[] = {{0, "дел"},    {1, "дело"},  {2, "дела"},  {4, "дела"},   {5, "дел"},   {11, "дел"},
                 {12, "дел"},   {14, "дел"},  {20, "дел"},  {21, "дело"},  {23, "дела"}, {25, "дел"},
                 {101, "дело"}, {111, "дел"}, {112, "дел"}, {122, "дела"}, {1000, "дел"}};
    for (const Case& c : cases) EXPECT_EQ(Utf(CasesWord(c.Count)), c.Word) << c.Count;
}

TEST(CertificationLineTest, NumberInFiguresAndWords) {
    EXPECT_EQ(Utf(CertificationLine(21, "1", "21")),
              "В данную опись занесено 21 (двадцать одно) дело с № 1 по № 21");
    EXPECT_EQ(Utf(CertificationLine(1001, "1", "1001")),
              "В данную опись занесено 1001 (одна тысяча одно) дело с № 1 по № 1001");
    EXPECT_EQ(Utf(CertificationLine(12, "1", text::Utf8ToCp1251("12а"))),
              "В данную опись занесено 12 (двенадцать) дел с № 1 по № 12а");
    EXPECT_EQ(Utf(CertificationLine(23, "", "")),
              "В данную опись занесено 23 (двадцать три) дела с №  по № ");
    EXPECT_EQ(Utf(CertificationLine(0, "", "")), "В данную опись занесено 0 (ноль) дел с №  по № ");
}

TEST(CountLinesTest, Cases) {
    auto lines = [](int e, int w, int h, bool showWarnings, bool showHints) {
        std::vector<std::string> utf;
        for (const std::string& line : CountLines({e, w, h}, showWarnings, showHints))
            utf.push_back(Utf(line));
        return utf;
    };
    EXPECT_EQ(lines(0, 0, 0, true, true), (std::vector<std::string>{"Проблемы не обнаружены."}));
    EXPECT_EQ(lines(0, 0, 0, false, false), (std::vector<std::string>{"Проблемы не обнаружены."}));
    EXPECT_EQ(lines(2, 0, 5, true, true),
              (std::vector<std::string>{"Ошибки: 2. (Можете временно отключить вывод подсказок)",
                                        "Предупреждений нет. OK.", "Подсказки: 5", ""}));
    EXPECT_EQ(lines(0, 3, 1, false, false),
              (std::vector<std::string>{"Ошибки не обнаружены. OK.",
                                        "Предупреждения: 3 (Предупреждения не показаны - поставьте галочку)",
                                        "Подсказки: 1 (Подсказки не показаны - поставьте галочку)", ""}));
    EXPECT_EQ(lines(0, 0, 1, false, true),
              (std::vector<std::string>{"Ошибки не обнаружены. OK.", "Предупреждений нет. OK.",
                                        "Подсказки: 1", ""}));
}

TEST(ProblemLinesTest, LayoutPerRowKind) {
    EXPECT_EQ(Utf(HeaderLine(false)), "№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет");
    EXPECT_EQ(Utf(HeaderLine(true)), "№\tЗаголовок\tНач. дата\tКон. дата\tКол-во\tПримечание\tОтчет");
    EXPECT_EQ(DataRowLine({"1", "T", "D", "Q", "N"}, "P"), "1\tT\tD\tQ\tN\tP");
    EXPECT_EQ(Utf(HeadingRowLine("H  ", text::Utf8ToCp1251("Не выделен жирным; "))),
              "\tH  \t\t\t\tЗаголовок: Не выделен жирным; ");
    EXPECT_EQ(NumberingRowLine("1\t2\t3", "X; "), "1\t2\t3\tX; ");
    EXPECT_EQ(EmptyRowLine("E"), "\t\t\t\t\tE");
    EXPECT_EQ(Utf(SkippedRowLine()), "\t\t\t\t\tСтрока пропущена.");
}

TEST(DateRangeLinesTest, DayZeroWhenNothingWasDated) {
    const std::vector<std::string> lines = DateRangeLines({});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Utf(lines[0]), "Начальная дата от 30 декабря 1899 () до 30 декабря 1899 ()");
    EXPECT_EQ(Utf(lines[1]), "Конечная дата от 30 декабря 1899 () до 30 декабря 1899 ()");
}

TEST(SummaryLinesTest, NonLiteralLineOnlyWhenPresent) {
    Summary summary;
    summary.CaseNumberLines = {"L", "", "M", "R"};
    std::vector<std::string> lines = SummaryLines(summary);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "L"), 1);
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "L") + 1, std::find(lines.begin(), lines.end(), "M"));
    summary.CaseNumberLines[1] = "N\r\nN2";
    lines = SummaryLines(summary);
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "L") + 1,
              std::find(lines.begin(), lines.end(), "N\r\nN2"));
}

}  // namespace
}  // namespace tabulex::report
