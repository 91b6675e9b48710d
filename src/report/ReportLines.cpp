#include "report/ReportLines.h"

#include "report/ReportTexts.h"
#include "text/NumberWords.h"

namespace tabulex::report {
namespace {

constexpr std::string_view kFiveTabs = "\t\t\t\t\t";

std::string ExtremeText(const DateExtreme& extreme) {
    return text::DateInWords(extreme.Date) + " (" + extreme.Number;
}

std::string DateRangeLine(std::string_view label, const DateExtreme& from, const DateExtreme& to) {
    std::string line(label);
    line += ExtremeText(from);
    line += texts::kUntil;
    line += ExtremeText(to);
    line += ')';
    return line;
}

}  // namespace

std::string HeaderLine(bool twoDateColumns) {
    std::string line(texts::kHeaderStart);
    line += twoDateColumns ? texts::kHeaderTwoDates : texts::kHeaderOneDate;
    line += texts::kHeaderEnd;
    return line;
}

std::string DataRowLine(const std::array<std::string, 5>& cells, std::string_view problems) {
    std::string line;
    for (const std::string& cell : cells) {
        line += cell;
        line += '\t';
    }
    line += problems;
    return line;
}

std::string HeadingRowLine(std::string_view headingText, std::string_view problems) {
    std::string line = "\t";
    line += headingText;
    line += texts::kHeadingLabel;
    line += problems;
    return line;
}

std::string NumberingRowLine(std::string_view trimmedRowText, std::string_view problems) {
    std::string line(trimmedRowText);
    line += '\t';
    line += problems;
    return line;
}

std::string EmptyRowLine(std::string_view problems) {
    return std::string(kFiveTabs) + std::string(problems);
}

std::string SkippedRowLine() {
    return std::string(kFiveTabs) + std::string(texts::kSkippedRow);
}

std::string_view CasesWord(int count) {
    return text::PluralForm(count, texts::kCase, texts::kCasesFew, texts::kCasesMany);
}

std::string CertificationLine(int dataRows, std::string_view firstNumber, std::string_view lastNumber) {
    const std::string figures = std::to_string(dataRows);
    std::string line(texts::kCertification);
    line += figures;
    line += " (";
    line += text::NeuterNumberInWords(figures);
    line += ") ";
    line += CasesWord(dataRows);
    line += texts::kFromNumber;
    line += firstNumber;
    line += texts::kToNumber;
    line += lastNumber;
    return line;
}

std::vector<std::string> DateRangeLines(const DateExtremes& extremes) {
    return {DateRangeLine(texts::kStartDates, extremes.EarliestStart, extremes.LatestStart),
            DateRangeLine(texts::kEndDates, extremes.EarliestEnd, extremes.LatestEnd)};
}

std::vector<std::string> CountLines(const rules::ProblemCounts& counts, bool showWarnings, bool showHints) {
    if (counts.ErrorCount == 0 && counts.WarningCount == 0 && counts.HintCount == 0)
        return {std::string(texts::kNoProblems)};
    std::vector<std::string> lines;
    if (counts.ErrorCount == 0)
        lines.emplace_back(texts::kNoErrors);
    else
        lines.push_back(std::string(texts::kErrors) + std::to_string(counts.ErrorCount) +
                        std::string(texts::kErrorsEnd));
    if (counts.WarningCount == 0) {
        lines.emplace_back(texts::kNoWarnings);
    } else {
        lines.push_back(std::string(texts::kWarnings) + std::to_string(counts.WarningCount));
        if (!showWarnings) lines.back() += texts::kWarningsHidden;
    }
    if (counts.HintCount == 0) {
        lines.emplace_back(texts::kNoHints);
    } else {
        lines.push_back(std::string(texts::kHints) + std::to_string(counts.HintCount));
        if (!showHints) lines.back() += texts::kHintsHidden;
    }
    lines.emplace_back();
    return lines;
}

std::vector<std::string> SummaryLines(const Summary& summary) {
    std::vector<std::string> lines;
    auto append = [&lines](const std::vector<std::string>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    };
    lines.emplace_back();
    lines.push_back(std::string(texts::kCheckedTable) + std::to_string(summary.CheckedTable) +
                    std::string(texts::kCheckedTableEnd));
    if (summary.Rules == rules::RuleSet::Modern) lines.emplace_back(texts::kModernRules);
    append(summary.DocumentHints);
    lines.emplace_back();
    append(CountLines(summary.Counts, summary.ShowWarnings, summary.ShowHints));
    lines.push_back(CertificationLine(summary.DataRows, summary.FirstNumber, summary.LastNumber));
    lines.emplace_back();
    for (std::size_t k = 0; k < summary.CaseNumberLines.size(); ++k)
        if (k != 1 || !summary.CaseNumberLines[k].empty()) lines.push_back(summary.CaseNumberLines[k]);
    lines.emplace_back();
    append(DateRangeLines(summary.Extremes));
    lines.emplace_back();
    append(summary.WordAdvice);
    lines.emplace_back();
    lines.push_back(std::string(texts::kHeadingCount) + std::to_string(summary.HeadingRows));
    lines.emplace_back();
    lines.emplace_back(texts::kRubricator);
    append(summary.Rubricator);
    if (!summary.CertificationFindings.empty()) {
        lines.emplace_back();
        lines.emplace_back(texts::kCertificationCheck);
        append(summary.CertificationFindings);
    }
    return lines;
}

}  // namespace tabulex::report
