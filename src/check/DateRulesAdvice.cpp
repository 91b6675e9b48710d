#include "check/DateRulesAdvice.h"

#include "text/Cp1251.h"
#include "text/TextHelpers.h"

namespace tabulex::check {
namespace {
using namespace text::literals;

const std::string_view kAdvice =
    "Ошибок в датах: %1. Из них %2 не будут ошибками по современным правилам (tabulex check --rules "
    "modern; в окне: Настройки | Правила проверки | Современные), а %3 исправит команда \"Даты | "
    "Диапазоны дат без пробелов\" (tabulex fix --dates-join-ranges)."_cp;

}  // namespace

std::string DateRulesAdvice(const DateRuleCounts& counts) {
    if (counts.ClearedByModern < kDateAdviceRows && counts.ClearedByJoining < kDateAdviceRows) return {};
    return text::FillIn(kAdvice, {std::to_string(counts.ErrorRows), std::to_string(counts.ClearedByModern),
                                  std::to_string(counts.ClearedByJoining)});
}

}  // namespace tabulex::check
