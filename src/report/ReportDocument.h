#pragma once

// The report as a word-processor document: the report text set in Arial, its first lines (the
// header and the problem lines) made a table whose rows do not break across pages, saved as
// Tabulex_Report.docx beside the text file.

#include "report/ReportFile.h"

#include <filesystem>

namespace tabulex::word {
class Documents;
}

namespace tabulex::report {

struct ReportDocumentLayout {
    int TableLines = 1;  // lines that become the table: the header and the problem lines
    int TableColumns = 6;
    bool ToTable = true;        // cbTable
    bool FitToContents = true;  // cbTableAutosize
};

// Reads the closed report file, builds the document through the host and saves it; returns the
// path of the document. Throws word::Error when the host fails.
std::filesystem::path MakeReportDocument(word::Documents& documents, const std::filesystem::path& reportFile,
                                         Encoding encoding, const ReportDocumentLayout& layout);

}  // namespace tabulex::report
