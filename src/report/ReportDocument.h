#pragma once

// The report as a word-processor document: the report text set in Arial, its first lines (the
// header and the problem lines) made a table whose rows do not break across pages, saved as
// Tabulex_Report.docx beside the text file.

#include "report/ReportDocumentLayout.h"
#include "report/ReportFile.h"

#include <filesystem>

namespace tabulex::report {

// Reads the closed report file and writes the document beside it in one go (its XML written
// straight from the text, packaged and saved once); returns the path of the document. Throws
// text::Error when the file cannot be read or the document cannot be saved. With `threads` of 2 or
// more the XML is made on a helper thread while the zip deflates it.
std::filesystem::path WriteReportDocument(const std::filesystem::path& reportFile, Encoding encoding,
                                          const ReportDocumentLayout& layout, int threads = 1);

}  // namespace tabulex::report
