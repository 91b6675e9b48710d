// What the front ends show after a command's result text.

#include "text/Cp1251.h"
#include "text/TextHelpers.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"

namespace tabulex::tools {
namespace {

// `item` fills in the old and the new number (both in the encoding of the result).
template <class Convert>
std::string LiteralNumbersLine(const ToolOutcome& outcome, std::string_view item, Convert convert) {
    if (outcome.LiteralNumbers.empty()) return {};
    std::string list;
    for (const NumberReplacement& replaced : outcome.LiteralNumbers) {
        if (!list.empty()) list += ", ";
        list += text::FillIn(item, {convert(replaced.Old), std::to_string(replaced.New)});
    }
    return text::FillIn(convert(std::string(msg::kLiteralNumbersReplaced)), {list});
}

}  // namespace

std::string ResultDetailsUtf8(const ToolOutcome& outcome) {
    return LiteralNumbersLine(outcome, msg::kLiteralNumberReplacedUtf8,
                              [](const std::string& text1251) { return text::Cp1251ToUtf8(text1251); });
}

std::string ResultDetails(const ToolOutcome& outcome) {
    return LiteralNumbersLine(outcome, msg::kLiteralNumberReplaced,
                              [](const std::string& text1251) { return text1251; });
}

}  // namespace tabulex::tools
