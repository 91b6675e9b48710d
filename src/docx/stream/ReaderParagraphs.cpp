#include "docx/stream/Reader.h"

namespace tabulex::word::docx::stream {

// A paragraph ends: the list counter takes it, its row and cell take its list number and formats,
// and the cell's text its paragraph mark.
void Reader::EndParagraph(const Frame& frame, Frame& parent) {
    bool numbered = para_.Counted && NumberParagraph();
    if (para_.InRow || para_.InCell) AddParagraphFormats(frame, numbered);
    if (para_.InText) {
        cellText_.push_back('\r');
        parent.LastWasParagraph = true;
    }
    para_.Reset();
}

// Counts the paragraph over the whole body as ListNumbering does; true when it shows a number,
// then in shown_.
bool Reader::NumberParagraph() {
    return counter_.Next(styles_.ParagraphNumbering(para_.LastStyle, para_.NumId, para_.Ilvl), shown_);
}

// Bold (of the runs showing text, else of the paragraph mark), keep-with-next and the first list
// number, as RangeFormat reads them for the row and the cell range.
void Reader::AddParagraphFormats(const Frame& frame, bool numbered) {
    bool inTable = frame.Table >= 0;
    std::string_view tableStyle;
    if (inTable) {
        OpenTable& table = tables_[static_cast<std::size_t>(frame.Table)];
        table.Used = true;
        tableStyle = table.Style;
    }
    const std::string& style = para_.FirstStyle;
    for (const RunInfo& run : runs_) {
        if (!run.RowText && !run.CellText) continue;
        std::string_view runStyle =
            std::string_view(runStyles_).substr(run.StyleBegin, run.StyleEnd - run.StyleBegin);
        bool bold = styles_.IsBold(run.Bold, runStyle, style, inTable, tableStyle);
        if (run.RowText) rowRange_.TextBold.Add(bold);
        if (run.CellText) cellRange_.TextBold.Add(bold);
    }
    bool mark = styles_.IsBold(para_.MarkBold, para_.MarkStyle, style, inTable, tableStyle);
    bool keep = styles_.KeepWithNext(para_.Keep, style, inTable, tableStyle);
    for (RangeState* range : {para_.InRow ? &rowRange_ : nullptr, para_.InCell ? &cellRange_ : nullptr}) {
        if (!range) continue;
        range->MarkBold.Add(mark);
        range->KeepWithNext.Add(keep);
        range->AddList(numbered, shown_);
    }
}

}  // namespace tabulex::word::docx::stream
