#include "report/ReportDocument.h"

#include "ooxml/MinimalPackage.h"
#include "platform/FileSystem.h"
#include "platform/FileWrites.h"
#include "report/ReportDocumentXml.h"
#include "report/ReportLines.h"
#include "report/ReportTexts.h"
#include "text/Cp1251.h"
#include "word/WordModel.h"

#include <fstream>
#include <iterator>

namespace tabulex::report {
namespace {

std::string ReadReportText(const std::filesystem::path& path, Encoding encoding) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw text::Error(std::string(texts::kReportUnreadable), path.string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return encoding == Encoding::Utf8 ? text::Utf8ToCp1251(bytes) : bytes;
}

}  // namespace

std::filesystem::path WriteReportDocument(const std::filesystem::path& reportFile, Encoding encoding,
                                          const ReportDocumentLayout& layout) {
    const std::filesystem::path target = reportFile.parent_path() / kReportDocumentName;
    ReportDocumentXml document(reportFile, encoding, layout);
    ooxml::DocxParts parts;
    parts.Styles = ReportStylesXml(layout);
    // Zipped once, at the quickest level: the best one takes several times longer on a large report
    // and saves little. Written like every document: a temporary file renamed over the target, which
    // in the report folder is never followed as a link.
    // The XML is several times the text; the size only tells the zip that no Zip64 fields are needed.
    std::error_code error;
    const std::uint64_t textBytes = std::filesystem::file_size(reportFile, error);
    platform::WriteFileAtomically(
        target.string(),
        ooxml::BuildDocxBytes(parts, document, error ? 0 : textBytes * 8, ooxml::kQuickestZip),
        {.FollowLinks = false});
    return target;
}

std::filesystem::path MakeReportDocument(word::Documents& documents, const std::filesystem::path& reportFile,
                                         Encoding encoding, const ReportDocumentLayout& layout) {
    const std::filesystem::path target = reportFile.parent_path() / kReportDocumentName;
    word::Document& document = documents.AddFromText(ReadReportText(reportFile, encoding), target.string());
    try {
        document.Content()->Font()->SetName("Arial");
        if (layout.ToTable) {
            document.ConvertLinesToTable(layout.TableLines, layout.TableColumns, layout.FitToContents);
            document.Tables()->Item(1)->Rows()->SetAllowBreakAcrossPages(word::kFalse);
        }
        document.SaveAs(target.string());
    } catch (...) {
        documents.Close(document, word::kDoNotSaveChanges);
        throw;
    }
    documents.Close(document, word::kDoNotSaveChanges);
    return target;
}

}  // namespace tabulex::report
