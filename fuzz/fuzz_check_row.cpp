// Bytes as the rows of an inventory table (rows split at LF, cells at TAB; the first byte chooses the
// options): each row through the row rules as a data, numbering and heading row, then the document
// hints after the last row.

#include "check/RowRules.h"
#include "check/TableLayout.h"
#include "word/WordModel.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace tabulex;
using namespace tabulex::check;

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

CheckOptions OptionsFrom(unsigned char bits) {
    CheckOptions options;
    options.ShowWarnings = bits & 1;
    options.ShowHints = bits & 2;
    options.SpacedInitials = bits & 4;
    options.TwoDateColumns = bits & 8;
    options.DatesMayBeEmpty = bits & 16;
    options.SheetsMayBeEmpty = bits & 32;
    return options;
}

RowCells CellsOf(std::string_view rowText) {
    std::vector<std::string_view> cells = Split(rowText, '\t');
    cells.resize(5);
    return {std::string(cells[0]), std::string(cells[1]), std::string(cells[2]), std::string(cells[3]),
            std::string(cells[4])};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const CheckOptions options = OptionsFrom(data[0]);
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    RowRules rules(options);
    int row = 1;
    for (std::string_view rowText : Split(input, '\n')) {
        ++row;
        if (IsEmptyRow(rowText)) rules.EmptyRow(row);
        if (IsNumberingRow(rowText)) rules.NumberingRow(row, rowText);
        if (IsHeadingRow(rowText)) rules.HeadingRow(row, rowText, {word::kTrue, word::kFalse});
        ReportCellText(rowText);
        rules.DataRow(row, CellsOf(rowText));
    }
    ColumnLayout layout;
    layout.ColumnCount = 5;
    rules.DocumentHints(layout, ColumnMode::Auto);
    return 0;
}
