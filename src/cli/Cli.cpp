#include "cli/Cli.h"

#include "cli/CheckCommandLine.h"
#include "cli/Command.h"
#include "cli/FixCommandLine.h"
#include "cli/RussianCli.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <iostream>
#include <memory>
#include <vector>

namespace tabulex::cli {
namespace {

// Ctrl+C, SIGTERM and SIGHUP ask every running check to stop at its next progress point (and an
// opening document to stop being read); the check then stores its resume point, as the Stop button
// does, and no new file of a batch is started. A fix ends at its next row and writes nothing.
std::atomic<bool> gStopRequested{false};

extern "C" void OnInterrupt(int) {
    gStopRequested.store(true);
}

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Every subcommand, in the order the help lists them. A new command is one line here.
std::vector<std::unique_ptr<Command>> AllCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommandLine>());
    commands.push_back(std::make_unique<FixCommandLine>());
    commands.push_back(std::make_unique<PrefaceCommandLine>());
    return commands;
}

int RunChosen(Command& command, std::ostream& out, std::ostream& err) {
    gStopRequested.store(false);
    for (int sig : kStopSignals) std::signal(sig, OnInterrupt);
    // Over a file-size limit a write fails (and is reported) instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const int status = command.Run({out, err, gStopRequested});
    for (int sig : kStopSignals) std::signal(sig, SIG_DFL);
    std::signal(SIGXFSZ, SIG_DFL);
    return status;
}

}  // namespace

int Run(int argc, const char* const* argv) {
    return Run(argc, argv, std::cout, std::cerr);
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Tabulex: проверка описей дел по правилам архивного описания", "tabulex"};
    MakeRussian(app);
    app.require_subcommand(0, 1);
    bool showVersion = false;
    app.add_flag("--version", showVersion, "Показать версию");
    const std::vector<std::unique_ptr<Command>> commands = AllCommands();
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
