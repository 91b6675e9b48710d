#pragma once

// Runs the title rules on a UTF-8 written title and returns the findings in UTF-8 with the counts,
// so that tables of cases stay readable and failures print readable text.

#include "rules/RunState.h"
#include "rules/TitleRules.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tabulex::rules::testing {

struct TitleOptions {
    bool SpacedInitials = false;
    bool ShowWarnings = true;
    bool ShowHints = true;
};

struct TitleOutcome {
    std::string Findings;  // UTF-8
    int Warnings = 0;
    int Hints = 0;
};

inline TitleOutcome CheckUtf8Title(std::string_view utf8Title, TitleOptions options = {}) {
    RunState state;
    state.Flags.SpacedInitials = options.SpacedInitials;
    state.Flags.ShowWarnings = options.ShowWarnings;
    state.Flags.ShowHints = options.ShowHints;
    const std::string findings = CheckTitleText(text::Utf8ToCp1251(utf8Title), state);
    EXPECT_EQ(state.Counts.ErrorCount, 0);
    return {text::Cp1251ToUtf8(findings), state.Counts.WarningCount, state.Counts.HintCount};
}

}  // namespace tabulex::rules::testing
