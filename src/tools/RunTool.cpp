#include "tools/Tools.h"

namespace tabulex::tools {

ToolOutcome RunTool(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options) {
    switch (tool) {
        case Tool::DeleteEmptyRows:
            return DeleteEmptyRows(document, host, options);
        case Tool::DeleteNumberingRows:
            return DeleteNumberingRows(document, host, options);
        case Tool::NumberCases:
            return NumberCases(document, host, options);
        case Tool::AutoNumberCases:
            return AutoNumberCases(document, host, options);
        case Tool::TablesToText:
            return TablesToText(document, host, options);
        case Tool::ListsToText:
            return ListsToText(document, host, options);
        case Tool::ForbidRowBreaks:
            return ForbidRowBreaks(document, host, options);
        case Tool::DeleteGraphics:
            return DeleteGraphics(document, host, options);
        case Tool::FormatHeadings:
            return FormatHeadings(document, host, HeadingOptions{});
        case Tool::JoinTables:
            return JoinTables(document, host, options);
    }
    return {};
}

}  // namespace tabulex::tools
