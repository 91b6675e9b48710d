#include "check/Annotations.h"

#include "check/Messages.h"
#include "report/ReportLines.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"
#include "text/Utf8Paths.h"

namespace tabulex::check {
namespace {

using namespace text::literals;

constexpr std::string_view kAnnotatedCopySuffix = "-примечания.docx"_cp;

// A message as a comment line: without the "; " that joins messages in the report, one line per
// line of its own.
void AppendLines(std::string_view message, std::vector<std::string>& lines) {
    while (!message.empty()) {
        const std::size_t end = message.find_first_of("\r\n");
        std::string_view line = text::TrimView(message.substr(0, end));
        while (!line.empty() && (line.back() == ';' || line.back() == ':' || line.back() == ' '))
            line.remove_suffix(1);
        if (!line.empty()) lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        message.remove_prefix(end + 1);
    }
}

std::vector<std::string> SummaryCommentLines(const CheckOutcome& outcome) {
    const report::Summary& summary = outcome.Summary;
    std::vector<std::string> lines;
    for (const std::string& hint : summary.DocumentHints) AppendLines(hint, lines);
    for (const std::string& line :
         report::CountLines(outcome.Counts, summary.ShowWarnings, summary.ShowHints))
        AppendLines(line, lines);
    AppendLines(outcome.CertificationLine, lines);
    for (const std::string& line : summary.CaseNumberLines) AppendLines(line, lines);
    for (const std::string& line : report::DateRangeLines(summary.Extremes)) AppendLines(line, lines);
    // Findings without a line to sit on (there is none after the table) go with the summary.
    if (outcome.Certification.Paragraph == 0)
        for (const Finding& finding : outcome.Certification.Findings) AppendLines(finding.Text, lines);
    return lines;
}

}  // namespace

word::CommentSet AnnotationComments(const CheckOutcome& outcome, bool twoDateColumns,
                                    const std::string& dateTime) {
    word::CommentSet set;
    set.Table = outcome.CheckedTable;
    set.Author = msg::kApplicationName;
    set.Initials = set.Author.substr(0, 1);
    set.Date = dateTime;
    if (outcome.End == CheckEnd::Completed && outcome.RowCount > 0)
        set.Cells.push_back({1, 1, SummaryCommentLines(outcome)});
    for (const ProblemRow& row : outcome.ProblemRows) {
        if (row.Kind == RowKind::Header || row.Findings.empty()) continue;
        word::CellComment comment;
        comment.Row = row.TableRow;
        comment.Cell = row.Kind == RowKind::Data
                           ? CellOfRole(outcome.Columns, twoDateColumns, row.Findings.front().Cell)
                           : 1;
        for (const Finding& finding : row.Findings) AppendLines(finding.Text, comment.Lines);
        if (!comment.Lines.empty()) set.Cells.push_back(std::move(comment));
    }
    const CertificationCheck& certification = outcome.Certification;
    if (certification.Paragraph > 0 && !certification.Findings.empty()) {
        word::ParagraphComment comment;
        comment.Paragraph = certification.Paragraph;
        for (const Finding& finding : certification.Findings) AppendLines(finding.Text, comment.Lines);
        set.Paragraphs.push_back(std::move(comment));
    }
    return set;
}

std::string CommentDateTime(std::time_t moment) {
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &moment);
#else
    gmtime_r(&moment, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::filesystem::path AnnotatedCopyPath(const std::filesystem::path& reportFolder,
                                        std::string_view documentName) {
    const std::filesystem::path name = text::PathFromUtf8(text::Cp1251ToUtf8(documentName));
    return reportFolder /
           text::PathFromUtf8(text::Utf8OfPath(name.stem()) + text::Cp1251ToUtf8(kAnnotatedCopySuffix));
}

void SaveAnnotatedCopy(word::Document& document, const CheckOutcome& outcome, bool twoDateColumns,
                       std::time_t checkedAt, const std::filesystem::path& path) {
    document.SaveCopyWithComments(path.string(),
                                  AnnotationComments(outcome, twoDateColumns, CommentDateTime(checkedAt)));
}

}  // namespace tabulex::check
