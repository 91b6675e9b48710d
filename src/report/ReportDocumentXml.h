#pragma once

// The parts of the report document written straight from the report text, in one pass: the lines
// as paragraphs, the first of them as a table, as the host's text document, Arial font, table
// conversion and unbreakable rows together give them.

#include "report/ReportDocumentLayout.h"

#include <string>
#include <string_view>

namespace tabulex::report {

inline constexpr std::string_view kReportFont = "Arial";

// word/document.xml of the report. `textUtf8` is the report text, lines ended by CR LF, CR or LF.
// The first layout.TableLines lines (at least one) become a table of layout.TableColumns columns,
// split at TAB: the extra fields of a longer line stay, tab-separated, in its last cell; a shorter
// line leaves the remaining cells empty. Every row is kept on one page and the header row repeats on
// every page. The table's columns are equal over the text width, or sized from their contents
// (FitToContents) with the table set at 10 points. A table of more than six columns is set on
// landscape pages, a fitted narrower one when that takes no more pages and makes the table a fifth
// lower. The lines after the table, or every line without the table, are paragraphs at 12 points.
std::string ReportDocumentXml(std::string_view textUtf8, const ReportDocumentLayout& layout);

// word/styles.xml of the report: the document defaults set in the report font, at the size of the
// table's cells.
std::string ReportStylesXml(const ReportDocumentLayout& layout);

}  // namespace tabulex::report
