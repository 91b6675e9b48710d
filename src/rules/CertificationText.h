#pragma once

// The certification line an inventory carries after its main table, as archival practice words
// it: "В данную опись внесено 25 (двадцать пять) дел с № 1 по № 25, в том числе: литерные номера:
// 5а; пропущенные номера: 10, 11."; also "занесено", and "В данный раздел описи", "В настоящую
// опись", "В опись", "Всего в опись" for "В данную опись". Texts are Windows-1251.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::rules {

struct CertificationText {
    std::string Figures;    // the count in figures, digits only
    std::string Words;      // the count in words as written (between the brackets), or empty
    std::string CasesWord;  // the word after the count, in lower case
    std::string FirstNumber;
    std::string LastNumber;
    bool ListsLiteral = false;  // "литерные номера" is written (its list may be empty)
    std::vector<std::string> Literal;
    bool ListsMissing = false;  // "пропущенные номера" is written
    std::vector<std::string> Missing;
};

// Whether a paragraph begins a certification line (letter case, leading blanks, no-break spaces
// and line breaks ignored).
bool StartsCertification(std::string_view paragraph);

// The parts of a certification line; nullopt when the count in figures or the case numbers
// cannot be read.
std::optional<CertificationText> ParseCertification(std::string_view line);

// A case number as the line and the check compare it: blanks and a final full stop dropped,
// letters in lower case.
std::string ComparableNumber(std::string_view number);

}  // namespace tabulex::rules
