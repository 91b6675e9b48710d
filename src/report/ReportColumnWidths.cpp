#include "report/ReportColumnWidths.h"

#include <algorithm>
#include <numeric>

namespace tabulex::report {
namespace {

// Widths of Arial's characters in thousandths of an em, by class; the report is set at 12 points
// (an em of 240 twips). A word is measured with a little margin, as fonts and hinting differ
// between word processors.
constexpr int kEmTwips = 240;
constexpr int kWordMarginPercent = 110;
constexpr int kCellPaddingTwips = 2 * 108 + 40;  // Word's default cell margins and a little air

int CharWidth(char32_t c) {
    if (c >= '0' && c <= '9') return 556;
    if (c == ' ' || c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '\'' || c == 'i' ||
        c == 'l' || c == 'j' || c == 'I' || c == '/' || c == '|')
        return 278;
    if (c == '-' || c == '(' || c == ')' || c == '[' || c == ']' || c == 'r' || c == 't' || c == 'f')
        return 333;
    if (c == '"') return 355;
    if (c == 0x2116) return 1000;  // №
    if (c >= 'A' && c <= 'Z') return (c == 'M' || c == 'W') ? 944 : 722;
    if (c >= 'a' && c <= 'z') return (c == 'm' || c == 'w') ? 833 : 556;
    if (c == 0x0401 || (c >= 0x0410 && c <= 0x042F)) {  // Cyrillic capitals
        if (c == 0x0416 || c == 0x0428 || c == 0x0429 || c == 0x042E || c == 0x0424) return 944;
        return 722;
    }
    if (c == 0x0451 || (c >= 0x0430 && c <= 0x044F)) {  // Cyrillic small letters
        if (c == 0x0436 || c == 0x043C || c == 0x0448 || c == 0x0449 || c == 0x044B || c == 0x044E ||
            c == 0x0444)
            return 823;
        return 560;
    }
    return 600;
}

// Decodes UTF-8 (the report text is converted from Windows-1251, so it is well formed).
template <class F>
void ForEachChar(std::string_view utf8, F&& f) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? b : (b & (0x3F >> extra));
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        f(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
}

int TextTwips(int thousandths) {
    return thousandths * kEmTwips / 1000;
}

// The widest piece a line may not be broken in: words end at blanks and, as in word processors,
// after a hyphen ("1941-" "1945").
int LongestWord(std::string_view field) {
    int longest = 0, word = 0;
    ForEachChar(field, [&](char32_t c) {
        if (c == ' ' || c == '\t') {
            word = 0;
            return;
        }
        word += CharWidth(c);
        longest = std::max(longest, word);
        if (c == '-') word = 0;
    });
    return TextTwips(longest) * kWordMarginPercent / 100;
}

int WholeText(std::string_view field) {
    int width = 0;
    ForEachChar(field, [&](char32_t c) { width += CharWidth(c); });
    return TextTwips(width);
}

struct ColumnNeed {
    int least = 0;      // the longest word, in twips
    int preferred = 0;  // the longest text on one line, in twips
};

// Shares `space` among the columns in proportion to `weights` (all zero: equally).
void Share(std::vector<int>& widths, int space, const std::vector<long long>& weights) {
    long long total = std::accumulate(weights.begin(), weights.end(), 0LL);
    const std::size_t n = widths.size();
    int given = 0;
    for (std::size_t c = 0; c < n; ++c) {
        const long long share = total > 0 ? space * weights[c] / total : space / static_cast<long long>(n);
        widths[c] += static_cast<int>(share);
        given += static_cast<int>(share);
    }
    // What rounding left goes to the column with the largest weight.
    const auto widest = std::max_element(weights.begin(), weights.end()) - weights.begin();
    widths[static_cast<std::size_t>(widest)] += space - given;
}

// Water-filling: columns in order of their least width take it while it is no more than an equal
// share of the space still free; the columns left split that space equally.
std::vector<int> FitWidest(const std::vector<int>& least, int available) {
    const std::size_t n = least.size();
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return least[a] < least[b]; });
    std::vector<int> widths(n, 0);
    int free = available;
    std::size_t k = 0;
    for (; k < n; ++k) {
        const int share = free / static_cast<int>(n - k);
        if (least[order[k]] > share) break;
        widths[order[k]] = least[order[k]];
        free -= least[order[k]];
    }
    for (std::size_t rest = k; rest < n; ++rest) {
        const int share = free / static_cast<int>(n - rest);
        widths[order[rest]] = share;
        free -= share;
    }
    return widths;
}

}  // namespace

std::vector<std::string_view> TableFields(std::string_view line, int columns) {
    std::vector<std::string_view> fields;
    while (static_cast<int>(fields.size()) + 1 < columns) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) break;
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

std::vector<int> FitColumnWidths(const std::vector<std::string_view>& lines, int columns,
                                 int availableTwips) {
    const auto n = static_cast<std::size_t>(std::max(columns, 1));
    std::vector<ColumnNeed> needs(n);
    for (std::string_view line : lines) {
        const std::vector<std::string_view> fields = TableFields(line, columns);
        for (std::size_t c = 0; c < fields.size(); ++c) {
            needs[c].least = std::max(needs[c].least, LongestWord(fields[c]));
            needs[c].preferred = std::max(needs[c].preferred, WholeText(fields[c]));
        }
    }
    // A "word" wider than a quarter of the page (a run of dates and quotes without a blank) would
    // starve the other long texts; it breaks, as it would in any narrower column.
    const int longestKept = availableTwips / 4;
    std::vector<int> least(n), preferred(n);
    for (std::size_t c = 0; c < n; ++c) {
        least[c] = std::min(needs[c].least, longestKept) + kCellPaddingTwips;
        preferred[c] = std::max(needs[c].preferred + kCellPaddingTwips, least[c]);
    }
    const int leastSum = std::accumulate(least.begin(), least.end(), 0);
    const int preferredSum = std::accumulate(preferred.begin(), preferred.end(), 0);

    std::vector<int> widths;
    std::vector<long long> weights(n);
    if (preferredSum <= availableTwips) {
        // Everything fits on one line: the long texts take the rest of the width.
        widths = preferred;
        for (std::size_t c = 0; c < n; ++c) weights[c] = preferred[c];
        Share(widths, availableTwips - preferredSum, weights);
    } else if (leastSum <= availableTwips) {
        // Every word fits; the columns that would like more get the rest in proportion.
        widths = least;
        for (std::size_t c = 0; c < n; ++c) weights[c] = preferred[c] - least[c];
        Share(widths, availableTwips - leastSum, weights);
    } else {
        // Some word is wider than the page allows: the columns whose words fit in an equal share of
        // what is left keep them whole; only the widest share the rest and break.
        widths = FitWidest(least, availableTwips);
    }
    return widths;
}

}  // namespace tabulex::report
