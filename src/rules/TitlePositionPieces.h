#pragma once

// The irregular parts of the per-position title rules: conditions that a character test cannot
// express and messages that quote a piece of the title.

#include "rules/TitlePositionRule.h"

#include <string>

namespace tabulex::rules::title {

// Conditions.
bool IsEightCharacterRun(const Position& p);  // "05.05.45": a date with a two-digit year
bool IsNotAbbreviation(const Position& p);    // "т.е." after a space
bool IsBrokenCompound(const Position& p);  // "научно- технический", not "кино- и фото..."

// Messages: the rule's opening piece, then the quoted piece of the title.
void ComposeInvalidChar(const PositionRule& rule, const Position& p, std::string& message);
void ComposeShortYear(const PositionRule& rule, const Position& p, std::string& message);
void ComposeFullStopPiece(const PositionRule& rule, const Position& p, std::string& message);
void ComposeLetterAndStop(const PositionRule& rule, const Position& p, std::string& message);
void ComposeDigitsThenLetters(const PositionRule& rule, const Position& p, std::string& message);
void ComposeLettersThenDigits(const PositionRule& rule, const Position& p, std::string& message);
void ComposeLetter(const PositionRule& rule, const Position& p, std::string& message);
void ComposeLetterPair(const PositionRule& rule, const Position& p, std::string& message);
void ComposeBrokenCompound(const PositionRule& rule, const Position& p, std::string& message);

}  // namespace tabulex::rules::title
