// Case numbering never writes a number where it would replace text the check reads as more than a
// case number, or where it would turn the row into something else for the check.

#include "tools/ToolCatalog.h"
#include "tools/ToolTestSupport.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

#include <gtest/gtest.h>

namespace tabulex::tools {
namespace {

using testing::DocumentOf;
using testing::RecordingHost;

std::string Cell(const std::string& content) {
    return "<w:tc>" + content + "</w:tc>";
}
std::string Para(const std::string& text) {
    return "<w:p><w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r></w:p>";
}
std::string Row(const std::vector<std::string>& cells) {
    std::string xml = "<w:tr>";
    for (const std::string& cell : cells) xml += Cell(cell);
    return xml + "</w:tr>";
}

std::vector<std::string> FirstCells(word::Document& document) {
    auto table = document.Tables()->Item(1);
    std::vector<std::string> cells;
    for (int r = 1; r <= table->Rows()->Count(); ++r) {
        std::string text = text::Cp1251ToUtf8(table->Cell(r, 1)->Range()->Text());
        cells.push_back(text.substr(0, text.find('\r')));
    }
    return cells;
}

TEST(CaseNumberingTest, RowsANumberWouldSpoilKeepTheirFirstCell) {
    const std::string header = Row({Para("№"), Para("Заголовок"), Para("Даты")});
    const std::string grid = "<w:tblGrid><w:gridCol/><w:gridCol/><w:gridCol/></w:tblGrid>";
    const std::string nested =
        "<w:tbl><w:tblGrid><w:gridCol/></w:tblGrid>" + Row({Para("вложенная")}) + "</w:tbl>";
    const struct {
        const char* Name;
        std::string Row;
        std::string FirstCell;  // after numbering, when the row is no case
    } cases[] = {
        {"a tab in the number cell: the check reads the text after it as the title",
         Row({"<w:p><w:r><w:t>12</w:t><w:tab/><w:t>Приказы</w:t></w:r></w:p>", Para("1950"), Para("")}),
         "12→Приказы"},
        {"a table in the number cell", Row({nested + Para(""), Para("Приказы"), Para("1950")}), "вложенная"},
        {"the other cells those of a column-numbering row: with 1 in front it would be one",
         Row({Para("7а"), Para("2"), Para("3")}), "7а"},
        {"one cell spanning the table",
         "<w:tr><w:tc><w:tcPr><w:gridSpan w:val=\"3\"/></w:tcPr><w:p><w:r><w:t>Раздел</w:t><w:tab/><w:t>1</w:t>"
         "</w:r></w:p></w:tc></w:tr>",
         "Раздел→1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto document = DocumentOf("<w:tbl>" + grid + header + c.Row +
                                   Row({Para("5"), Para("Переписка"), Para("1951")}) + "</w:tbl><w:p/>");
        RecordingHost host;
        const ToolOutcome outcome = RunTool(Tool::NumberCases, *document, host, {.ShiftHeld = true});
        ASSERT_EQ(outcome.End, ToolEnd::Completed) << text::Cp1251ToUtf8(outcome.Message);
        EXPECT_EQ(outcome.Count, 1);
        std::vector<std::string> cells = FirstCells(*document);
        for (std::string& cell : cells)
            for (std::size_t tab; (tab = cell.find('\t')) != std::string::npos;) cell.replace(tab, 1, "→");
        EXPECT_EQ(cells, (std::vector<std::string>{"№", c.FirstCell, "1"}));
    }
}

TEST(CaseNumberingTest, LiteralNumbersAreNamedWithTheirNewNumbers) {
    auto document =
        DocumentOf(testing::TableXml({"№\tЗаголовок\tДаты", "1\tПриказы\t1950", "1а\tРаспоряжения\t1950",
                                      "2\tПереписка\t1951", "2-б\tСметы\t1951", "3.\tОтчёты\t1952"},
                                     3) +
                   "<w:p/>");
    RecordingHost host;
    const ToolOutcome outcome = RunTool(Tool::NumberCases, *document, host, {.ShiftHeld = true});
    EXPECT_EQ(ResultDetailsUtf8(outcome), "Литерные номера заменены: 1а → 2, 2-б → 4");
    EXPECT_EQ(text::Cp1251ToUtf8(ResultDetails(outcome)), "Литерные номера заменены: 1а на 2, 2-б на 4");
}

}  // namespace
}  // namespace tabulex::tools
