#include "rules/TitlePositionPieces.h"

#include "text/CharClasses.h"
#include "text/Cp1251.h"

namespace tabulex::rules::title {
namespace {
using namespace text::literals;

char Byte(int c) {
    return static_cast<char>(c);
}

// The run of full stops and digits from i, never including the last character of the title; only
// its first nine characters matter (a run of eight is a date with a two-digit year).
std::string_view ShortDateRun(const Position& p) {
    int end = p.I;
    auto inRun = [&](int position) {
        const int c = text::CharAt(p.Text, position);
        return c == '.' || text::IsDigit(c);
    };
    while (end - p.I < 8 && end + 1 < p.Length() && inRun(end + 1)) ++end;
    return p.Piece(p.I, end);
}

bool IsCyrillicAToYa(int c) {
    return c >= 0xC0 && c <= 0xFF;
}
bool IsDigitChar(int c) {
    return text::IsDigit(c);
}

int RunStart(const Position& p, int last, bool (*inRun)(int)) {
    int first = last;
    while (inRun(text::CharAt(p.Text, first - 1))) --first;
    return first;
}

int RunEnd(const Position& p, int first, bool (*inRun)(int)) {
    int last = first;
    while (inRun(text::CharAt(p.Text, last + 1))) ++last;
    return last;
}

}  // namespace

// A date with a two-digit year, "12.05.45": eight characters whose sixth is the full stop before
// the year. Any run of eight digits and full stops would also flag a correct "1.1.1945" and
// suggest "1.1.191945".
bool IsEightCharacterRun(const Position& p) {
    const std::string_view run = ShortDateRun(p);
    return run.size() == 8 && run[5] == '.' && text::IsDigit(static_cast<unsigned char>(run[6])) &&
           text::IsDigit(static_cast<unsigned char>(run[7]));
}

bool IsNotAbbreviation(const Position& p) {
    const bool abbreviation = p.I > 2 && p.At(-2) == text::ch::kSpace && text::IsCyrillicSmall(p.At(-1)) &&
                              text::IsCyrillicSmall(p.At(1)) && p.At(2) == '.';
    return !abbreviation;
}

// The hyphens of "кино- и фотодокументы" and "фоно- ..." hang on purpose.
bool IsBrokenCompound(const Position& p) {
    if (p.I <= 5) return false;
    const std::string_view word = p.Piece(p.I - 4, p.I - 1);
    return word.substr(2) == "но"_cp && word != "кино"_cp && word != "фоно"_cp;
}

void ComposeInvalidChar(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.Message).append(1, Byte(p.At(0))).append("\" (#");
    message.append(std::to_string(p.At(0))).append("); ");
}

void ComposeShortYear(const PositionRule& rule, const Position& p, std::string& message) {
    const std::string_view run = ShortDateRun(p);
    message.append(rule.Message).append(run).append("\" до \""_cp);
    message.append(run.substr(0, 6)).append("19").append(run.substr(6, 2)).append("\"; ");
}

void ComposeFullStopPiece(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.Message).append(p.Piece(p.I - 2, p.I + 2)).append("\"; ");
}

void ComposeLetterAndStop(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.Message).append(1, Byte(p.At(0))).append(".\"; ");
}

// "1998г": the digits that end at i-1 and the letters that start at i.
void ComposeDigitsThenLetters(const PositionRule& rule, const Position& p, std::string& message) {
    const int first = RunStart(p, p.I - 1, IsDigitChar);
    const int last = RunEnd(p, p.I, IsCyrillicAToYa);
    message.append(rule.Message).append(p.Piece(first, last)).append("\"; ");
}

// "стр12": the letters that end at i and the digits that start at i+1.
void ComposeLettersThenDigits(const PositionRule& rule, const Position& p, std::string& message) {
    const int first = RunStart(p, p.I, IsCyrillicAToYa);
    const int last = RunEnd(p, p.I + 1, IsDigitChar);
    message.append(rule.Message).append(p.Piece(first, last)).append("\"; ");
}

void ComposeLetter(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.Message).append(p.Piece(p.I, p.I)).append("\"; ");
}

void ComposeLetterPair(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.Message).append(p.Piece(p.I, p.I + 1)).append("\"; ");
}

void ComposeBrokenCompound(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.Message).append(p.Piece(p.I - 4, p.I)).append("»; "_cp);
}

}  // namespace tabulex::rules::title
