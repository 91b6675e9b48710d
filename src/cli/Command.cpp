#include "cli/Command.h"

#include <CLI/CLI.hpp>

namespace tabulex::cli {

bool Command::Chosen() const {
    return subcommand_ != nullptr && subcommand_->parsed();
}

CLI::App& Command::AddSubcommand(CLI::App& app, const std::string& name, const std::string& description) {
    subcommand_ = app.add_subcommand(name, description);
    return *subcommand_;
}

}  // namespace tabulex::cli
