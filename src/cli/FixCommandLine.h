#pragma once

// The `fix` and `preface` subcommands on the command line: their options, and turning them into a
// run of the document tools.

#include "cli/Command.h"
#include "cli/FixCommand.h"

#include <string>

namespace tabulex::cli {

class FixCommandLine : public Command {
  public:
    // `catalog`: the repairs the command offers, one flag each.
    explicit FixCommandLine(std::span<const tools::ToolEntry> catalog = tools::ToolCatalog()) {
        options_.Catalog = catalog;
    }
    void Register(CLI::App& app) override;
    // The commands in the order of the command line.
    void Finish() override;
    int Run(const CommandContext& context) override;

  private:
    CLI::App* command_ = nullptr;
    FixCommandOptions options_;
    std::string format_ = "text";
    std::string rules_ = "original";
    std::string columns_ = "auto";
};

class PrefaceCommandLine : public Command {
  public:
    void Register(CLI::App& app) override;
    int Run(const CommandContext& context) override;

  private:
    std::string file_;
};

}  // namespace tabulex::cli
