#include "rules/TitleEnd.h"

#include "rules/TitleCharSets.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"

#include <array>

namespace tabulex::rules {
namespace {
using namespace text::literals;
using title::CharSet;
using title::CharTest;
using title::In;
using title::kAnyChar;

constexpr CharSet kSD = CharSet::Of(" ") | title::sets::kDigits;
constexpr CharTest SD = In(kSD);
constexpr CharTest SDR = In(kSD | CharSet::Of("IVX"));
constexpr CharTest SDR2 = In(kSD | CharSet::Of("IV"));
constexpr CharTest SPD = In(kSD | CharSet::Of("."));
constexpr CharTest SPDG = In(kSD | CharSet::Of(".") | CharSet::Of("г"_cp));
constexpr CharTest Digit = In(title::sets::kDigits);

// The ending, final full stop included, and a condition on the character just before it
// (a character before the first one matches no class).
struct ExemptEnding {
    CharTest Before;
    std::string_view Ending;
};

constexpr std::array kExemptEndings{
    ExemptEnding{kAnyChar, " об."_cp},
    ExemptEnding{kAnyChar, " губ."_cp},
    ExemptEnding{kAnyChar, " др."_cp},
    ExemptEnding{kAnyChar, " пр."_cp},
    ExemptEnding{SD, "коп."_cp},
    ExemptEnding{SD, " к."_cp},
    ExemptEnding{Digit, "к."_cp},
    ExemptEnding{SDR, "в."_cp},
    ExemptEnding{SDR, "вв."_cp},
    ExemptEnding{SD, "кл."_cp},
    ExemptEnding{SD, "чел."_cp},
    ExemptEnding{SD, "мин."_cp},
    ExemptEnding{SD, "сек."_cp},
    ExemptEnding{SD, "руб."_cp},
    ExemptEnding{SD, "р."_cp},
    ExemptEnding{SPD, "саж."_cp},
    ExemptEnding{SD, "дес."_cp},
    ExemptEnding{SD, "мес."_cp},
    ExemptEnding{SDR, "т."_cp},
    ExemptEnding{SD, "ст."_cp},
    ExemptEnding{SD, "шт."_cp},
    ExemptEnding{SD, "уч."_cp},
    ExemptEnding{SDR2, "кв."_cp},
    ExemptEnding{SD, "см."_cp},
    ExemptEnding{SD, "мм."_cp},
    ExemptEnding{SD, "г. р."_cp},
    ExemptEnding{SD, "г.р."_cp},
    ExemptEnding{kAnyChar, " обл."_cp},
    ExemptEnding{kAnyChar, " вол."_cp},
    ExemptEnding{kAnyChar, "СПб."_cp},
    ExemptEnding{kAnyChar, " ж.д."_cp},
    ExemptEnding{kAnyChar, " ж. д."_cp},
    ExemptEnding{kAnyChar, " ул."_cp},
    ExemptEnding{kAnyChar, " т.д."_cp},
    ExemptEnding{kAnyChar, " т.п."_cp},
    ExemptEnding{kAnyChar, " проч."_cp},
    ExemptEnding{SPD, "экз."_cp},
    ExemptEnding{kAnyChar, "писн."_cp},
    ExemptEnding{SPDG, "г."_cp},
    // (an initial, a capital after a space or a full stop: EndsWithInitial)
    ExemptEnding{kAnyChar, "..."},
    // "и т. д." and "и т. п." as typeset with a space, and the forms with the space misplaced that
    // inventories also carry.
    ExemptEnding{kAnyChar, " т. д."_cp},
    ExemptEnding{kAnyChar, " т. п."_cp},
    ExemptEnding{kAnyChar, " т .д."_cp},
    ExemptEnding{kAnyChar, " т .п."_cp},
};

int CharBefore(std::string_view text, std::size_t suffixLength) {
    return text::CharAt(text, static_cast<int>(text.size()) - static_cast<int>(suffixLength));
}

bool EndsWith(std::string_view text, const ExemptEnding& row) {
    return text.ends_with(row.Ending) && row.Before(CharBefore(text, row.Ending.size()));
}

// "Иванову И.": a capital initial after a space or a full stop.
bool EndsWithInitial(std::string_view text) {
    const int length = static_cast<int>(text.size());
    const int before = text::CharAt(text, length - 2);
    return text::IsCyrillicCapital(text::CharAt(text, length - 1)) && (before == ' ' || before == '.');
}

}  // namespace

bool FinalStopIsSuperfluous(std::string_view text) {
    if (!text.ends_with('.')) return false;
    if (text.size() < 5) return true;
    if (EndsWithInitial(text)) return false;
    for (const ExemptEnding& row : kExemptEndings)
        if (EndsWith(text, row)) return false;
    return true;
}

}  // namespace tabulex::rules
