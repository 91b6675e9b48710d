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
    std::string_view id;  // our rule number, for tests and readers
    ProblemClass cls;
    CharTest before2 = kAnyChar;  // T[i-2]
    CharTest before = kAnyChar;   // T[i-1]
    CharTest at = kAnyChar;       // T[i]
    CharTest after = kAnyChar;    // T[i+1]
    CharTest after2 = kAnyChar;   // T[i+2]
    std::string_view message;     // the message, or its opening piece when composed
    PositionGuard guard = nullptr;
    PositionMessage compose = nullptr;
};

using RuleMasks = std::array<std::uint64_t, 256>;

template <std::size_t N>
constexpr RuleMasks BuildRuleMasks(const std::array<PositionRule, N>& rules) {
    static_assert(N <= 64, "one bit per rule");
    RuleMasks masks{};
    for (int c = 0; c < 256; ++c)
        for (std::size_t r = 0; r < N; ++r)
            if (rules[r].at(c)) masks[static_cast<std::size_t>(c)] |= std::uint64_t{1} << r;
    return masks;
}

// Runs, in table order, every rule of the table that applies at the position.
inline void RunPositionRules(std::span<const PositionRule> rules, const RuleMasks& masks, const Position& p,
                             RunState& state, std::string& out, std::string& scratch) {
    const int c = p.At(0);
    if (c < 0) return;
    for (std::uint64_t m = masks[static_cast<std::size_t>(c)]; m != 0; m &= m - 1) {
        const PositionRule& rule = rules[static_cast<std::size_t>(std::countr_zero(m))];
        if (!rule.before(p.At(-1)) || !rule.after(p.At(1)) || !rule.after2(p.At(2)) ||
            !rule.before2(p.At(-2)))
            continue;
        if (rule.guard != nullptr && !rule.guard(p)) continue;
        if (rule.compose == nullptr) {
            state.Record(rule.cls, out, rule.message);
        } else {
            scratch.clear();
            if (state.IsShown(rule.cls)) rule.compose(rule, p, scratch);
            state.Record(rule.cls, out, scratch);
        }
    }
}

}  // namespace tabulex::rules::title
