#pragma once

// The character sets of the title rules, exactly as the house rules list them.

#include "rules/TitleCharSet.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"

namespace tabulex::rules::title {

namespace sets {
using namespace text::literals;
namespace ch = text::ch;

inline constexpr CharSet kSpace = CharSet::Codes({ch::kSpace});
inline constexpr CharSet kSpaceOrNbsp = CharSet::Codes({ch::kSpace, ch::kNbsp});
inline constexpr CharSet kDigits = CharSet::Range('0', '9');
inline constexpr CharSet kLatinCapitals = CharSet::Range('A', 'Z');
inline constexpr CharSet kLatinSmalls = CharSet::Range('a', 'z');
inline constexpr CharSet kLatinLetters = kLatinCapitals | kLatinSmalls;
// Ё and ё are letters but neither capitals nor smalls.
inline constexpr CharSet kCyrillicCapitals = CharSet::Range(0xC0, 0xDF);
inline constexpr CharSet kCyrillicSmalls = CharSet::Range(0xE0, 0xFF);
inline constexpr CharSet kCyrillicAToYa = CharSet::Range(0xC0, 0xFF);
inline constexpr CharSet kCyrillicLetters = kCyrillicAToYa | CharSet::Codes({ch::kCapitalYo, ch::kSmallYo});

// What a title may start with. Ё, ё, Latin smalls, (, №, „ and “ may not.
inline constexpr CharSet kFirstChar = CharSet::Of(" \"[") | kDigits | kLatinCapitals |
                                      CharSet::Codes({ch::kNbsp, ch::kLeftGuillemet}) | kCyrillicAToYa;

// What a title may end with. Comma, colon, semicolon, hyphen, “, Ё and ё may not.
inline constexpr CharSet kLastChar =
    CharSet::Of(" !\"%).?]") | kDigits | kLatinLetters |
    CharSet::Codes({ch::kEllipsis, ch::kRightCurlyQuote, ch::kRightGuillemet}) | kCyrillicAToYa;

// What may stand inside a title. TAB, #, *, <, >, ^, _, `, { | } ~, ‘ ’ ”, •, —, ©, ° and others may not.
inline constexpr CharSet kInText =
    CharSet::Codes({ch::kLineBreak, ch::kParagraphMark, 0x1E, 0x1F}) |
    CharSet::Of(" !\"$%&'()+,-./:;=?@[\\]") | kDigits | kLatinLetters |
    CharSet::Codes({ch::kLowQuote, ch::kEllipsis, ch::kLeftCurlyQuote, ch::kEnDash, ch::kNbsp, ch::kSection,
                    ch::kCapitalYo, ch::kLeftGuillemet, ch::kSmallYo, ch::kNumeroSign, ch::kRightGuillemet}) |
    kCyrillicAToYa;

// What may follow a full stop, a closing bracket and a closing quote without a space.
inline constexpr CharSet kAfterFullStop =
    CharSet::Of(" \"),.:") | kDigits | CharSet::Codes({ch::kRightGuillemet});
inline constexpr CharSet kAfterBracket =
    CharSet::Of(" ,.:;") | CharSet::Codes({ch::kRightCurlyQuote, ch::kRightGuillemet});
inline constexpr CharSet kAfterQuote =
    CharSet::Of(" ),.:;") | CharSet::Codes({ch::kRightCurlyQuote, ch::kRightGuillemet});

}  // namespace sets

}  // namespace tabulex::rules::title
