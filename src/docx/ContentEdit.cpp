#include "docx/ContentEdit.h"

#include "ooxml/TextParagraphs.h"

#include "docx/InlineWalk.h"
#include "docx/Ooxml.h"

#include <cstring>

namespace tabulex::word::docx {
namespace {

void AppendText(pugi::xml_node run, std::string_view piece) {
    if (piece.empty()) return;
    pugi::xml_node t = run.append_child("w:t");
    if (piece.front() == ' ' || piece.back() == ' ') t.append_attribute("xml:space") = "preserve";
    t.text().set(std::string(piece).c_str());
}

pugi::xml_node FirstRunProperties(pugi::xml_node cell) {
    pugi::xml_node run;
    ForEachParagraphIn(cell, [&](pugi::xml_node paragraph) {
        if (!run) run = FirstRunOf(paragraph);
    });
    return run.child("w:rPr");
}

pugi::xml_node FirstParagraphProperties(pugi::xml_node cell) {
    pugi::xml_node found;
    bool seen = false;
    ForEachParagraphIn(cell, [&](pugi::xml_node paragraph) {
        if (seen) return;
        seen = true;
        found = paragraph.child("w:pPr");
    });
    return found;
}

// What anchors something else to a cell's text: the ends of comment ranges and bookmarks, and the
// runs that carry comment references. Text written into the cell must keep them, or the comment
// stays in the file with nothing that shows it.
struct Anchors {
    std::vector<pugi::xml_node> Starts;
    std::vector<pugi::xml_node> Ends;
    std::vector<pugi::xml_node> References;
};

void CollectAnchors(pugi::xml_node node, Anchors& anchors) {
    for (pugi::xml_node child : node.children()) {
        if (Is(child, "w:commentRangeStart") || Is(child, "w:bookmarkStart"))
            anchors.Starts.push_back(child);
        else if (Is(child, "w:commentRangeEnd") || Is(child, "w:bookmarkEnd"))
            anchors.Ends.push_back(child);
        else if (Is(child, "w:commentReference"))
            anchors.References.push_back(child);
        else
            CollectAnchors(child, anchors);
    }
}

// The starts go before the new text, the ends and references after it, so that a comment once
// anchored in the cell now spans its new text.
void KeepAnchors(Anchors& anchors, pugi::xml_node paragraph) {
    pugi::xml_node firstRun = paragraph.child("w:r");
    for (pugi::xml_node start : anchors.Starts) {
        if (firstRun)
            paragraph.insert_move_before(start, firstRun);
        else
            paragraph.append_move(start);
    }
    for (pugi::xml_node end : anchors.Ends) paragraph.append_move(end);
    for (pugi::xml_node reference : anchors.References) {
        pugi::xml_node oldRun = reference.parent();
        pugi::xml_node run = paragraph.append_child("w:r");
        if (pugi::xml_node rPr = oldRun.child("w:rPr")) run.append_copy(rPr);
        run.append_move(reference);
    }
}

// The only child of `parent` other than those named `skipped` (which must come first), or an
// empty node when there are others, a text of its own or none.
pugi::xml_node SoleChildAfter(pugi::xml_node parent, const char* skipped) {
    if (*parent.value()) return {};
    pugi::xml_node child = parent.first_child();
    while (child && Is(child, skipped)) child = child.next_sibling();
    if (!child || child.next_sibling()) return {};
    return child;
}

bool IsPlainLine(std::string_view line) {
    for (char c : line)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

// The cell's w:t when the cell is one paragraph of one run of one text, with nothing else that a
// rewrite would drop or move (attributes, anchors, further runs): writing the new line into it gives
// the very markup a rewrite would, without building the paragraph anew.
pugi::xml_node SoleText(pugi::xml_node cell) {
    pugi::xml_node paragraph = SoleChildAfter(cell, "w:tcPr");
    if (!Is(paragraph, "w:p") || paragraph.first_attribute()) return {};
    pugi::xml_node run = SoleChildAfter(paragraph, "w:pPr");
    if (!Is(run, "w:r") || run.first_attribute()) return {};
    pugi::xml_node t = SoleChildAfter(run, "w:rPr");
    if (!Is(t, "w:t") || t.first_child()) return {};
    const pugi::xml_attribute space = t.first_attribute();
    if (space && (space.next_attribute() || std::strcmp(space.name(), "xml:space") != 0 ||
                  std::strcmp(space.value(), "preserve") != 0))
        return {};
    Anchors anchors;
    CollectAnchors(paragraph, anchors);
    if (!anchors.Starts.empty() || !anchors.Ends.empty() || !anchors.References.empty()) return {};
    return t;
}

bool ReplaceSoleText(pugi::xml_node cell, std::string_view text) {
    if (!IsPlainLine(text)) return false;
    pugi::xml_node t = SoleText(cell);
    if (!t) return false;
    if (text.empty()) {
        // An empty cell is a paragraph with its properties and no run.
        pugi::xml_node run = t.parent();
        run.parent().remove_child(run);
        return true;
    }
    const bool preserve = text.front() == ' ' || text.back() == ' ';
    if (preserve && !t.first_attribute()) t.append_attribute("xml:space") = "preserve";
    if (!preserve && t.first_attribute()) t.remove_attribute(t.first_attribute());
    t.text().set(std::string(text).c_str());
    return true;
}

}  // namespace

void AppendRunContent(pugi::xml_node run, std::string_view line) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (c >= 0x20) continue;
        AppendText(run, line.substr(start, i - start));
        start = i + 1;
        if (c == '\t') {
            run.append_child("w:tab");
        } else if (c == 0x0B) {
            run.append_child("w:br");
        } else if (c == 0x0C) {
            run.append_child("w:br").append_attribute("w:type") = "page";
        }
    }
    AppendText(run, line.substr(start));
}

pugi::xml_node InsertParagraph(pugi::xml_node parent, pugi::xml_node before, pugi::xml_node pPr,
                               pugi::xml_node rPr, std::string_view line) {
    pugi::xml_node paragraph =
        before ? parent.insert_child_before("w:p", before) : parent.append_child("w:p");
    if (pPr) paragraph.append_copy(pPr);
    if (line.empty()) return paragraph;
    pugi::xml_node run = paragraph.append_child("w:r");
    if (rPr) run.append_copy(rPr);
    AppendRunContent(run, line);
    return paragraph;
}

void ReplaceCellText(pugi::xml_node cell, std::string_view text) {
    if (ReplaceSoleText(cell, text)) return;
    pugi::xml_node pPr = FirstParagraphProperties(cell);
    pugi::xml_node rPr = FirstRunProperties(cell);
    std::vector<pugi::xml_node> old;
    Anchors anchors;
    for (pugi::xml_node child : cell.children()) {
        if (Is(child, "w:tcPr")) continue;
        old.push_back(child);
        CollectAnchors(child, anchors);
    }
    pugi::xml_node first;
    for (std::string_view line : ooxml::SplitParagraphs(text)) {
        pugi::xml_node paragraph = InsertParagraph(cell, {}, pPr, rPr, line);
        if (!first) first = paragraph;
    }
    if (!first) first = InsertParagraph(cell, {}, pPr, rPr, {});
    KeepAnchors(anchors, first);
    for (pugi::xml_node node : old) cell.remove_child(node);
}

}  // namespace tabulex::word::docx
