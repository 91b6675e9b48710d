#pragma once

// One subcommand of the command line: its options and its run. Cli.cpp lists every command once;
// a new command is a class like CheckCommandLine and one line in that list.

#include <atomic>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace tabulex::cli {

// What a command's run may use: the output streams and the stop request of Ctrl+C.
struct CommandContext {
    std::ostream& Out;
    std::ostream& Err;
    const std::atomic<bool>& Stop;
};

class Command {
  public:
    virtual ~Command() = default;

    // Adds the subcommand with its options to the parser (through AddSubcommand).
    virtual void Register(CLI::App& app) = 0;
    // After parsing, when the command was chosen: the options that need more than CLI11's checks
    // (throws CLI::ValidationError).
    virtual void Finish() {}
    // The exit status: 0 done, 1 problems found, 2 could not be done.
    virtual int Run(const CommandContext& context) = 0;

    // Whether the parsed command line names this command.
    bool Chosen() const;

  protected:
    CLI::App& AddSubcommand(CLI::App& app, const std::string& name, const std::string& description);

  private:
    CLI::App* subcommand_ = nullptr;
};

}  // namespace tabulex::cli
