#include "docx/StoryText.h"

#include "docx/Ooxml.h"

namespace tabulex::word::docx {
namespace {

struct TextSink {
    std::string& Out;
    void Run(pugi::xml_node) {}
    void Text(pugi::xml_node, std::string_view text) { Out.append(text); }
};

constexpr std::string_view kEndOfCell = "\r\a";

}  // namespace

void AppendParagraphText(pugi::xml_node paragraph, FieldState& fields, std::string& out) {
    TextSink sink{out};
    WalkParagraph(paragraph, fields, sink);
}

bool AppendBlocksText(pugi::xml_node container, FieldState& fields, std::string& out, pugi::xml_node stop,
                      bool* stopped, TableRows rows) {
    bool lastWasParagraph = false;
    for (pugi::xml_node child : container.children()) {
        if (stop && child == stop) {
            if (stopped) *stopped = true;
            return lastWasParagraph;
        }
        const structure::StructureKind kind = structure::KindOf(child.name());
        if (kind == structure::StructureKind::Paragraph) {
            AppendParagraphText(child, fields, out);
            out.push_back('\r');
            lastWasParagraph = true;
        } else if (kind == structure::StructureKind::Table && rows == TableRows::AsParagraphs) {
            ForEachRowIn(child, [&](pugi::xml_node row) {
                AppendRowText(row, fields, out);
                out.resize(out.size() - kEndOfCell.size());
                out.push_back('\r');
            });
            lastWasParagraph = false;
        } else if (kind == structure::StructureKind::Table) {
            AppendTableText(child, fields, out);
            lastWasParagraph = false;
        } else if (pugi::xml_node inner = WrapperContent(child)) {
            bool innerStopped = false;
            bool last = AppendBlocksText(inner, fields, out, stop, &innerStopped, rows);
            if (innerStopped) {
                if (stopped) *stopped = true;
                return last;
            }
            // A wrapper holding anything, even only blanks, ends the paragraph run before it.
            if (inner.first_child() || *inner.value()) lastWasParagraph = last;
        }
    }
    return lastWasParagraph;
}

void AppendCellText(pugi::xml_node cell, FieldState& fields, std::string& out) {
    if (IsMergeContinuation(cell)) {
        out.append(kEndOfCell);
        return;
    }
    if (AppendBlocksText(cell, fields, out)) out.pop_back();
    out.append(kEndOfCell);
}

void AppendRowText(pugi::xml_node row, FieldState& fields, std::string& out) {
    ForEachCellIn(row, [&](pugi::xml_node cell) { AppendCellText(cell, fields, out); });
    out.append(kEndOfCell);
}

void AppendTableText(pugi::xml_node table, FieldState& fields, std::string& out) {
    ForEachRowIn(table, [&](pugi::xml_node row) { AppendRowText(row, fields, out); });
}

std::string CellTextUtf8(pugi::xml_node cell) {
    std::string out;
    FieldState fields;
    AppendCellText(cell, fields, out);
    return out;
}

std::string RowTextUtf8(pugi::xml_node row) {
    std::string out;
    FieldState fields;
    AppendRowText(row, fields, out);
    return out;
}

std::string StoryTextUtf8(pugi::xml_node body, pugi::xml_node stop, TableRows rows) {
    std::string out;
    FieldState fields;
    AppendBlocksText(body, fields, out, stop, nullptr, rows);
    return out;
}

}  // namespace tabulex::word::docx
