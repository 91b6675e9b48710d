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
    bool spacedInitials = false;
    bool showWarnings = true;
    bool showHints = true;
};

struct TitleOutcome {
    std::string findings;  // UTF-8
    int warnings = 0;
    int hints = 0;
};

inline TitleOutcome CheckUtf8Title(std::string_view utf8Title, TitleOptions options = {}) {
    RunState state;
    state.flags.SpacedInitials = options.spacedInitials;
    state.flags.ShowWarnings = options.showWarnings;
    state.flags.ShowHints = options.showHints;
    const std::string findings = CheckTitleText(text::Utf8ToCp1251(utf8Title), state);
    EXPECT_EQ(state.counts.ErrorCount, 0);
    return {text::Cp1251ToUtf8(findings), state.counts.WarningCount, state.counts.HintCount};
}

}  // namespace tabulex::rules::testing
