#include "cli/CheckCommandLine.h"

#include "cli/ProgressDisplay.h"
#include "cli/RussianCli.h"
#include "platform/Terminal.h"

#include <CLI/CLI.hpp>

namespace tabulex::cli {

void CheckCommandLine::Register(CLI::App& app) {
    CheckCommandOptions& options = options_;
    CLI::App* check = &AddSubcommand(app, "check", "Проверить описи (файлы или папки)");
    check->add_option("описи", options.Paths, "Файлы описей или папки с ними")
        ->type_name("ФАЙЛ|ПАПКА")
        ->required();
    check->add_option("--report-dir", options.ReportDir, "Папка отчётов (по умолчанию папка данных)")
        ->type_name("ПАПКА");
    check->add_flag("-r,--recursive", options.Recursive, "Искать описи и во вложенных папках");
    check->add_flag(
        "--no-warnings", [&](int64_t) { options.Check.ShowWarnings = false; },
        "Не показывать предупреждения");
    check->add_flag(
        "--no-hints", [&](int64_t) { options.Check.ShowHints = false; }, "Не показывать подсказки");
    AddTableOptions(*check, options.Check, columns_);
    check->add_flag("--dates-may-be-empty", options.Check.DatesMayBeEmpty, "Даты могут быть пустыми");
    check->add_flag("--sheets-may-be-empty", options.Check.SheetsMayBeEmpty,
                    "Количество листов может быть пустым");
    check->add_flag(
        "--no-certification-check", [&](int64_t) { options.Check.CertificationCheck = false; },
        "Не сверять заверительную надпись после таблицы");
    AddChoice(*check, "--format", format_, "Вывод: text или json", {"text", "json"});
    AddChoice(*check, "--encoding", encoding_, "Кодировка отчёта: cp1251 или utf-8", {"cp1251", "utf-8"});
    AddRulesChoice(*check, rules_);
    check->add_flag(
        "--no-report-docx", [&](int64_t) { options.ReportDocument = false; },
        "Не создавать Tabulex_Report.docx");
    check->add_flag("--quiet,-q", options.Quiet, "Только ошибки и код возврата");
    check->add_flag("--resume", options.Resume, "Продолжить прерванную проверку с сохранённой строки");
    check
        ->add_option("--annotate", options.Annotate,
                     "Записать копию описи (.docx) с примечаниями у каждой строки с замечаниями")
        ->type_name("ФАЙЛ");
    check->add_option("--jobs,-j", options.Jobs, "Сколько описей проверять одновременно (0: все ядра)")
        ->default_val(0)
        ->check(NonNegativeCount());
}

void CheckCommandLine::Finish() {
    ParseColumns(columns_, options_.Check);
    options_.Format = format_ == "json" ? OutputFormat::Json : OutputFormat::Text;
    options_.Check.Encoding =
        encoding_ == "utf-8" ? check::ReportEncoding::Utf8 : check::ReportEncoding::Cp1251;
    options_.Check.Rules = RuleSetOf(rules_);
    options_.Progress = platform::StandardErrorIsTerminal();
}

int CheckCommandLine::Run(const CommandContext& context) {
    return RunCheckCommand(options_, context.Out, context.Err, context.Stop);
}

}  // namespace tabulex::cli
