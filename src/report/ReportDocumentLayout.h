#pragma once

// How the report text is laid out as a document: which lines become a table of how many columns.

namespace tabulex::report {

struct ReportDocumentLayout {
    int TableLines = 1;  // lines that become the table: the header and the problem lines
    int TableColumns = 6;
    bool ToTable = true;        // cbTable
    bool FitToContents = true;  // cbTableAutosize
};

}  // namespace tabulex::report
