#pragma once

// `tabulex check FILE|FOLDER...`: checks inventories (in parallel), writes each report and prints
// a summary per inventory.

#include "check/CheckOptions.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace tabulex::cli {

enum class OutputFormat { Text, Json };

struct CheckCommandOptions {
    std::vector<std::string> paths;
    check::CheckOptions check;
    std::string reportDir;  // empty: the data folder
    OutputFormat format = OutputFormat::Text;
    bool reportDocument = true;
    bool quiet = false;
    bool resume = false;
    bool progress = false;  // draw a progress line on standard error
    int jobs = 0;           // 0: every core
    std::string annotate;   // a copy of the inventory with the findings as comments; empty: none
};

// Exit status: 0 checked without errors, 1 errors found, 2 a file could not be checked.
int RunCheckCommand(const CheckCommandOptions& options, std::ostream& out, std::ostream& err,
                    const std::atomic<bool>& stop);

}  // namespace tabulex::cli
