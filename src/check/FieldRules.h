#pragma once

// The field rules the row rules call. Until the field rules are on this branch, inert stand-ins
// keep the engine building; they are removed once the real headers are here.

#if __has_include("rules/TitleRules.h") && __has_include("rules/CaseNumbers.h")
#include "rules/CaseNumbers.h"
#include "rules/DateRules.h"
#include "rules/TitleRules.h"
#include "rules/WhitespaceRules.h"
#else
#include "rules/RunState.h"
#include "text/Calendar.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::rules {
inline std::string CheckTitleText(std::string_view, RunState&) {
    return {};
}
inline std::string CheckWhitespace(std::string_view) {
    return {};
}
inline std::string CheckDates(std::string_view, text::DayCount&, text::DayCount&) {
    return {};
}
inline std::string CaseNumberKey(std::string_view n) {
    return std::string(n);
}
class CaseNumberKeys {
  public:
    void Add(std::string key) { keys_.push_back(std::move(key)); }
    std::size_t Size() const { return keys_.size(); }

  private:
    std::vector<std::string> keys_;
};
struct CaseNumberSummary {
    std::string LiteralLine, NonLiteralLine, MissingLine, RepeatedLine;
    long long LiteralCount = 0, NonLiteralCount = 0, MissingCount = 0, RepeatedCount = 0;
};
inline CaseNumberSummary SummariseCaseNumbers(const CaseNumberKeys&) {
    return {};
}
}  // namespace tabulex::rules
#endif
