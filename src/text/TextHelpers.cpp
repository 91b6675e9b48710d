#include "text/TextHelpers.h"

#include "text/CaseMaps.h"

namespace tabulex::text {
namespace {

template <typename Equal>
int Find(std::string_view pattern, std::string_view text, int start, Equal equal) {
    if (pattern.empty() || text.empty() || start < 1) return 0;
    const auto p = static_cast<long long>(pattern.size());
    const auto last = static_cast<long long>(text.size()) - p + 1;  // last 1-based position that fits
    for (long long pos = start; pos <= last; ++pos) {
        const char* at = text.data() + pos - 1;
        long long k = 0;
        while (k < p && equal(at[k], pattern[static_cast<std::size_t>(k)])) ++k;
        if (k == p) return static_cast<int>(pos);
    }
    return 0;
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

int PosFrom(std::string_view pattern, std::string_view text, int start) {
    if (pattern.empty() || text.empty() || start < 1 || static_cast<std::size_t>(start) > text.size())
        return 0;
    auto found = text.find(pattern, static_cast<std::size_t>(start) - 1);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

int PosFromNoCase(std::string_view pattern, std::string_view text, int start) {
    return Find(pattern, text, start, [](char a, char b) { return UpperChar1251(a) == UpperChar1251(b); });
}

std::string ReplaceAll(std::string_view text, std::string_view oldPattern, std::string_view newText) {
    if (oldPattern.empty()) return std::string(text);
    std::size_t count = 0;
    for (std::size_t at = text.find(oldPattern); at != std::string_view::npos;
         at = text.find(oldPattern, at + oldPattern.size()))
        ++count;
    if (count == 0) return std::string(text);
    std::string result;
    result.reserve(text.size() + count * newText.size() - count * oldPattern.size());
    std::size_t copied = 0;
    for (std::size_t at = text.find(oldPattern); at != std::string_view::npos;
         at = text.find(oldPattern, at + oldPattern.size())) {
        result.append(text.substr(copied, at - copied));
        result.append(newText);
        copied = at + oldPattern.size();
    }
    result.append(text.substr(copied));
    return result;
}

std::string CollapseDoubleSpaces(std::string_view text) {
    return ReplaceAll(text, "  ", " ");
}

std::string_view TrimView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin])) ++begin;
    while (end > begin && IsTrimmed(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string TrimLeft(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsTrimmed(text[begin])) ++begin;
    return std::string(text.substr(begin));
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

std::string_view Copy(std::string_view text, int position, int length) {
    if (position < 1) position = 1;
    if (length <= 0 || static_cast<std::size_t>(position) > text.size()) return {};
    return text.substr(static_cast<std::size_t>(position) - 1, static_cast<std::size_t>(length));
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += values.begin()[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace tabulex::text
