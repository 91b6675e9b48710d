#include "docx/TableJoin.h"

#include "docx/Ooxml.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace tabulex::word::docx {
namespace {

// What a blank paragraph may not hold if it is to go: marks that something else points at, a
// section's page set-up, anything shown.
constexpr const char* kKept[] = {
    "w:sectPr",           "w:commentRangeStart",
    "w:commentRangeEnd",  "w:commentReference",
    "w:bookmarkStart",    "w:bookmarkEnd",
    "w:drawing",          "w:pict",
    "w:object",           "w:footnoteReference",
    "w:endnoteReference", "w:fldChar",
    "w:fldSimple",        "w:sym",
};

bool IsBlankText(std::string_view text) {
    // Blanks and no-break spaces (C2 A0 in UTF-8).
    for (std::size_t k = 0; k < text.size(); ++k) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (c <= 32) continue;
        if (c == 0xC2 && k + 1 < text.size() && static_cast<unsigned char>(text[k + 1]) == 0xA0) {
            ++k;
            continue;
        }
        return false;
    }
    return true;
}

bool IsDisposable(pugi::xml_node paragraph) {
    std::vector<pugi::xml_node> pending{paragraph};
    while (!pending.empty()) {
        const pugi::xml_node node = pending.back();
        pending.pop_back();
        for (pugi::xml_node child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            for (const char* kept : kKept)
                if (Is(child, kept)) return false;
            if (Is(child, "w:t") && !IsBlankText(child.text().get())) return false;
            pending.push_back(child);
        }
    }
    return true;
}

}  // namespace

bool JoinTables(pugi::xml_node table, pugi::xml_node next) {
    std::vector<pugi::xml_node> between;
    for (pugi::xml_node node = table.next_sibling(); node != next; node = node.next_sibling()) {
        if (!node) return false;
        if (node.type() != pugi::node_element) continue;
        if (!Is(node, "w:p") || !IsDisposable(node)) return false;
        between.push_back(node);
    }
    for (pugi::xml_node paragraph : between) paragraph.parent().remove_child(paragraph);
    std::vector<pugi::xml_node> rows;
    for (pugi::xml_node child : next.children())
        if (child.type() == pugi::node_element && !Is(child, "w:tblPr") && !Is(child, "w:tblGrid"))
            rows.push_back(child);
    for (pugi::xml_node row : rows) table.append_move(row);
    next.parent().remove_child(next);
    return true;
}

}  // namespace tabulex::word::docx
