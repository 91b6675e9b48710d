#include "e2e/DocxTables.h"

#include "docx/DocxApplication.h"
#include "text/Cp1251.h"

namespace tabulex::e2e {
namespace {

std::string Visible(std::string_view text1251) {
    std::string out;
    for (char c : text::Cp1251ToUtf8(text1251)) {
        if (c == '\r')
            out += "{p}";
        else if (c == '\v')
            out += "{br}";
        else if (c == '\t')
            out += "{tab}";
        else if (c != '\a')
            out += c;
    }
    return out;
}

std::string RowView(word::Table& table, int row, bool withFormatting) {
    auto rowObject = table.Rows()->Item(row);
    std::string view;
    for (int c = 1; c <= rowObject->CellCount(); ++c) {
        auto range = table.Cell(row, c)->Range();
        std::string cell = range->Text();
        if (cell.size() >= 2) cell.resize(cell.size() - 2);  // the end-of-cell mark
        if (c > 1) view += " | ";
        const std::string list = range->ListFormat()->ListString();
        if (!list.empty()) view += "[" + text::Cp1251ToUtf8(list) + "]";
        view += Visible(cell);
    }
    if (withFormatting) {
        auto range = rowObject->Range();
        if (range->Font()->Bold() == word::kTrue) view += " {b}";
        if (range->ParagraphFormat()->KeepWithNext() == word::kTrue) view += " {k}";
        if (rowObject->AllowBreakAcrossPages() != word::kFalse) view += " {s}";
    }
    return view;
}

}  // namespace

DocumentView ViewDocument(const std::filesystem::path& docx, bool withFormatting) {
    auto application = word::docx::CreateApplication();
    word::Document& document = application->Documents().Open(docx.string());
    DocumentView view;
    auto tables = document.Tables();
    for (int t = 1; t <= tables->Count(); ++t) {
        auto table = tables->Item(t);
        TableRows rows;
        for (int r = 1; r <= table->Rows()->Count(); ++r) rows.push_back(RowView(*table, r, withFormatting));
        view.Tables.push_back(std::move(rows));
    }
    view.StoryUtf8 = Visible(document.Content()->Text());
    view.Shapes = document.Shapes()->Count();
    return view;
}

}  // namespace tabulex::e2e
