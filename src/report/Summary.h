#pragma once

// Everything the report holds below the problem lines, as the check run gathers it.

#include "rules/RunState.h"
#include "text/Calendar.h"

#include <array>
#include <string>
#include <vector>

namespace tabulex::report {

// A date with the case number of the row that carries it.
struct DateExtreme {
    text::DayCount Date = 0;
    std::string Number;
};

struct DateExtremes {
    DateExtreme EarliestStart;
    DateExtreme LatestStart;
    DateExtreme EarliestEnd;
    DateExtreme LatestEnd;
};

struct Summary {
    int CheckedTable = 0;
    rules::RuleSet Rules = rules::RuleSet::Original;
    // The document hints as lines, with the empty lines that follow some of them.
    std::vector<std::string> DocumentHints;
    rules::ProblemCounts Counts;
    bool ShowWarnings = true;
    bool ShowHints = true;
    int DataRows = 0;
    std::string FirstNumber;
    std::string LastNumber;
    // Literal, non-literal (empty when there is no series letter), missing and repeated numbers;
    // a text may hold CR LF.
    std::array<std::string, 4> CaseNumberLines;
    DateExtremes Extremes;
    std::vector<std::string> WordAdvice;
    int HeadingRows = 0;
    std::vector<std::string> Rubricator;
    // The disagreements of the inventory's certification line with the check, written after the
    // rubricator under a heading of their own (readers of the report stop at the rubricator).
    std::vector<std::string> CertificationFindings;
};

}  // namespace tabulex::report
