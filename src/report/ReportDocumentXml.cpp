#include "report/ReportDocumentXml.h"

#include "ooxml/MinimalPackage.h"
#include "report/ReportColumnWidths.h"

#include <algorithm>
#include <vector>

namespace tabulex::report {
namespace {

constexpr int kTextWidthTwips = 9638;  // A4 with 2 cm margins
constexpr int kTextHeightTwips = 14570;
constexpr int kLandscapeWidthTwips = kTextHeightTwips;  // the same page turned
constexpr int kLandscapeHeightTwips = kTextWidthTwips;
// A table wider than this many columns is set on landscape pages; a narrower one when that takes
// no more pages and makes the table at least a fifth lower (its rows wrap less).
constexpr int kPortraitColumns = 6;
constexpr int kLandscapeLowerPercent = 20;
// The report's text is set at 12 points; a table fitted to its contents at 10, as dense tables are.
constexpr int kTextHalfPoints = 24;
constexpr int kFittedTableHalfPoints = 20;

// The text of one line, or of one field, as the content of a run: TAB a tab, 11 a line break,
// 12 a page break, other control characters dropped; runs of text escaped, their leading and
// trailing spaces kept.
void AppendRunContent(std::string& out, std::string_view line) {
    auto text = [&](std::string_view piece) {
        if (piece.empty()) return;
        out += piece.front() == ' ' || piece.back() == ' ' ? "<w:t xml:space=\"preserve\">" : "<w:t>";
        std::size_t plain = 0;
        for (std::size_t i = 0; i < piece.size(); ++i) {
            const char c = piece[i];
            if (c != '&' && c != '<' && c != '>') continue;
            out.append(piece.substr(plain, i - plain));
            out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;";
            plain = i + 1;
        }
        piece.remove_prefix(plain);
        out.append(piece);
        out += "</w:t>";
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c >= 0x20) continue;
        text(line.substr(start, i - start));
        start = i + 1;
        if (c == '\t')
            out += "<w:tab/>";
        else if (c == 0x0B)
            out += "<w:br/>";
        else if (c == 0x0C)
            out += "<w:br w:type=\"page\"/>";
    }
    text(line.substr(start));
}

// A paragraph of one run; an empty line is an empty paragraph. `runProperties` go on the run.
void AppendParagraph(std::string& out, std::string_view line, std::string_view runProperties = {}) {
    if (line.empty()) {
        out += "<w:p/>";
        return;
    }
    out += "<w:p><w:r>";
    out += runProperties;
    AppendRunContent(out, line);
    out += "</w:r></w:p>";
}

// The start of the table of the header and problem lines. Fitted to its contents, its columns are as
// wide as their texts need (ReportColumnWidths.h); otherwise equal over the text width.
void AppendTableStart(std::string& out, const std::vector<int>& widths, bool fitToContents) {
    int total = 0;
    for (int width : widths) total += width;
    out += "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(total) + "\" w:type=\"dxa\"/><w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        out += "<w:";
        out += side;
        out += " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
    }
    out += "</w:tblBorders><w:tblLayout w:type=\"";
    out += fitToContents ? "autofit" : "fixed";
    out += "\"/><w:tblLook w:val=\"04A0\"/></w:tblPr><w:tblGrid>";
    for (int width : widths) out += "<w:gridCol w:w=\"" + std::to_string(width) + "\"/>";
    out += "</w:tblGrid>";
}

struct TablePages {
    std::vector<int> Widths;
    bool Landscape = false;
};

long long Pages(long long heightTwips, int pageTwips) {
    return (heightTwips + pageTwips - 1) / pageTwips;
}

// The columns of the table and the pages it is set on: equal fixed columns or, fitted to their
// contents, on the page (portrait or landscape) that takes fewer pages.
TablePages LayTable(const TableMeasure* measure, int columns) {
    const bool wide = columns > kPortraitColumns;
    if (!measure) {
        const int width = wide ? kLandscapeWidthTwips : kTextWidthTwips;
        return {std::vector<int>(static_cast<std::size_t>(columns), width / columns), wide};
    }
    TablePages landscape{measure->FitWidths(kLandscapeWidthTwips), true};
    if (wide) return landscape;
    TablePages portrait{measure->FitWidths(kTextWidthTwips), false};
    const long long portraitHeight = measure->HeightTwips(portrait.Widths);
    const long long landscapeHeight = measure->HeightTwips(landscape.Widths);
    // Turned when that takes no more pages and the rows wrap clearly less (the table a fifth lower).
    const bool saves =
        Pages(landscapeHeight, kLandscapeHeightTwips) <= Pages(portraitHeight, kTextHeightTwips) &&
        landscapeHeight * 100 <= portraitHeight * (100 - kLandscapeLowerPercent);
    return saves ? landscape : portrait;
}

// About this much XML is handed to the zip at a time.
constexpr std::size_t kPieceBytes = 1 << 18;

std::string FontProperties() {
    const std::string font(kReportFont);
    const std::string size = std::to_string(kTextHalfPoints);
    return "<w:rPr><w:rFonts w:ascii=\"" + font + "\" w:hAnsi=\"" + font + "\" w:eastAsia=\"" + font +
           "\" w:cs=\"" + font + "\"/><w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/></w:rPr>";
}

}  // namespace

ReportDocumentXml::ReportDocumentXml(const std::filesystem::path& reportFile, Encoding encoding,
                                     const ReportDocumentLayout& layout)
    : reportFile_(reportFile), encoding_(encoding), layout_(layout), font_(FontProperties()) {
    layout_.TableColumns = std::max(layout_.TableColumns, 1);
    if (layout_.ToTable) {
        // The table is as long as the report when the report is shorter than the lines asked for.
        ReportTextLines counted(reportFile_, encoding_);
        const auto wanted = static_cast<std::size_t>(std::max(layout_.TableLines, 1));
        while (tableLines_ < wanted && counted.Skip()) ++tableLines_;
        StartTable(tableLines_);
    }
    lines_.emplace(reportFile_, encoding_);
}

void ReportDocumentXml::StartTable(std::size_t tableLines) {
    if (!layout_.FitToContents) {
        TablePages laid = LayTable(nullptr, layout_.TableColumns);
        widths_ = std::move(laid.Widths);
        landscape_ = laid.Landscape;
        return;
    }
    TableMeasure measure(layout_.TableColumns, kFittedTableHalfPoints, tableLines);
    ReportTextLines measured(reportFile_, encoding_);
    for (std::size_t k = 0; k < tableLines && measured.Next(line_); ++k) measure.Add(line_);
    TablePages laid = LayTable(&measure, layout_.TableColumns);
    widths_ = std::move(laid.Widths);
    landscape_ = laid.Landscape;
}

// One row of as many cells as columns; the first row is the header, repeated on every page. No row
// breaks across pages.
void ReportDocumentXml::AppendRow(std::string& out, std::string_view line) {
    out += written_ == 0 ? "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"
                         : "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
    if (cellStarts_.empty()) {
        for (int width : widths_)
            cellStarts_.push_back("<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(width) +
                                  "\" w:type=\"dxa\"/></w:tcPr>");
    }
    // The fields as TableFields splits them: the last cell keeps any further tabs.
    bool more = true;
    for (std::size_t c = 0; c < cellStarts_.size(); ++c) {
        std::string_view field;
        if (more) {
            const std::size_t tab = c + 1 < cellStarts_.size() ? line.find('\t') : std::string_view::npos;
            field = line.substr(0, tab);
            more = tab != std::string_view::npos;
            if (more) line.remove_prefix(tab + 1);
        }
        out += cellStarts_[c];
        AppendParagraph(out, field);
        out += "</w:tc>";
    }
    out += "</w:tr>";
}

bool ReportDocumentXml::Next(std::string& out) {
    if (ended_) return false;
    if (!started_) {
        started_ = true;
        out += ooxml::DocumentXmlStart();
        if (layout_.ToTable) AppendTableStart(out, widths_, layout_.FitToContents);
    }
    const std::size_t limit = out.size() + kPieceBytes;
    while (out.size() < limit) {
        if (!lines_->Next(line_)) {
            if (written_ == tableLines_ && tableLines_ > 0)
                out += "</w:tbl><w:p/>";  // a table is always followed by a paragraph
            out += ooxml::DocumentXmlEnd(landscape_ ? ooxml::PageOrientation::Landscape
                                                    : ooxml::PageOrientation::Portrait);
            ended_ = true;
            return false;
        }
        if (written_ < tableLines_) {
            AppendRow(out, line_);
        } else {
            if (written_ == tableLines_ && tableLines_ > 0) out += "</w:tbl>";
            // The table's cells take the font and its size from the document defaults; the
            // paragraphs outside it carry them directly, so that they keep the text's size beside a
            // fitted table and text copied from them into another document stays in the font.
            AppendParagraph(out, line_, font_);
        }
        ++written_;
    }
    return true;
}

std::string ReportStylesXml(const ReportDocumentLayout& layout) {
    const bool fittedTable = layout.ToTable && layout.FitToContents;
    return ooxml::DefaultStylesXml(kReportFont, fittedTable ? kFittedTableHalfPoints : kTextHalfPoints);
}

}  // namespace tabulex::report
