#pragma once

// The problem text of the row being checked, built under the counting rule: every finding counts
// in its class, and its message is appended only when the class is shown.

#include "check/CheckOutcome.h"
#include "rules/RunState.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::check {

class RowFindings {
  public:
    explicit RowFindings(rules::RunState& state) : state_(state) {}

    void Add(rules::ProblemClass cls, std::string_view message) {
        if (state_.IsShown(cls)) findings_.push_back({cls, std::string(message), cell_});
        state_.Record(cls, problems_, message);
    }
    void Error(std::string_view message) { Add(rules::ProblemClass::Error, message); }
    void Warning(std::string_view message) { Add(rules::ProblemClass::Warning, message); }
    void Hint(std::string_view message) { Add(rules::ProblemClass::Hint, message); }

    // The cell the findings added from now on concern.
    void Concerning(CellRole cell) { cell_ = cell; }

    rules::RunState& State() { return state_; }
    bool Empty() const { return problems_.empty(); }
    std::string& Problems() { return problems_; }
    std::vector<Finding>& Items() { return findings_; }

  private:
    rules::RunState& state_;
    std::string problems_;
    std::vector<Finding> findings_;
    CellRole cell_ = CellRole::Row;
};

}  // namespace tabulex::check
