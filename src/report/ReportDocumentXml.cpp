#include "report/ReportDocumentXml.h"

#include "ooxml/MinimalPackage.h"
#include "ooxml/TextParagraphs.h"
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
        for (char c : piece) {
            switch (c) {
                case '&':
                    out += "&amp;";
                    break;
                case '<':
                    out += "&lt;";
                    break;
                case '>':
                    out += "&gt;";
                    break;
                default:
                    out += c;
            }
        }
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

// The table of the header and problem lines. Fitted to its contents, its columns are as wide as
// their texts need (ReportColumnWidths.h); otherwise equal over the text width. The header row is
// repeated on every page, and no row breaks across pages.
class TableWriter {
  public:
    TableWriter(std::string& out, std::vector<int> widths, bool fitToContents)
        : out_(out), widths_(std::move(widths)) {
        int total = 0;
        for (int width : widths_) total += width;
        out_ +=
            "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(total) + "\" w:type=\"dxa\"/><w:tblBorders>";
        for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
            out_ += "<w:";
            out_ += side;
            out_ += " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
        }
        out_ += "</w:tblBorders><w:tblLayout w:type=\"";
        out_ += fitToContents ? "autofit" : "fixed";
        out_ += "\"/><w:tblLook w:val=\"04A0\"/></w:tblPr><w:tblGrid>";
        for (int width : widths_) out_ += "<w:gridCol w:w=\"" + std::to_string(width) + "\"/>";
        out_ += "</w:tblGrid>";
    }

    // One row of as many cells as columns; the first row is the header.
    void Row(std::string_view line) {
        out_ += rows_++ == 0 ? "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"
                             : "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
        const std::vector<std::string_view> fields = TableFields(line, static_cast<int>(widths_.size()));
        for (std::size_t c = 0; c < widths_.size(); ++c)
            Cell(c, c < fields.size() ? fields[c] : std::string_view());
        out_ += "</w:tr>";
    }

    void End() { out_ += "</w:tbl>"; }

  private:
    void Cell(std::size_t column, std::string_view field) {
        out_ +=
            "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(widths_[column]) + "\" w:type=\"dxa\"/></w:tcPr>";
        AppendParagraph(out_, field);
        out_ += "</w:tc>";
    }

    std::string& out_;
    std::vector<int> widths_;
    int rows_ = 0;
};

struct TablePages {
    std::vector<int> Widths;
    bool Landscape = false;
};

long long Pages(long long heightTwips, int pageTwips) {
    return (heightTwips + pageTwips - 1) / pageTwips;
}

// The columns of the table of `lines` and the pages it is set on: equal fixed columns or, fitted to
// their contents, on the page (portrait or landscape) that takes fewer pages.
TablePages LayTable(const std::vector<std::string_view>& lines, int columns, bool fitToContents) {
    const bool wide = columns > kPortraitColumns;
    if (!fitToContents) {
        const int width = wide ? kLandscapeWidthTwips : kTextWidthTwips;
        return {std::vector<int>(static_cast<std::size_t>(columns), width / columns), wide};
    }
    const TableMeasure measure(lines, columns, kFittedTableHalfPoints);
    TablePages landscape{measure.FitWidths(kLandscapeWidthTwips), true};
    if (wide) return landscape;
    TablePages portrait{measure.FitWidths(kTextWidthTwips), false};
    const long long portraitHeight = measure.HeightTwips(portrait.Widths);
    const long long landscapeHeight = measure.HeightTwips(landscape.Widths);
    // Turned when that takes no more pages and the rows wrap clearly less (the table a fifth lower).
    const bool saves =
        Pages(landscapeHeight, kLandscapeHeightTwips) <= Pages(portraitHeight, kTextHeightTwips) &&
        landscapeHeight * 100 <= portraitHeight * (100 - kLandscapeLowerPercent);
    return saves ? landscape : portrait;
}

std::vector<std::string_view> ReportLines(std::string_view textUtf8) {
    std::vector<std::string_view> lines = ooxml::SplitParagraphs(textUtf8);
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();  // the last line's own line end
    return lines;
}

std::string FontProperties() {
    const std::string font(kReportFont);
    const std::string size = std::to_string(kTextHalfPoints);
    return "<w:rPr><w:rFonts w:ascii=\"" + font + "\" w:hAnsi=\"" + font + "\" w:eastAsia=\"" + font +
           "\" w:cs=\"" + font + "\"/><w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/></w:rPr>";
}

}  // namespace

std::string ReportDocumentXml(std::string_view textUtf8, const ReportDocumentLayout& layout) {
    const std::vector<std::string_view> lines = ReportLines(textUtf8);
    std::string out(ooxml::DocumentXmlStart());
    out.reserve(out.size() + textUtf8.size() * 3 + lines.size() * 120);
    std::size_t next = 0;
    const int columns = std::max(layout.TableColumns, 1);
    bool landscape = false;
    if (layout.ToTable) {
        const std::size_t tableLines = std::min<std::size_t>(std::max(layout.TableLines, 1), lines.size());
        const std::vector<std::string_view> tableText(
            lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(tableLines));
        TablePages laid = LayTable(tableText, columns, layout.FitToContents);
        landscape = laid.Landscape;
        TableWriter table(out, std::move(laid.Widths), layout.FitToContents);
        for (; next < tableLines; ++next) table.Row(lines[next]);
        table.End();
        if (next == lines.size()) out += "<w:p/>";  // a table is always followed by a paragraph
    }
    // The table's cells take the font and its size from the document defaults; the paragraphs
    // outside it carry them directly, so that they keep the text's size beside a fitted table and
    // text copied from them into another document stays in the font.
    const std::string font = FontProperties();
    for (; next < lines.size(); ++next) AppendParagraph(out, lines[next], font);
    out += ooxml::DocumentXmlEnd(landscape ? ooxml::PageOrientation::Landscape
                                           : ooxml::PageOrientation::Portrait);
    return out;
}

std::string ReportStylesXml(const ReportDocumentLayout& layout) {
    const bool fittedTable = layout.ToTable && layout.FitToContents;
    return ooxml::DefaultStylesXml(kReportFont, fittedTable ? kFittedTableHalfPoints : kTextHalfPoints);
}

}  // namespace tabulex::report
