#include "tools/ToolCatalog.h"

namespace tabulex::tools {

ToolOutcome RunTool(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options,
                    std::span<const ToolEntry> catalog) {
    if (const ToolEntry* entry = FindTool(tool, catalog))
        return entry->Run(document, host, options, entry->Texts);
    ToolOutcome unknown;
    unknown.End = ToolEnd::Failed;
    return unknown;
}

}  // namespace tabulex::tools
