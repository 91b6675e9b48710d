#include "cli/Cli.h"

#include "ooxml/MinimalPackage.h"
#include "support/TestFolder.h"
#include "text/Cp1251.h"
#include "tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace tabulex::cli {
namespace {
namespace fs = std::filesystem;

struct CommandResult {
    int Status = 0;
    std::string Out;
    std::string Err;
};

class CheckCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = tabulex::testing::MakeTestFolder("tabulex-cli-");
        fs::create_directories(root_ / "data");
        tabulex::testing::SetEnvironment("TABULEX_DATA_DIR", (root_ / "data").string().c_str());
    }
    void TearDown() override { fs::remove_all(root_); }

    // An inventory of one table: header, numbering row and data rows (lines end with CR LF).
    fs::path MakeInventory(const std::string& name, const std::string& rowsUtf8) {
        const std::string text =
            "№\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\r\n1\t2\t3\t4\t5\r\n" + rowsUtf8;
        std::vector<std::string> rows;
        for (std::size_t from = 0, end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
            rows.push_back(text.substr(from, end - from));
        ooxml::DocxParts parts;
        parts.Document = ooxml::WrapBody(tools::testing::TableXml(rows, 5) + "<w:p/>");
        const fs::path path = root_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << ooxml::BuildDocxBytes(parts);
        return path;
    }

    CommandResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), "tabulex");
        std::vector<const char*> argv;
        for (const auto& arg : args) argv.push_back(arg.c_str());
        std::ostringstream out, err;
        CommandResult result;
        result.Status = cli::Run(static_cast<int>(argv.size()), argv.data(), out, err);
        result.Out = out.str();
        result.Err = err.str();
        return result;
    }

    static std::string ReadFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path root_;
};

const std::string kCleanRows =
    "1\tПротоколы заседаний исполкома горсовета\t12.01.1945-30.12.1945\t120\t\r\n"
    "2\tПриказы директора по основной деятельности\t1946\t45\t\r\n";

TEST_F(CheckCommandTest, ExitStatusFollowsTheFindings) {
    const fs::path clean = MakeInventory("clean.docx", kCleanRows);
    const fs::path faulty = MakeInventory("faulty.docx", kCleanRows + "2\tПриказы\t31.02.1946\t\t\r\n");
    struct Case {
        std::vector<std::string> Args;
        int Status;
    };
    const Case cases[] = {
        {{"check", clean.string(), "--report-dir", (root_ / "r1").string()}, 0},
        {{"check", faulty.string(), "--report-dir", (root_ / "r2").string()}, 1},
        {{"check", (root_ / "missing.docx").string()}, 2},
        {{"check", clean.string(), "--columns", "sideways"}, 2},
        {{"check"}, 2},
        {{"--version"}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Run(c.Args).Status, c.Status) << c.Args.front() << " " << c.Args.back();
}

TEST_F(CheckCommandTest, WritesTheReportInWindows1251WithCrLf) {
    const fs::path clean = MakeInventory("clean.docx", kCleanRows);
    const auto result = Run({"check", clean.string(), "--report-dir", root_.string(), "--no-report-docx"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const std::string report = ReadFile(root_ / "Tabulex_Report.txt");
    EXPECT_TRUE(report.starts_with(text::Utf8ToCp1251("№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет\r\n")));
    EXPECT_NE(report.find(text::Utf8ToCp1251("В данную опись занесено 2 (два) дела с № 1 по № 2\r\n")),
              std::string::npos);
    EXPECT_NE(result.Out.find("В данную опись занесено 2 (два) дела"), std::string::npos) << result.Out;
    EXPECT_FALSE(fs::exists(root_ / "Tabulex_Report.docx"));
}

TEST_F(CheckCommandTest, FolderGivesOneReportFolderPerInventory) {
    fs::create_directories(root_ / "shelf");
    MakeInventory("shelf/a.docx", kCleanRows);
    MakeInventory("shelf/b.docx", kCleanRows);
    std::ofstream(root_ / "shelf" / "notes.txt") << "not an inventory";
    const auto result =
        Run({"check", (root_ / "shelf").string(), "--report-dir", (root_ / "out").string(), "-q"});
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_TRUE(fs::exists(root_ / "out" / "a.docx" / "Tabulex_Report.txt"));
    EXPECT_TRUE(fs::exists(root_ / "out" / "b.docx" / "Tabulex_Report.txt"));
    EXPECT_TRUE(fs::exists(root_ / "out" / "b.docx" / "Tabulex_Report.docx"));
    EXPECT_EQ(result.Out, "");
}

// A batch ends with its total; its status is the worst of its files. Report folders carry the
// whole file name, and a second file of the same name gets its own.
TEST_F(CheckCommandTest, MixedBatchEndsWithATotalLine) {
    fs::create_directories(root_ / "shelf");
    fs::create_directories(root_ / "other");
    MakeInventory("shelf/a.docx", kCleanRows);
    MakeInventory("other/a.docx", kCleanRows + "3\tПриказы\t31.02.1946\t10\t\r\n");
    std::ofstream(root_ / "shelf" / "broken.docx") << "not a document";
    const auto result = Run({"check", (root_ / "shelf").string(), (root_ / "other" / "a.docx").string(),
                             "--report-dir", (root_ / "out").string(), "--no-report-docx"});
    EXPECT_EQ(result.Status, 2) << result.Err;
    EXPECT_TRUE(fs::exists(root_ / "out" / "a.docx" / "Tabulex_Report.txt"));
    EXPECT_TRUE(fs::exists(root_ / "out" / "a.docx-2" / "Tabulex_Report.txt"));
    EXPECT_TRUE(
        result.Out.ends_with("Итого: проверено описей: 2, из них с ошибками: 1; не удалось проверить: 1\n"))
        << result.Out;
}

// However many workers check a batch, what it prints is in the order of the files, and a file that
// cannot be checked in the middle is told in its place; the text and JSON output of every worker
// count equals that of one worker.
TEST_F(CheckCommandTest, BatchOutputIsTheSameWithAnyNumberOfWorkers) {
    fs::create_directories(root_ / "shelf");
    for (int k = 1; k <= 9; ++k) {
        const std::string name = "shelf/opis-" + std::to_string(k) + ".docx";
        if (k == 5)
            std::ofstream(root_ / name) << "not a document";
        else
            MakeInventory(name, k % 3 ? kCleanRows : kCleanRows + "3\tПриказы\t31.02.1946\t10\t\r\n");
    }
    for (const char* format : {"text", "json"}) {
        auto run = [&](const char* jobs) {
            return Run({"check", (root_ / "shelf").string(), "--report-dir", (root_ / "out").string(),
                        "--format", format, "--jobs", jobs});
        };
        const CommandResult serial = run("1");
        EXPECT_EQ(serial.Status, 2) << serial.Err;
        EXPECT_NE(serial.Err.find("opis-5.docx: "), std::string::npos) << serial.Err;
        EXPECT_NE((format == std::string("json") ? serial.Err : serial.Out)
                      .find("Итого: проверено описей: 8, из них с ошибками: 3; не удалось проверить: 1\n"),
                  std::string::npos)
            << serial.Out << serial.Err;
        for (const char* jobs : {"0", "3", "16"}) {
            const CommandResult parallel = run(jobs);
            EXPECT_EQ(parallel.Status, serial.Status) << format << " --jobs " << jobs;
            EXPECT_EQ(parallel.Out, serial.Out) << format << " --jobs " << jobs;
            EXPECT_EQ(parallel.Err, serial.Err) << format << " --jobs " << jobs;
        }
    }
}

// Several inventories give one JSON array; names that are not UTF-8 are escaped.
TEST_F(CheckCommandTest, JsonOfABatchIsOneArray) {
#ifdef _WIN32
    GTEST_SKIP() << "a file name of bytes that are not UTF-8 exists only on POSIX systems";
#endif
    fs::create_directories(root_ / "shelf");
    MakeInventory("shelf/a.docx", kCleanRows);
    const std::string cp1251Name = text::Utf8ToCp1251("Опись \"1\".docx");
    fs::copy_file(root_ / "shelf" / "a.docx", root_ / "shelf" / cp1251Name);
    const auto result = Run({"check", (root_ / "shelf").string(), "--report-dir", (root_ / "out").string(),
                             "--no-report-docx", "--format", "json"});
    EXPECT_EQ(result.Status, 0) << result.Err;
    ASSERT_TRUE(result.Out.starts_with("[\n{\"file\": ")) << result.Out;
    EXPECT_TRUE(result.Out.ends_with("]}\n]\n")) << result.Out;
    EXPECT_NE(result.Out.find("]},\n{\"file\": "), std::string::npos) << result.Out;
    EXPECT_NE(result.Out.find("\\ufffd\\ufffd\\ufffd\\ufffd\\ufffd \\\"1\\\".docx\""), std::string::npos)
        << result.Out;
    EXPECT_NE(result.Err.find("Итого: проверено описей: 2"), std::string::npos) << result.Err;

    // A folder without inventories (they are one level down) gives an empty array and says why.
    fs::create_directories(root_ / "fund" / "opis-1");
    fs::copy_file(root_ / "shelf" / "a.docx", root_ / "fund" / "opis-1" / "a.docx");
    const auto empty = Run({"check", (root_ / "fund").string(), "--format", "json"});
    EXPECT_EQ(empty.Status, 2);
    EXPECT_EQ(empty.Out, "[]\n");
    EXPECT_NE(empty.Err.find("вложенные папки просматриваются с параметром -r"), std::string::npos)
        << empty.Err;

    // With -r the subfolders are searched too, but never the report folder, even inside the fund.
    fs::create_directories(root_ / "fund" / "reports");
    fs::copy_file(root_ / "shelf" / "a.docx", root_ / "fund" / "b.docx");
    fs::copy_file(root_ / "shelf" / "a.docx", root_ / "fund" / "reports" / "a-примечания.docx");
    const auto deep = Run({"check", (root_ / "fund").string(), "-r", "--report-dir",
                           (root_ / "fund" / "reports").string(), "--no-report-docx"});
    EXPECT_EQ(deep.Status, 0) << deep.Err;
    EXPECT_NE(deep.Out.find("Итого: проверено описей: 2,"), std::string::npos) << deep.Out;
    EXPECT_TRUE(fs::exists(root_ / "fund" / "reports" / "a.docx" / "Tabulex_Report.txt"));
    EXPECT_TRUE(fs::exists(root_ / "fund" / "reports" / "b.docx" / "Tabulex_Report.txt"));
}

TEST_F(CheckCommandTest, JsonListsProblemRowsWithTheirClasses) {
    const fs::path faulty = MakeInventory("faulty.docx", kCleanRows + "3\tПриказы\t31.02.1946\t10\t\r\n");
    const auto result = Run({"check", faulty.string(), "--report-dir", root_.string(), "--format", "json"});
    EXPECT_EQ(result.Status, 1) << result.Err;
    EXPECT_NE(result.Out.find("\"end\": \"completed\""), std::string::npos) << result.Out;
    EXPECT_NE(result.Out.find("\"row\": 5, \"kind\": \"data\""), std::string::npos) << result.Out;
    EXPECT_NE(result.Out.find("{\"class\": \"error\", \"text\": \"Дата неверная"), std::string::npos)
        << result.Out;
}

TEST_F(CheckCommandTest, BadInputIsReportedInRussianWithoutTouchingTheFile) {
    const fs::path notZip = root_ / "broken.docx";
    std::ofstream(notZip) << "plain text, not a document";
    const auto result = Run({"check", notZip.string()});
    EXPECT_EQ(result.Status, 2);
    EXPECT_NE(result.Err.find("broken.docx: "), std::string::npos) << result.Err;
    EXPECT_EQ(ReadFile(notZip), "plain text, not a document");
}

// Help, usage and parse errors are Russian: no English text of the argument library gets through.
TEST_F(CheckCommandTest, HelpUsageAndErrorsAreRussian) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* expected;  // on standard output for help, else on standard error
    } cases[] = {
        {{"--help"}, 0, "Использование: tabulex [ПАРАМЕТРЫ] [КОМАНДА]"},
        {{"check", "--help"}, 0, "Показать эту справку и выйти"},
        {{"fix", "--help"}, 0, "--format {text,json}=text"},
        {{"fix", "a.docx", "--format", "xml"}, 2, "--format: ожидается text или json, а не xml"},
        {{}, 2, "Использование: tabulex"},
        {{"check"}, 2, "Ошибка: Не указаны файлы или папки описей\nСправка: tabulex check --help\n"},
        {{"check", "a.docx", "--bogus"}, 2, "Ошибка: Лишние аргументы: --bogus"},
        {{"sideways"}, 2, "Ошибка: Лишние аргументы: sideways\nСправка: tabulex --help\n"},
        {{"check", "a.docx", "--format", "xml"}, 2, "--format: ожидается text или json, а не xml"},
        {{"check", "a.docx", "--jobs", "many"}, 2, "Недопустимое значение параметра --jobs"},
        {{"check", "a.docx", "--report-dir"}, 2, "Неверное число значений у параметра --report-dir"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        const auto result = Run(args);
        const std::string shown = result.Out + result.Err;
        EXPECT_EQ(result.Status, c.status) << shown;
        EXPECT_NE(shown.find(c.expected), std::string::npos) << shown;
        for (const char* english : {"Usage", "OPTIONS", "SUBCOMMAND", "Print this", "Run with", "REQUIRED",
                                    "expected", "is required", "Options:", "Subcommands:", "TEXT", "INT"})
            EXPECT_EQ(shown.find(english), std::string::npos) << english << " in\n" << shown;
    }
}

// The descriptions of the help start in one column, counted in characters: the value names are
// Cyrillic, two bytes a letter.
TEST_F(CheckCommandTest, HelpDescriptionsLineUp) {
    for (const char* command : {"check", "fix", "preface"}) {
        const auto result = Run({command, "--help"});
        std::istringstream lines(result.Out);
        std::set<std::size_t> starts;
        for (std::string line; std::getline(lines, line);) {
            if (!line.starts_with("  ")) continue;
            std::u32string wide;
            for (std::size_t k = 0; k < line.size(); ++k)
                if ((static_cast<unsigned char>(line[k]) & 0xC0) != 0x80)
                    wide += line[k] == ' ' ? U' ' : U'x';
            const std::size_t gap = wide.find(U"  ", 2);
            if (gap == std::u32string::npos) continue;  // the name alone, its description below
            starts.insert(wide.find_first_not_of(U' ', gap));
        }
        EXPECT_EQ(starts.size(), 1u) << command << ":\n" << result.Out;
    }
}

}  // namespace
}  // namespace tabulex::cli
