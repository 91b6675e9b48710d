#include "check/CertificationCheck.h"

#include "check/Messages.h"
#include "report/ReportLines.h"
#include "rules/CertificationText.h"
#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"
#include "text/NumberWords.h"
#include "text/TextHelpers.h"

#include <algorithm>

namespace tabulex::check {
namespace {

using namespace text::literals;

constexpr std::string_view kListHeads[] = {"литерн"_cp, "пропущен"_cp, "в том числе"_cp};
constexpr std::size_t kShownLineLength = 200;

// The items of a summary line "Литерные номера дел: 5А, 7Б. Всего дел: 2.", none for "... нет.".
std::vector<std::string> ListedItems(std::string_view line) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) return {};
    std::string_view list = line.substr(colon + 2);
    if (const std::size_t end = list.rfind(". "); end != std::string_view::npos) list = list.substr(0, end);
    std::vector<std::string> items;
    for (std::size_t comma; !list.empty();
         list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 2)) {
        comma = list.find(", ");
        items.push_back(rules::ComparableNumber(list.substr(0, comma)));
    }
    return items;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
    return out;
}

// A number as written followed by a letter of either case ("5а", "81А", "12-б"): the literal
// numbers an archivist names in the line, whatever the series letter of the summary.
bool IsLiteralAsWritten(std::string_view number) {
    std::size_t at = 0;
    while (at < number.size() && text::IsDigit(static_cast<unsigned char>(number[at]))) ++at;
    if (at == 0) return false;
    while (at < number.size() && (number[at] == '-' || number[at] == ' ')) ++at;
    if (at == number.size()) return false;
    for (; at < number.size(); ++at)
        if (!text::IsCyrillicLetter(static_cast<unsigned char>(number[at])) &&
            !text::IsLatinLetter(static_cast<unsigned char>(number[at])))
            return false;
    return true;
}

std::string WithoutLeadingZeros(const std::string& figures) {
    const std::size_t first = figures.find_first_not_of('0');
    return first == std::string::npos ? "0" : figures.substr(first);
}

bool SameSet(std::vector<std::string> a, std::vector<std::string> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

bool ContinuesLine(std::string_view paragraph) {
    const std::string start = text::LowerCase1251(text::TrimView(paragraph));
    for (std::string_view head : kListHeads)
        if (std::string_view(start).starts_with(head)) return true;
    return false;
}

class Findings {
  public:
    Findings(rules::RunState& state, CertificationCheck& check) : state_(state), check_(check) {}
    void Add(rules::ProblemClass cls, std::string message) {
        std::string sink;
        state_.Record(cls, sink, message);
        if (state_.IsShown(cls)) check_.Findings.push_back({cls, std::move(message), CellRole::Row});
    }

  private:
    rules::RunState& state_;
    CertificationCheck& check_;
};

// The texts of one of the two lists the line may carry.
struct ListTexts {
    std::string_view Differ;           // %1 the line's numbers, %2 the inventory's
    std::string_view NoneInInventory;  // %1 the line's numbers
    std::string_view NoneInLine;       // %1 the inventory's numbers
    std::string_view Forgotten;        // %1 the inventory's numbers
};

constexpr ListTexts kLiteralTexts{msg::kCertLiteralDiffer, msg::kCertLiteralNoneInInventory,
                                  msg::kCertLiteralNoneInLine, msg::kCertLiteralForgotten};
constexpr ListTexts kMissingTexts{msg::kCertMissingDiffer, msg::kCertMissingNoneInInventory,
                                  msg::kCertMissingNoneInLine, msg::kCertMissingForgotten};

void CompareList(bool listed, const std::vector<std::string>& line, const std::vector<std::string>& found,
                 const ListTexts& texts, Findings& findings) {
    using rules::ProblemClass;
    if (!listed) {
        // The line says nothing of them although the inventory has some: the most common omission.
        if (!found.empty()) findings.Add(ProblemClass::Error, text::FillIn(texts.Forgotten, {Joined(found)}));
        return;
    }
    if (SameSet(line, found)) return;
    if (line.empty())
        findings.Add(ProblemClass::Error, text::FillIn(texts.NoneInLine, {Joined(found)}));
    else if (found.empty())
        findings.Add(ProblemClass::Error, text::FillIn(texts.NoneInInventory, {Joined(line)}));
    else
        findings.Add(ProblemClass::Error, text::FillIn(texts.Differ, {Joined(line), Joined(found)}));
}

// The count in words agrees when it names the same value, whatever its gender: "двадцать одно" and
// the "двадцать один" of older reports both state 21.
void CompareWords(const rules::CertificationText& line, const std::string& found, Findings& findings) {
    if (line.Words.empty()) return findings.Add(rules::ProblemClass::Warning, std::string(msg::kCertNoWords));
    const std::optional<unsigned long long> value = text::NumberFromWords(line.Words);
    if (value && std::to_string(*value) == found) return;
    findings.Add(rules::ProblemClass::Error,
                 text::FillIn(msg::kCertWords, {line.Words, found, text::NeuterNumberInWords(found)}));
}

void Compare(const rules::CertificationText& line, const CertificationFacts& facts, Findings& findings) {
    using rules::ProblemClass;
    const std::string found = std::to_string(facts.DataRows);
    const std::string figures = WithoutLeadingZeros(line.Figures);
    if (figures != found) findings.Add(ProblemClass::Error, text::FillIn(msg::kCertCount, {figures, found}));
    CompareWords(line, found, findings);
    const std::string_view word = line.CasesWord;
    const bool aCasesWord =
        word == report::CasesWord(1) || word == report::CasesWord(2) || word == report::CasesWord(5);
    const int lastTwo = std::stoi(figures.size() > 2 ? figures.substr(figures.size() - 2) : figures);
    const std::string_view expected = report::CasesWord(lastTwo);
    if (aCasesWord && word != expected)
        findings.Add(ProblemClass::Warning, text::FillIn(msg::kCertAgreement, {figures, expected, word}));
    if (line.FirstNumber != rules::ComparableNumber(facts.FirstNumber))
        findings.Add(ProblemClass::Error,
                     text::FillIn(msg::kCertFirst, {line.FirstNumber, facts.FirstNumber}));
    if (line.LastNumber != rules::ComparableNumber(facts.LastNumber))
        findings.Add(ProblemClass::Error, text::FillIn(msg::kCertLast, {line.LastNumber, facts.LastNumber}));
    CompareList(line.ListsLiteral, line.Literal, facts.Literal, kLiteralTexts, findings);
    CompareList(line.ListsMissing, line.Missing, facts.Missing, kMissingTexts, findings);
}

}  // namespace

CertificationFacts FactsOf(int dataRows, std::string firstNumber, std::string lastNumber,
                           const rules::CaseNumberKeys& keys, const rules::CaseNumberSummary& numbers) {
    CertificationFacts facts;
    facts.DataRows = dataRows;
    facts.FirstNumber = std::move(firstNumber);
    facts.LastNumber = std::move(lastNumber);
    for (const std::string& key : keys.Sorted()) {
        const std::string_view number = text::TrimView(key);
        if (IsLiteralAsWritten(number)) facts.Literal.push_back(rules::ComparableNumber(number));
    }
    // A number written twice is one item of the line.
    facts.Literal.erase(std::unique(facts.Literal.begin(), facts.Literal.end()), facts.Literal.end());
    if (numbers.MissingCount > 0) facts.Missing = ListedItems(numbers.MissingLine);
    return facts;
}

CertificationCheck ReconcileCertification(const std::vector<std::string>& paragraphsAfterTable,
                                          const CertificationFacts& facts, rules::RunState& state) {
    CertificationCheck check;
    std::size_t at = 0;
    while (at < paragraphsAfterTable.size() && !rules::StartsCertification(paragraphsAfterTable[at])) ++at;
    if (at == paragraphsAfterTable.size()) {
        Findings(state, check).Add(rules::ProblemClass::Hint, std::string(msg::kCertNotFound));
        return check;
    }
    check.Paragraph = static_cast<int>(at) + 1;
    check.Line = std::string(text::TrimView(paragraphsAfterTable[at]));
    std::optional<rules::CertificationText> line = rules::ParseCertification(check.Line);
    // A line broken over paragraphs: its list paragraphs, or anything up to three paragraphs more
    // while the line cannot be read yet.
    for (std::size_t k = at + 1; k < paragraphsAfterTable.size() && k <= at + 3; ++k) {
        const std::string_view next = text::TrimView(paragraphsAfterTable[k]);
        if (next.empty() || (line && !ContinuesLine(next))) break;
        const std::string joined = check.Line + " " + std::string(next);
        std::optional<rules::CertificationText> joinedLine = rules::ParseCertification(joined);
        if (!joinedLine && line) break;
        check.Line = joined;
        line = std::move(joinedLine);
    }

    Findings findings(state, check);
    if (!line) {
        check.Line = text::TrimView(paragraphsAfterTable[at]);
        findings.Add(rules::ProblemClass::Hint,
                     text::FillIn(msg::kCertUnreadable, {check.Line.substr(0, kShownLineLength)}));
        return check;
    }
    Compare(*line, facts, findings);
    return check;
}

}  // namespace tabulex::check
