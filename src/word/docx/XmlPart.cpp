#include "word/docx/XmlPart.h"

#include "word/Error.h"
#include "word/docx/FileSystem.h"
#include "word/docx/PackageMessages.h"

namespace tabulex::word::docx {
namespace {

// Everything is kept: the declaration, processing instructions, comments, DOCTYPE, CDATA and every
// text node, also whitespace-only ones (a w:t holding a single space, indentation between elements).
// Line ends and whitespace in attribute values are normalised as every XML reader does.
constexpr unsigned kParseFlags = pugi::parse_full | pugi::parse_ws_pcdata;
constexpr unsigned kFormatFlags = pugi::format_raw | pugi::format_no_declaration;

class StringWriter : public pugi::xml_writer {
public:
    explicit StringWriter(std::string& out) : out_(out) {}
    void write(const void* data, std::size_t size) override {
        out_.append(static_cast<const char*>(data), size);
    }

private:
    std::string& out_;
};

}  // namespace

pugi::xml_document ParsePart(const Package& package, std::string_view partName) {
    pugi::xml_document document;
    if (!package.Has(partName)) return document;
    const std::string& bytes = package.Bytes(partName);
    pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), kParseFlags, pugi::encoding_auto);
    if (!result) {
        throw word::Error(std::string(messages::kBadXmlPrefix) + std::string(partName) + ": " +
                              fs::DisplayName(package.Name()),
                          "part " + std::string(partName) + ", offset " + std::to_string(result.offset) +
                              ": " + result.description());
    }
    return document;
}

std::string SerializePart(const pugi::xml_document& document) {
    std::string out;
    StringWriter writer(out);
    document.save(writer, "", kFormatFlags, pugi::encoding_utf8);
    return out;
}

}  // namespace tabulex::word::docx
