#include "report/ReportDocument.h"

#include "ooxml/MinimalPackage.h"
#include "ooxml/WriteAhead.h"
#include "platform/FileSystem.h"
#include "platform/FileWrites.h"
#include "report/ReportDocumentXml.h"
#include "report/ReportLines.h"

#include <optional>

namespace tabulex::report {

std::filesystem::path WriteReportDocument(const std::filesystem::path& reportFile, Encoding encoding,
                                          const ReportDocumentLayout& layout, int threads) {
    const std::filesystem::path target = reportFile.parent_path() / kReportDocumentName;
    ReportDocumentXml xml(reportFile, encoding, layout);
    std::optional<ooxml::WriteAhead> ahead;
    if (threads >= 2) ahead.emplace(xml);
    ooxml::PartWriter& document = ahead ? static_cast<ooxml::PartWriter&>(*ahead) : xml;
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

}  // namespace tabulex::report
