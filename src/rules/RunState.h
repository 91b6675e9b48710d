#pragma once

// The run-wide flags and counters of one check. Every rule takes it explicitly, so several
// inventories can be checked at once, each with its own state.

#include "rules/RuleSet.h"

#include <string>
#include <string_view>

namespace tabulex::rules {

struct CheckFlags {
    bool ShowErrors = true;  // always true; kept for symmetry with the other classes
    bool ShowWarnings = true;
    bool ShowHints = true;
    bool SpacedInitials = false;  // "А. Б. Иванов" rather than "А.Б. Иванов"
    RuleSet Rules = RuleSet::Original;
};

struct ProblemCounts {
    int ErrorCount = 0;
    int WarningCount = 0;
    int HintCount = 0;
};

enum class ProblemClass { Error, Warning, Hint };

struct RunState {
    CheckFlags Flags;
    ProblemCounts Counts;

    bool IsShown(ProblemClass cls) const {
        switch (cls) {
            case ProblemClass::Error:
                return true;
            case ProblemClass::Warning:
                return Flags.ShowWarnings;
            case ProblemClass::Hint:
                return Flags.ShowHints;
        }
        return true;
    }

    // A finding always counts in its class; its message is appended only when the class is shown.
    void Record(ProblemClass cls, std::string& out, std::string_view message) {
        switch (cls) {
            case ProblemClass::Error:
                ++Counts.ErrorCount;
                break;
            case ProblemClass::Warning:
                ++Counts.WarningCount;
                break;
            case ProblemClass::Hint:
                ++Counts.HintCount;
                break;
        }
        if (IsShown(cls)) out.append(message);
    }
    void Error(std::string& out, std::string_view message) { Record(ProblemClass::Error, out, message); }
    void Warning(std::string& out, std::string_view message) { Record(ProblemClass::Warning, out, message); }
    void Hint(std::string& out, std::string_view message) { Record(ProblemClass::Hint, out, message); }
};

}  // namespace tabulex::rules
