#include "InventoryParts.h"

#include "ooxml/MinimalPackage.h"

namespace tabulex::bench {

std::string_view ContentTypesXml() {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
           R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
           R"(<Default Extension="xml" ContentType="application/xml"/>)"
           R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
           R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
           R"(<Override PartName="/word/numbering.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml"/>)"
           R"(</Types>)";
}

std::string_view PackageRelationshipsXml() {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
           R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
           R"(</Relationships>)";
}

std::string_view DocumentRelationshipsXml() {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
           R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
           R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering" Target="numbering.xml"/>)"
           R"(</Relationships>)";
}

std::string StylesXml() {
    return ooxml::DefaultStylesXml("Times New Roman");
}

std::string NumberingXml(const std::vector<long long>& listStarts) {
    std::string xml =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:numbering xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
        R"(<w:abstractNum w:abstractNumId="0"><w:multiLevelType w:val="singleLevel"/>)"
        R"(<w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/>)"
        R"(<w:lvlJc w:val="left"/><w:pPr><w:ind w:left="360" w:hanging="360"/></w:pPr></w:lvl>)"
        R"(</w:abstractNum>)";
    for (std::size_t k = 0; k < listStarts.size(); ++k) {
        std::string id = std::to_string(k + 1);
        xml += R"(<w:num w:numId=")" + id + R"("><w:abstractNumId w:val="0"/>)";
        xml += R"(<w:lvlOverride w:ilvl="0"><w:startOverride w:val=")" + std::to_string(listStarts[k]) +
               R"("/></w:lvlOverride></w:num>)";
    }
    xml += "</w:numbering>";
    return xml;
}

}  // namespace tabulex::bench
