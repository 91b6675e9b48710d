#include "ooxml/XmlPart.h"

#include "ooxml/CanonicalPrefixes.h"
#include "ooxml/NestingLimit.h"
#include "ooxml/PackageMessages.h"
#include "ooxml/TreeSizeLimit.h"
#include "platform/FileSystem.h"
#include "text/Error.h"

#include <algorithm>

namespace tabulex::ooxml {
namespace {

// Everything is kept: the declaration, processing instructions, comments, DOCTYPE, CDATA and every
// text node, also whitespace-only ones (a w:t holding a single space, indentation between elements).
// Line ends and whitespace in attribute values are normalised as every XML reader does.
constexpr unsigned kParseFlags = pugi::parse_full | pugi::parse_ws_pcdata;
constexpr unsigned kFormatFlags = pugi::format_raw | pugi::format_no_declaration;

// pugixml writes a carriage return inside text as it is, and every reader (pugixml included) would
// read it back as a line feed. After parsing with parse_eol the only carriage returns left in the tree
// came from character references in text (attribute values are escaped by pugixml), so each is
// written back as a reference.
class StringWriter : public pugi::xml_writer {
  public:
    explicit StringWriter(std::string& out) : out_(out) {}
    void write(const void* data, std::size_t size) override {
        std::string_view chunk(static_cast<const char*>(data), size);
        for (std::size_t cr = chunk.find('\r'); cr != std::string_view::npos; cr = chunk.find('\r')) {
            out_.append(chunk.substr(0, cr));
            out_.append("&#13;");
            chunk.remove_prefix(cr + 1);
        }
        out_.append(chunk);
    }

  private:
    std::string& out_;
};

// Containers this near the root (the document, its root element, the body, a table and the
// content controls around it) are opened child by child; anything deeper, a row or a paragraph, is
// written whole.
constexpr std::size_t kOpenedLevels = 6;
constexpr std::size_t kPieceBytes = 1 << 18;

// What pugixml escapes in an attribute value (control characters, markup characters and quotes) and
// a carriage return, which StringWriter turns into a reference.
bool NeedsEscaping(const char* value) {
    for (const char* c = value; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte < 0x20 || byte == '&' || byte == '<' || byte == '>' || byte == '"' || byte == '\'')
            return true;
    }
    return false;
}

// The start tag as pugixml writes it (format_raw: `<name a="v" b="w">`), when nothing in it needs
// escaping and the element keeps no text of its own; false, and nothing appended, otherwise.
bool AppendPlainStartTag(std::string& out, pugi::xml_node element) {
    const char* name = element.name();
    if (!*name || *element.value() || NeedsEscaping(name)) return false;
    for (pugi::xml_attribute attribute : element.attributes())
        if (!*attribute.name() || NeedsEscaping(attribute.name()) || NeedsEscaping(attribute.value()))
            return false;
    out += '<';
    out += name;
    for (pugi::xml_attribute attribute : element.attributes()) {
        out += ' ';
        out += attribute.name();
        out += "=\"";
        out += attribute.value();
        out += '"';
    }
    out += '>';
    return true;
}

std::string Position(std::string_view bytes, std::ptrdiff_t offset) {
    auto end = static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, offset));
    std::string_view before = bytes.substr(0, end);
    std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    std::size_t lineStart = before.rfind('\n');
    std::size_t column = 1 + end - (lineStart == std::string_view::npos ? 0 : lineStart + 1);
    return "offset " + std::to_string(offset) + " (line " + std::to_string(line) + ", column " +
           std::to_string(column) + ")";
}

}  // namespace

pugi::xml_document ParsePart(const Package& package, std::string_view partName) {
    pugi::xml_document document;
    if (!package.Has(partName)) return document;
    const std::string& bytes = package.Bytes(partName);
    RefuseOversizedTree(bytes, package.Name(), partName);
    pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), kParseFlags, pugi::encoding_auto);
    if (!result) {
        throw text::Error(std::string(messages::kBadXmlPrefix) + std::string(partName) + ": " +
                              platform::DisplayName(package.Name()),
                          "part " + std::string(partName) + ", " + Position(bytes, result.offset) + ": " +
                              result.description());
    }
    if (!NestingWithinLimit(document)) ThrowTooDeep(package.Name(), partName);
    UseCanonicalPrefixes(document);
    return document;
}

XmlPartWriter::XmlPartWriter(const pugi::xml_document& document, WholeTest writtenWhole)
    : writtenWhole_(writtenWhole) {
    open_.push_back(Open{document, document.first_child()});
}

bool XmlPartWriter::Opens(pugi::xml_node child) const {
    return child.type() == pugi::node_element && child.first_child() && open_.size() < kOpenedLevels &&
           !(writtenWhole_ && writtenWhole_(child));
}

// pugixml writes an element with children as its start tag, the children and its end tag; the start
// tag is that of a copy without children, cut before its end tag. A tag whose names and values need
// no escaping is the same bytes written directly, without the copy.
void XmlPartWriter::AppendStartTag(std::string& out, pugi::xml_node element) {
    if (AppendPlainStartTag(out, element)) return;
    scratch_.reset();
    pugi::xml_node copy = scratch_.append_child(element.name());
    for (pugi::xml_attribute attribute : element.attributes())
        copy.append_attribute(attribute.name()) = attribute.value();
    // A text the parser kept in the element itself comes before its children.
    if (*element.value()) copy.text().set(element.value());
    StringWriter writer(out);
    copy.print(writer, "", kFormatFlags | pugi::format_no_empty_element_tags, pugi::encoding_utf8);
    out.resize(out.size() - (std::char_traits<char>::length(element.name()) + 3));  // "</name>"
}

bool XmlPartWriter::Next(std::string& out) {
    const std::size_t limit = out.size() + kPieceBytes;
    StringWriter writer(out);
    while (!open_.empty() && out.size() < limit) {
        Open& top = open_.back();
        if (!top.NextChild) {
            if (top.Node.type() == pugi::node_element) {
                out += "</";
                out += top.Node.name();
                out += '>';
            }
            open_.pop_back();
            continue;
        }
        const pugi::xml_node child = top.NextChild;
        top.NextChild = child.next_sibling();
        if (Opens(child)) {
            AppendStartTag(out, child);
            open_.push_back(Open{child, child.first_child()});
        } else {
            child.print(writer, "", kFormatFlags, pugi::encoding_utf8);
        }
    }
    return !open_.empty();
}

pugi::xml_node StartPart(pugi::xml_document& document, const char* rootName, const char* namespaceAttribute,
                         const char* namespaceUri) {
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node root = document.append_child(rootName);
    root.append_attribute(namespaceAttribute) = namespaceUri;
    return root;
}

std::string SerializePart(const pugi::xml_document& document) {
    std::string out;
    StringWriter writer(out);
    document.save(writer, "", kFormatFlags, pugi::encoding_utf8);
    return out;
}

}  // namespace tabulex::ooxml
