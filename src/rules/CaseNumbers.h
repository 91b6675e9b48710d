#pragma once

// The case numbers of an inventory (the № column): a fixed-width sort key per number, the collection
// of all keys of a check, and the summary of literal, non-literal, missing and repeated numbers.

#include "rules/RuleSet.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::rules {

// The number trimmed and padded so that its digits end at character 8 and the letters of a literal
// number ("12А", "12АБ") stand at characters 9 and 10: "12" gives six blanks, "12" and two blanks.
// A text longer than the key width is kept as it is.
std::string CaseNumberKey(std::string_view numberText);

// All keys of one check, read in ascending order ignoring letter case: a blank before digits, digits
// before letters, Ё right after Е; equal keys are all kept, in the order they were added. Adding is
// cheap; the keys are sorted once, when first read after an addition.
class CaseNumberKeys {
  public:
    void Add(std::string key);
    void AddNumber(std::string_view numberText) { Add(CaseNumberKey(numberText)); }
    void Clear();
    std::size_t Size() const { return keys_.size(); }
    bool Empty() const { return keys_.empty(); }

    // Not safe to call from two threads at once after an addition (it sorts in place).
    const std::vector<std::string>& Sorted() const;

    // The order of the collection: true when a sorts before b.
    static bool Less(std::string_view a, std::string_view b);

  private:
    mutable std::vector<std::string> keys_;
    mutable bool sorted_ = true;
};

struct CaseNumberSummary {
    std::string LiteralLine;
    std::string NonLiteralLine;  // empty unless a series letter was found; then it holds two lines
    std::string MissingLine;
    std::string RepeatedLine;
    long long LiteralCount = 0;
    long long NonLiteralCount = 0;
    long long MissingCount = 0;
    long long RepeatedCount = 0;
    char SeriesLetter = 0;  // the capital most numbers carry, or 0 when there is none
};

// Reads the keys in order and builds the four report lines of the summary. Missing numbers are listed
// one by one; once the list holds kMaxListedMissing numbers, or for a gap larger than that, a gap is
// written as one item "first-last" (a mistyped number such as 1000000 must not produce a million items).
// Under the modern rules a number with a small letter ("5а") is literal like "5А".
CaseNumberSummary SummariseCaseNumbers(const CaseNumberKeys& keys, RuleSet rules = RuleSet::Original);

inline constexpr long long kMaxListedMissing = 100'000;

}  // namespace tabulex::rules
