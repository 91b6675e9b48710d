#include "rules/CaseNumbers.h"

#include <algorithm>
#include <array>

#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/TextHelpers.h"

namespace tabulex::rules {
namespace {

constexpr std::size_t kKeyWidth = 10;

// Sort rank of every byte: the capital's code, so that letter case does not count, with Ё placed
// between Е and Ж as the alphabet has it.
constexpr std::array<unsigned short, 256> MakeRanks() {
    std::array<unsigned short, 256> ranks{};
    for (int b = 0; b < 256; ++b) ranks[b] = static_cast<unsigned short>(text::UpperMap1251[b] * 2);
    constexpr int kCapitalYe = 0xC5;
    ranks[text::ch::kCapitalYo] = ranks[text::ch::kSmallYo] = kCapitalYe * 2 + 1;
    return ranks;
}
constexpr auto kRanks = MakeRanks();

bool EndsWithDigit(const std::string& s, std::size_t fromEnd) {
    return s.size() > fromEnd && text::IsDigit(static_cast<unsigned char>(s[s.size() - 1 - fromEnd]));
}

}  // namespace

std::string CaseNumberKey(std::string_view numberText) {
    std::string key = text::Trim(numberText);
    if (EndsWithDigit(key, 0)) key.push_back(' ');
    if (EndsWithDigit(key, 1)) key.push_back(' ');
    if (key.size() < kKeyWidth) key.insert(0, kKeyWidth - key.size(), ' ');
    return key;
}

bool CaseNumberKeys::Less(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return kRanks[static_cast<unsigned char>(x)] < kRanks[static_cast<unsigned char>(y)];
    });
}

void CaseNumberKeys::Add(std::string key) {
    if (sorted_ && !keys_.empty() && Less(key, keys_.back())) sorted_ = false;
    keys_.push_back(std::move(key));
}

void CaseNumberKeys::Clear() {
    keys_.clear();
    sorted_ = true;
}

const std::vector<std::string>& CaseNumberKeys::Sorted() const {
    if (!sorted_) {
        std::stable_sort(keys_.begin(), keys_.end(),
                         [](const std::string& a, const std::string& b) { return Less(a, b); });
        sorted_ = true;
    }
    return keys_;
}

}  // namespace tabulex::rules
