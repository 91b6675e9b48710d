#include "report/ReportDocumentXml.h"

#include "ooxml/MinimalPackage.h"
#include "ooxml/TextParagraphs.h"

#include <algorithm>
#include <vector>

namespace tabulex::report {
namespace {

constexpr int kTextWidthTwips = 9638;  // A4 with 2 cm margins

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

class TableWriter {
  public:
    TableWriter(std::string& out, int columns, bool fitToContents)
        : out_(out),
          columns_(columns),
          // A cell without a width fits its contents; fixed columns give every cell its width.
          cellStart_(fitToContents ? std::string("<w:tc>")
                                   : "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(ColumnWidth()) +
                                         "\" w:type=\"dxa\"/></w:tcPr>") {
        out_ += "<w:tbl><w:tblPr><w:tblW w:w=\"";
        out_ += fitToContents ? "0\" w:type=\"auto"
                              : std::to_string(ColumnWidth() * columns_) + "\" w:type=\"dxa";
        out_ += "\"/><w:tblBorders>";
        for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
            out_ += "<w:";
            out_ += side;
            out_ += " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
        }
        out_ += "</w:tblBorders><w:tblLayout w:type=\"";
        out_ += fitToContents ? "autofit" : "fixed";
        out_ += "\"/><w:tblLook w:val=\"04A0\"/></w:tblPr><w:tblGrid>";
        const std::string gridCol = "<w:gridCol w:w=\"" + std::to_string(ColumnWidth()) + "\"/>";
        for (int c = 0; c < columns_; ++c) out_ += gridCol;
        out_ += "</w:tblGrid>";
    }

    // One row of `columns` cells; the row is not allowed to break across pages.
    void Row(std::string_view line) {
        out_ += "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
        int cells = 0;
        while (cells + 1 < columns_) {
            const std::size_t tab = line.find('\t');
            if (tab == std::string_view::npos) break;
            Cell(line.substr(0, tab));
            line.remove_prefix(tab + 1);
            ++cells;
        }
        Cell(line);  // the last field keeps any further fields with their tabs
        for (++cells; cells < columns_; ++cells) Cell({});
        out_ += "</w:tr>";
    }

    void End() { out_ += "</w:tbl>"; }

  private:
    int ColumnWidth() const { return kTextWidthTwips / columns_; }

    void Cell(std::string_view field) {
        out_ += cellStart_;
        AppendParagraph(out_, field);
        out_ += "</w:tc>";
    }

    std::string& out_;
    int columns_;
    std::string cellStart_;
};

std::vector<std::string_view> ReportLines(std::string_view textUtf8) {
    std::vector<std::string_view> lines = ooxml::SplitParagraphs(textUtf8);
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();  // the last line's own line end
    return lines;
}

std::string FontProperties() {
    const std::string font(kReportFont);
    return "<w:rPr><w:rFonts w:ascii=\"" + font + "\" w:hAnsi=\"" + font + "\" w:eastAsia=\"" + font +
           "\" w:cs=\"" + font + "\"/></w:rPr>";
}

}  // namespace

std::string ReportDocumentXml(std::string_view textUtf8, const ReportDocumentLayout& layout) {
    const std::vector<std::string_view> lines = ReportLines(textUtf8);
    std::string out(ooxml::DocumentXmlStart());
    out.reserve(out.size() + textUtf8.size() * 3 + lines.size() * 120);
    std::size_t next = 0;
    if (layout.ToTable) {
        const std::size_t tableLines = std::min<std::size_t>(std::max(layout.TableLines, 1), lines.size());
        TableWriter table(out, std::max(layout.TableColumns, 1), layout.FitToContents);
        for (; next < tableLines; ++next) table.Row(lines[next]);
        table.End();
        if (next == lines.size()) out += "<w:p/>";  // a table is always followed by a paragraph
    }
    // The table's cells take the font from the document defaults; the paragraphs outside it carry it
    // directly as well, so that text copied from them into another document stays in the font.
    const std::string font = FontProperties();
    for (; next < lines.size(); ++next) AppendParagraph(out, lines[next], font);
    out += ooxml::DocumentXmlEnd();
    return out;
}

std::string ReportStylesXml() {
    return ooxml::DefaultStylesXml(kReportFont);
}

}  // namespace tabulex::report
