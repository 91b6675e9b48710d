#include "check/CertificationCheck.h"

#include "check/Messages.h"
#include "report/ReportLines.h"
#include "rules/CertificationText.h"
#include "text/CaseMaps.h"
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
    if (items.empty()) return std::string(msg::kCertNone);
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
    return out;
}

std::string Normalised(std::string_view words) {
    std::string out;
    for (char c : text::LowerCase1251(words)) {
        if (c == '\xB8') c = '\xE5';  // ё reads as е
        if (c == ' ' || c == '\xA0' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    return std::string(text::TrimView(out));
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

void Compare(const rules::CertificationText& line, const CertificationFacts& facts, Findings& findings) {
    using rules::ProblemClass;
    const std::string found = std::to_string(facts.DataRows);
    const std::string figures = WithoutLeadingZeros(line.Figures);
    if (figures != found)
        findings.Add(ProblemClass::Error,
                     std::string(msg::kCertCount) + figures + std::string(msg::kCertInInventory) + found);
    const std::string foundWords = text::NumberInWords(found);
    if (!line.Words.empty() && Normalised(line.Words) != Normalised(foundWords))
        findings.Add(ProblemClass::Error, std::string(msg::kCertWords) + line.Words +
                                              std::string(msg::kCertQuotedInInventory) + found + " (" +
                                              foundWords + ")");
    const std::string_view word = line.CasesWord;
    const bool aCasesWord =
        word == report::CasesWord(1) || word == report::CasesWord(2) || word == report::CasesWord(5);
    const int lastTwo = std::stoi(figures.size() > 2 ? figures.substr(figures.size() - 2) : figures);
    const std::string_view expected = report::CasesWord(lastTwo);
    if (aCasesWord && word != expected)
        findings.Add(ProblemClass::Warning, std::string(msg::kCertAgreement) + figures +
                                                std::string(msg::kCertAgreementMid) + std::string(expected) +
                                                std::string(msg::kCertAgreementEnd) + std::string(word) +
                                                "\"");
    if (line.FirstNumber != rules::ComparableNumber(facts.FirstNumber))
        findings.Add(ProblemClass::Error, std::string(msg::kCertFirst) + line.FirstNumber +
                                              std::string(msg::kCertInInventoryNumber) + facts.FirstNumber);
    if (line.LastNumber != rules::ComparableNumber(facts.LastNumber))
        findings.Add(ProblemClass::Error, std::string(msg::kCertLast) + line.LastNumber +
                                              std::string(msg::kCertInInventoryNumber) + facts.LastNumber);
    if (line.ListsLiteral && !SameSet(line.Literal, facts.Literal))
        findings.Add(ProblemClass::Error, std::string(msg::kCertLiteral) + Joined(line.Literal) +
                                              std::string(msg::kCertQuotedInInventory) + "\"" +
                                              Joined(facts.Literal) + "\"");
    if (line.ListsMissing && !SameSet(line.Missing, facts.Missing))
        findings.Add(ProblemClass::Error, std::string(msg::kCertMissing) + Joined(line.Missing) +
                                              std::string(msg::kCertQuotedInInventory) + "\"" +
                                              Joined(facts.Missing) + "\"");
}

}  // namespace

CertificationFacts FactsOf(int dataRows, std::string firstNumber, std::string lastNumber,
                           const rules::CaseNumberSummary& numbers) {
    CertificationFacts facts;
    facts.DataRows = dataRows;
    facts.FirstNumber = std::move(firstNumber);
    facts.LastNumber = std::move(lastNumber);
    if (numbers.LiteralCount > 0) facts.Literal = ListedItems(numbers.LiteralLine);
    if (numbers.MissingCount > 0) facts.Missing = ListedItems(numbers.MissingLine);
    return facts;
}

CertificationCheck ReconcileCertification(const std::vector<std::string>& paragraphsAfterTable,
                                          const CertificationFacts& facts, rules::RunState& state) {
    CertificationCheck check;
    std::size_t at = 0;
    while (at < paragraphsAfterTable.size() && !rules::StartsCertification(paragraphsAfterTable[at])) ++at;
    if (at == paragraphsAfterTable.size()) return check;
    check.Paragraph = static_cast<int>(at) + 1;
    check.Line = std::string(text::TrimView(paragraphsAfterTable[at]));
    for (std::size_t k = at + 1;
         k < paragraphsAfterTable.size() && k <= at + 3 && ContinuesLine(paragraphsAfterTable[k]); ++k)
        check.Line += " " + std::string(text::TrimView(paragraphsAfterTable[k]));

    Findings findings(state, check);
    const std::optional<rules::CertificationText> line = rules::ParseCertification(check.Line);
    if (!line) {
        findings.Add(rules::ProblemClass::Hint,
                     std::string(msg::kCertUnreadable) + check.Line.substr(0, kShownLineLength) + "\"");
        return check;
    }
    Compare(*line, facts, findings);
    return check;
}

}  // namespace tabulex::check
