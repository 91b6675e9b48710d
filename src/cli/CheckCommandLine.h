#pragma once

// The `check` subcommand on the command line: its options, and turning them into a check.

#include "cli/CheckCommand.h"

#include <atomic>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace tabulex::cli {

class CheckCommandLine {
  public:
    void Register(CLI::App& app);
    // After parsing: the options that need more than CLI11 checks (throws CLI::ValidationError).
    void Finish();
    bool Chosen() const;
    int Run(std::ostream& out, std::ostream& err, const std::atomic<bool>& stop);

  private:
    CLI::App* command_ = nullptr;
    CheckCommandOptions options_;
    std::string columns_ = "auto";
    std::string format_ = "text";
    std::string encoding_ = "cp1251";
};

}  // namespace tabulex::cli
