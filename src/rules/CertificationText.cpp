#include "rules/CertificationText.h"

#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

#include <array>

namespace tabulex::rules {
namespace {

using namespace text::literals;

// The openings archivists write, longest first where one begins another; each with "внесено" or
// "занесено".
constexpr std::array<std::string_view, 5> kOpeningHeads = {
    "в данную опись "_cp, "в данный раздел описи "_cp, "в настоящую опись "_cp, "всего в опись "_cp,
    "в опись "_cp,
};
constexpr std::array<std::string_view, 2> kOpeningVerbs = {"внесено"_cp, "занесено"_cp};
constexpr std::string_view kNumeroSign = "№"_cp;
constexpr std::string_view kFrom = " с "_cp;
constexpr std::string_view kTo = " по "_cp;
constexpr std::string_view kLiteral = "литерн"_cp;
constexpr std::string_view kMissing = "пропущен"_cp;
constexpr std::string_view kNone = "нет"_cp;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\xA0' || c == '\r' || c == '\n' || c == '\v';
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

// Lower case, every run of blanks one space.
std::string Normalised(std::string_view text) {
    std::string out;
    for (char c : text::LowerCase1251(text)) {
        if (IsBlank(c)) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

bool IsNumberChar(char c) {
    const int code = static_cast<unsigned char>(c);
    return text::IsDigit(code) || code >= 0xC0 || code == 0xA8 || code == 0xB8 || c == '-' || c == '/';
}

// The case number after "№" (or straight after the word before it).
std::string ReadNumber(std::string_view text) {
    text = SkipBlanks(text);
    while (text.starts_with(kNumeroSign)) text = SkipBlanks(text.substr(kNumeroSign.size()));
    std::string number;
    while (!text.empty() && IsNumberChar(text.front())) {
        number += text.front();
        text.remove_prefix(1);
    }
    while (!number.empty() && number.back() == '-') number.pop_back();
    return number;
}

// The items after a list's name: from the colon (or the name's end) to ";", a full stop that ends
// the sentence, or the other list's name.
std::vector<std::string> ReadList(std::string_view text, std::size_t nameAt, std::string_view otherName) {
    std::string_view rest = text.substr(nameAt);
    std::size_t end = rest.find(';');
    if (const std::size_t other = rest.find(otherName); other < end) end = other;
    rest = rest.substr(0, end);
    // "литерные номера: 5а", "литерный номер 5а", "литерных номеров нет".
    if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos)
        rest.remove_prefix(colon + 1);
    else if (const std::size_t space = rest.find(' ', rest.find(' ') + 1); space != std::string_view::npos)
        rest.remove_prefix(space + 1);
    else
        rest = {};
    std::vector<std::string> items;
    std::string item;
    auto flush = [&] {
        std::string trimmed(text::TrimView(item));
        while (!trimmed.empty() && (trimmed.back() == '.' || trimmed.back() == ',')) trimmed.pop_back();
        if (!trimmed.empty() && trimmed != kNone) items.push_back(ComparableNumber(trimmed));
        item.clear();
    };
    for (char c : rest) {
        if (c == ',')
            flush();
        else
            item += c;
    }
    flush();
    return items;
}

}  // namespace

namespace {

// The length of the opening the normalised text begins with, 0 when none.
std::size_t OpeningLength(std::string_view text) {
    for (std::string_view head : kOpeningHeads) {
        if (!text.starts_with(head)) continue;
        for (std::string_view verb : kOpeningVerbs)
            if (text.substr(head.size()).starts_with(verb)) return head.size() + verb.size();
    }
    return 0;
}

}  // namespace

bool StartsCertification(std::string_view paragraph) {
    const std::string start = Normalised(paragraph.substr(0, 80));
    return OpeningLength(text::TrimView(start)) > 0;
}

std::string ComparableNumber(std::string_view number) {
    std::string out;
    for (char c : text::LowerCase1251(number))
        if (!IsBlank(c)) out += c;
    while (!out.empty() && out.back() == '.') out.pop_back();
    return out;
}

std::optional<CertificationText> ParseCertification(std::string_view line) {
    const std::string text = Normalised(line);
    std::string_view rest = text::TrimView(text);
    const std::size_t opening = OpeningLength(rest);
    if (opening == 0) return std::nullopt;
    rest.remove_prefix(opening);

    CertificationText parsed;
    rest = SkipBlanks(rest);
    while (!rest.empty() &&
           (text::IsDigit(static_cast<unsigned char>(rest.front())) || rest.front() == ' ')) {
        if (rest.front() != ' ') parsed.Figures += rest.front();
        // A blank belongs to the figures only between digits ("1 250").
        if (rest.front() == ' ' && (rest.size() < 2 || !text::IsDigit(static_cast<unsigned char>(rest[1]))))
            break;
        rest.remove_prefix(1);
    }
    if (parsed.Figures.empty()) return std::nullopt;
    rest = SkipBlanks(rest);
    if (rest.starts_with('(')) {
        const std::size_t close = rest.find(')');
        if (close == std::string_view::npos) return std::nullopt;
        parsed.Words = text::Trim(rest.substr(1, close - 1));
        rest = SkipBlanks(rest.substr(close + 1));
    }
    std::size_t wordEnd = 0;
    while (wordEnd < rest.size() && static_cast<unsigned char>(rest[wordEnd]) >= 0xC0) ++wordEnd;
    parsed.CasesWord = std::string(rest.substr(0, wordEnd));

    const std::size_t from = rest.find(kFrom);
    if (from == std::string_view::npos) return std::nullopt;
    const std::size_t to = rest.find(kTo, from + kFrom.size());
    if (to == std::string_view::npos) return std::nullopt;
    parsed.FirstNumber = ReadNumber(rest.substr(from + kFrom.size(), to - from - kFrom.size()));
    parsed.LastNumber = ReadNumber(rest.substr(to + kTo.size()));
    if (parsed.FirstNumber.empty() || parsed.LastNumber.empty()) return std::nullopt;

    const std::string_view lists = rest.substr(to + kTo.size());
    if (const std::size_t at = lists.find(kLiteral); at != std::string_view::npos) {
        parsed.ListsLiteral = true;
        parsed.Literal = ReadList(lists, at, kMissing);
    }
    if (const std::size_t at = lists.find(kMissing); at != std::string_view::npos) {
        parsed.ListsMissing = true;
        parsed.Missing = ReadList(lists, at, kLiteral);
    }
    return parsed;
}

}  // namespace tabulex::rules
