#include "e2e/CheckFindings.h"

#include "check/CheckRun.h"
#include "check/FakeHost.h"
#include "docx/DocxApplication.h"
#include "text/Cp1251.h"

#include <algorithm>
#include <map>

namespace tabulex::e2e {
namespace {

std::string RowKey(const check::ProblemRow& row) {
    std::string key = std::to_string(static_cast<int>(row.Kind));
    // The number cell is what the numbering repairs rewrite; the rest identifies the row.
    const std::size_t first = row.Kind == check::RowKind::Data ? 1 : 0;
    for (std::size_t k = first; k < row.Cells.size(); ++k) key += " " + text::Cp1251ToUtf8(row.Cells[k]);
    return key;
}

// "В таблице встретились пустые строки (3). ..." -> without "(3)".
std::string WithoutCounts(std::string line) {
    for (std::size_t open; (open = line.find('(')) != std::string::npos;) {
        const std::size_t close = line.find(')', open);
        if (close == std::string::npos) break;
        const std::string inside = line.substr(open + 1, close - open - 1);
        if (inside.empty() || inside.find_first_not_of("0123456789") != std::string::npos) break;
        line.erase(open, close - open + 1);
    }
    return line;
}

}  // namespace

CheckFindings FindingsOf(const std::filesystem::path& docx, const std::filesystem::path& reportFolder) {
    check::fake::FakeHost host;
    check::CheckOptions options;
    options.ReportFolder = reportFolder;
    options.CloseReportFile = false;
    options.Columns = check::ColumnMode::Standard;
    std::filesystem::create_directories(reportFolder);
    auto application = word::docx::CreateApplication();
    word::Document& document = application->Documents().Open(docx.string());
    check::CheckRun run(host, options);
    const check::CheckOutcome outcome = run.Run(document, nullptr);
    CheckFindings findings;
    findings.Checked = outcome.End == check::CheckEnd::Completed;
    findings.Table = outcome.CheckedTable;
    findings.TableCount = document.Tables()->Count();
    for (const check::ProblemRow& row : outcome.ProblemRows)
        for (const check::Finding& finding : row.Findings)
            findings.Rows.push_back({row.TableRow, RowKey(row),
                                     row.Cells.empty() ? std::string() : text::Cp1251ToUtf8(row.Cells[0]),
                                     text::Cp1251ToUtf8(finding.Text)});
    for (const std::string& hint : outcome.Summary.DocumentHints)
        if (!hint.empty()) findings.Hints.push_back(WithoutCounts(text::Cp1251ToUtf8(hint)));
    return findings;
}

std::vector<std::string> IntroducedFindings(const CheckFindings& before, const CheckFindings& after,
                                            const std::function<bool(const RowFinding&)>& allowed,
                                            RowIdentity identity) {
    const auto line = [identity](const RowFinding& finding) {
        return identity == RowIdentity::ByPlace ? finding.PlaceLine() : finding.Line();
    };
    std::map<std::string, int> surplus;
    for (const RowFinding& finding : after.Rows)
        if (!allowed || !allowed(finding)) ++surplus[line(finding)];
    for (const std::string& hint : after.Hints) ++surplus[hint];
    for (const RowFinding& finding : before.Rows) --surplus[line(finding)];
    for (const std::string& hint : before.Hints) --surplus[hint];
    std::vector<std::string> introduced;
    for (const auto& [line, count] : surplus)
        if (count > 0) introduced.push_back(line);
    return introduced;
}

}  // namespace tabulex::e2e
