#include "cli/Cli.h"

#include "cli/CheckCommand.h"
#include "cli/Progress.h"
#include "text/Cp1251.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <iostream>

namespace tabulex::cli {
namespace {

// Ctrl+C asks every running check to stop at its next progress point; the check then stores
// its resume point, as the Stop button does.
std::atomic<bool> gStopRequested{false};

extern "C" void OnInterrupt(int) {
    gStopRequested.store(true);
}

void ParseColumns(const std::string& value, check::CheckOptions& options) {
    if (value == "auto") {
        options.Columns = check::ColumnMode::Auto;
    } else if (value == "standard") {
        options.Columns = check::ColumnMode::Standard;
    } else if (value.starts_with("skip:") && value.size() > 5) {
        options.Columns = check::ColumnMode::Skip;
        options.SkipColumnsText = value.substr(5);
    } else {
        throw CLI::ValidationError("--columns", "ожидается auto, standard или skip:2,3");
    }
}

void AddCheckCommand(CLI::App& app, CheckCommandOptions& options, std::string& columns, std::string& format,
                     std::string& encoding) {
    CLI::App* check = app.add_subcommand("check", "Проверить описи (файлы или папки)");
    check->add_option("paths", options.paths, "Файлы описей или папки с ними")->required();
    check->add_option("--report-dir", options.reportDir, "Папка отчётов (по умолчанию папка данных)");
    check->add_flag(
        "--no-warnings", [&](int64_t) { options.check.ShowWarnings = false; },
        "Не показывать предупреждения");
    check->add_flag(
        "--no-hints", [&](int64_t) { options.check.ShowHints = false; }, "Не показывать подсказки");
    check->add_flag("--spaced-initials", options.check.SpacedInitials, "Инициалы через пробел: А. Б. Иванов");
    check->add_flag("--dates-two-columns", options.check.TwoDateColumns, "Даты в двух столбцах");
    check->add_flag("--dates-may-be-empty", options.check.DatesMayBeEmpty, "Даты могут быть пустыми");
    check->add_flag("--sheets-may-be-empty", options.check.SheetsMayBeEmpty,
                    "Количество листов может быть пустым");
    check->add_option("--columns", columns, "Столбцы: auto, standard или skip:2,3")->default_val("auto");
    check->add_option("--format", format, "Вывод: text или json")
        ->default_val("text")
        ->check(CLI::IsMember({"text", "json"}));
    check->add_option("--encoding", encoding, "Кодировка отчёта: cp1251 или utf-8")
        ->default_val("cp1251")
        ->check(CLI::IsMember({"cp1251", "utf-8"}));
    check->add_flag(
        "--no-report-docx", [&](int64_t) { options.reportDocument = false; },
        "Не создавать Tabulex_Report.docx");
    check->add_flag("--quiet,-q", options.quiet, "Только ошибки и код возврата");
    check->add_flag("--resume", options.resume, "Продолжить прерванную проверку с сохранённой строки");
    check->add_option("--jobs,-j", options.jobs, "Сколько описей проверять одновременно (0: все ядра)")
        ->default_val(0);
}

}  // namespace

int Run(int argc, const char* const* argv) {
    return Run(argc, argv, std::cout, std::cerr);
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Tabulex: проверка описей дел по правилам архивного описания"};
    app.require_subcommand(0, 1);
    bool showVersion = false;
    app.add_flag("--version", showVersion, "Показать версию");
    CheckCommandOptions checkOptions;
    std::string columns = "auto", format = "text", encoding = "cp1251";
    AddCheckCommand(app, checkOptions, columns, format, encoding);
    try {
        app.parse(argc, argv);
        ParseColumns(columns, checkOptions.check);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    }
    if (showVersion) {
        out << "tabulex " << TABULEX_VERSION << "\n";
        return 0;
    }
    if (app.got_subcommand("check")) {
        checkOptions.format = format == "json" ? OutputFormat::Json : OutputFormat::Text;
        checkOptions.check.Encoding =
            encoding == "utf-8" ? check::ReportEncoding::Utf8 : check::ReportEncoding::Cp1251;
        checkOptions.progress = StandardErrorIsTerminal();
        gStopRequested.store(false);
        std::signal(SIGINT, OnInterrupt);
        const int status = RunCheckCommand(checkOptions, out, err, gStopRequested);
        std::signal(SIGINT, SIG_DFL);
        return status;
    }
    out << app.help();
    return 0;
}

}  // namespace tabulex::cli
