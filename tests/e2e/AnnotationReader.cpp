#include "e2e/AnnotationReader.h"

#include "ooxml/Package.h"

#include <pugixml.hpp>

#include <cstdlib>
#include <cstring>

namespace tabulex::e2e {
namespace {

std::string TextOf(pugi::xml_node node) {
    std::string out;
    for (pugi::xpath_node t : node.select_nodes(".//w:t")) out += t.node().text().get();
    return out;
}

int IndexAmongSiblings(pugi::xml_node node) {
    int index = 1;
    for (pugi::xml_node s = node.previous_sibling(node.name()); s; s = s.previous_sibling(node.name()))
        ++index;
    return index;
}

pugi::xml_node Ancestor(pugi::xml_node node, const char* name) {
    for (pugi::xml_node n = node.parent(); n; n = n.parent())
        if (std::strcmp(n.name(), name) == 0) return n;
    return {};
}

}  // namespace

std::map<int, ReadComment> ReadComments(const std::filesystem::path& docx) {
    const auto package = ooxml::Package::Load(docx.string());
    std::map<int, ReadComment> comments;
    pugi::xml_document part;
    part.load_string(package.Bytes("word/comments.xml").c_str());
    for (pugi::xml_node c : part.child("w:comments").children("w:comment")) {
        ReadComment& comment = comments[std::atoi(c.attribute("w:id").value())];
        comment.Author = c.attribute("w:author").value();
        comment.Date = c.attribute("w:date").value();
        for (pugi::xml_node p : c.children("w:p")) comment.Lines.push_back(TextOf(p));
    }
    pugi::xml_document main;
    main.load_string(package.Bytes("word/document.xml").c_str());
    for (pugi::xpath_node start : main.select_nodes("//w:commentRangeStart")) {
        ReadComment& comment = comments[std::atoi(start.node().attribute("w:id").value())];
        pugi::xml_node paragraph = Ancestor(start.node(), "w:p");
        comment.Paragraph = TextOf(paragraph);
        if (pugi::xml_node cell = Ancestor(start.node(), "w:tc")) {
            pugi::xml_node row = cell.parent();
            comment.Cell = IndexAmongSiblings(cell);
            comment.Row = IndexAmongSiblings(row);
            comment.Table = IndexAmongSiblings(row.parent());
        }
    }
    for (auto& [id, comment] : comments) {
        const std::string query = "//w:commentReference[@w:id='" + std::to_string(id) + "']";
        const std::string end = "//w:commentRangeEnd[@w:id='" + std::to_string(id) + "']";
        comment.Referenced = main.select_node(query.c_str()) && main.select_node(end.c_str());
    }
    return comments;
}

}  // namespace tabulex::e2e
