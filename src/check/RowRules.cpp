#include "check/RowRules.h"

#include "check/Messages.h"
#include "text/CharClasses.h"
#include "text/IntegerText.h"
#include "text/TextHelpers.h"
#include "word/WordModel.h"

#include <algorithm>

namespace tabulex::check {
namespace {

using text::CharAt;

ProblemRow MakeProblemRow(int row, RowKind kind, RowFindings& findings) {
    ProblemRow problem;
    problem.TableRow = row;
    problem.Kind = kind;
    problem.Problems = std::move(findings.Problems());
    problem.Findings = std::move(findings.Items());
    return problem;
}

std::string Joined(std::string_view a, std::string_view b) {
    std::string joined(a);
    joined += b;
    return joined;
}

// The number of a literal case number ("5а", "12АБ": digits, then one or two Cyrillic letters),
// -1 for any other text.
long long LiteralNumberBase(std::string_view number) {
    std::size_t digits = 0;
    while (digits < number.size() && text::IsDigit(static_cast<unsigned char>(number[digits]))) ++digits;
    const std::size_t letters = number.size() - digits;
    if (digits == 0 || letters < 1 || letters > 2) return -1;
    for (char c : number.substr(digits))
        if (!text::IsCyrillicLetter(static_cast<unsigned char>(c))) return -1;
    return text::IntegerOr(number.substr(0, digits), -1);
}

void TrimInPlace(std::string& text) {
    const std::string_view trimmed = text::TrimView(text);
    if (trimmed.size() != text.size()) text = std::string(trimmed);
}

}  // namespace

RowRules::RowRules(const CheckOptions& options) : options_(options) {
    state_.Flags.ShowErrors = true;
    state_.Flags.ShowWarnings = options.ShowWarnings;
    state_.Flags.ShowHints = options.ShowHints;
    state_.Flags.SpacedInitials = options.SpacedInitials;
    state_.Flags.Rules = options.Rules;
}

RunSnapshot RowRules::Snapshot() const {
    RunSnapshot snapshot;
    snapshot.Counts = state_.Counts;
    snapshot.Counters = counters_;
    snapshot.FirstNumber = firstNumber_;
    snapshot.LastNumber = lastNumber_;
    snapshot.PreviousNumber = previousNumber_;
    snapshot.Rubricator = rubricator_;
    snapshot.NumberKeys = numberKeys_.Sorted();
    snapshot.Dates = dates_;
    return snapshot;
}

void RowRules::Restore(RunSnapshot snapshot) {
    state_.Counts = snapshot.Counts;
    counters_ = snapshot.Counters;
    firstNumber_ = std::move(snapshot.FirstNumber);
    lastNumber_ = std::move(snapshot.LastNumber);
    previousNumber_ = snapshot.PreviousNumber;
    rubricator_ = std::move(snapshot.Rubricator);
    numberKeys_.Clear();
    for (std::string& key : snapshot.NumberKeys) numberKeys_.Add(std::move(key));
    dates_ = std::move(snapshot.Dates);
}

std::optional<ProblemRow> RowRules::EmptyRow(int row) {
    RowFindings findings(state_);
    findings.Hint(msg::kEmptyRow);
    ++counters_.EmptyRows;
    if (findings.Empty()) return std::nullopt;
    ++counters_.LinesWritten;
    return MakeProblemRow(row, RowKind::Empty, findings);
}

std::optional<ProblemRow> RowRules::NumberingRow(int row, std::string_view rowText) {
    // The first numbering row under the header is expected; repeats of it are not.
    if (++counters_.NumberingRows == 1) return std::nullopt;
    RowFindings findings(state_);
    findings.Hint(msg::kExtraNumberingRow);
    if (findings.Empty()) return std::nullopt;
    ++counters_.LinesWritten;
    ProblemRow problem = MakeProblemRow(row, RowKind::Numbering, findings);
    problem.Cells.emplace_back(text::TrimView(rowText));
    return problem;
}

std::optional<ProblemRow> RowRules::HeadingRow(int row, std::string_view rowText,
                                               const HeadingFormat& format) {
    ++counters_.HeadingRows;
    RowFindings findings(state_);
    if (format.Bold != word::kTrue) findings.Warning(msg::kNotBold);
    if (format.KeepWithNext != word::kTrue) findings.Warning(msg::kNotKeptWithNext);
    const std::string spacing = rules::CheckWhitespace(rowText);
    if (!spacing.empty()) findings.Hint(Joined(spacing, "; "));
    const std::size_t paragraph = rowText.find('\r');
    if (paragraph != std::string_view::npos && paragraph + 1 != rowText.size())
        findings.Warning(msg::kExtraParagraph);

    std::string heading = text::ReplaceAll(rowText, "\x96", "-");
    std::replace(heading.begin(), heading.end(), '\r', ' ');
    std::replace(heading.begin(), heading.end(), '\v', ' ');
    heading = text::ReplaceAll(heading, "  ", " ");
    const std::string title = rules::CheckTitleText(text::TrimView(heading), state_);
    if (!title.empty()) findings.Hint(Joined(title, "; "));
    std::replace(heading.begin(), heading.end(), '\t', ' ');

    rubricator_.push_back(ReportCellText(text::TrimView(heading)));
    if (findings.Empty()) return std::nullopt;
    ++counters_.LinesWritten;
    ProblemRow problem = MakeProblemRow(row, RowKind::Heading, findings);
    problem.Cells.push_back(std::move(heading));
    return problem;
}

ProblemRow RowRules::SkippedHeaderRow(int row) {
    // Counted as a line of the report's table, which begins with the header line.
    ++counters_.LinesWritten;
    ProblemRow problem;
    problem.TableRow = row;
    problem.Kind = RowKind::Header;
    return problem;
}

void RowRules::CheckCellSpacing(std::string_view cell, std::string_view prefix, CellRole role,
                                RowFindings& findings) {
    findings.Concerning(role);
    const std::string spacing = rules::CheckWhitespace(cell);
    if (spacing.empty()) return;
    findings.Hint(Joined(prefix, spacing));
    ++counters_.SpacingFindings;
}

void RowRules::CheckPresence(const RowCells& cells, RowFindings& findings) {
    findings.Concerning(CellRole::Number);
    if (text::TrimView(cells.Number).empty()) findings.Error(msg::kNoNumber);
    findings.Concerning(CellRole::Title);
    if (text::TrimView(cells.Title).empty()) findings.Error(msg::kNoTitle);
    findings.Concerning(CellRole::Dates);
    if (text::TrimView(cells.Dates).empty()) {
        if (options_.DatesMayBeEmpty)
            findings.Hint(msg::kNoDates);
        else
            findings.Error(msg::kNoDates);
    }
    findings.Concerning(CellRole::Quantity);
    if (text::TrimView(cells.Quantity).empty()) {
        if (options_.SheetsMayBeEmpty)
            findings.Warning(msg::kNoQuantity);
        else
            findings.Error(msg::kNoQuantity);
    }
}

void RowRules::CheckSequence(std::string_view number, RowFindings& findings) {
    const long long current = text::IntegerOr(number, -1);
    // Under the modern rules "5а" after 5 is a case filed after 5, not a break in the sequence: the
    // next case is compared with 5 again.
    if (state_.Flags.Rules == rules::RuleSet::Modern && current == -1 && previousNumber_ != -1 &&
        LiteralNumberBase(number) == previousNumber_)
        return;
    if (previousNumber_ != -1 && current != previousNumber_ + 1) {
        std::string message(msg::kNumberExpected);
        message += std::to_string(previousNumber_ + 1);
        message += "; ";
        findings.Warning(message);
    }
    previousNumber_ = current;
}

// A sheet count written with a page count ("3+12 стр.") keeps only the sheets before the pages.
void RowRules::CheckQuantity(std::string quantity, RowFindings& findings) {
    int p = text::PosFromNoCase(msg::kPageMark, quantity);
    if (p > 0) {
        quantity.insert(static_cast<std::size_t>(p - 1), 1, ' ');
        if (const std::size_t plus = quantity.find('+'); plus != std::string::npos) {
            quantity.insert(plus + 1, 1, ' ');
            quantity.insert(plus, 1, ' ');
        }
        for (std::size_t twin = quantity.find("  "); twin != std::string::npos; twin = quantity.find("  "))
            quantity.erase(twin, 1);
        p = text::PosFromNoCase(msg::kPageMark, quantity);
        while (p > 1 && !text::IsDigit(CharAt(quantity, p))) --p;
        while (p > 1 && text::IsDigit(CharAt(quantity, p))) --p;
        if (p > 1 && CharAt(quantity, p) == ' ') --p;
        if (p > 1 && CharAt(quantity, p) == '+') --p;
        quantity.erase(static_cast<std::size_t>(p - 1));
        TrimInPlace(quantity);
        if (quantity.empty()) findings.Warning(msg::kQuantityMissing);
        if (text::IntegerOr(quantity, 0) > 1) {
            std::string message(msg::kQuantityDoubtful);
            message += quantity;
            message += ">1; ";
            findings.Warning(message);
        }
    }
    if (!quantity.empty() && !text::ParseInteger(quantity)) {
        std::string message(msg::kQuantityWrong);
        message += quantity;
        message += "\"; ";
        findings.Error(message);
    }
}

std::optional<ProblemRow> RowRules::DataRow(int row, RowCells cells) {
    ++counters_.DataRows;
    const bool modern = state_.Flags.Rules == rules::RuleSet::Modern;
    std::string_view number = text::TrimView(cells.Number);
    // Under the modern rules "1." (a list number, or typed as one) is the number 1, also in the
    // certification line.
    if (modern && number.ends_with('.')) number.remove_suffix(1);
    if (firstNumber_.empty()) firstNumber_ = number;
    lastNumber_ = number;

    RowFindings findings(state_);
    CheckCellSpacing(cells.Number, msg::kNumberPrefix, CellRole::Number, findings);
    CheckCellSpacing(cells.Title, msg::kTitlePrefix, CellRole::Title, findings);
    findings.Concerning(CellRole::Number);
    if (!cells.Number.empty()) {
        if (cells.Number.back() == '.') {
            cells.Number.pop_back();
            if (!modern) findings.Hint(msg::kNumberFinalStop);
        }
        numberKeys_.Add(rules::CaseNumberKey(cells.Number));
    }
    CheckCellSpacing(cells.Dates, msg::kDatesPrefix, CellRole::Dates, findings);
    CheckCellSpacing(cells.Notes, msg::kNotesPrefix, CellRole::Notes, findings);

    std::vector<std::string> shown = {ReportCellText(cells.Number), ReportCellText(cells.Title),
                                      ReportCellText(cells.Dates), ReportCellText(cells.Quantity),
                                      ReportCellText(cells.Notes)};

    std::replace(cells.Dates.begin(), cells.Dates.end(), static_cast<char>(text::ch::kNbsp), ' ');
    CheckPresence(cells, findings);
    for (std::string* field : {&cells.Number, &cells.Title, &cells.Dates, &cells.Quantity, &cells.Notes})
        TrimInPlace(*field);

    if (const std::size_t stop = cells.Number.find('.'); stop != std::string::npos)
        cells.Number.erase(stop, 1);
    findings.Concerning(CellRole::Number);
    CheckSequence(cells.Number, findings);
    findings.Concerning(CellRole::Dates);
    CheckDatesCell(cells.Dates, cells.Number, state_.Flags.Rules, dates_, counters_, findings);
    findings.Concerning(CellRole::Quantity);
    CheckQuantity(std::move(cells.Quantity), findings);
    findings.Concerning(CellRole::Title);
    const std::string title = rules::CheckTitleText(cells.Title, state_);
    if (!title.empty()) findings.Hint(Joined(msg::kTitleHintPrefix, title));

    if (findings.Empty()) return std::nullopt;
    std::string& problems = findings.Problems();
    problems.erase(problems.size() >= 2 ? problems.size() - 2 : 0);
    ++counters_.LinesWritten;
    ProblemRow problem = MakeProblemRow(row, RowKind::Data, findings);
    problem.Cells = std::move(shown);
    return problem;
}

std::vector<std::string> RowRules::DocumentHints(const ColumnLayout& columns, ColumnMode mode) {
    std::vector<std::string> lines;
    std::vector<int> skipped = columns.SkippedColumns();
    std::erase_if(skipped, [](int c) { return c > 9; });
    if (columns.SkipColumns.any()) {
        std::string columnList;
        for (std::size_t k = 0; k < skipped.size(); ++k) {
            if (k > 0) columnList += ", ";
            columnList += std::to_string(skipped[k]);
        }
        const std::string_view found =
            mode == ColumnMode::Auto ? msg::kSkippedColumnsAuto : std::string_view();
        std::string line = text::FillIn(msg::kSkippedColumns, {found, columnList});
        lines.push_back(std::move(line));
        lines.emplace_back();
    } else if (columns.ColumnCount > 5) {
        lines.emplace_back(msg::kExtraColumns);
        lines.emplace_back();
    }
    if (counters_.BreakableRows > 0) {
        lines.emplace_back(msg::kBreakableRows);
        lines.emplace_back(msg::kBreakableRowsAdvice);
        lines.emplace_back();
    }
    if (counters_.HyphenRows > 0 && counters_.DashRows > 0) {
        lines.push_back(text::FillIn(
            msg::kMixedDashes, {std::to_string(counters_.DashRows), std::to_string(counters_.HyphenRows)}));
        ++state_.Counts.HintCount;
    }
    if (counters_.EmptyRows > 0) {
        lines.push_back(
            text::FillIn(msg::kEmptyRows, {std::to_string(counters_.EmptyRows), msg::kApplicationName}));
        ++state_.Counts.HintCount;
    }
    if (counters_.SpacingFindings > 0) {
        lines.push_back(text::FillIn(msg::kSpacing, {std::to_string(counters_.SpacingFindings)}));
        ++state_.Counts.HintCount;
    }
    caseNumbers_ = rules::SummariseCaseNumbers(numberKeys_, state_.Flags.Rules);
    if (caseNumbers_.RepeatedCount > 0) ++state_.Counts.ErrorCount;
    if (caseNumbers_.MissingCount > 0) ++state_.Counts.WarningCount;
    return lines;
}

}  // namespace tabulex::check
