#include "rules/WhitespaceRules.h"

#include "text/CharClasses.h"
#include "text/Cp1251.h"

#include <cstdint>

namespace tabulex::rules {
namespace {
using namespace text::literals;

enum class Where { First, Anywhere, Last };

struct WhitespaceRule {
    rules::Where Where;
    std::string_view Pattern;  // First, Last: any one of these characters; Anywhere: this substring
    std::string_view Message;
};

// In the order the messages are reported.
constexpr WhitespaceRule kRules[] = {
    {Where::First, " \xA0", "Лишний пробел в начале; "_cp},
    {Where::Anywhere, "  ", "Двойные пробелы; "_cp},
    {Where::Anywhere, " \xA0", "Неразрывный пробел после обычного; "_cp},
    {Where::Anywhere, "\xA0 ", "Обычный пробел после неразрывного; "_cp},
    {Where::Anywhere, "\x0B ", "Лишний пробел после разрыва строки; "_cp},
    {Where::Anywhere, "\x0D ", "Лишний пробел в начале абзаца; "_cp},
    {Where::Last, "\x0B", "Лишний разрыв строки в конце; "_cp},
    {Where::Last, "\x0D", "Лишний абзац в конце; "_cp},
};

constexpr std::size_t kRuleCount = sizeof(kRules) / sizeof(kRules[0]);
static_assert(kRuleCount <= 32, "one bit a rule");

// What a rule looks for anywhere is a pair of characters ending with a blank or a no-break space
// and starting with a control character, a blank or a no-break space.
constexpr bool EndsEveryPair() {
    for (const auto& rule : kRules)
        if (rule.Where == Where::Anywhere &&
            (rule.Pattern.size() != 2 || (rule.Pattern[1] != ' ' && rule.Pattern[1] != '\xA0') ||
             (static_cast<unsigned char>(rule.Pattern[0]) > ' ' && rule.Pattern[0] != '\xA0')))
            return false;
    return true;
}
static_assert(EndsEveryPair());

// The rules that apply, one bit a rule: the text is read once, stopping only at the blanks and
// no-break spaces that may end a pair (a title has a dozen blanks, and searching for each
// pair on its own would stop at every one of them for every pair).
std::uint32_t RulesThatApply(std::string_view text) {
    std::uint32_t applies = 0;
    for (std::size_t k = 0; k < kRuleCount; ++k) {
        const WhitespaceRule& rule = kRules[k];
        const char edge = rule.Where == Where::First ? text.front() : text.back();
        if (rule.Where != Where::Anywhere && rule.Pattern.find(edge) != std::string_view::npos)
            applies |= 1u << k;
    }
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != ' ' && text[i] != '\xA0') continue;
        if (static_cast<unsigned char>(text[i - 1]) > ' ' && text[i - 1] != '\xA0') continue;  // after a word
        for (std::size_t k = 0; k < kRuleCount; ++k)
            if (kRules[k].Where == Where::Anywhere && kRules[k].Pattern[0] == text[i - 1] &&
                kRules[k].Pattern[1] == text[i])
                applies |= 1u << k;
    }
    return applies;
}

}  // namespace

std::string CheckWhitespace(std::string_view cellText) {
    std::string messages;
    if (cellText.empty()) return messages;
    const std::uint32_t applies = RulesThatApply(cellText);
    for (std::size_t k = 0; k < kRuleCount; ++k)
        if (applies & (1u << k)) messages.append(kRules[k].Message);
    return messages;
}

}  // namespace tabulex::rules
