#include "cli/FixCommandLine.h"

#include "cli/ProgressDisplay.h"
#include "cli/RussianCli.h"
#include "platform/Terminal.h"

#include <CLI/CLI.hpp>

namespace tabulex::cli {
void FixCommandLine::Register(CLI::App& app) {
    CLI::App* fix = command_ =
        &AddSubcommand(app, "fix", "Исправить опись: команды выполняются в порядке указания");
    fix->add_option("опись", options_.File, "Файл описи")->type_name("ФАЙЛ")->required();
    for (const tools::ToolEntry& entry : options_.Catalog)
        fix->add_flag("--" + std::string(entry.Flag))->description(std::string(entry.FlagHelp));
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
        for (const tools::ToolEntry& entry : options_.Catalog)
            if (option->get_name() == "--" + std::string(entry.Flag)) options_.Tools.push_back(entry.Tool);
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
