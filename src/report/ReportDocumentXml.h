#pragma once

// The parts of the report document written straight from the report file, as the host's text
// document, Arial font, table conversion and unbreakable rows together give them: the lines as
// paragraphs, the first of them as a table. The file is read line by line, so that neither its
// text nor the document's XML is ever held whole.

#include "ooxml/MinimalPackage.h"
#include "report/ReportDocumentLayout.h"
#include "report/ReportFile.h"
#include "report/ReportTextLines.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::report {

inline constexpr std::string_view kReportFont = "Arial";

// word/document.xml of the report, written piece by piece. The report's lines end with CR LF, CR or
// LF. The first layout.TableLines lines (at least one) become a table of layout.TableColumns
// columns, split at TAB: the extra fields of a longer line stay, tab-separated, in its last cell; a
// shorter line leaves the remaining cells empty. Every row is kept on one page and the header row
// repeats on every page. The table's columns are equal over the text width, or sized from their
// contents (FitToContents, measured on the table's lines before the first piece is written) with
// the table set at 10 points. A table of more than six columns is set on landscape pages, a fitted
// narrower one when that takes no more pages and makes the table a fifth lower. The lines after the
// table, or every line without the table, are paragraphs at 12 points. Throws text::Error when the
// report cannot be read.
class ReportDocumentXml : public ooxml::PartWriter {
  public:
    ReportDocumentXml(const std::filesystem::path& reportFile, Encoding encoding,
                      const ReportDocumentLayout& layout);
    bool Next(std::string& out) override;

  private:
    void StartTable(std::size_t tableLines);
    void AppendRow(std::string& out, std::string_view line);

    std::filesystem::path reportFile_;
    Encoding encoding_;
    ReportDocumentLayout layout_;
    std::optional<ReportTextLines> lines_;
    std::size_t tableLines_ = 0;
    std::size_t written_ = 0;  // lines
    std::vector<int> widths_;
    std::vector<std::string> cellStarts_;  // each column's cell start with its width
    bool landscape_ = false;
    bool started_ = false;
    bool ended_ = false;
    std::string line_;
    std::string font_;
};

// word/styles.xml of the report: the document defaults set in the report font, at the size of the
// table's cells.
std::string ReportStylesXml(const ReportDocumentLayout& layout);

}  // namespace tabulex::report
