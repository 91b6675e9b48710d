#include "tools/Tools.h"

namespace tabulex::tools {
namespace {

struct DateToolRewrite {
    Tool DateTool;
    rules::DateRewrite Rewrite;
};

constexpr DateToolRewrite kDateTools[] = {
    {Tool::DatesFullYear, rules::DateRewrite::FullYear},
    {Tool::DatesMonthWords, rules::DateRewrite::MonthWords},
    {Tool::DatesMonthNumbers, rules::DateRewrite::MonthNumbers},
    {Tool::DatesDropZero, rules::DateRewrite::DropZero},
    {Tool::DatesAddZero, rules::DateRewrite::AddZero},
    {Tool::DatesDropYearMark, rules::DateRewrite::DropYearMark},
    {Tool::DatesAddYearMark, rules::DateRewrite::AddYearMark},
    {Tool::DatesJoinRanges, rules::DateRewrite::JoinRanges},
};

}  // namespace

Tool DateTool(rules::DateRewrite rewrite) {
    for (const DateToolRewrite& entry : kDateTools)
        if (entry.Rewrite == rewrite) return entry.DateTool;
    return Tool::DatesFullYear;
}

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
        case Tool::DatesFullYear:
        case Tool::DatesMonthWords:
        case Tool::DatesMonthNumbers:
        case Tool::DatesDropZero:
        case Tool::DatesAddZero:
        case Tool::DatesDropYearMark:
        case Tool::DatesAddYearMark:
        case Tool::DatesJoinRanges:
            for (const DateToolRewrite& entry : kDateTools)
                if (entry.DateTool == tool) return RewriteDates(entry.Rewrite, document, host, options);
            break;
    }
    return {};
}

}  // namespace tabulex::tools
