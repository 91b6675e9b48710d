#include "cli/Cli.h"

#include "cli/CheckCommandLine.h"
#include "cli/Command.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <iostream>
#include <memory>
#include <vector>

namespace tabulex::cli {
namespace {

// Ctrl+C asks every running check to stop at its next progress point; the check then stores
// its resume point, as the Stop button does.
std::atomic<bool> gStopRequested{false};

extern "C" void OnInterrupt(int) {
    gStopRequested.store(true);
}

// Every subcommand, in the order the help lists them. A new command is one line here.
std::vector<std::unique_ptr<Command>> AllCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommandLine>());
    return commands;
}

int RunChosen(Command& command, std::ostream& out, std::ostream& err) {
    gStopRequested.store(false);
    std::signal(SIGINT, OnInterrupt);
    const int status = command.Run({out, err, gStopRequested});
    std::signal(SIGINT, SIG_DFL);
    return status;
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
    const std::vector<std::unique_ptr<Command>> commands = AllCommands();
    for (const auto& command : commands) command->Register(app);
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
    out << app.help();
    return 0;
}

}  // namespace tabulex::cli
