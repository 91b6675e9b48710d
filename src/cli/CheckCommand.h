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
    std::vector<std::string> Paths;
    check::CheckOptions Check;
    std::string ReportDir;   // empty: the data folder
    bool Recursive = false;  // folders searched with their subfolders
    OutputFormat Format = OutputFormat::Text;
    bool ReportDocument = true;
    bool Quiet = false;
    bool Resume = false;
    bool Progress = false;  // draw a progress line on standard error
    int Jobs = 0;           // 0: every core
    std::string Annotate;   // a copy of the inventory with the findings as comments; empty: none
};

// Exit status: 0 checked without errors, 1 errors found, 2 a file could not be checked.
int RunCheckCommand(const CheckCommandOptions& options, std::ostream& out, std::ostream& err,
                    const std::atomic<bool>& stop);

}  // namespace tabulex::cli
