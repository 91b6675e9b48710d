#pragma once

// The widths of the report table's columns fitted to their contents, as a word processor's autofit
// sizes them: every column at least as wide as its longest word, so that no word breaks inside;
// the space left goes to the columns whose texts are long (the title and the report), so that the
// narrow ones (number, dates, sheets) stay narrow.

#include <string_view>
#include <vector>

namespace tabulex::report {

// The fields of one table line: split at TAB into at most `columns` fields, the last keeping any
// further fields with their tabs; a shorter line gives fewer fields.
std::vector<std::string_view> TableFields(std::string_view line, int columns);

// Widths in twips, summing to `availableTwips` (less when the contents need less), for `columns`
// columns holding the UTF-8 `lines`.
std::vector<int> FitColumnWidths(const std::vector<std::string_view>& lines, int columns, int availableTwips);

}  // namespace tabulex::report
