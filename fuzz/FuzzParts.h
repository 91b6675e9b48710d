#pragma once

// Fixed parts for the fuzz targets that vary one part of a package: a style sheet and a numbering
// with the constructs bold, keep-with-next and list numbers depend on, and a document that uses them.

namespace tabulex::fuzz {

inline constexpr const char* kStylesXml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:docDefaults><w:rPrDefault><w:rPr><w:lang w:val="ru-RU"/></w:rPr></w:rPrDefault></w:docDefaults>
<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>
<w:style w:type="paragraph" w:styleId="Head"><w:name w:val="Head"/><w:pPr><w:keepNext/></w:pPr><w:rPr><w:b/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="HeadChild"><w:name w:val="HeadChild"/><w:basedOn w:val="Head"/></w:style>
<w:style w:type="character" w:styleId="Strong"><w:name w:val="Strong"/><w:rPr><w:b/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Item"><w:name w:val="Item"/><w:pPr><w:numPr><w:numId w:val="1"/></w:numPr></w:pPr></w:style>
<w:style w:type="paragraph" w:styleId="SubItem"><w:name w:val="SubItem"/><w:pPr><w:numPr><w:ilvl w:val="1"/><w:numId w:val="1"/></w:numPr></w:pPr></w:style>
<w:style w:type="table" w:styleId="BoldGrid"><w:name w:val="BoldGrid"/><w:rPr><w:b/></w:rPr></w:style>
<w:style w:type="table" w:styleId="KeepGrid"><w:name w:val="KeepGrid"/><w:pPr><w:keepNext/></w:pPr></w:style>
</w:styles>)";

inline constexpr const char* kNumberingXml = R"xml(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:numbering xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/></w:lvl><w:lvl w:ilvl="1"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1.%2."/></w:lvl></w:abstractNum>
<w:abstractNum w:abstractNumId="1"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="russianLower"/><w:lvlText w:val="%1)"/></w:lvl></w:abstractNum>
<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>
<w:num w:numId="2"><w:abstractNumId w:val="1"/></w:num>
<w:num w:numId="3"><w:abstractNumId w:val="0"/><w:lvlOverride w:ilvl="0"><w:startOverride w:val="5"/></w:lvlOverride></w:num>
</w:numbering>)xml";

// A table of numbered and styled paragraphs: numbering given directly and through styles, levels,
// an override, a list that does not exist, bold by run, character, paragraph and table style.
inline constexpr const char* kNumberedDocumentXml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>
<w:p><w:pPr><w:pStyle w:val="Item"/></w:pPr><w:r><w:t>before</w:t></w:r></w:p>
<w:tbl><w:tblPr><w:tblStyle w:val="BoldGrid"/></w:tblPr><w:tblGrid><w:gridCol w:w="2000"/><w:gridCol w:w="2000"/><w:gridCol w:w="2000"/></w:tblGrid>
<w:tr><w:tc><w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val="1"/></w:numPr></w:pPr><w:r><w:t>one</w:t></w:r></w:p></w:tc>
<w:tc><w:p><w:pPr><w:pStyle w:val="Head"/></w:pPr><w:r><w:t>head</w:t></w:r></w:p></w:tc>
<w:tc><w:p><w:pPr><w:pStyle w:val="SubItem"/></w:pPr><w:r><w:rPr><w:b w:val="0"/></w:rPr><w:t>sub</w:t></w:r></w:p></w:tc></w:tr>
<w:tr><w:trPr><w:cantSplit/></w:trPr><w:tc><w:p><w:pPr><w:pStyle w:val="Item"/></w:pPr><w:r><w:rPr><w:rStyle w:val="Strong"/></w:rPr><w:t>two</w:t></w:r></w:p></w:tc>
<w:tc><w:p><w:pPr><w:pStyle w:val="HeadChild"/><w:numPr><w:ilvl w:val="1"/><w:numId w:val="3"/></w:numPr></w:pPr><w:r><w:t>child</w:t></w:r></w:p></w:tc>
<w:tc><w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val="2"/></w:numPr></w:pPr><w:r><w:t>a</w:t></w:r></w:p><w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val="2"/></w:numPr></w:pPr><w:r><w:t>b</w:t></w:r></w:p></w:tc></w:tr>
<w:tr><w:tc><w:p><w:pPr><w:numPr><w:ilvl w:val="4"/><w:numId w:val="7"/></w:numPr></w:pPr><w:r><w:t>seven</w:t></w:r></w:p></w:tc>
<w:tc><w:p><w:pPr><w:pStyle w:val="Missing"/><w:numPr><w:ilvl w:val="8"/><w:numId w:val="1"/></w:numPr></w:pPr><w:r><w:t>deep</w:t></w:r></w:p></w:tc>
<w:tc><w:p><w:pPr><w:numPr><w:numId w:val="0"/></w:numPr></w:pPr><w:r><w:rPr><w:b/></w:rPr><w:t>off</w:t></w:r><w:r><w:t>mixed</w:t></w:r></w:p></w:tc></w:tr>
</w:tbl>
<w:tbl><w:tblPr><w:tblStyle w:val="KeepGrid"/></w:tblPr><w:tblGrid><w:gridCol w:w="2000"/></w:tblGrid>
<w:tr><w:tc><w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val="1"/></w:numPr></w:pPr><w:r><w:t>again</w:t></w:r></w:p></w:tc></w:tr>
<w:tr><w:tc><w:p><w:pPr><w:pStyle w:val="SubItem"/></w:pPr><w:r><w:t>again sub</w:t></w:r></w:p></w:tc></w:tr>
</w:tbl>
<w:sectPr/></w:body></w:document>)";

}  // namespace tabulex::fuzz
