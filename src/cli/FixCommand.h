#pragma once

// `tabulex fix FILE --<command>...`: runs the document tools on one inventory in the order given,
// then writes the result to -o OUT.docx, or over FILE with --in-place (FILE.bak keeps the
// original), or nowhere (a dry run that tells what each command would change). When a command
// fails or is interrupted, nothing at all is written.
//
// `tabulex preface FILE`: prints the text before the main table.

#include "cli/CheckCommand.h"
#include "tools/ToolCatalog.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace tabulex::cli {

struct FixCommandOptions {
    std::string File;
    std::vector<tools::Tool> Tools;  // in the order of the command line
    std::string Output;              // -o; empty: none
    bool InPlace = false;
    OutputFormat Format = OutputFormat::Text;
    bool Quiet = false;
    bool Progress = false;
    // How the main table is read: its columns, the dates in one column or two, the rule set whose
    // dates the date commands read.
    check::CheckOptions Table = {};
    // Where the commands are found (their flags and functions).
    std::span<const tools::ToolEntry> Catalog = tools::ToolCatalog();
};

// Exit status: 0 every command ran (and the result was written when asked); 2 otherwise.
int RunFixCommand(const FixCommandOptions& options, std::ostream& out, std::ostream& err,
                  const std::atomic<bool>& stop);
int RunPrefaceCommand(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace tabulex::cli
