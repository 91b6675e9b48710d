#pragma once

// What the streaming reader collects while a row, a cell or a paragraph is open: field state, the
// bold and keep-with-next votes of its paragraphs and runs, the first list number shown, and the
// open tables' styles.

#include "docx/InlineWalk.h"
#include "word/WordModel.h"

#include "docx/TriState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tabulex::word::docx::stream {

using docx::TriState;

// What a row or a cell range collects from its paragraphs.
struct RangeState {
    FieldState BoldFields;
    TriState TextBold;
    TriState MarkBold;
    TriState KeepWithNext;
    bool Numbered = false;
    std::string List;

    void Reset() {
        BoldFields = FieldState();
        TextBold = MarkBold = KeepWithNext = TriState();
        Numbered = false;
        List.clear();
    }
    int Bold() const {
        if (!TextBold.Empty()) return TextBold.Value();
        return MarkBold.Empty() ? kFalse : MarkBold.Value();
    }
    int Keep() const { return KeepWithNext.Empty() ? kFalse : KeepWithNext.Value(); }
    void AddList(bool isNumbered, const std::string& shown) {
        if (isNumbered && !Numbered) {
            Numbered = true;
            List = shown;
        }
    }
};

struct Paragraph {
    bool Counted = false;  // list numbering counts it
    bool InText = false;   // part of a top-level cell's Range.Text
    bool InRow = false;    // a paragraph of the row range (ForEachParagraphIn)
    bool InCell = false;   // a paragraph of the cell range
    std::string FirstStyle, LastStyle;
    std::optional<bool> Keep;
    std::optional<int> NumId, Ilvl;
    std::optional<bool> MarkBold;
    std::string MarkStyle;

    void Reset() {
        Counted = InText = InRow = InCell = false;
        FirstStyle.clear();
        LastStyle.clear();
        Keep.reset();
        NumId.reset();
        Ilvl.reset();
        MarkBold.reset();
        MarkStyle.clear();
    }
};

struct RunInfo {
    std::optional<bool> Bold;
    std::uint32_t StyleBegin = 0, StyleEnd = 0;  // w:rStyle in Reader::runStyles_
    bool RowText = false;                        // shows text in the row range
    bool CellText = false;                       // shows text in the cell range
};

struct OpenTable {
    std::string Style;
    bool Used = false;  // a paragraph inside has been judged with the table's style
    int Grid = 0;
};

}  // namespace tabulex::word::docx::stream
