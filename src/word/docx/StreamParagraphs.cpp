#include "word/docx/StreamReader.h"

namespace tabulex::word::docx::stream {

// A paragraph ends: the list counter takes it, its row and cell take its list number and formats,
// and the cell's text its paragraph mark.
void Reader::EndParagraph(const Frame& frame, Frame& parent) {
    bool numbered = para_.counted && NumberParagraph();
    if (para_.inRow || para_.inCell) AddParagraphFormats(frame, numbered);
    if (para_.inText) {
        cellText_.push_back('\r');
        parent.lastWasParagraph = true;
    }
    para_.Reset();
}

// Counts the paragraph over the whole body as ListNumbering does; true when it shows a number,
// then in shown_.
bool Reader::NumberParagraph() {
    return counter_.Next(styles_.ParagraphNumbering(para_.lastStyle, para_.numId, para_.ilvl), shown_);
}

// Bold (of the runs showing text, else of the paragraph mark), keep-with-next and the first list
// number, as RangeFormat reads them for the row and the cell range.
void Reader::AddParagraphFormats(const Frame& frame, bool numbered) {
    bool inTable = frame.table >= 0;
    std::string_view tableStyle;
    if (inTable) {
        OpenTable& table = tables_[static_cast<std::size_t>(frame.table)];
        table.used = true;
        tableStyle = table.style;
    }
    const std::string& style = para_.firstStyle;
    for (const RunInfo& run : runs_) {
        if (!run.rowText && !run.cellText) continue;
        std::string_view runStyle =
            std::string_view(runStyles_).substr(run.styleBegin, run.styleEnd - run.styleBegin);
        bool bold = styles_.IsBold(run.bold, runStyle, style, inTable, tableStyle);
        if (run.rowText) rowRange_.textBold.Add(bold);
        if (run.cellText) cellRange_.textBold.Add(bold);
    }
    bool mark = styles_.IsBold(para_.markBold, para_.markStyle, style, inTable, tableStyle);
    bool keep = styles_.KeepWithNext(para_.keep, style, inTable, tableStyle);
    for (RangeState* range : {para_.inRow ? &rowRange_ : nullptr, para_.inCell ? &cellRange_ : nullptr}) {
        if (!range) continue;
        range->markBold.Add(mark);
        range->keep.Add(keep);
        range->AddList(numbered, shown_);
    }
}

}  // namespace tabulex::word::docx::stream
