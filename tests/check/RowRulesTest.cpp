#include "check/RowRules.h"

#include "TestText.h"
#include "word/WordModel.h"

#include <gtest/gtest.h>

namespace tabulex::check {
namespace {

using testing::Cp;
using testing::Utf;

RowCells Cells(std::string_view number, std::string_view title, std::string_view dates,
               std::string_view quantity, std::string_view notes = "") {
    return {Cp(number), Cp(title), Cp(dates), Cp(quantity), Cp(notes)};
}

// The report's problem field of a data row, in UTF-8; empty when the row leaves no line.
std::string DataProblems(RowRules& rules, const RowCells& cells, int row = 1) {
    const std::optional<ProblemRow> problem = rules.DataRow(row, cells);
    return problem ? Utf(problem->Problems) : std::string();
}

constexpr std::string_view kTitle = "Приказы по основной деятельности";

TEST(DataRowTest, MessagesPerRule) {
    struct Case {
        const char* Name;
        RowCells Cells;
        std::string Expected;
    } cases[] = {
        {"clean", Cells("1", kTitle, "1950", "12"), ""},
        {"number with final stop", Cells("1.", kTitle, "1950", "12"), "Номер. Лишняя точка в конце"},
        {"number missing", Cells(" ", kTitle, "1950", "12"),
         "Номер: Лишний пробел в начале; Номер отсутствует"},
        {"title missing", Cells("1", "", "1950", "12"), "Название отсутствует"},
        {"dates missing", Cells("1", kTitle, "", "12"), "Дата отсутствует"},
        {"dates of no-break spaces", Cells("1", kTitle, "\u00a0", "12"),
         "Даты: Лишний пробел в начале; Дата отсутствует"},
        {"sheets missing", Cells("1", kTitle, "1950", ""), "Кол-во отсутствует"},
        {"pages without sheets", Cells("1", kTitle, "1950", "12 стр."), "Возможно, кол-во не указано"},
        {"sheets and pages", Cells("1", kTitle, "1950", "3+12 стр."), "Возможно, кол-во указано неверно 3>1"},
        {"one sheet and pages", Cells("1", kTitle, "1950", "1 + 12 СТР."), ""},
        {"sheets not whole", Cells("1", kTitle, "1950", "12 л."), "Кол-во указано неверно \"12 л.\""},
        {"title spacing", Cells("1", "Приказы  по кадрам", "1950", "12"), "Название: Двойные пробелы"},
        {"notes spacing", Cells("1", kTitle, "1950", "12", " Копии"), "Примечание: Лишний пробел в начале"},
        {"title rules", Cells("1", "приказы по кадрам", "1950", "12"),
         "Название Нужна заглавная буква в начале \"п\""},
        {"paragraph inside the title", Cells("1", "Приказы\rпо кадрам", "1950", "12"),
         "Название Лишний абзац в строке"},
    };
    for (const Case& c : cases) {
        CheckOptions options;
        RowRules rules(options);
        EXPECT_EQ(DataProblems(rules, c.Cells), c.Expected) << c.Name;
    }
}

TEST(DataRowTest, OptionalDatesAndSheetsChangeTheClass) {
    CheckOptions options;
    options.DatesMayBeEmpty = true;
    options.SheetsMayBeEmpty = true;
    options.ShowWarnings = false;
    RowRules rules(options);
    EXPECT_EQ(DataProblems(rules, Cells("1", kTitle, "", "")), "Дата отсутствует");
    EXPECT_EQ(rules.State().Counts.ErrorCount, 0);
    EXPECT_EQ(rules.State().Counts.HintCount, 1);
    EXPECT_EQ(rules.State().Counts.WarningCount, 1);
    // A hidden warning alone leaves no line, but it counts.
    EXPECT_EQ(DataProblems(rules, Cells("2", kTitle, "1950", "")), "");
    EXPECT_EQ(rules.State().Counts.WarningCount, 2);
}

TEST(DataRowTest, ReportCopiesKeepCellsUntrimmedAndNumberWithoutStop) {
    CheckOptions options;
    RowRules rules(options);
    const std::optional<ProblemRow> problem =
        rules.DataRow(7, Cells("12.", "Приказы\vпо кадрам ", "1950", "3", ""));
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->TableRow, 7);
    ASSERT_EQ(problem->Cells.size(), 5u);
    EXPECT_EQ(Utf(problem->Cells[0]), "12");
    EXPECT_EQ(Utf(problem->Cells[1]), "Приказы¶по кадрам ");
    ASSERT_EQ(problem->Findings.size(), 1u);
    EXPECT_EQ(problem->Findings[0].Class, rules::ProblemClass::Hint);
    EXPECT_EQ(Utf(problem->Findings[0].Text), "Номер. Лишняя точка в конце: ");
    EXPECT_EQ(rules.FirstNumber(), "12.");
}

// A list number "1." is the number 1 under the modern rules: no hint, and the certification line
// names it without the full stop. Under the original rules both stay as they were.
TEST(DataRowTest, FinalStopOfTheNumberUnderBothRuleSets) {
    struct Case {
        rules::RuleSet Rules;
        std::string_view Problems;
        std::string_view First;
        std::string_view Last;
    } cases[] = {
        {rules::RuleSet::Original, "Номер. Лишняя точка в конце", "1.", "2."},
        {rules::RuleSet::Modern, "", "1", "2"},
    };
    for (const Case& c : cases) {
        CheckOptions options;
        options.Rules = c.Rules;
        RowRules rules(options);
        EXPECT_EQ(DataProblems(rules, Cells("1.", kTitle, "1950", "1")), c.Problems);
        EXPECT_EQ(DataProblems(rules, Cells("2.", kTitle, "1950", "1")), c.Problems);
        EXPECT_EQ(Utf(rules.FirstNumber()), c.First);
        EXPECT_EQ(Utf(rules.LastNumber()), c.Last);
        EXPECT_EQ(rules.State().Counts.WarningCount, 0);  // 2 follows 1 under both
    }
}

TEST(DataRowTest, CaseNumberSequence) {
    struct Case {
        std::vector<std::string_view> Numbers;
        std::vector<std::string> Expected;
        rules::RuleSet Rules = rules::RuleSet::Original;
    } cases[] = {
        {{"1", "2", "4"}, {"", "", "Номер дела ожидался 3"}},
        {{"1", "2", "4"}, {"", "", "Номер дела ожидался 3"}, rules::RuleSet::Modern},
        // Under the modern rules a literal number of the case before keeps the sequence going.
        {{"5", "5а", "5Б", "6", "7а", "8"},
         {"", "", "", "", "Номер дела ожидался 7", ""},
         rules::RuleSet::Modern},
        {{"5", "5а", "6"}, {"", "Номер дела ожидался 6", ""}},
        // A literal number is itself out of sequence; the number after it is not compared.
        {{"1", "2а", "5"}, {"", "Номер дела ожидался 2", ""}},
        {{"1", "1"}, {"", "Номер дела ожидался 2"}},
        // The final-stop hint comes before the sequence warning in the row.
        {{"5", "12.", "13"}, {"", "Номер. Лишняя точка в конце: Номер дела ожидался 6", ""}},
    };
    for (const Case& c : cases) {
        CheckOptions options;
        options.Rules = c.Rules;
        RowRules rules(options);
        ASSERT_EQ(c.Numbers.size(), c.Expected.size());
        for (std::size_t k = 0; k < c.Numbers.size(); ++k)
            EXPECT_EQ(DataProblems(rules, Cells(c.Numbers[k], kTitle, "1950", "1")), c.Expected[k])
                << c.Numbers[k];
    }
}

TEST(DatesCellTest, MessagesPerRule) {
    struct Case {
        const char* Dates;
        std::string Expected;
    } cases[] = {
        {"1950", ""},
        {"01.01.1950-31.12.1951", ""},
        {"1950г.",
         "Дата. Нет пробела между цифрой и буквой \"1950г.\"; Дата. Нет пробела между годом и \"г.\""},
        {"1950г.-1951г.",
         "Дата. Нет пробела между цифрой и буквой \"1950г.\"; Дата. Нет пробела между годом и \"г.\""},
        {"1950 г.-1951 г.", ""},
        {"1950 г, 1951", "Дата. Нет точки после \"г\""},
        {"01.01.1950г",
         "Дата. Нет пробела между цифрой и буквой \".1950г\"; Дата неверная \"Неверная; Нач.; Кон.; \""},
        {"1951-1950", "Дата нач. позже кон.\"01.01.1951>31.12.1950\""},
        {"Б/Д", "Дата неверная \"Неверная; Нач.; Кон.; \""},
        {"б/д", ""},
        {"1950–1951", ""},
    };
    for (const Case& c : cases) {
        CheckOptions options;
        RowRules rules(options);
        EXPECT_EQ(DataProblems(rules, Cells("1", kTitle, c.Dates, "1")), c.Expected) << c.Dates;
    }
}

// The same cells under both rule sets: what an inventory written today is told under each.
TEST(DatesCellTest, TodaysFormsUnderBothRuleSets) {
    const std::string kSpaced = "Дата неверная \"Кон.; Нач.; Нач.; Кон.; \"";
    struct Case {
        const char* Dates;
        std::string Original;
        std::string Modern;
    } cases[] = {
        {"13.11.1959 - 03.09.1960", kSpaced, ""},
        {"1990 – 1995", kSpaced, ""},
        {"1990 — 1995", "Дата неверная \"Неверная; Нач.; Кон.; \"", ""},
        {"май 1991 - июнь 1991", kSpaced, ""},
        {"май 1991 г. – июнь 1991 г.", kSpaced, ""},
        {"июнь 1987", "Дата неверная \"Неверная; Нач.; Кон.; \"", ""},
        {"12 мая 1990 г.", "Дата неверная \"Неверная; Нач.; Кон.; \"", ""},
        {"12 мая 1990 г. - 3 июня 1991 г.", kSpaced, ""},
        // Real faults stay faults, with the same messages.
        {"1995 - 1990", kSpaced, "Дата нач. позже кон.\"01.01.1995>31.12.1990\""},
        {"июнь 1991 - май 1991", kSpaced, "Дата нач. позже кон.\"01.06.1991>31.05.1991\""},
        {"31.02.1997", "Дата неверная \"Кол-во дней в месяце меньше; Нач.; Кон.; \"",
         "Дата неверная \"Кол-во дней в месяце меньше; Нач.; Кон.; \""},
        {"12 мюня 1990", "Дата неверная \"Неверная; Нач.; Кон.; \"",
         "Дата неверная \"Неверная; Нач.; Кон.; \""},
        {"12 мая", "Дата неверная \"Неверная; Нач.; Кон.; \"", "Дата неверная \"Неверная; Нач.; Кон.; \""},
        {"12.05.1990 15.06.1990", "Дата неверная \"Неверная; Нач.; Кон.; \"",
         "Дата неверная \"Неверная; Нач.; Кон.; \""},
        {"1990г. - 1995",
         "Дата. Нет пробела между цифрой и буквой \"1990г.\"; Дата. Нет пробела между годом и \"г.\"; " +
             kSpaced,
         "Дата. Нет пробела между цифрой и буквой \"1990г.\"; Дата. Нет пробела между годом и \"г.\""},
    };
    for (const Case& c : cases) {
        for (const rules::RuleSet ruleSet : {rules::RuleSet::Original, rules::RuleSet::Modern}) {
            CheckOptions options;
            options.Rules = ruleSet;
            RowRules rules(options);
            const std::string& expected = ruleSet == rules::RuleSet::Modern ? c.Modern : c.Original;
            EXPECT_EQ(DataProblems(rules, Cells("1", kTitle, c.Dates, "1")), expected)
                << c.Dates << (ruleSet == rules::RuleSet::Modern ? " (modern)" : " (original)");
        }
    }
}

// Under the original rules the date errors that the modern rules or the joining of ranges would
// clear are counted for the advice; under the modern rules nothing is.
TEST(DatesCellTest, DateErrorsTodaysRulesWouldClear) {
    const char* dates[] = {"13.11.1959 - 03.09.1960", "июнь 1987", "1995 - 1990", "31.02.1997", "1950",
                           "1990 - 1995 г."};
    struct Case {
        rules::RuleSet Rules;
        DateRuleCounts Expected;
    } cases[] = {
        {rules::RuleSet::Original, {5, 3, 2}},
        {rules::RuleSet::Modern, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        CheckOptions options;
        options.Rules = c.Rules;
        RowRules rules(options);
        for (const char* cell : dates) DataProblems(rules, Cells("1", kTitle, cell, "1"));
        EXPECT_EQ(rules.DateAlternatives().ErrorRows, c.Expected.ErrorRows);
        EXPECT_EQ(rules.DateAlternatives().ClearedByModern, c.Expected.ClearedByModern);
        EXPECT_EQ(rules.DateAlternatives().ClearedByJoining, c.Expected.ClearedByJoining);
    }
}

TEST(DatesCellTest, DigitLetterFragments) {
    struct Case {
        const char* Dates;
        const char* Fragment;
    } cases[] = {{"12мая 1950", "12мая "}, {"май1950", "й"}, {"01.01.1950г", ".1950г"}};
    for (const Case& c : cases) {
        CheckOptions options;
        RowRules rules(options);
        const std::string got = DataProblems(rules, Cells("1", kTitle, c.Dates, "1"));
        const std::string expected =
            std::string("Дата. Нет пробела между цифрой и буквой \"") + c.Fragment + "\"";
        EXPECT_EQ(got.substr(0, expected.size()), expected) << c.Dates;
    }
}

TEST(DatesCellTest, DashKinds) {
    CheckOptions options;
    RowRules rules(options);
    DataProblems(rules, Cells("1", kTitle, "1950-1951", "1"));
    DataProblems(rules, Cells("2", kTitle, "1952–1953", "1"));
    EXPECT_EQ(rules.Counters().HyphenRows, 1);
    EXPECT_EQ(rules.Counters().DashRows, 1);
}

// A date that cannot be read in a row is never replaced by another row's date: not in the order
// check, not in the extremes.
TEST(DatesCellTest, UnreadDatesTakeNoPart) {
    CheckOptions options;
    RowRules rules(options);
    DataProblems(rules, Cells("1", kTitle, "1952-1953", "1"));
    EXPECT_EQ(DataProblems(rules, Cells("2", kTitle, "1960-1961ю", "1")),
              "Дата. Нет пробела между цифрой и буквой \"-1961ю\"; Дата неверная \"Кон.; Кон.; \"");
    EXPECT_EQ(DataProblems(rules, Cells("3", kTitle, "ъъ-1940", "1")), "Дата неверная \"Нач.; Нач.; \"");
    const report::DateExtremes& x = rules.Extremes();
    EXPECT_EQ(text::ShortDate(x.EarliestStart.Date), "01.01.1952");
    EXPECT_EQ(x.EarliestStart.Number, "1");
    EXPECT_EQ(text::ShortDate(x.LatestStart.Date), "01.01.1960");
    EXPECT_EQ(x.LatestStart.Number, "2");
    EXPECT_EQ(text::ShortDate(x.EarliestEnd.Date), "31.12.1940");
    EXPECT_EQ(x.EarliestEnd.Number, "3");
    EXPECT_EQ(text::ShortDate(x.LatestEnd.Date), "31.12.1953");
    EXPECT_EQ(x.LatestEnd.Number, "1");
}

TEST(DatesCellTest, FirstRowUnreadLeavesNoDayZero) {
    CheckOptions options;
    RowRules rules(options);
    DataProblems(rules, Cells("1", kTitle, "Б/Д", "1"));
    DataProblems(rules, Cells("2", kTitle, "1945", "1"));
    const report::DateExtremes& x = rules.Extremes();
    EXPECT_EQ(text::ShortDate(x.EarliestStart.Date), "01.01.1945");
    EXPECT_EQ(text::ShortDate(x.EarliestEnd.Date), "31.12.1945");
    EXPECT_EQ(x.EarliestStart.Number, "2");
}

TEST(DatesCellTest, Extremes) {
    CheckOptions options;
    RowRules rules(options);
    DataProblems(rules, Cells("1", kTitle, "1950", "1"));
    DataProblems(rules, Cells("2.", kTitle, "1940-1945", "1"));
    DataProblems(rules, Cells("3", kTitle, "1960", "1"));
    DataProblems(rules, Cells("4", kTitle, "1940-1962", "1"));
    DataProblems(rules, Cells("5", kTitle, "б/д", "1"));
    const report::DateExtremes& x = rules.Extremes();
    EXPECT_EQ(text::ShortDate(x.EarliestStart.Date), "01.01.1940");
    EXPECT_EQ(x.EarliestStart.Number, "2");  // ties keep the earlier row
    EXPECT_EQ(text::ShortDate(x.LatestStart.Date), "01.01.1960");
    EXPECT_EQ(x.LatestStart.Number, "3");
    EXPECT_EQ(text::ShortDate(x.EarliestEnd.Date), "31.12.1945");
    EXPECT_EQ(x.EarliestEnd.Number, "2");
    EXPECT_EQ(text::ShortDate(x.LatestEnd.Date), "31.12.1962");
    EXPECT_EQ(x.LatestEnd.Number, "4");
}

TEST(EmptyRowTest, HintShownOrOnlyCounted) {
    CheckOptions options;
    RowRules shown(options);
    const std::optional<ProblemRow> problem = shown.EmptyRow(3);
    ASSERT_TRUE(problem);
    EXPECT_EQ(Utf(problem->Problems), "Лишняя пустая строка");
    EXPECT_EQ(shown.Counters().LinesWritten, 1);

    options.ShowHints = false;
    RowRules hidden(options);
    EXPECT_FALSE(hidden.EmptyRow(3));
    EXPECT_EQ(hidden.State().Counts.HintCount, 1);
    EXPECT_EQ(hidden.Counters().EmptyRows, 1);
    EXPECT_EQ(hidden.Counters().LinesWritten, 0);
}

TEST(NumberingRowTest, FirstIsSilentRepeatsAreReported) {
    CheckOptions options;
    RowRules rules(options);
    EXPECT_FALSE(rules.NumberingRow(2, "1\t2\t3\t4\t5\t\t"));
    const std::optional<ProblemRow> repeat = rules.NumberingRow(40, " 1\t2\t3\t4\t5\t\t");
    ASSERT_TRUE(repeat);
    EXPECT_EQ(Utf(repeat->Problems), "Лишний заголовок; ");
    EXPECT_EQ(repeat->Cells.at(0), "1\t2\t3\t4\t5");
    EXPECT_EQ(rules.State().Counts.HintCount, 1);
}

TEST(HeadingRowTest, MessagesPerRule) {
    struct Case {
        const char* Name;
        std::string_view Text;
        int Bold;
        int Keep;
        std::string Expected;  // problems; empty when no line
    } cases[] = {
        {"clean", "Раздел 1. Документы\t\t", word::kTrue, word::kTrue, ""},
        {"not bold", "Раздел 1. Документы\t\t", word::kUndefined, word::kTrue, "Не выделен жирным; "},
        {"not kept", "Раздел 1. Документы\t\t", word::kTrue, word::kFalse,
         "Абзац не отрывать от следующего; "},
        {"bold read as 1", "Раздел 1\t\t", 1, word::kTrue, "Не выделен жирным; "},
        {"leading blank", " Раздел 1\t\t", word::kTrue, word::kTrue, "Лишний пробел в начале; ; "},
        {"inner paragraph", "Раздел 1\rДокументы\t\t", word::kTrue, word::kTrue, "Лишний абзац; "},
        {"title rules", "раздел 1\t\t", word::kTrue, word::kTrue, "Нужна заглавная буква в начале \"р\"; ; "},
    };
    for (const Case& c : cases) {
        CheckOptions options;
        RowRules rules(options);
        const std::optional<ProblemRow> problem = rules.HeadingRow(5, Cp(c.Text), {c.Bold, c.Keep});
        EXPECT_EQ(problem ? Utf(problem->Problems) : std::string(), c.Expected) << c.Name;
        EXPECT_EQ(rules.Counters().HeadingRows, 1);
        EXPECT_EQ(rules.Rubricator().size(), 1u);
    }
}

TEST(HeadingRowTest, NormalisedTextInLineAndRubricator) {
    CheckOptions options;
    RowRules rules(options);
    const std::optional<ProblemRow> problem =
        rules.HeadingRow(5, Cp("Раздел 1 – Документы\rза  1950\t\t"), {word::kFalse, word::kTrue});
    ASSERT_TRUE(problem);
    EXPECT_EQ(Utf(problem->Cells.at(0)), "Раздел 1 - Документы за 1950  ");
    EXPECT_EQ(Utf(rules.Rubricator().at(0)), "Раздел 1 - Документы за 1950");
}

TEST(DocumentHintsTest, LinesAndCounts) {
    CheckOptions options;
    RowRules rules(options);
    rules.EmptyRow(2);
    rules.EmptyRow(3);
    rules.Counters().BreakableRows = 2;
    DataProblems(rules, Cells("1", kTitle, "1950-1951", "1"));
    DataProblems(rules, Cells(" 3", kTitle, "1950–1951", "1"));
    DataProblems(rules, Cells("3", kTitle, "1950", "1"));
    const int hintsBefore = rules.State().Counts.HintCount;
    const int errorsBefore = rules.State().Counts.ErrorCount;
    const int warningsBefore = rules.State().Counts.WarningCount;
    ColumnLayout columns;
    columns.ColumnCount = 7;
    columns.SkipColumns.set(2);
    columns.SkipColumns.set(3);
    std::vector<std::string> lines;
    for (const std::string& line : rules.DocumentHints(columns, ColumnMode::Auto)) lines.push_back(Utf(line));
    const std::vector<std::string> expected = {
        "В описи кроме стандартных столбцов (№; Заголовок; Даты; Кол-во; Прим.) присутствуют дополнительные. "
        "Программа автоматически пропустила при проверке столбцы: 2, 3, как указано в настройках.",
        "",
        "В таблице встретились строки, перенос которых разрешён на следующую страницу.",
        "Рекомендуется для всех строк таблицы запретить перенос строк. Выберите \"Таблица | Выделить | "
        "Таблицу\". "
        "Выберите \"Таблица | Свойства таблицы...\". Закладка \"Строка\". Снимите галочку \"Разрешить "
        "перенос "
        "строк на следующую страницу\".",
        "",
        "В столбце \"Дата\" встретились и тире (1) и дефисы (1) одновременно. Выделите столбец \"Даты\". "
        "Выберите "
        "пункт меню \"Правка | Замена...\". В поле \"Найти\" введите \"-\". В поле \"Заменить на\" введите "
        "\"–\". "
        "Нажмите кнопку \"Заменить все\". На вопрос \"Продолжить замену во всем тексте\" нажмите \"Нет\", "
        "иначе "
        "все дефисы будут заменены на тире.",
        "В таблице встретились пустые строки (2). Выберите в Табулекс пункт меню \"Правка | Удалить пустые "
        "строки\". Смотрите также справку к программе (F1).",
        "В таблице встретились пробелы в начале строки или двойные пробелы (1)",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(rules.State().Counts.HintCount, hintsBefore + 3);
    EXPECT_EQ(rules.State().Counts.ErrorCount, errorsBefore + 1);      // 3 repeated
    EXPECT_EQ(rules.State().Counts.WarningCount, warningsBefore + 1);  // 2 missing
    EXPECT_EQ(Utf(rules.CaseNumbers().RepeatedLine), "Повторный номер дела: 3. Всего дел: 1.");
}

TEST(DocumentHintsTest, ExtraColumnsWithoutSkipping) {
    CheckOptions options;
    RowRules skipMode(options);
    ColumnLayout columns;
    columns.ColumnCount = 6;
    columns.SkipColumns.set(4);
    EXPECT_EQ(
        Utf(skipMode.DocumentHints(columns, ColumnMode::Skip).at(0)),
        "В описи кроме стандартных столбцов (№; Заголовок; Даты; Кол-во; Прим.) присутствуют дополнительные. "
        "Программа пропустила при проверке столбцы: 4, как указано в настройках.");
    RowRules standard(options);
    columns.SkipColumns.reset();
    const std::vector<std::string> lines = standard.DocumentHints(columns, ColumnMode::Standard);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Utf(lines[0]),
              "Возможно, в описи кроме стандартных столбцов (№; Заголовок; Даты; Кол-во; Прим.) присутствуют "
              "дополнительные. Вы можете указать в настройках столбцы, которые программа должна пропустить, "
              "например 2");
    columns.ColumnCount = 5;
    RowRules plain(options);
    EXPECT_TRUE(plain.DocumentHints(columns, ColumnMode::Standard).empty());
}

}  // namespace
}  // namespace tabulex::check
