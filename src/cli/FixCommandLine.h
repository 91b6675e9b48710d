#pragma once

// The `fix` and `preface` subcommands on the command line: their options, and turning them into a
// run of the document tools.

#include "cli/FixCommand.h"

#include <atomic>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace tabulex::cli {

class FixCommandLine {
  public:
    void Register(CLI::App& app);
    // After parsing: the commands in the order of the command line.
    void Finish();
    bool Chosen() const;
    int Run(std::ostream& out, std::ostream& err, const std::atomic<bool>& stop);

  private:
    CLI::App* command_ = nullptr;
    FixCommandOptions options_;
    std::string format_ = "text";
};

class PrefaceCommandLine {
  public:
    void Register(CLI::App& app);
    bool Chosen() const;
    int Run(std::ostream& out, std::ostream& err);

  private:
    CLI::App* command_ = nullptr;
    std::string file_;
};

}  // namespace tabulex::cli
