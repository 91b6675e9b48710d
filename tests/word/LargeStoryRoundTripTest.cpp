// A story larger than the distances the tree encodes directly (a row's parent far behind it, texts
// megabytes from where their page began) survives edits and a save: the tree keeps such links
// aside, and a fault there would lose or mix rows only in large documents.

#include "docx/DocxApplication.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulex::word::docx::testing {
namespace {

constexpr int kRows = 30000;  // about 12 MB of XML
constexpr int kCells = 5;

std::string CellText(int row, int cell) {
    return "r" + std::to_string(row) + "c" + std::to_string(cell) + " " + std::string(40, 'x');
}

std::string RowXml(int row) {
    std::string cells;
    for (int c = 1; c <= kCells; ++c) cells += Tc(P(CellText(row, c)));
    return Tr(cells);
}

std::string LargeTableBody() {
    std::string rows;
    rows.reserve(static_cast<std::size_t>(kRows) * 420);
    for (int r = 1; r <= kRows; ++r) rows += RowXml(r);
    return P("ОПИСЬ № 1") + Tbl(rows, kCells) + P("В данную опись занесено");
}

std::string RowText(const std::vector<std::string>& cells) {
    std::string text;
    for (const std::string& cell : cells) text += cell + "\r\a";
    return text + "\r\a";
}

// The edits a repair makes: rows deleted from the last to the first, a new text in a cell.
bool Deleted(int row) {
    return row % 3 == 0;
}
bool Renumbered(int row) {
    return row % 7 == 1;
}
std::string NewNumber(int row) {
    return "№ " + std::to_string(row * 11);
}

TEST(LargeStoryRoundTripTest, RowsDeletedAndRenumberedInALargeTableAreSavedAsEdited) {
    TempFolder folder;
    const std::string original = WriteDocx(folder.File("large.docx"), LargeTableBody());
    const std::string saved = folder.File("edited.docx");
    {
        auto app = CreateApplication();
        Document& document = app->Documents().Open(original);
        auto table = document.Tables()->Item(1);
        ASSERT_EQ(table->Rows()->Count(), kRows);
        for (int r = kRows; r >= 1; --r) {
            if (Deleted(r))
                table->Rows()->Item(r)->Delete();
            else if (Renumbered(r))
                table->Cell(r, 1)->Range()->SetText(Cp(NewNumber(r)));
        }
        document.SaveAs(saved);
    }
    auto app = CreateApplication();
    Document& reopened = app->Documents().Open(saved);
    auto table = reopened.Tables()->Item(1);
    ASSERT_EQ(table->Rows()->Count(), kRows - kRows / 3);
    int index = 0;
    for (int r = 1; r <= kRows; ++r) {
        if (Deleted(r)) continue;
        std::vector<std::string> cells;
        for (int c = 1; c <= kCells; ++c)
            cells.push_back(Cp(c == 1 && Renumbered(r) ? NewNumber(r) : CellText(r, c)));
        ASSERT_EQ(table->Rows()->Item(++index)->Range()->Text(), RowText(cells)) << "source row " << r;
    }
}

}  // namespace
}  // namespace tabulex::word::docx::testing
