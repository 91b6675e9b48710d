#include "e2e/CheckFindings.h"

#include "check/CheckRun.h"
#include "check/FakeHost.h"
#include "text/Cp1251.h"
#include "word/docx/DocxApplication.h"

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
    std::filesystem::create_directories(reportFolder);
    auto application = word::docx::CreateApplication();
    word::Document& document = application->Documents().Open(docx.string());
    check::CheckRun run(host, options);
    const check::CheckOutcome outcome = run.Run(document, nullptr);
    CheckFindings findings;
    findings.Checked = outcome.End == check::CheckEnd::Completed;
    for (const check::ProblemRow& row : outcome.ProblemRows)
        for (const check::Finding& finding : row.Findings)
            findings.Rows.push_back(RowKey(row) + " | " + text::Cp1251ToUtf8(finding.Text));
    for (const std::string& hint : outcome.Summary.DocumentHints)
        if (!hint.empty()) findings.Hints.push_back(WithoutCounts(text::Cp1251ToUtf8(hint)));
    return findings;
}

std::vector<std::string> IntroducedFindings(const CheckFindings& before, const CheckFindings& after) {
    std::map<std::string, int> surplus;
    for (const auto* lines : {&after.Rows, &after.Hints})
        for (const std::string& line : *lines) ++surplus[line];
    for (const auto* lines : {&before.Rows, &before.Hints})
        for (const std::string& line : *lines) --surplus[line];
    std::vector<std::string> introduced;
    for (const auto& [line, count] : surplus)
        if (count > 0) introduced.push_back(line);
    return introduced;
}

}  // namespace tabulex::e2e
