#pragma once

// The certification line an inventory carries after its main table, compared with what the check
// found: the count in figures and in words, the word for cases, the first and last numbers, the
// literal and missing numbers it lists. Each disagreement is a finding naming both values.

#include "check/CheckOutcome.h"
#include "rules/CaseNumbers.h"
#include "rules/RunState.h"

#include <string>
#include <vector>

namespace tabulex::check {

// What the check found, as the certification line states it.
struct CertificationFacts {
    int DataRows = 0;
    std::string FirstNumber;
    std::string LastNumber;
    std::vector<std::string> Literal;  // case numbers as ComparableNumber gives them
    std::vector<std::string> Missing;
};

// The literal numbers are the rows' numbers as written that end in a letter of either case; the
// missing ones those of the case-number summary.
CertificationFacts FactsOf(int dataRows, std::string firstNumber, std::string lastNumber,
                           const rules::CaseNumberKeys& keys, const rules::CaseNumberSummary& numbers);

// Finds the line among the paragraphs after the main table (with the paragraphs of its "в том
// числе" lists that follow it) and records each disagreement in `state`; one hint when there is
// no such line or when it cannot be read.
CertificationCheck ReconcileCertification(const std::vector<std::string>& paragraphsAfterTable,
                                          const CertificationFacts& facts, rules::RunState& state);

}  // namespace tabulex::check
