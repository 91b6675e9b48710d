#pragma once

// A rule of the title loop as data: conditions on the characters at i-2 .. i+2, an optional
// irregular condition, and the message, fixed or composed. A table of such rules runs in its own
// order at every position; a per-byte mask of the rules whose condition on T[i] can hold keeps the
// loop from trying rules that cannot apply.

#include "rules/RunState.h"
#include "rules/TitleCharSet.h"
#include "rules/TitlePosition.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tabulex::rules::title {

struct PositionRule;
using PositionGuard = bool (*)(const Position&);
// Writes the whole message of a finding into message (which arrives empty).
using PositionMessage = void (*)(const PositionRule&, const Position&, std::string& message);

struct PositionRule {
    std::string_view Id;  // our rule number, for tests and readers
    ProblemClass Cls;
    CharTest Before2 = kAnyChar;  // T[i-2]
    CharTest Before = kAnyChar;   // T[i-1]
    CharTest At = kAnyChar;       // T[i]
    CharTest After = kAnyChar;    // T[i+1]
    CharTest After2 = kAnyChar;   // T[i+2]
    std::string_view Message;     // the message, or its opening piece when composed
    PositionGuard Guard = nullptr;
    PositionMessage Compose = nullptr;
};

// For each of T[i-2] .. T[i+2], the rules whose condition on that character holds, indexed by the
// character + 1 (0 for "no character"). The rules whose five conditions all hold at a position are
// the AND of five look-ups; only their irregular conditions are left to test.
struct RuleMasks {
    std::array<std::array<std::uint64_t, 257>, 5> ByOffset{};

    std::uint64_t Candidates(const Position& p) const {
        const auto at = [&](std::size_t k) { return ByOffset[k][static_cast<std::size_t>(p.Near[k] + 1)]; };
        return at(0) & at(1) & at(2) & at(3) & at(4);
    }
};

template <std::size_t N>
constexpr RuleMasks BuildRuleMasks(const std::array<PositionRule, N>& rules) {
    static_assert(N <= 64, "one bit per rule");
    RuleMasks masks{};
    for (std::size_t r = 0; r < N; ++r) {
        const CharTest tests[5] = {rules[r].Before2, rules[r].Before, rules[r].At, rules[r].After,
                                   rules[r].After2};
        for (std::size_t k = 0; k < 5; ++k)
            for (int c = -1; c < 256; ++c)
                if (tests[k](c)) masks.ByOffset[k][static_cast<std::size_t>(c + 1)] |= std::uint64_t{1} << r;
    }
    return masks;
}

// Runs, in table order, the candidate rules (bits of the mask, see RuleMasks) that apply at the position.
inline void RunPositionRules(std::span<const PositionRule> rules, std::uint64_t candidates, const Position& p,
                             RunState& state, std::string& out, std::string& scratch) {
    for (std::uint64_t m = candidates; m != 0; m &= m - 1) {
        const PositionRule& rule = rules[static_cast<std::size_t>(std::countr_zero(m))];
        if (rule.Guard != nullptr && !rule.Guard(p)) continue;
        if (rule.Compose == nullptr) {
            state.Record(rule.Cls, out, rule.Message);
        } else {
            scratch.clear();
            if (state.IsShown(rule.Cls)) rule.Compose(rule, p, scratch);
            state.Record(rule.Cls, out, scratch);
        }
    }
}

}  // namespace tabulex::rules::title
