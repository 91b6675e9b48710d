#include "rules/WhitespaceRules.h"

#include "text/CharClasses.h"
#include "text/Cp1251.h"

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

bool Applies(const WhitespaceRule& rule, std::string_view text) {
    switch (rule.Where) {
        case Where::First:
            return rule.Pattern.find(text.front()) != std::string_view::npos;
        case Where::Anywhere:
            return text.find(rule.Pattern) != std::string_view::npos;
        case Where::Last:
            return rule.Pattern.find(text.back()) != std::string_view::npos;
    }
    return false;
}

}  // namespace

std::string CheckWhitespace(std::string_view cellText) {
    std::string messages;
    if (cellText.empty()) return messages;
    for (const auto& rule : kRules)
        if (Applies(rule, cellText)) messages.append(rule.Message);
    return messages;
}

}  // namespace tabulex::rules
