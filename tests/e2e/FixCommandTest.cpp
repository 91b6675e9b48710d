// `tabulex fix` end to end: an inventory written from a plan, one or more repair commands, the saved
// document's tables compared cell by cell with what the archivist expects, and the same document
// read back after LibreOffice has opened and saved it.

#include "e2e/DocxTables.h"
#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>

namespace tabulex::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHeader = "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\n";
constexpr const char* kHeaderView = "№ п/п | Заголовок дела | Крайние даты | Кол-во листов | Примечание";

struct FixCase {
    const char* Name;
    std::string Plan;
    std::vector<std::string> Flags;
    int Count;  // what the last command reports
    std::vector<TableRows> Tables;
    bool WithFormatting = false;
    std::string StoryHas = {};  // a piece of the main story's text the result must hold
    int Shapes = 0;
};

// The date commands on one inventory: each case names the dates it changes (row 1 is the first case).
const std::vector<std::string> kDates = {"10.11.78",    "01.05.1990 г. - 12.06.1991 г.",
                                         "12 мая 1990", "июнь 1987 – май 1991",
                                         "31.02.1997",  "1 сентября 1995"};
const std::vector<std::string> kTitles = {"Приказы", "Сметы", "Акты", "Отчёты", "Переписка", "Списки"};

FixCase DatesCase(const char* name, std::vector<std::string> flags, int count,
                  const std::map<std::size_t, std::string>& changed) {
    std::string plan = kHeader;
    TableRows view = {kHeaderView};
    for (std::size_t k = 0; k < kDates.size(); ++k) {
        const std::string number = std::to_string(k + 1);
        plan += "-\t" + number + "\t" + kTitles[k] + "\t" + kDates[k] + "\t1\t\n";
        const auto it = changed.find(k + 1);
        view.push_back(number + " | " + kTitles[k] + " | " + (it == changed.end() ? kDates[k] : it->second) +
                       " | 1 | ");
    }
    return {name, plan, std::move(flags), count, {view}};
}

std::vector<FixCase> Cases() {
    return {
        {"delete_empty_rows",
         std::string(kHeader) + "-\t1\t2\t3\t4\t5\n"
                                "-\t1\tПриказы директора\t1950\t12\t\n"
                                "-\t \t\t{br}\t \t{p}\n"
                                "-\t2\tПереписка\t1951\t5\t\n"
                                "-\t{nbsp}\t\t\t\t\n"
                                "-\t\t\t\t\t\n",
         {"--delete-empty-rows"},
         2,
         {{kHeaderView, "1 | 2 | 3 | 4 | 5", "1 | Приказы директора | 1950 | 12 | ",
           "2 | Переписка | 1951 | 5 | ", "\xC2\xA0 |  |  |  | "}}},
        {"empty_header_row_goes_too",
         "-\t\t\t\n-\t1\tПриказы\t1950\n",
         {"--delete-empty-rows"},
         1,
         {{"1 | Приказы | 1950"}}},
        {"delete_numbering_rows_below_the_header",
         "-\t1\t2\t3\t4\n"
         "-\t№\tЗаголовок\tДаты\tЛистов\n"
         "-\t1\t2\t3\t4\n"
         "-\t7\t\t\t\n"
         "-\t10\tПриказы\t1950\t12\n"
         "-\t-1\t\t\t\n"
         "-\t\t\t\t\n",
         {"--delete-numbering-rows"},
         2,
         {{"1 | 2 | 3 | 4", "№ | Заголовок | Даты | Листов", "10 | Приказы | 1950 | 12", "-1 |  |  | ",
           " |  |  | "}}},
        {"only_the_first_of_two_longest_tables",
         "-\tа\tб\n-\t\t\n@table\n-\tв\tг\n-\t\t\n",
         {"--delete-empty-rows"},
         1,
         {{"а | б"}, {"в | г", " | "}}},
        {"number_cases_keeps_the_header",
         std::string(kHeader) + "-\t1\t2\t3\t4\t5\n"
                                "m\tРаздел 1. Распорядительные документы\n"
                                "-\t12а\tПриказы директора\t1950\t12\t\n"
                                "-\t5\tПереписка с трестом\t1951\t7\t\n"
                                "l\t\tПротоколы собраний\t1952\t3\t\n"
                                "-\tA\tРаспоряжения\n"
                                "-\tФ. 12\tФонд\n"
                                "-\t\t\t\t\t\n"
                                "-\t\tСметы\t1953\t2\t\n",
         {"--number-cases"},
         4,
         {{kHeaderView, "1 | 2 | 3 | 4 | 5", "Раздел 1. Распорядительные документы",
           "1 | Приказы директора | 1950 | 12 | ", "2 | Переписка с трестом | 1951 | 7 | ",
           "3 | Протоколы собраний | 1952 | 3 | ", "A | Распоряжения |  |  | ", "Ф. 12 | Фонд |  |  | ",
           " |  |  |  | ", "4 | Сметы | 1953 | 2 | "}}},
        {"auto_number_cases_by_one_list",
         std::string(kHeader) + "m\tРаздел 1\n"
                                "-\t12а\tПриказы директора\t1950\t12\t\n"
                                "l\t\tПротоколы собраний\t1952\t3\t\n"
                                "-\t7\tСметы\t1953\t2\t\n",
         {"--auto-number-cases"},
         3,
         {{kHeaderView, "Раздел 1", "[1] | Приказы директора | 1950 | 12 | ",
           "[2] | Протоколы собраний | 1952 | 3 | ", "[3] | Сметы | 1953 | 2 | "}}},
        {"lists_to_text_in_empty_cells_only",
         "l\t\tДело\nl\t\tДело\nl\tТекст\tДело\nl\t\tДело\nl\t\tДело\n",
         {"--lists-to-text"},
         1,
         {{"1. | Дело", "2. | Дело", "[1.]Текст | Дело", "4. | Дело", "5. | Дело"}}},
        {"tables_to_text_every_table",
         "@para До\n-\tа\tб\n-\tв\tг\n@table\n-\tд\tе\n@para После\n",
         {"--tables-to-text"},
         2,
         {},
         false,
         "До{p}а{tab}б{p}в{tab}г{p}{p}д{tab}е{p}{p}После{p}"},
        {"no_row_breaks_in_every_table",
         "s\tа\tб\n-\tв\tг\ns\tд\tе\n@table\ns\tж\tз\n",
         {"--no-row-breaks"},
         2,
         {{"а | б", "в | г", "д | е"}, {"ж | з"}},
         true},
        {"delete_graphics_floating_only",
         "@line Линия 1\n@line Линия 2\n@inline Рисунок\n-\tа\tб\n@line Линия 3\n",
         {"--delete-graphics"},
         3,
         {{"а | б"}},
         false,
         "Линия 1{p}Линия 2{p}Рисунок\x01{p}"},
        {"format_headings_without_list_numbers",
         "-\t№\tЗаголовок\tДаты\tЛистов\n"
         "-\t1\t2\t3\t4\n"
         "m\tРаздел 1\n"
         "ml\tРаздел 2\n"
         "-\tA\tРаспоряжения\n"
         "-\tФ.12\tФонд\n"
         "-\t1\tПриказы\t1950\t12\n"
         "-\t\t\t\t\n",
         {"--format-headings"},
         3,
         {{"№ | Заголовок | Даты | Листов", "1 | 2 | 3 | 4", "Раздел 1 {b} {k}", "[1.]Раздел 2",
           "A | Распоряжения |  |  {b} {k}", "Ф.12 | Фонд |  |  {b} {k}", "1 | Приказы | 1950 | 12",
           " |  |  | "}},
         true},
        DatesCase("dates_full_year", {"--dates-full-year"}, 1, {{1, "10.11.1978"}}),
        DatesCase("dates_month_words", {"--dates-month-words"}, 1, {{2, "01 мая 1990 г. - 12 июня 1991 г."}}),
        DatesCase("dates_month_numbers", {"--dates-month-numbers"}, 3,
                  {{3, "12.05.1990"}, {4, "06.1987 – 05.1991"}, {6, "1.09.1995"}}),
        DatesCase("dates_drop_zero", {"--dates-drop-zero"}, 1, {{2, "1.05.1990 г. - 12.06.1991 г."}}),
        DatesCase("dates_add_zero", {"--dates-add-zero"}, 1, {{6, "01 сентября 1995"}}),
        DatesCase("dates_drop_year_mark", {"--dates-drop-year-mark"}, 1, {{2, "01.05.1990 - 12.06.1991"}}),
        DatesCase("dates_add_year_mark", {"--dates-add-year-mark"}, 3,
                  {{3, "12 мая 1990 г."}, {4, "июнь 1987 г. – май 1991 г."}, {6, "1 сентября 1995 г."}}),
        DatesCase("dates_join_ranges", {"--dates-join-ranges"}, 1, {{2, "01.05.1990 г.-12.06.1991 г."}}),
        DatesCase("dates_join_ranges_modern", {"--dates-join-ranges", "--rules", "modern"}, 2,
                  {{2, "01.05.1990 г.-12.06.1991 г."}, {4, "июнь 1987–май 1991"}}),
        DatesCase("dates_in_the_order_given", {"--dates-full-year", "--dates-month-words"}, 2,
                  {{1, "10 ноября 1978"}, {2, "01 мая 1990 г. - 12 июня 1991 г."}}),
        {"commands_run_in_the_order_given",
         std::string(kHeader) + "-\t1\t2\t3\t4\t5\n"
                                "-\t\t\t\t\t\n"
                                "-\t3\tПриказы\t1950\t12\t\n"
                                "m\tРаздел 2\n"
                                "-\t9\tСметы\t1953\t2\t\n",
         {"--delete-empty-rows", "--delete-numbering-rows", "--number-cases", "--format-headings"},
         1,
         {{kHeaderView, "1 | Приказы | 1950 | 12 | ", "Раздел 2 {b} {k}", "2 | Сметы | 1953 | 2 | "}},
         true},
    };
}

int LastCount(const std::string& json) {
    static const std::regex count("\"count\": (-?[0-9]+)");
    int last = -1;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), count); it != std::sregex_iterator(); ++it)
        last = std::stoi((*it)[1]);
    return last;
}

void ExpectView(const DocumentView& view, const FixCase& c, bool ours) {
    ASSERT_EQ(view.Tables.size(), c.Tables.size());
    for (std::size_t t = 0; t < c.Tables.size(); ++t)
        EXPECT_EQ(view.Tables[t], c.Tables[t]) << "table " << t + 1;
    if (!c.StoryHas.empty()) {
        EXPECT_NE(view.StoryUtf8.find(c.StoryHas), std::string::npos) << view.StoryUtf8;
    }
    // LibreOffice anchors a drawing that stood in the line, so shapes are counted before it saves.
    if (ours) {
        EXPECT_EQ(view.Shapes, c.Shapes);
    }
}

class FixCommandTest : public E2eTest {};

TEST_F(FixCommandTest, EachCommandGivesTheExpectedTablesAndLibreOfficeReadsThem) {
    const std::vector<FixCase> cases = Cases();
    fs::create_directories(root_ / "out");
    for (const FixCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path input = root_ / (std::string(c.Name) + ".docx");
        WriteInventory(c.Plan, input);
        const std::string original = ReadFile(input);
        std::vector<std::string> args = {"fix", input.string()};
        args.insert(args.end(), c.Flags.begin(), c.Flags.end());
        const fs::path output = root_ / "out" / input.filename();
        args.insert(args.end(), {"-o", output.string(), "--format", "json"});
        const CommandResult result = RunTabulex(args);
        ASSERT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(LastCount(result.Out), c.Count) << result.Out;
        EXPECT_EQ(ReadFile(input), original) << "the input must not change";
        ExpectView(ViewDocument(output, c.WithFormatting), c, true);
    }

    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    // One LibreOffice run opens every result and saves it again as .docx.
    const fs::path office = root_ / "office";
    fs::create_directories(office);
    std::string command = "cd '" + office.string() +
                          "' && timeout 300 soffice -env:UserInstallation=file://" + office.string() +
                          "/profile --headless --convert-to docx:\"MS Word 2007 XML\" --outdir '" +
                          office.string() + "'";
    for (const FixCase& c : cases)
        command += " '" + (root_ / "out" / (std::string(c.Name) + ".docx")).string() + "'";
    ASSERT_EQ(std::system((command + " > /dev/null 2>&1").c_str()), 0);
    for (const FixCase& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + " after LibreOffice");
        const fs::path saved = office / (std::string(c.Name) + ".docx");
        ASSERT_TRUE(fs::exists(saved));
        FixCase plain = c;
        // LibreOffice keeps the texts and list numbers; its formatting model is compared only in the
        // first pass.
        if (c.WithFormatting) plain.Tables = ViewDocument(root_ / "out" / saved.filename(), false).Tables;
        ExpectView(ViewDocument(saved, false), plain, false);
    }
}

// Without -o the date commands list each change, in table rows, and write nothing.
TEST_F(FixCommandTest, DryRunListsEachDateChange) {
    const FixCase c = DatesCase("dry", {}, 0, {});
    const fs::path input = root_ / "dry.docx";
    WriteInventory(c.Plan, input);
    const std::string original = ReadFile(input);
    const CommandResult result =
        RunTabulex({"fix", input.string(), "--dates-add-year-mark", "--dates-join-ranges"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out,
              "--dates-add-year-mark: Изменено дат: 3\n"
              "  строка 4: 12 мая 1990 → 12 мая 1990 г.\n"
              "  строка 5: июнь 1987 – май 1991 → июнь 1987 г. – май 1991 г.\n"
              "  строка 7: 1 сентября 1995 → 1 сентября 1995 г.\n"
              "--dates-join-ranges: Изменено дат: 1\n"
              "  строка 3: 01.05.1990 г. - 12.06.1991 г. → 01.05.1990 г.-12.06.1991 г.\n"
              "Пробный запуск: ничего не записано (укажите -o ФАЙЛ.docx или --in-place).\n");
    EXPECT_EQ(ReadFile(input), original);
}

}  // namespace
}  // namespace tabulex::e2e
