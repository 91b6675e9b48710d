#pragma once

// The repair commands as one table: each row names a command (its identity, its command-line flag
// with the flag's help, its menu item and where the item goes), the function that runs it and what
// it says (its confirmation, progress and result texts). The command line, the window's menus and
// the tool runner read the table, so that a new repair is its function, one row with its texts, and
// its tests.

#include "tools/Tools.h"

#include <span>
#include <string_view>

namespace tabulex::tools {

// The window's menus that hold repairs (Правка, Даты, Таблица).
enum class ToolMenu { Edit, Dates, Table };

// A repair's function gets the texts of its row.
using ToolFunction = ToolOutcome (*)(word::Document& document, ToolHost& host, const ToolOptions& options,
                                     const CommandTexts& texts);

struct ToolEntry {
    tools::Tool Tool;
    // `tabulex fix --<Flag>`, and what `tabulex fix --help` says of it (UTF-8).
    std::string_view Flag;
    std::string_view FlagHelp;
    tools::ToolMenu Menu;
    // The menu item (UTF-8, `&` before the access key), its object name (a historical name the
    // window's tests find it by) and whether a separator comes before it.
    std::string_view MenuText;
    std::string_view MenuName;
    bool SeparatorBefore = false;
    ToolFunction Run = nullptr;
    CommandTexts Texts;
};

// Every repair, in menu order (the items of a menu in the order they stand there); `tabulex fix
// --help` lists the flags in this order too.
std::span<const ToolEntry> ToolCatalog();

// The row of `tool` in `catalog`; nullptr when it has none.
const ToolEntry* FindTool(Tool tool, std::span<const ToolEntry> catalog = ToolCatalog());

// Runs the command of `tool` (FormatHeadings closes the report documents as `options.Table` says);
// a tool the catalog lacks fails.
ToolOutcome RunTool(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options,
                    std::span<const ToolEntry> catalog = ToolCatalog());

}  // namespace tabulex::tools
