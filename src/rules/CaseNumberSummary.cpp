#include "rules/CaseNumbers.h"

#include <array>
#include <limits>
#include <optional>

#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

constexpr int kFirstCapital = 0xC0;  // А
constexpr int kCapitals = 32;        // А..Я

// The texts of one line of the summary: no items, one item, several items.
struct LineTexts {
    std::string_view None;
    std::string_view One;
    std::string_view Several;
};

const LineTexts kLiteralTexts = {"Литерных номеров дел нет."_cp, "Литерный номер дела: "_cp,
                                 "Литерные номера дел: "_cp};
const LineTexts kNonLiteralTexts = {"Нелитерных среди литерных номеров дел нет."_cp,
                                    "Нелитерный номер дела: "_cp, "Нелитерные номера дел: "_cp};
const LineTexts kMissingTexts = {"Пропущенных номеров дел нет."_cp, "Пропущенный номер дела: "_cp,
                                 "Пропущенные номера дел: "_cp};
const LineTexts kRepeatedTexts = {"Повторных номеров дел нет."_cp, "Повторный номер дела: "_cp,
                                  "Повторные номера дел: "_cp};
const std::string_view kTotal = ". Всего дел: "_cp;
const std::string_view kSeriesLetterIntro = "Чаще встретилась литера \""_cp;

bool IsLiteralLetter(int c) {
    return c == text::ch::kCapitalYo || text::IsCyrillicCapital(c);
}

// Characters 9 and 10 of a key hold the letters of a literal number. Under the modern rules a small
// letter makes a number literal as its capital does ("5а" is "5А"), so it is read as the capital.
class LetterReader {
  public:
    explicit LetterReader(RuleSet rules) : smallLetters_(rules == RuleSet::Modern) {}

    int At(std::string_view key, int position) const {
        const int c = text::CharAt(key, position);
        if (smallLetters_ && (text::IsCyrillicSmall(c) || c == text::ch::kSmallYo))
            return text::UpperMap1251[static_cast<unsigned char>(c)];
        return c;
    }

    // Where the letter (a capital) stands in the key, either case under the modern rules.
    std::size_t Find(std::string_view key, char capital) const {
        if (!smallLetters_) return key.find(capital);
        for (std::size_t k = 0; k < key.size(); ++k)
            if (text::UpperMap1251[static_cast<unsigned char>(key[k])] == static_cast<unsigned char>(capital))
                return k;
        return std::string_view::npos;
    }

  private:
    bool smallLetters_;
};

// The letter most keys carry, the earliest in the alphabet on a tie, when at least half the keys
// (rounded down) carry it; 0 otherwise. Ё has no counter.
char FindSeriesLetter(const std::vector<std::string>& keys, const LetterReader& letters) {
    std::array<std::size_t, kCapitals> counts{};
    for (const auto& key : keys)
        for (int position : {9, 10})
            if (text::IsCyrillicCapital(letters.At(key, position)))
                ++counts[letters.At(key, position) - kFirstCapital];
    int best = 0;
    for (int i = 1; i < kCapitals; ++i)
        if (counts[i] > counts[best]) best = i;
    if (counts[best] == 0 || counts[best] < keys.size() / 2) return 0;
    return static_cast<char>(kFirstCapital + best);
}

// A whole number of decimal digits that fits an int; nullopt for anything else (a letter, a sign, "").
std::optional<long long> ReadWholeNumber(std::string_view s) {
    if (s.empty() || s.size() > 10) return std::nullopt;
    long long value = 0;
    for (char c : s) {
        if (!text::IsDigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return value;
}

struct ItemList {
    std::string Text;
    long long Count = 0;

    void Add(std::string_view item, long long weight = 1) {
        Text.append(item).append(", ");
        Count += weight;
    }
};

class SummaryBuilder {
  public:
    SummaryBuilder(char seriesLetter, const LetterReader& letters)
        : series_(seriesLetter), letters_(letters) {}

    void Take(std::string_view key) {
        ListLetters(key);
        std::string sequenceKey(key);
        if (series_ != 0) {
            const auto at = letters_.Find(sequenceKey, series_);
            if (at == std::string::npos) return;
            sequenceKey.erase(at, 1);
        }
        Follow(ReadWholeNumber(text::TrimView(sequenceKey)));
    }

    CaseNumberSummary Finish() const;

  private:
    void ListLetters(std::string_view key) {
        const int first = letters_.At(key, 9);
        const int second = letters_.At(key, 10);
        auto isOtherLetter = [&](int c) {
            return IsLiteralLetter(c) && c != static_cast<unsigned char>(series_);
        };
        if (IsLiteralLetter(first) && (isOtherLetter(first) || isOtherLetter(second)))
            literal_.Add(text::CollapseDoubleSpaces(key));
        if (!IsLiteralLetter(first) && series_ != 0) nonLiteral_.Add(text::CollapseDoubleSpaces(key));
    }

    // Until a key reads as a number there is nothing to compare with; after that, keys that do not
    // read as numbers are passed over.
    void Follow(std::optional<long long> number) {
        if (!previous_ || !number) {
            if (!previous_) previous_ = number;
            return;
        }
        if (*number == *previous_)
            repeated_.Add(std::to_string(*number));
        else if (*number > *previous_ + 1)
            AddGap(*previous_ + 1, *number - 1);
        previous_ = number;
    }

    void AddGap(long long first, long long last) {
        const long long size = last - first + 1;
        if (missing_.Count + size > kMaxListedMissing) {
            std::string item = std::to_string(first);
            if (size > 1) item += '-' + std::to_string(last);
            missing_.Add(std::move(item), size);
            return;
        }
        for (long long n = first; n <= last; ++n) missing_.Add(std::to_string(n));
    }

    char series_;
    LetterReader letters_;
    std::optional<long long> previous_;
    ItemList literal_, nonLiteral_, missing_, repeated_;
};

// A gap counts all its numbers but is one item; the wording follows the number of cases.
std::string BuildLine(const LineTexts& texts, const ItemList& list) {
    if (list.Count == 0) return std::string(texts.None);
    std::string line(list.Count == 1 ? texts.One : texts.Several);
    line.append(std::string_view(list.Text).substr(0, list.Text.size() - 2));
    line.append(kTotal).append(std::to_string(list.Count)).append(".");
    return line;
}

CaseNumberSummary SummaryBuilder::Finish() const {
    CaseNumberSummary summary;
    summary.SeriesLetter = series_;
    summary.LiteralLine = BuildLine(kLiteralTexts, literal_);
    if (series_ != 0) {
        summary.NonLiteralLine = std::string(kSeriesLetterIntro) + series_ + "\"\r\n";
        summary.NonLiteralLine += BuildLine(kNonLiteralTexts, nonLiteral_);
    }
    summary.MissingLine = BuildLine(kMissingTexts, missing_);
    summary.RepeatedLine = BuildLine(kRepeatedTexts, repeated_);
    summary.LiteralCount = literal_.Count;
    summary.NonLiteralCount = nonLiteral_.Count;
    summary.MissingCount = missing_.Count;
    summary.RepeatedCount = repeated_.Count;
    return summary;
}

}  // namespace

CaseNumberSummary SummariseCaseNumbers(const CaseNumberKeys& keys, RuleSet rules) {
    const auto& sorted = keys.Sorted();
    const LetterReader letters(rules);
    SummaryBuilder builder(FindSeriesLetter(sorted, letters), letters);
    for (const auto& key : sorted) builder.Take(key);
    return builder.Finish();
}

}  // namespace tabulex::rules
