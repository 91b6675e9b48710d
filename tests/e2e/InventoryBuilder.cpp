#include "e2e/InventoryBuilder.h"

#include "ooxml/MinimalPackage.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace tabulex::e2e {
namespace {

struct PlannedRow {
    std::string Flags;
    std::vector<std::string> Cells;
    bool Has(char flag) const { return Flags.find(flag) != std::string::npos; }
};

struct PlannedTable {
    std::vector<PlannedRow> Rows;
    int GridColumns() const {
        std::size_t columns = 1;
        for (const auto& row : Rows)
            if (!row.Has('m')) columns = std::max(columns, row.Cells.size());
        return static_cast<int>(columns);
    }
};

// A body block: a paragraph of text or a table.
struct Block {
    std::string Paragraph;
    PlannedTable Table;
    bool IsTable = false;
};

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

std::string EscapeXml(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string Runs(const std::string& paragraph, bool bold) {
    const std::string runProperties = bold ? "<w:rPr><w:b/></w:rPr>" : "";
    std::string xml;
    const auto pieces = Split(paragraph, "{br}");
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        if (k > 0) xml += "<w:r>" + runProperties + "<w:br/></w:r>";
        std::string piece = pieces[k];
        for (std::size_t at; (at = piece.find("{nbsp}")) != std::string::npos;)
            piece.replace(at, 6, "\xC2\xA0");
        if (!piece.empty())
            xml +=
                "<w:r>" + runProperties + "<w:t xml:space=\"preserve\">" + EscapeXml(piece) + "</w:t></w:r>";
    }
    return xml;
}

std::string CellXml(const std::string& text, const PlannedRow& row, bool firstCell, int span) {
    std::string xml = "<w:tc><w:tcPr>";
    if (span > 1) xml += "<w:gridSpan w:val=\"" + std::to_string(span) + "\"/>";
    xml += "</w:tcPr>";
    for (const auto& paragraph : Split(text, "{p}")) {
        xml += "<w:p><w:pPr>";
        if (row.Has('k')) xml += "<w:keepNext/>";
        if (firstCell && row.Has('l'))
            xml += "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>";
        xml += "</w:pPr>" + Runs(paragraph, row.Has('b')) + "</w:p>";
    }
    return xml + "</w:tc>";
}

std::string TableXml(const PlannedTable& table) {
    const int columns = table.GridColumns();
    std::string xml = "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr><w:tblGrid>";
    for (int c = 0; c < columns; ++c) xml += "<w:gridCol w:w=\"" + std::to_string(9000 / columns) + "\"/>";
    xml += "</w:tblGrid>";
    for (const auto& row : table.Rows) {
        xml += "<w:tr>";
        if (!row.Has('s')) xml += "<w:trPr><w:cantSplit/></w:trPr>";
        if (row.Has('m')) {
            xml += CellXml(row.Cells.empty() ? "" : row.Cells.front(), row, true, columns);
        } else {
            for (int c = 0; c < columns; ++c) {
                const std::string text = c < static_cast<int>(row.Cells.size()) ? row.Cells[c] : "";
                xml += CellXml(text, row, c == 0, 1);
            }
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

std::string NumberingXml(int start) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           R"(<w:numbering xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
           R"(<w:abstractNum w:abstractNumId="0"><w:multiLevelType w:val="singleLevel"/>)"
           R"(<w:lvl w:ilvl="0"><w:start w:val=")" +
           std::to_string(start) +
           R"("/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/><w:lvlJc w:val="left"/></w:lvl>)"
           R"(</w:abstractNum><w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num></w:numbering>)";
}

}  // namespace

std::string InventoryDocxBytes(const std::string& planUtf8) {
    std::vector<Block> blocks;
    int listStart = 1;
    auto currentTable = [&]() -> PlannedTable& {
        if (blocks.empty() || !blocks.back().IsTable) blocks.push_back({"", {}, true});
        return blocks.back().Table;
    };
    std::istringstream lines(planUtf8);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.starts_with("#")) continue;
        if (line.starts_with("@para ")) {
            blocks.push_back({line.substr(6), {}, false});
        } else if (line == "@table") {
            blocks.push_back({"", {}, true});
        } else if (line.starts_with("@list-start ")) {
            listStart = std::stoi(line.substr(12));
        } else if (line.starts_with("@")) {
            throw std::invalid_argument("unknown directive in an inventory plan: " + line);
        } else {
            auto fields = Split(line, "\t");
            PlannedRow row{fields.front() == "-" ? "" : fields.front(), {fields.begin() + 1, fields.end()}};
            currentTable().Rows.push_back(std::move(row));
        }
    }
    std::string body;
    bool numbered = false;
    for (const auto& block : blocks) {
        if (!block.IsTable) {
            body += "<w:p>" + Runs(block.Paragraph, false) + "</w:p>";
            continue;
        }
        body += TableXml(block.Table) + "<w:p/>";
        for (const auto& row : block.Table.Rows) numbered = numbered || row.Has('l');
    }
    ooxml::DocxParts parts;
    parts.Document = ooxml::WrapBody(body);
    parts.Styles = ooxml::DefaultStylesXml();
    if (numbered) parts.Numbering = NumberingXml(listStart);
    return ooxml::BuildDocxBytes(parts);
}

void WriteInventory(const std::string& planUtf8, const std::filesystem::path& path) {
    const std::string bytes = InventoryDocxBytes(planUtf8);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace tabulex::e2e
