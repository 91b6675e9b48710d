#pragma once

// The `check` subcommand on the command line: its options, and turning them into a check.

#include "cli/CheckCommand.h"
#include "cli/Command.h"

#include <string>

namespace tabulex::cli {

class CheckCommandLine : public Command {
  public:
    void Register(CLI::App& app) override;
    void Finish() override;
    int Run(const CommandContext& context) override;

  private:
    CheckCommandOptions options_;
    std::string columns_ = "auto";
    std::string format_ = "text";
    std::string encoding_ = "cp1251";
    std::string rules_ = "original";
};

}  // namespace tabulex::cli
