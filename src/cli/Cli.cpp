#include "cli/Cli.h"

#include "cli/CheckCommandLine.h"
#include "cli/Command.h"
#include "cli/FixCommandLine.h"
#include "cli/RussianCli.h"

#include "platform/StopSignals.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

namespace tabulex::cli {
namespace {

// Every subcommand, in the order the help lists them. A new command is one line here.
std::vector<std::unique_ptr<Command>> AllCommands(std::span<const tools::ToolEntry> repairs) {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommandLine>());
    commands.push_back(std::make_unique<FixCommandLine>(repairs));
    commands.push_back(std::make_unique<PrefaceCommandLine>());
    return commands;
}

// Ctrl+C, SIGTERM and SIGHUP ask every running check to stop at its next progress point (and an
// opening document to stop being read); the check then stores its resume point, as the Stop button
// does, and no new file of a batch is started. A fix ends at its next row and writes nothing.
int RunChosen(Command& command, std::ostream& out, std::ostream& err) {
    const platform::StopSignals signals;
    return command.Run({out, err, signals.Requested()});
}

}  // namespace

int Run(int argc, const char* const* argv) {
    return Run(argc, argv, std::cout, std::cerr);
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return Run(argc, argv, out, err, tools::ToolCatalog());
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        std::span<const tools::ToolEntry> repairs) {
    CLI::App app{"Tabulex: проверка описей дел по правилам архивного описания", "tabulex"};
    MakeRussian(app);
    app.require_subcommand(0, 1);
    bool showVersion = false;
    app.add_flag("--version", showVersion, "Показать версию");
    const std::vector<std::unique_ptr<Command>> commands = AllCommands(repairs);
    for (const auto& command : commands) command->Register(app);
    RussianGroups(app);
    Command* chosen = nullptr;
    try {
        app.parse(argc, argv);
        for (const auto& command : commands)
            if (command->Chosen()) chosen = command.get();
        if (chosen) chosen->Finish();
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    }
    if (showVersion) {
        out << "tabulex " << TABULEX_VERSION << "\n";
        return 0;
    }
    if (chosen) return RunChosen(*chosen, out, err);
    // Nothing to do: how to call the program, as for any other wrong call.
    err << app.help();
    return 2;
}

}  // namespace tabulex::cli
