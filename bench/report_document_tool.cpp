// Writes the report document of a finished report text, fitted to its contents or with equal fixed
// columns, for measuring how many pages the report takes:
//   report_document_tool [--fixed] FOLDER/Tabulex_Report.txt
// The document is written beside the text as Tabulex_Report.docx. The table is the header line and
// the problem lines (every line before the first empty one); its columns are the header's fields.

#include "report/ReportDocument.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: report_document_tool [--fixed] FOLDER/Tabulex_Report.txt\n");
    return 2;
}

tabulex::report::ReportDocumentLayout LayoutOf(const std::string& path, bool fixed) {
    std::ifstream in(path, std::ios::binary);
    tabulex::report::ReportDocumentLayout layout;
    layout.FitToContents = !fixed;
    layout.TableLines = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) break;
        if (layout.TableLines++ == 0)
            layout.TableColumns = static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
    }
    return layout;
}

}  // namespace

int main(int argc, char** argv) {
    bool fixed = false;
    std::string report;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--fixed")
            fixed = true;
        else if (!arg.starts_with("-") && report.empty())
            report = argv[k];
        else
            return Usage();
    }
    if (report.empty()) return Usage();
    try {
        const auto layout = LayoutOf(report, fixed);
        const auto written =
            tabulex::report::WriteReportDocument(report, tabulex::report::Encoding::Cp1251, layout);
        std::printf("%s: %d table lines, %d columns, %s\n", written.string().c_str(), layout.TableLines,
                    layout.TableColumns, fixed ? "equal fixed columns" : "fitted to contents");
    } catch (const tabulex::text::Error& e) {
        std::fprintf(stderr, "%s\n", tabulex::text::Cp1251ToUtf8(e.Message()).c_str());
        return 1;
    }
    return 0;
}
