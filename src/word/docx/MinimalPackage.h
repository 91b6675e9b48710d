#pragma once

// Building a .docx container in memory from the XML of its parts: for documents the host creates
// (a text opened as a document) and for tests and benchmarks that need a package of known content.

#include <string>
#include <string_view>

namespace tabulex::word::docx {

struct DocxParts {
    std::string document;   // word/document.xml
    std::string styles;     // word/styles.xml; left out when empty
    std::string numbering;  // word/numbering.xml; left out when empty
};

// The zip bytes of a package holding the parts with their content types and relationships.
std::string BuildDocxBytes(const DocxParts& parts);
// word/document.xml around the given body content (paragraphs and tables, without w:body),
// followed by an A4 section.
std::string WrapBody(std::string_view bodyXml);
// A style sheet with document defaults (Times New Roman 12 pt, Russian) and the Normal style.
std::string DefaultStylesXml();

}  // namespace tabulex::word::docx
