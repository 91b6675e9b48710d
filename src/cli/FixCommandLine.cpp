#include "cli/FixCommandLine.h"

#include "cli/ProgressDisplay.h"
#include "cli/RussianCli.h"
#include "platform/Terminal.h"

#include <CLI/CLI.hpp>

namespace tabulex::cli {
namespace {

constexpr tools::Tool kTools[] = {
    tools::Tool::DeleteEmptyRows,  tools::Tool::DeleteNumberingRows, tools::Tool::NumberCases,
    tools::Tool::AutoNumberCases,  tools::Tool::ListsToText,         tools::Tool::TablesToText,
    tools::Tool::ForbidRowBreaks,  tools::Tool::DeleteGraphics,      tools::Tool::FormatHeadings,
    tools::Tool::DatesFullYear,    tools::Tool::DatesMonthWords,     tools::Tool::DatesMonthNumbers,
    tools::Tool::DatesDropZero,    tools::Tool::DatesAddZero,        tools::Tool::DatesDropYearMark,
    tools::Tool::DatesAddYearMark, tools::Tool::DatesJoinRanges,     tools::Tool::JoinTables,
};

std::string_view Description(tools::Tool tool) {
    switch (tool) {
        case tools::Tool::DeleteEmptyRows:
            return "Удалить пустые строки";
        case tools::Tool::DeleteNumberingRows:
            return "Удалить строки \"1|2|3|4|5\"";
        case tools::Tool::NumberCases:
            return "Расставить номера дел текстом";
        case tools::Tool::AutoNumberCases:
            return "Расставить номера дел списком Word";
        case tools::Tool::ListsToText:
            return "Номера списков в пустых ячейках сделать текстом";
        case tools::Tool::TablesToText:
            return "Преобразовать все таблицы в текст";
        case tools::Tool::ForbidRowBreaks:
            return "Запретить перенос строк таблиц на следующую страницу";
        case tools::Tool::DeleteGraphics:
            return "Удалить плавающую графику (линии, рисунки, надписи); рисунки в тексте остаются";
        case tools::Tool::FormatHeadings:
            return "Оформить заголовки: полужирный, не отрывать от следующего";
        case tools::Tool::JoinTables:
            return "Объединить таблицу описи, разорванную лишним абзацем";
        case tools::Tool::DatesFullYear:
            return "Даты: 10.11.78 >> 10.11.1978";
        case tools::Tool::DatesMonthWords:
            return "Даты: 10.11.1978 >> 10 ноября 1978";
        case tools::Tool::DatesMonthNumbers:
            return "Даты: 10 ноября 1978 >> 10.11.1978";
        case tools::Tool::DatesDropZero:
            return "Даты: удалить ведущий 0";
        case tools::Tool::DatesAddZero:
            return "Даты: установить ведущий 0";
        case tools::Tool::DatesDropYearMark:
            return "Даты: удалить \"г.\" после года";
        case tools::Tool::DatesAddYearMark:
            return "Даты: установить \"г.\" после года";
        case tools::Tool::DatesJoinRanges:
            return "Даты: диапазоны дат без пробелов";
    }
    return {};
}

}  // namespace

void FixCommandLine::Register(CLI::App& app) {
    CLI::App* fix = command_ =
        &AddSubcommand(app, "fix", "Исправить опись: команды выполняются в порядке указания");
    fix->add_option("опись", options_.File, "Файл описи")->type_name("ФАЙЛ")->required();
    for (tools::Tool tool : kTools)
        fix->add_flag("--" + std::string(ToolFlag(tool)))->description(std::string(Description(tool)));
    auto* output =
        fix->add_option("-o,--output", options_.Output, "Записать исправленную опись в новый файл .docx")
            ->type_name("ФАЙЛ");
    auto* inPlace =
        fix->add_flag("--in-place", options_.InPlace, "Заменить исходный файл (копия остаётся в ФАЙЛ.bak)");
    output->excludes(inPlace);
    AddChoice(*fix, "--format", format_, "Вывод: text или json", {"text", "json"});
    fix->add_flag("--quiet,-q", options_.Quiet, "Только ошибки и код возврата");
    AddTableOptions(*fix, options_.Table, columns_);
    AddRulesChoice(*fix, rules_);
}

void FixCommandLine::Finish() {
    options_.Tools.clear();
    for (const CLI::Option* option : command_->parse_order())
        for (tools::Tool tool : kTools)
            if (option->get_name() == "--" + std::string(ToolFlag(tool))) options_.Tools.push_back(tool);
    options_.Format = format_ == "json" ? OutputFormat::Json : OutputFormat::Text;
    options_.Table.Rules = RuleSetOf(rules_);
    ParseColumns(columns_, options_.Table);
    options_.Progress = platform::StandardErrorIsTerminal();
}

int FixCommandLine::Run(const CommandContext& context) {
    return RunFixCommand(options_, context.Out, context.Err, context.Stop);
}

void PrefaceCommandLine::Register(CLI::App& app) {
    CLI::App& preface =
        AddSubcommand(app, "preface", "Показать текст описи перед основной таблицей (предисловие)");
    preface.add_option("опись", file_, "Файл описи")->type_name("ФАЙЛ")->required();
}

int PrefaceCommandLine::Run(const CommandContext& context) {
    return RunPrefaceCommand(file_, context.Out, context.Err);
}

}  // namespace tabulex::cli
