#pragma once

// Building a .docx container in memory from the XML of its parts: for the report document, for
// documents the host creates (a text opened as a document) and for tests and benchmarks that need
// a package of known content.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tabulex::ooxml {

struct DocxParts {
    std::string Document;   // word/document.xml
    std::string Styles;     // word/styles.xml; left out when empty
    std::string Numbering;  // word/numbering.xml; left out when empty
};

// Deflate levels of BuildDocxBytes: libzip's default (the smallest file, and about three times
// the time of zlib's usual level) or the quickest.
inline constexpr int kSmallestZip = 0;
inline constexpr int kQuickestZip = 1;

// The zip bytes of a package holding the parts with their content types and relationships.
std::string BuildDocxBytes(const DocxParts& parts, int deflateLevel = kSmallestZip);

// A part produced piece by piece while it is compressed, so that a large part is never held whole.
class PartWriter {
  public:
    virtual ~PartWriter() = default;
    // Appends the next piece of the part to `out`; false once the part is complete.
    virtual bool Next(std::string& out) = 0;
};

// The same package with word/document.xml written by `document` (parts.Document is not used), about
// `documentSize` bytes; only the compressed bytes are held. What `document` throws reaches the caller.
std::string BuildDocxBytes(const DocxParts& parts, PartWriter& document, std::uint64_t documentSize,
                           int deflateLevel = kSmallestZip);
// The parts of that package by name, the content types and relationships included, in the
// order of the zip (for a package built in memory without a zip in between).
std::vector<std::pair<std::string, std::string>> PackageParts(DocxParts parts);

// word/document.xml around the given body content (paragraphs and tables, without w:body),
// followed by an A4 section.
std::string WrapBody(std::string_view bodyXml);
// The two halves of WrapBody, for writers that append the body in between themselves.
// The section is A4 with 2 cm margins, portrait or landscape.
enum class PageOrientation { Portrait, Landscape };
std::string_view DocumentXmlStart();
std::string_view DocumentXmlEnd(PageOrientation orientation = PageOrientation::Portrait);
// A style sheet with document defaults (the font, its size in half points, Russian) and the Normal
// style.
std::string DefaultStylesXml(std::string_view font = "Times New Roman", int fontHalfPoints = 24);

}  // namespace tabulex::ooxml
