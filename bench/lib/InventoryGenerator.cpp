#include "InventoryGenerator.h"

#include "InventoryParts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace tabulex::bench {
namespace {

using namespace std::string_view_literals;

// Column widths in twentieths of a point: №, title, dates, sheets, notes.
constexpr std::array<std::string_view, 5> kColumnWidths = {"851"sv, "5387"sv, "1560"sv, "992"sv, "992"sv};
constexpr std::string_view kTableWidth = "9782";
constexpr std::array<std::string_view, 5> kHeader = {"№ п/п"sv, "Заголовок дела"sv, "Крайние даты"sv,
                                                     "Кол-во листов"sv, "Примечание"sv};

// Streams word/document.xml into one string, with as little markup as Word itself writes for
// plain table text (no revision ids, widths only where the layout needs them).
class DocumentXmlWriter {
  public:
    explicit DocumentXmlWriter(std::string& out) : out_(out) {}

    void Begin() {
        out_ += R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                "\n"
                R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )"
                R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><w:body>)";
    }
    void End() {
        out_ +=
            R"(<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>)"
            R"(<w:pgMar w:top="1134" w:right="850" w:bottom="1134" w:left="1701" w:header="708" w:footer="708" w:gutter="0"/>)"
            R"(</w:sectPr></w:body></w:document>)";
    }

    void Paragraph(std::string_view text, bool bold, bool centred) {
        out_ += "<w:p>";
        if (centred || bold) {
            out_ += "<w:pPr>";
            if (centred) out_ += R"(<w:jc w:val="center"/>)";
            if (bold) out_ += "<w:rPr><w:b/></w:rPr>";
            out_ += "</w:pPr>";
        }
        if (!text.empty()) Run(text, bold);
        out_ += "</w:p>";
    }

    void BeginTable() {
        out_ += R"(<w:tbl><w:tblPr><w:tblW w:w=")";
        out_ += kTableWidth;
        out_ +=
            R"(" w:type="dxa"/><w:tblBorders>)"
            R"(<w:top w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
            R"(<w:left w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
            R"(<w:bottom w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
            R"(<w:right w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
            R"(<w:insideH w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
            R"(<w:insideV w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
            R"(</w:tblBorders><w:tblLayout w:type="fixed"/><w:tblLook w:val="04A0"/></w:tblPr><w:tblGrid>)";
        for (std::string_view width : kColumnWidths) {
            out_ += R"(<w:gridCol w:w=")";
            out_ += width;
            out_ += R"("/>)";
        }
        out_ += "</w:tblGrid>";
    }
    void EndTable() { out_ += "</w:tbl>"; }

    void Row(const InventoryRow& row) {
        switch (row.Kind) {
            case InventoryRowKind::Header:
                BeginRow(true, true);
                for (std::size_t k = 0; k < kHeader.size(); ++k)
                    WidthCell(kHeader[k], kColumnWidths[k], true);
                break;
            case InventoryRowKind::Numbering: {
                BeginRow(true, true);
                static constexpr std::array<std::string_view, 5> kDigits = {"1"sv, "2"sv, "3"sv, "4"sv,
                                                                            "5"sv};
                for (std::size_t k = 0; k < kDigits.size(); ++k)
                    WidthCell(kDigits[k], kColumnWidths[k], false);
                break;
            }
            case InventoryRowKind::Heading:
                BeginRow(row.CantSplit, false);
                HeadingCell(row);
                break;
            case InventoryRowKind::Empty:
                BeginRow(row.CantSplit, false);
                for (int k = 0; k < 5; ++k) out_ += "<w:tc><w:p/></w:tc>";
                break;
            case InventoryRowKind::Data:
                BeginRow(row.CantSplit, false);
                if (row.ListNumId > 0)
                    ListNumberCell(row.ListNumId);
                else
                    Cell(row.Number);
                Cell(row.Title);
                Cell(row.Dates);
                Cell(row.Quantity);
                Cell(row.Notes);
                break;
        }
        out_ += "</w:tr>";
    }

  private:
    void BeginRow(bool cantSplit, bool repeatedHeader) {
        out_ += "<w:tr>";
        if (!cantSplit && !repeatedHeader) return;
        out_ += "<w:trPr>";
        if (cantSplit) out_ += "<w:cantSplit/>";
        if (repeatedHeader) out_ += "<w:tblHeader/>";
        out_ += "</w:trPr>";
    }

    void Run(std::string_view text, bool bold) {
        out_ += "<w:r>";
        if (bold) out_ += "<w:rPr><w:b/></w:rPr>";
        // Blanks at the ends or doubled inside are kept only under xml:space="preserve".
        bool preserve =
            text.front() == ' ' || text.back() == ' ' || text.find("  ") != std::string_view::npos;
        out_ += preserve ? R"(<w:t xml:space="preserve">)" : "<w:t>";
        out_ += text;
        out_ += "</w:t></w:r>";
    }

    void Cell(std::string_view text) {
        if (text.empty()) {
            out_ += "<w:tc><w:p/></w:tc>";
            return;
        }
        out_ += "<w:tc><w:p>";
        Run(text, false);
        out_ += "</w:p></w:tc>";
    }

    void WidthCell(std::string_view text, std::string_view width, bool bold) {
        out_ += R"(<w:tc><w:tcPr><w:tcW w:w=")";
        out_ += width;
        out_ += R"(" w:type="dxa"/></w:tcPr>)";
        out_ += R"(<w:p><w:pPr><w:jc w:val="center"/>)";
        if (bold) out_ += "<w:rPr><w:b/></w:rPr>";
        out_ += "</w:pPr>";
        Run(text, bold);
        out_ += "</w:p></w:tc>";
    }

    // A rubric spans the table: one merged cell, centred, bold and kept with the next row.
    void HeadingCell(const InventoryRow& row) {
        out_ += R"(<w:tc><w:tcPr><w:tcW w:w=")";
        out_ += kTableWidth;
        out_ += R"(" w:type="dxa"/><w:gridSpan w:val="5"/></w:tcPr><w:p><w:pPr>)";
        if (row.KeepNext) out_ += "<w:keepNext/>";
        out_ += R"(<w:jc w:val="center"/>)";
        if (row.Bold) out_ += "<w:rPr><w:b/></w:rPr>";
        out_ += "</w:pPr>";
        Run(row.Title, row.Bold);
        out_ += "</w:p></w:tc>";
    }

    // The case number is Word's list number: the cell holds no text, only the paragraph's w:numPr.
    void ListNumberCell(int numId) {
        out_ += R"(<w:tc><w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val=")";
        char buffer[16];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, numId);
        out_.append(buffer, end);
        out_ += R"("/></w:numPr></w:pPr></w:p></w:tc>)";
    }

    std::string& out_;
};

void WritePreface(DocumentXmlWriter& writer) {
    writer.Paragraph("Архивный отдел администрации Заречного района", false, true);
    writer.Paragraph("Фонд № Р-123", true, true);
    writer.Paragraph("Исполнительный комитет Заречного районного Совета депутатов трудящихся", true, true);
    writer.Paragraph("", false, false);
    writer.Paragraph("УТВЕРЖДАЮ", false, false);
    writer.Paragraph("Начальник архивного отдела", false, false);
    writer.Paragraph("____________ Петрова А.С.", false, false);
    writer.Paragraph("", false, false);
    writer.Paragraph("Опись № 1", true, true);
    writer.Paragraph("дел постоянного хранения за 1941-1975 годы", true, true);
}

void WriteClosing(DocumentXmlWriter& writer, const InventoryCounts& counts) {
    std::string line = "В данный раздел описи внесено " + std::to_string(counts.DataRows) +
                       " дел с № 1 по № " + std::to_string(counts.LastCaseNumber) + ".";
    writer.Paragraph("", false, false);
    writer.Paragraph(line, false, false);
    writer.Paragraph("Старший архивист Иванова И.П.", false, false);
    writer.Paragraph("Дата составления описи 12.03.1976", false, false);
}

// Bytes per row are about 430 on average; the reservation is generous because untouched capacity
// of a large allocation costs address space, not memory.
constexpr long long kReservedBytesPerRow = 640;

}  // namespace

InventoryDocument BuildInventoryDocument(const InventoryOptions& options) {
    InventoryDocument document;
    std::string& xml = document.DocumentXml;
    xml.reserve(static_cast<std::size_t>(std::max(options.Rows, 0LL) * kReservedBytesPerRow + 16384));
    DocumentXmlWriter writer(xml);
    writer.Begin();
    WritePreface(writer);
    writer.BeginTable();
    InventoryContent content(options.Rows, options.Seed, options.FaultPerMille);
    InventoryRow row;
    while (content.NextRow(row)) writer.Row(row);
    writer.EndTable();
    WriteClosing(writer, content.Counts());
    writer.End();

    document.NumberingXml = NumberingXml(content.ListStarts());
    document.Stats.Counts = content.Counts();
    document.Stats.DocumentXmlBytes = static_cast<long long>(xml.size());
    document.Stats.Lists = static_cast<long long>(content.ListStarts().size());
    return document;
}

ooxml::Package MakeInventoryPackage(const InventoryOptions& options, InventoryStats* stats) {
    InventoryDocument document = BuildInventoryDocument(options);
    if (stats) *stats = document.Stats;
    auto package = ooxml::Package::CreateEmpty("inventory.docx");
    package.SetBytes("[Content_Types].xml", std::string(ContentTypesXml()));
    package.SetBytes("_rels/.rels", std::string(PackageRelationshipsXml()));
    package.SetBytes("word/document.xml", std::move(document.DocumentXml));
    package.SetBytes("word/_rels/document.xml.rels", std::string(DocumentRelationshipsXml()));
    package.SetBytes("word/styles.xml", StylesXml());
    package.SetBytes("word/numbering.xml", std::move(document.NumberingXml));
    return package;
}

InventoryStats WriteInventory(const std::string& path, const InventoryOptions& options) {
    InventoryStats stats;
    MakeInventoryPackage(options, &stats).Save(path);
    return stats;
}

}  // namespace tabulex::bench
