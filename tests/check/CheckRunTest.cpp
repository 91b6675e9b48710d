#include "check/CheckRun.h"
#include "check/ProgressMeter.h"

#include "FakeHost.h"
#include "FakeWord.h"
#include "TestText.h"
#include "check/ResumePoint.h"
#include "report/ReportFile.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace tabulex::check {
namespace {

using fake::FakeRow;
using fake::MakeRow;
using testing::Cp;

namespace fs = std::filesystem;
using tabulex::testing::ReadBytes;

// The expected report: kept as UTF-8 with LF for reading, compared as 1251 with CR LF.
std::string ExpectedReport(const std::string& name) {
    const std::string utf8 = ReadBytes(fs::path(TABULEX_FIXTURES) / "reports" / name);
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return text::Utf8ToCp1251(crlf);
}

FakeRow Heading(std::string_view utf8, int bold = word::kTrue, int keep = word::kTrue) {
    FakeRow row = MakeRow({utf8});
    row.Bold = bold;
    row.KeepWithNext = keep;
    return row;
}

FakeRow Numbered(std::string_view listString, std::initializer_list<std::string_view> cells) {
    FakeRow row = MakeRow(cells);
    row.Cells[0].ListString = Cp(listString);
    return row;
}

class CheckRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = tabulex::testing::MakeTestFolder("tabulex_check_");
        options_.ReportFolder = folder_;
        // The hand-worked reports leave out the reconciliation of the certification line, which
        // has tests of its own.
        options_.CertificationCheck = false;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fake::FakeTable& Table(std::vector<FakeRow> rows, int columns = 5) {
        document_.TableList.emplace_back();
        document_.TableList.back().Rows = std::move(rows);
        document_.TableList.back().ColumnCount = columns;
        return document_.TableList.back();
    }
    CheckOutcome Run() {
        CheckRun run(host_, options_, clock_);
        return run.Run(document_, &wordOptions_);
    }
    std::string Report() const { return ReadBytes(folder_ / "Tabulex_Report.txt"); }

    fs::path folder_;
    CheckOptions options_;
    fake::FakeHost host_;
    fake::FakeClock clock_{10};
    fake::FakeDocument document_;
    fake::FakeOptions wordOptions_;
};

TEST_F(CheckRunTest, CleanInventory) {
    Table({MakeRow({"№", "Заголовок"}), MakeRow({"1", "Опись"})});
    Table({MakeRow({"1", "Приказы директора по основной деятельности", "1950", "25", ""}),
           MakeRow({"2", "Распоряжения директора", "1951", "10", ""}),
           Heading("Раздел 2. Документы по личному составу"),
           MakeRow({"3", "Личные дела уволенных работников", "1952", "120", ""})});
    const CheckOutcome outcome = Run();
    EXPECT_EQ(outcome.End, CheckEnd::Completed);
    EXPECT_EQ(Report(), ExpectedReport("clean.txt"));
    EXPECT_EQ(outcome.CheckedTable, 2);
    EXPECT_TRUE(outcome.ProblemRows.empty());
    EXPECT_EQ(testing::Utf(outcome.CertificationLine), "В данную опись занесено 3 (три) дела с № 1 по № 3");
    EXPECT_NE(std::find(host_.Statuses.begin(), host_.Statuses.end(), "Проблемы не обнаружены."),
              host_.Statuses.end());
    EXPECT_EQ(testing::Utf(host_.Store.ReadString("Main", "LastFile", "")), "opis.docx");
    EXPECT_EQ(host_.Titles.back(), testing::Utf(IdleTitle()));
}

TEST_F(CheckRunTest, EveryRowKind) {
    auto& table = Table({
        MakeRow({"№ п/п", "Заголовок дела", "Крайние даты", "Кол-во листов", "Примечание"}),
        MakeRow({"1", "2", "3", "4", "5"}),
        Heading("Раздел 1. Организационно-распорядительные документы"),
        MakeRow({"1", "Приказы директора по основной деятельности", "1950-1951", "25", ""}),
        MakeRow({"2.", "Распоряжения директора", "1951", "10", ""}),
        MakeRow({"", "", "", "", ""}),
        MakeRow({"1", "2", "3", "4", "5"}),
        Heading("Раздел 2. Документы по личному составу", word::kFalse),
        MakeRow({"4", "Личные дела уволенных работников", "1952–1953", "120", ""}),
        Numbered("5.", {"", "Книга учёта личного состава", "1950-1955", "48", ""}),
        MakeRow({"6", "Переписка", "", "", ""}),
        Numbered("7.", {"", "Протоколы заседаний профкома", "", "", ""}),
    });
    table.Rows[3].AllowBreak = word::kTrue;
    table.Rows[4].AllowBreak = word::kTrue;
    wordOptions_.ReplaceQuotes = false;
    const CheckOutcome outcome = Run();
    ASSERT_EQ(outcome.End, CheckEnd::Completed);
    EXPECT_EQ(Report(), ExpectedReport("every_row_kind.txt"));
    EXPECT_EQ(outcome.Counts.ErrorCount, 4);
    EXPECT_EQ(outcome.Counts.WarningCount, 3);
    EXPECT_EQ(outcome.Counts.HintCount, 7);
    ASSERT_EQ(outcome.ProblemRows.size(), 9u);
    EXPECT_EQ(outcome.ProblemRows[0].Kind, RowKind::Header);
    EXPECT_EQ(outcome.ProblemRows[2].Kind, RowKind::Empty);
    EXPECT_EQ(outcome.ProblemRows[3].Kind, RowKind::Numbering);
    EXPECT_EQ(outcome.ProblemRows[4].Kind, RowKind::Heading);
    EXPECT_EQ(outcome.ProblemRows[4].TableRow, 8);
    EXPECT_EQ(outcome.ProblemRows[8].Findings.size(), 3u);
    EXPECT_EQ(outcome.ReportTableLines, 10);
    EXPECT_EQ(outcome.ReportTableColumns, 6);
}

TEST_F(CheckRunTest, EveryDatesCellMessage) {
    Table({MakeRow({"1", "Приказы директора", "1950г.", "1", ""}),
           MakeRow({"2", "Распоряжения директора", "1950 г, 1951", "1", ""}),
           MakeRow({"3", "Переписка с трестом", "1952-1951", "1", ""}),
           MakeRow({"4", "Отчёты цехов", "Б/Д", "1", ""}),
           MakeRow({"5", "Сметы расходов", "12мая 1950", "1", ""}),
           MakeRow({"6", "Штатные расписания", "б/д", "1", ""}),
           MakeRow({"7", "Акты ревизий", "1953–1954", "1", ""})});
    ASSERT_EQ(Run().End, CheckEnd::Completed);
    EXPECT_EQ(Report(), ExpectedReport("dates_messages.txt"));
}

std::vector<FakeRow> TwelveCases() {
    std::vector<FakeRow> rows;
    for (int k = 1; k <= 12; ++k) {
        const std::string number = std::to_string(k) + (k == 3 ? "." : "");
        const std::string year = std::to_string(1940 + k);
        rows.push_back(MakeRow({number, "Переписка с трестом", year, k == 8 ? "12 л." : "1", ""}));
    }
    return rows;
}

class StoppedCheckTest : public CheckRunTest {
  protected:
    // Checks until the stop request at row 6 of the twelve cases, with the file's identity.
    CheckOutcome StopAtRowSix(const std::string& identity) {
        options_.DocumentIdentity = identity;
        host_.OnProcessEvents = [](fake::FakeHost& host) {
            if (host.ProcessEventsCalls == 7) host.Stop = true;
        };
        host_.ProcessEventsCalls = 0;
        CheckOutcome stopped = Run();
        host_.OnProcessEvents = nullptr;
        return stopped;
    }
};

TEST_F(StoppedCheckTest, ResumedReportIsTheUninterruptedOne) {
    Table(TwelveCases());
    // Every row of a 12-row table is a progress point; the first ProcessEvents comes before row 1.
    ASSERT_EQ(Run().End, CheckEnd::Completed);
    const std::string uninterrupted = Report();

    const CheckOutcome stopped = StopAtRowSix("/data/opis.docx|100|1");
    ASSERT_EQ(stopped.End, CheckEnd::Stopped);
    EXPECT_EQ(stopped.StoppedAtRow, 6);
    EXPECT_EQ(host_.Store.ReadString("Break", "i", ""), "6");
    EXPECT_EQ(host_.Store.ReadString("Break", "FileName", ""), "opis.docx");
    EXPECT_EQ(host_.Statuses.back(), "Проверка прервана на строке 6.");
    ASSERT_EQ(host_.Questions.size(), 1u);
    EXPECT_EQ(host_.Questions[0].Title, "Внимание!");
    EXPECT_EQ(host_.Questions[0].Text,
              "Прервать проверку?\r\rВ следующий раз проверку можно будет продолжить с прерванной строки.");

    const CheckOutcome resumed = Run();
    ASSERT_EQ(resumed.End, CheckEnd::Completed);
    EXPECT_EQ(resumed.StartRow, 6);
    ASSERT_EQ(host_.Questions.size(), 2u);
    EXPECT_EQ(host_.Questions[1].Kind, Question::Resume);
    EXPECT_EQ(host_.Questions[1].Title, "Продолжить проверку?");
    EXPECT_EQ(host_.Questions[1].Text,
              "В прошлый раз проверка документа \"opis.docx\" была прервана на строке 6.\r\r"
              "Продолжить сейчас проверку со строки 6?\r\r"
              "Нажмите OK чтобы продолжить проверку или Отмена, чтобы начать проверку заново.");
    // The counters, numbers and dates of rows 1 to 5 are kept: the same summary and certification
    // line ("12 дел с № 1 по № 12"), and the report goes on below the lines of the stop.
    EXPECT_EQ(Report(), uninterrupted);
    EXPECT_EQ(resumed.Counters.DataRows, 12);
    EXPECT_FALSE(host_.Store.HasSection("Break"));
    EXPECT_FALSE(fs::exists(folder_ / kResumeFileName));
    // The report's table spans both parts: the header and two problem lines.
    EXPECT_EQ(resumed.ReportTableLines, 3);
}

TEST_F(StoppedCheckTest, ResumeDeclinedOrAnotherFileStartsAgain) {
    Table(TwelveCases());
    ASSERT_EQ(StopAtRowSix("/data/opis.docx|100|1").End, CheckEnd::Stopped);
    // A file of the same name but another path, size or time: no question, a notice, row 1.
    options_.DocumentIdentity = "/other/opis.docx|100|1";
    CheckOutcome outcome = Run();
    EXPECT_EQ(outcome.StartRow, 1);
    EXPECT_EQ(outcome.Counters.DataRows, 12);
    EXPECT_EQ(host_.Questions.size(), 1u);  // the stop question only
    ASSERT_EQ(host_.Messages.size(), 1u);
    EXPECT_EQ(host_.Messages[0],
              "Прерванная проверка в этой папке отчёта относится к другому файлу (opis.docx) "
              "или файл изменился; проверка начата с первой строки.");

    ASSERT_EQ(StopAtRowSix("/data/opis.docx|100|1").End, CheckEnd::Stopped);
    host_.ResumeAnswer = false;
    outcome = Run();
    EXPECT_EQ(outcome.StartRow, 1);
    EXPECT_EQ(host_.Questions.back().Kind, Question::Resume);
    EXPECT_EQ(outcome.Counters.DataRows, 12);
}

TEST_F(StoppedCheckTest, ResumeIntoAnotherFolderStartsAgainWithANotice) {
    Table(TwelveCases());
    ASSERT_EQ(StopAtRowSix("/data/opis.docx|100|1").End, CheckEnd::Stopped);
    options_.ReportFolder = folder_ / "elsewhere";
    fs::create_directories(options_.ReportFolder);
    const CheckOutcome outcome = Run();
    EXPECT_EQ(outcome.StartRow, 1);
    EXPECT_EQ(outcome.Counters.DataRows, 12);
    ASSERT_EQ(host_.Messages.size(), 1u);
    EXPECT_EQ(host_.Messages[0].rfind("Проверка этого документа была прервана с отчётом в папке ", 0), 0u);
}

// A resume point is believed only when it could be this document's state at its row and its
// report is there as the stop left it; anything else starts again at row 1 with a notice, and the
// report is the one of an uninterrupted check.
TEST_F(StoppedCheckTest, ResumePointsThatDoNotFitTheDocumentStartAgainWithANotice) {
    const std::string damaged =
        "Сохранённое место остановки проверки повреждено или не подходит к этому документу; проверка "
        "начата с первой строки.";
    const std::string noReport = "Отчёт " + (folder_ / "Tabulex_Report.txt").string() +
                                 ", который продолжает прерванная проверка, отсутствует или изменён; "
                                 "проверка начата с первой строки.";
    const auto forge = [this](auto change) {
        ResumePoint point = LoadResumePoint(folder_).Point;
        change(point);
        ASSERT_EQ(SaveResumePoint(folder_, point), 0);
    };
    const struct {
        const char* What;
        std::function<void()> Spoil;
        std::string Notice;
        int RowsLeft = 12;
    } cases[] = {
        {"error count at the end of int",
         [&] { forge([](ResumePoint& p) { p.State.Counts.ErrorCount = 2147483647; }); }, damaged},
        {"negative warning count", [&] { forge([](ResumePoint& p) { p.State.Counts.WarningCount = -1; }); },
         damaged},
        {"more cases than rows before",
         [&] { forge([](ResumePoint& p) { p.State.Counters.DataRows = 28723; }); }, damaged},
        {"row beyond the table", [&] { forge([](ResumePoint& p) { p.Row = 13; }); }, damaged},
        {"NUL in a case number",
         [&] { forge([](ResumePoint& p) { p.State.LastNumber = std::string("5\0", 2); }); }, damaged},
        {"CR LF in a case number", [&] { forge([](ResumePoint& p) { p.State.FirstNumber = "1\r\n"; }); },
         damaged},
        {"rubricator longer than the headings",
         [&] { forge([](ResumePoint& p) { p.State.Rubricator.push_back("x"); }); }, damaged},
        {"a byte changed by hand",
         [&] {
             std::string bytes = ReadBytes(folder_ / kResumeFileName);
             bytes[bytes.find("DataRows ") + 9] = '9';
             std::ofstream(folder_ / kResumeFileName, std::ios::binary | std::ios::trunc) << bytes;
         },
         damaged},
        {"report removed", [&] { fs::remove(folder_ / "Tabulex_Report.txt"); }, noReport},
        {"report of another run",
         [&] { std::ofstream(folder_ / "Tabulex_Report.txt", std::ios::binary) << "x\r\n"; }, noReport},
        {"document shortened since the stop", [&] { document_.TableList.back().Rows.resize(4); }, damaged, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        document_.TableList.clear();
        Table(TwelveCases());
        ASSERT_EQ(StopAtRowSix("opis.docx").End, CheckEnd::Stopped);
        c.Spoil();
        host_.Messages.clear();
        host_.Questions.clear();
        const CheckOutcome outcome = Run();
        EXPECT_EQ(outcome.StartRow, 1);
        EXPECT_TRUE(host_.Questions.empty());
        EXPECT_EQ(host_.Messages, std::vector<std::string>{c.Notice});
        EXPECT_EQ(outcome.Counters.DataRows, c.RowsLeft);
        EXPECT_EQ(outcome.Counts.ErrorCount, c.RowsLeft == 12 ? 1 : 0);
    }
}

TEST_F(CheckRunTest, StopDeclinedGoesOn) {
    Table(TwelveCases());
    host_.StopAnswer = false;
    host_.OnProcessEvents = [](fake::FakeHost& host) {
        if (host.ProcessEventsCalls == 3) host.Stop = true;
    };
    EXPECT_EQ(Run().End, CheckEnd::Completed);
    EXPECT_EQ(host_.Questions.size(), 1u);
    EXPECT_NE(std::find(host_.Statuses.begin(), host_.Statuses.end(), "Продолжение работы..."),
              host_.Statuses.end());
}

TEST_F(CheckRunTest, TwoDateColumns) {
    Table({MakeRow(
               {"№ п/п", "Заголовок дела", "Начальная дата", "Конечная дата", "Кол-во листов", "Примечание"}),
           MakeRow({"1", "Приказы директора", "01.01.1950", "31.12.1951", "25", ""}),
           MakeRow({"2", "Распоряжения директора", "05.03.1952", "01.02.1952", "10", "Копии"})},
          6);
    options_.TwoDateColumns = true;
    options_.Columns = ColumnMode::Standard;
    const CheckOutcome outcome = Run();
    ASSERT_EQ(outcome.End, CheckEnd::Completed);
    EXPECT_EQ(Report(), ExpectedReport("two_date_columns.txt"));
    EXPECT_EQ(outcome.ReportTableColumns, 7);
}

std::vector<FakeRow> ExtraColumns() {
    return {MakeRow({"№", "Индекс", "Старый №", "Заголовок", "Даты", "Листов", "Примечание"}),
            MakeRow({"1", "2", "3", "4", "5", "6", "7"}),
            MakeRow({"1", "01-02", "15", "Приказы директора", "1950", "25", ""}),
            MakeRow({"2", "01-03", "", "Распоряжения директора", "1951", "10", ""})};
}

TEST_F(CheckRunTest, ExtraColumnsInEachMode) {
    struct Case {
        ColumnMode Mode;
        const char* Fixture;
    } cases[] = {{ColumnMode::Auto, "extra_columns_auto.txt"},
                 {ColumnMode::Skip, "extra_columns_skip.txt"},
                 {ColumnMode::Standard, "extra_columns_standard.txt"}};
    Table(ExtraColumns(), 7);
    for (const Case& c : cases) {
        options_.Columns = c.Mode;
        options_.SkipColumnsText = "2, 3";
        ASSERT_EQ(Run().End, CheckEnd::Completed) << c.Fixture;
        EXPECT_EQ(Report(), ExpectedReport(c.Fixture)) << c.Fixture;
    }
}

TEST_F(CheckRunTest, NoTables) {
    const CheckOutcome outcome = Run();
    EXPECT_EQ(outcome.End, CheckEnd::NoTables);
    EXPECT_EQ(host_.Statuses.back(), "Нет таблиц в документе. Проверьте опись.");
    EXPECT_FALSE(fs::exists(folder_ / "Tabulex_Report.txt"));
    EXPECT_EQ(host_.Titles.back(), testing::Utf(IdleTitle()));
}

TEST_F(CheckRunTest, ReportLocked) {
    Table(TwelveCases());
    options_.ReportFolder = folder_ / "missing";
    const CheckOutcome outcome = Run();
    EXPECT_EQ(outcome.End, CheckEnd::ReportLocked);
    ASSERT_EQ(host_.Messages.size(), 1u);
    EXPECT_EQ(host_.Messages[0], "Закройте файл отчёта либо поставьте галочку в настройках.");
    EXPECT_EQ(host_.Titles.back(), testing::Utf(IdleTitle()));
    EXPECT_EQ(host_.CloseReportCalls, 1);
}

TEST_F(CheckRunTest, RowReadFailureAsksAndReadsAgain) {
    auto& table = Table(TwelveCases());
    table.Rows[4].FailReads = 2;
    const CheckOutcome outcome = Run();
    EXPECT_EQ(outcome.End, CheckEnd::Completed);
    ASSERT_EQ(host_.Questions.size(), 2u);
    EXPECT_EQ(host_.Questions[0].Kind, Question::RowRead);
    EXPECT_EQ(host_.Questions[0].Title, "Внимание!");
    EXPECT_EQ(host_.Questions[0].Text.rfind("Не удается получить следующую строку таблицы.\r\r", 0), 0u);
    EXPECT_EQ(outcome.Counters.DataRows, 12);

    // A run that ends on a failure leaves the earlier report as it was.
    const std::string earlier = Report();
    table.Rows[4].FailReads = 1;
    host_.RowReadAnswer = false;
    const CheckOutcome failed = Run();
    EXPECT_EQ(failed.End, CheckEnd::Failed);
    EXPECT_EQ(failed.StoppedAtRow, 5);
    EXPECT_FALSE(host_.Store.HasSection("Break"));
    EXPECT_EQ(Report(), earlier);
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_FALSE(entry.path().filename().string().starts_with(report::kTemporaryPrefix)) << entry.path();
}

TEST_F(CheckRunTest, DataRowFailureShowsTheRowAndGoesOnOrEnds) {
    auto& table = Table(TwelveCases());
    table.Rows[6].Cells[0] = {"", "", true};
    table.Rows[6].Cells[1].Text = Cp("Переписка\rс трестом");
    const CheckOutcome outcome = Run();
    EXPECT_EQ(outcome.End, CheckEnd::Completed);
    ASSERT_EQ(host_.InputBoxes.size(), 1u);
    EXPECT_EQ(host_.InputBoxes[0],
              "Продолжить проверку?\nВозникла проблема при обработке строки №7 таблицы\r\r"
              "Вышлите, пожалуйста, данный текст автору по адресу support@tabulex.example (Справка | Письмо "
              "автору).\r\r"
              "Нажмите OK, чтобы продолжить проверку описи или Отмена, чтобы прервать.\n"
              "|Переписка с трестом|1947|1|||");
    EXPECT_EQ(outcome.Counters.DataRows, 11);

    host_.InputBoxAnswer = false;
    EXPECT_EQ(Run().End, CheckEnd::Failed);
}

TEST_F(CheckRunTest, ProgressCaptionsAndTitles) {
    std::vector<FakeRow> rows(1000, MakeRow({"1", "Переписка", "1950", "1", ""}));
    Table(std::move(rows));
    CheckOptions options = options_;
    const CheckOutcome outcome = Run();
    ASSERT_EQ(outcome.End, CheckEnd::Completed);
    // Captions at rows 10, 11, 20, 21, ...; the clock advances 10 ms a reading, one reading per ten rows.
    ASSERT_GE(host_.Captions.size(), 4u);
    EXPECT_EQ(host_.Captions[0], "Проверка 10/1000 (1%) Осталось: 00:01");
    EXPECT_EQ(host_.Captions[1], "Проверка 11/1000 (1%) Осталось: 00:01");
    EXPECT_EQ(host_.Captions[2], "Проверка 20/1000 (2%) Осталось: 00:01");
    EXPECT_EQ(host_.Captions[3], "Проверка 21/1000 (2%) Осталось: 00:01");
    EXPECT_EQ(host_.Captions.size(), 199u + 1u);  // rows 10, 11, ..., 991, 1000, and the idle caption
    EXPECT_EQ(host_.Captions.back(), "Табулекс 2.32 [05.03.2008]");
    EXPECT_EQ(host_.Titles[0], "[1%] Табулекс 2.32[05.03.2008]");
}

}  // namespace
}  // namespace tabulex::check
