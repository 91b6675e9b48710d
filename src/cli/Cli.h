#pragma once

#include "tools/ToolCatalog.h"

#include <iosfwd>

namespace tabulex::cli {

// Runs the command line; returns the exit status (0 ok, 1 errors found, 2 could not check).
int Run(int argc, const char* const* argv);
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
// The same with `tabulex fix` offering the repairs of `repairs`.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        std::span<const tools::ToolEntry> repairs);

}  // namespace tabulex::cli
