#pragma once

// What the streaming reader collects while a row, a cell or a paragraph is open: field state, the
// bold and keep-with-next votes of its paragraphs and runs, the first list number shown, and the
// open tables' styles.

#include "word/WordModel.h"
#include "word/docx/InlineWalk.h"

#include "word/docx/TriState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tabulex::word::docx::stream {

using docx::TriState;

// What a row or a cell range collects from its paragraphs.
struct RangeState {
    FieldState boldFields;
    TriState textBold;
    TriState markBold;
    TriState keep;
    bool numbered = false;
    std::string list;

    void Reset() {
        boldFields = FieldState();
        textBold = markBold = keep = TriState();
        numbered = false;
        list.clear();
    }
    int Bold() const {
        if (!textBold.Empty()) return textBold.Value();
        return markBold.Empty() ? kFalse : markBold.Value();
    }
    int Keep() const { return keep.Empty() ? kFalse : keep.Value(); }
    void AddList(bool isNumbered, const std::string& shown) {
        if (isNumbered && !numbered) {
            numbered = true;
            list = shown;
        }
    }
};

struct Paragraph {
    bool counted = false;  // list numbering counts it
    bool inText = false;   // part of a top-level cell's Range.Text
    bool inRow = false;    // a paragraph of the row range (ForEachParagraphIn)
    bool inCell = false;   // a paragraph of the cell range
    std::string firstStyle, lastStyle;
    std::optional<bool> keep;
    std::optional<int> numId, ilvl;
    std::optional<bool> markBold;
    std::string markStyle;

    void Reset() {
        counted = inText = inRow = inCell = false;
        firstStyle.clear();
        lastStyle.clear();
        keep.reset();
        numId.reset();
        ilvl.reset();
        markBold.reset();
        markStyle.clear();
    }
};

struct RunInfo {
    std::optional<bool> bold;
    std::uint32_t styleBegin = 0, styleEnd = 0;  // w:rStyle in Reader::runStyles_
    bool rowText = false;                        // shows text in the row range
    bool cellText = false;                       // shows text in the cell range
};

struct OpenTable {
    std::string style;
    bool used = false;  // a paragraph inside has been judged with the table's style
    int grid = 0;
};

}  // namespace tabulex::word::docx::stream
