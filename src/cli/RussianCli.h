#pragma once

// The argument library speaks Russian: help and usage texts through its formatter's labels, the
// help flag, group names, and parse errors through its failure-message hook.

#include "check/CheckOptions.h"

#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
class Option;
class Error;
class Validator;
}  // namespace CLI

namespace tabulex::cli {

// Call on the main application before any subcommand is added (they take its help flag, formatter
// and failure message), and once more after (RussianGroups) to name the groups of every option.
void MakeRussian(CLI::App& app);
void RussianGroups(CLI::App& app);

// A validator that takes one of `values` and says so in Russian ("ожидается text или json").
CLI::Validator OneOf(std::vector<std::string> values);
// A count of 0 or more: a negative one is refused in Russian.
CLI::Validator NonNegativeCount();
// "{text,json}": the value name to show for such an option.
std::string OneOfName(const std::vector<std::string>& values);
// An option taking one of `choices`, the first by default, shown and checked as above.
CLI::Option* AddChoice(CLI::App& app, const std::string& name, std::string& value,
                       const std::string& description, const std::vector<std::string>& choices);
// --rules original|modern, for every command that reads the inventory's table.
CLI::Option* AddRulesChoice(CLI::App& app, std::string& value);
rules::RuleSet RuleSetOf(std::string_view choice);
// --columns auto|standard|skip:2,3 into the options; a wrong value is a parse error.
void ParseColumns(const std::string& value, check::CheckOptions& options);
// The table options the check and the repairs share, so that both read the table alike:
// --spaced-initials, --dates-two-columns and --columns (its text into `columns`, for ParseColumns).
void AddTableOptions(CLI::App& command, check::CheckOptions& options, std::string& columns);

// The Russian text of a parse error, with a pointer to the help of the command that failed.
std::string RussianFailure(const CLI::App& app, const CLI::Error& error);

}  // namespace tabulex::cli
