#include "cli/Cli.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace tabulex::cli {

int Run(int argc, const char* const* argv) { return Run(argc, argv, std::cout, std::cerr); }

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Tabulex: проверка описей дел"};
    bool showVersion = false;
    app.add_flag("--version", showVersion, "Показать версию");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err) == 0 ? 0 : 2;
    }
    if (showVersion) {
        out << "tabulex " << TABULEX_VERSION << "\n";
        return 0;
    }
    out << app.help();
    return 0;
}

}  // namespace tabulex::cli
