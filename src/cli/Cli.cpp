#include "cli/Cli.h"

#include "cli/CheckCommandLine.h"
#include "cli/FixCommandLine.h"

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

// Runs a command with Ctrl+C turned into its stop request.
template <class Command>
int WithInterrupt(Command&& command) {
    gStopRequested.store(false);
    std::signal(SIGINT, OnInterrupt);
    const int status = command(gStopRequested);
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
    CheckCommandLine check;
    check.Register(app);
    FixCommandLine fix;
    fix.Register(app);
    PrefaceCommandLine preface;
    preface.Register(app);
    try {
        app.parse(argc, argv);
        check.Finish();
        fix.Finish();
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    }
    if (showVersion) {
        out << "tabulex " << TABULEX_VERSION << "\n";
        return 0;
    }
    if (check.Chosen()) return WithInterrupt([&](const auto& stop) { return check.Run(out, err, stop); });
    // Ctrl+C ends a fix at its next row; nothing is written then.
    if (fix.Chosen()) return WithInterrupt([&](const auto& stop) { return fix.Run(out, err, stop); });
    if (preface.Chosen()) return preface.Run(out, err);
    out << app.help();
    return 0;
}

}  // namespace tabulex::cli
