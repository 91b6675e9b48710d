#include "ooxml/MinimalPackage.h"

#include "ooxml/PackageMessages.h"
#include "ooxml/ZipArchive.h"
#include "text/Error.h"

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace tabulex::ooxml {
namespace {

constexpr std::string_view kXmlDeclaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                                             "\r\n";

std::string ContentTypes(const DocxParts& parts) {
    std::string xml(kXmlDeclaration);
    xml +=
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)";
    if (!parts.Styles.empty())
        xml +=
            R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)";
    if (!parts.Numbering.empty())
        xml +=
            R"(<Override PartName="/word/numbering.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml"/>)";
    return xml + "</Types>";
}

std::string PackageRelationships() {
    return std::string(kXmlDeclaration) +
           R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
           R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
           "</Relationships>";
}

std::string DocumentRelationships(const DocxParts& parts) {
    std::string xml(kXmlDeclaration);
    xml += R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    if (!parts.Styles.empty())
        xml +=
            R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)";
    if (!parts.Numbering.empty())
        xml +=
            R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering" Target="numbering.xml"/>)";
    return xml + "</Relationships>";
}

std::vector<std::pair<std::string, std::string>> PackageEntries(DocxParts parts) {
    std::vector<std::pair<std::string, std::string>> entries;
    std::string relationships = DocumentRelationships(parts);
    entries.emplace_back("[Content_Types].xml", ContentTypes(parts));
    entries.emplace_back("_rels/.rels", PackageRelationships());
    entries.emplace_back("word/document.xml", std::move(parts.Document));
    entries.emplace_back("word/_rels/document.xml.rels", std::move(relationships));
    entries.emplace_back("word/styles.xml", std::move(parts.Styles));
    entries.emplace_back("word/numbering.xml", std::move(parts.Numbering));
    std::erase_if(entries, [](const auto& entry) { return entry.second.empty(); });
    return entries;
}

// The package's entries, word/document.xml written by `document` when there is one.
std::string BuildDocxBytes(const DocxParts& parts, PartWriter* document, std::uint64_t documentSize,
                           int deflateLevel) {
    DocxParts listed = parts;
    if (document) listed.Document = " ";                   // listed in its place, its bytes streamed
    const auto named = PackageEntries(std::move(listed));  // read by the zip only when it is written
    std::vector<zip::OutEntry> entries;
    for (const auto& [name, data] : named) {
        zip::OutEntry entry;
        entry.Name = name;
        entry.Level = static_cast<std::uint32_t>(deflateLevel);
        if (document && name == "word/document.xml") {
            entry.Writer = document;
            entry.SizeHint = static_cast<std::size_t>(documentSize);
        } else {
            entry.Data = &data;
        }
        entries.push_back(entry);
    }
    return zip::Write({}, entries, messages::kCannotBuildPackage);
}

}  // namespace

std::string BuildDocxBytes(const DocxParts& parts, int deflateLevel) {
    return BuildDocxBytes(parts, nullptr, 0, deflateLevel);
}

std::string BuildDocxBytes(const DocxParts& parts, PartWriter& document, std::uint64_t documentSize,
                           int deflateLevel) {
    return BuildDocxBytes(parts, &document, documentSize, deflateLevel);
}

std::vector<std::pair<std::string, std::string>> PackageParts(DocxParts parts) {
    return PackageEntries(std::move(parts));
}

std::string_view DocumentXmlStart() {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\r\n"
           R"(<w:document xmlns:wpc="http://schemas.microsoft.com/office/word/2010/wordprocessingCanvas")"
           R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006")"
           R"( xmlns:o="urn:schemas-microsoft-com:office:office")"
           R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
           R"( xmlns:m="http://schemas.openxmlformats.org/officeDocument/2006/math")"
           R"( xmlns:v="urn:schemas-microsoft-com:vml")"
           R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")"
           R"( xmlns:w10="urn:schemas-microsoft-com:office:word")"
           R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
           R"( xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape")"
           R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
           R"( xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture"><w:body>)";
}

std::string_view DocumentXmlEnd(PageOrientation orientation) {
    if (orientation == PageOrientation::Landscape)
        return R"(<w:sectPr><w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>)"
               R"(<w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" w:header="709" w:footer="709" w:gutter="0"/>)"
               R"(</w:sectPr></w:body></w:document>)";
    return R"(<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>)"
           R"(<w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" w:header="709" w:footer="709" w:gutter="0"/>)"
           R"(</w:sectPr></w:body></w:document>)";
}

std::string WrapBody(std::string_view bodyXml) {
    std::string xml(DocumentXmlStart());
    xml += bodyXml;
    xml += DocumentXmlEnd();
    return xml;
}

std::string DefaultStylesXml(std::string_view font, int fontHalfPoints) {
    const std::string name(font);
    const std::string size = std::to_string(fontHalfPoints);
    return std::string(kXmlDeclaration) +
           R"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
           R"(<w:docDefaults><w:rPrDefault><w:rPr>)"
           R"(<w:rFonts w:ascii=")" +
           name + R"(" w:hAnsi=")" + name + R"(" w:eastAsia=")" + name + R"(" w:cs=")" + name +
           R"("/>)"
           R"(<w:sz w:val=")" +
           size + R"("/><w:szCs w:val=")" + size +
           R"("/>)"
           R"(<w:lang w:val="ru-RU" w:eastAsia="ru-RU" w:bidi="ar-SA"/>)"
           R"(</w:rPr></w:rPrDefault><w:pPrDefault/></w:docDefaults>)"
           R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>)"
           R"(<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont"><w:name w:val="Default Paragraph Font"/><w:uiPriority w:val="1"/><w:semiHidden/></w:style>)"
           R"(<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:semiHidden/>)"
           R"(<w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/>)"
           R"(<w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>)"
           R"(</w:styles>)";
}

}  // namespace tabulex::ooxml
