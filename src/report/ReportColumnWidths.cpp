#include "report/ReportColumnWidths.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace tabulex::report {
namespace {

// Widths of Arial's characters in thousandths of an em, by class. Texts are measured with a little
// margin, as fonts and hinting differ between word processors (one without Arial sets a wider font).
constexpr int kWordMarginPercent = 115;
constexpr int kCellPaddingTwips = 2 * 108 + 40;  // Word's default cell margins and a little air
// A line of Arial is 1.15 em high; a row adds its borders.
constexpr int kLineHeightPercent = 115;
constexpr int kRowBorderTwips = 20;
// Balancing weighs the heights of at most this many rows, widening a column by this much at a time.
constexpr std::size_t kSampledLines = 1000;
constexpr int kBalanceStepTwips = 20;

constexpr int CharWidthOf(char32_t c) {
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

// Looked up for the Latin and Cyrillic letters every report is made of.
constexpr char32_t kCyrillicFirst = 0x0400;
constexpr auto kAsciiWidths = [] {
    std::array<int, 0x80> widths{};
    for (char32_t c = 0; c < widths.size(); ++c) widths[c] = CharWidthOf(c);
    return widths;
}();
constexpr auto kCyrillicWidths = [] {
    std::array<int, 0x60> widths{};
    for (char32_t c = 0; c < widths.size(); ++c) widths[c] = CharWidthOf(kCyrillicFirst + c);
    return widths;
}();

int CharWidth(char32_t c) {
    if (c < kAsciiWidths.size()) return kAsciiWidths[c];
    if (c >= kCyrillicFirst && c - kCyrillicFirst < kCyrillicWidths.size())
        return kCyrillicWidths[c - kCyrillicFirst];
    return CharWidthOf(c);
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

struct FieldWidths {
    int LongestWord = 0;  // thousandths of an em, with the margin
    int WholeText = 0;    // thousandths of an em
};

// The widest piece a line may not be broken in, in thousandths of an em (words end at blanks and,
// as in word processors, after a hyphen: "1941-" "1945"), and the width of the whole text, in one
// pass over the field.
FieldWidths MeasureField(std::string_view field) {
    FieldWidths widths;
    int word = 0;
    ForEachChar(field, [&](char32_t c) {
        const int width = CharWidth(c);
        widths.WholeText += width;
        if (c == ' ' || c == '\t') {
            word = 0;
            return;
        }
        word += width;
        widths.LongestWord = std::max(widths.LongestWord, word);
        if (c == '-') word = 0;
    });
    widths.LongestWord = widths.LongestWord * kWordMarginPercent / 100;
    return widths;
}

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

TableMeasure::TableMeasure(const std::vector<std::string_view>& lines, int columns, int fontHalfPoints)
    : TableMeasure(columns, fontHalfPoints, lines.size()) {
    for (std::string_view line : lines) Add(line);
}

TableMeasure::TableMeasure(int columns, int fontHalfPoints, std::size_t lines)
    : columns_(static_cast<std::size_t>(std::max(columns, 1))),
      emTwips_(fontHalfPoints * 10),
      lines_(lines),
      stride_(std::max<std::size_t>(1, lines / kSampledLines)),
      least_(columns_, 0),
      preferred_(columns_, 0) {}

void TableMeasure::Add(std::string_view line) {
    // Spread without a period, so that rows repeating every few lines are not over-sampled.
    const std::size_t l = added_++;
    const bool sampled = stride_ == 1 || ((l * 0x9E3779B97F4A7C15ULL) >> 40) % stride_ == 0;
    ForEachField(line, [&](std::size_t c, std::string_view field) {
        const FieldWidths widths = MeasureField(field);
        least_[c] = std::max(least_[c], Twips(widths.LongestWord));
        preferred_[c] = std::max(preferred_[c], Twips(widths.WholeText * kWordMarginPercent / 100));
        if (sampled) SampleCell(field);
    });
}

// f(column, field) for every column, as TableFields splits the line; columns past the line's
// fields are empty.
template <class F>
void TableMeasure::ForEachField(std::string_view line, F&& f) const {
    bool more = true;
    for (std::size_t c = 0; c < columns_; ++c) {
        std::string_view field;
        if (more) {
            const std::size_t tab = c + 1 < columns_ ? line.find('\t') : std::string_view::npos;
            field = line.substr(0, tab);
            more = tab != std::string_view::npos;
            if (more) line.remove_prefix(tab + 1);
        }
        f(c, field);
    }
}

int TableMeasure::Twips(int thousandths) const {
    return static_cast<int>(static_cast<long long>(thousandths) * emTwips_ / 1000);
}

// The pieces a line of the cell may break between: each word with the blank after it, a hyphen
// ending a piece.
void TableMeasure::SampleCell(std::string_view field) {
    SampledCell cell{pieces_.size(), 0};
    int piece = 0;
    auto end = [&] {
        if (piece > 0) pieces_.push_back(Twips(piece * kWordMarginPercent / 100));
        piece = 0;
    };
    ForEachChar(field, [&](char32_t c) {
        piece += CharWidth(c);
        if (c == ' ' || c == '-' || c == '\t') end();
    });
    end();
    cell.Count = pieces_.size() - cell.First;
    sampled_.push_back(cell);
}

// The lines the cell takes in a column `width` wide, its pieces set one after another as long as
// they fit; a piece wider than the column breaks.
int TableMeasure::CellLines(std::size_t cell, int width) const {
    const int usable = std::max(width - kCellPaddingTwips, 1);
    int lines = 1, line = 0;
    const SampledCell& sampled = sampled_[cell];
    for (std::size_t k = sampled.First; k < sampled.First + sampled.Count; ++k) {
        int piece = pieces_[k];
        if (line > 0 && line + piece > usable) {
            ++lines;
            line = 0;
        }
        if (piece > usable) {
            lines += (piece - 1) / usable;
            piece -= (piece - 1) / usable * usable;
        }
        line += piece;
    }
    return lines;
}

int TableMeasure::CellLines(std::size_t cell, int width, LinesAtWidth& known) const {
    if (known.Width[cell] != width) {
        known.Width[cell] = width;
        known.Lines[cell] = CellLines(cell, width);
    }
    return known.Lines[cell];
}

std::vector<int> TableMeasure::FitWidths(int availableTwips) const {
    // A "word" wider than a quarter of the page (a run of dates and quotes without a blank) would
    // starve the other long texts; it breaks, as it would in any narrower column.
    const int longestKept = availableTwips / 4;
    std::vector<int> least(columns_), preferred(columns_);
    for (std::size_t c = 0; c < columns_; ++c) {
        least[c] = std::min(least_[c], longestKept) + kCellPaddingTwips;
        preferred[c] = std::max(preferred_[c] + kCellPaddingTwips, least[c]);
    }
    const int leastSum = std::accumulate(least.begin(), least.end(), 0);
    const int preferredSum = std::accumulate(preferred.begin(), preferred.end(), 0);

    std::vector<int> widths;
    std::vector<long long> weights(columns_);
    if (preferredSum <= availableTwips) {
        // Everything fits on one line: the long texts take the rest of the width.
        widths = preferred;
        for (std::size_t c = 0; c < columns_; ++c) weights[c] = preferred[c];
        Share(widths, availableTwips - preferredSum, weights);
        return widths;
    }
    // Every word fits or, when the words are wider than the page allows, the columns whose words
    // fit in an equal share of what is left keep them whole and only the widest break; then the
    // rest goes where it shortens the rows most.
    widths = leastSum <= availableTwips ? least : FitWidest(least, availableTwips);
    int free = availableTwips - std::accumulate(widths.begin(), widths.end(), 0);
    free -= Balance(widths, preferred, free);
    // What no column needs goes to those that would like more, in proportion.
    for (std::size_t c = 0; c < columns_; ++c) weights[c] = std::max(preferred[c] - widths[c], 0);
    Share(widths, free, weights);
    return widths;
}

TableMeasure::RowTop TableMeasure::TopOfRow(const std::vector<int>& lines, std::size_t first) const {
    RowTop top;
    top.Fullest = 0;
    for (std::size_t c = 0; c < columns_; ++c) {
        const int cell = lines[first + c];
        if (cell > top.Fullest) {
            top.Second = std::max(top.Second, top.Fullest);
            top.Fullest = cell;
            top.FullestColumn = c;
        } else {
            top.Second = std::max(top.Second, cell);
        }
    }
    return top;
}

// Lines the sampled rows save when column `c` is `width` wide instead; `lines` holds every sampled
// cell's lines at the present widths, row by row, `tops` each row's two fullest cells, and `rows`
// the rows whose height only column `c` holds up (in any other row another cell is as full, and
// the row keeps its height).
long long TableMeasure::Saving(const std::vector<int>& lines, const std::vector<RowTop>& tops,
                               const std::vector<std::size_t>& rows, std::size_t c, int width,
                               LinesAtWidth& known) const {
    long long saving = 0;
    for (const std::size_t row : rows) {
        const int others = tops[row].Second;
        const int now = lines[row * columns_ + c];
        saving += now - std::max(others, CellLines(row * columns_ + c, width, known));
    }
    return saving;
}

// The rows, column by column, whose fullest cell is fuller than any other of the row: only
// widening that column can shorten them, so the balancing weighs each column on these alone.
void TableMeasure::RowsHeldUp(const std::vector<int>& lines, const std::vector<RowTop>& tops,
                              std::vector<std::vector<std::size_t>>& rows) const {
    for (auto& column : rows) column.clear();
    for (std::size_t row = 0; row < tops.size(); ++row) {
        const RowTop& top = tops[row];
        if (lines[row * columns_ + top.FullestColumn] > top.Second) rows[top.FullestColumn].push_back(row);
    }
}

// Hands `free` twips out in steps, each time to the column that saves the sampled rows the most
// lines per step (the title column, whose rows are the tallest, before a report column that rarely
// is), looking further than one step where a single step saves nothing, until widening no column
// shortens a row. Returns the twips given.
int TableMeasure::Balance(std::vector<int>& widths, const std::vector<int>& preferred, int free) const {
    std::vector<int> lines(sampled_.size());  // row by row, column by column
    for (std::size_t k = 0; k < lines.size(); ++k) lines[k] = CellLines(k, widths[k % columns_]);
    LinesAtWidth known{std::vector<int>(lines.size(), -1), std::vector<int>(lines.size(), 0)};
    std::vector<RowTop> tops(lines.size() / columns_);
    for (std::size_t row = 0; row < tops.size(); ++row) tops[row] = TopOfRow(lines, row * columns_);
    std::vector<std::vector<std::size_t>> heldUp(columns_);
    RowsHeldUp(lines, tops, heldUp);
    const int step = std::max(kBalanceStepTwips, free / 200);
    int given = 0;
    while (free - given >= step) {
        std::size_t best = columns_;
        int bestSteps = 0;
        double bestRate = 0;
        for (std::size_t c = 0; c < columns_; ++c) {
            for (int steps = 1; given + steps * step <= free && widths[c] + (steps - 1) * step < preferred[c];
                 ++steps) {
                if (heldUp[c].empty()) break;
                const long long saving = Saving(lines, tops, heldUp[c], c, widths[c] + steps * step, known);
                if (saving == 0) continue;
                if (static_cast<double>(saving) / steps > bestRate) {
                    bestRate = static_cast<double>(saving) / steps;
                    best = c;
                    bestSteps = steps;
                }
                break;
            }
        }
        if (best == columns_) break;
        widths[best] += bestSteps * step;
        given += bestSteps * step;
        for (std::size_t row = 0; row < tops.size(); ++row) {
            // A cell on one line stays on one in a wider column.
            if (lines[row * columns_ + best] == 1) continue;
            const int now = CellLines(row * columns_ + best, widths[best], known);
            if (now == lines[row * columns_ + best]) continue;
            lines[row * columns_ + best] = now;
            tops[row] = TopOfRow(lines, row * columns_);
        }
        RowsHeldUp(lines, tops, heldUp);
    }
    return given;
}

long long TableMeasure::HeightTwips(const std::vector<int>& widths) const {
    const std::size_t rows = sampled_.size() / columns_;
    if (rows == 0) return 0;
    const int lineTwips = emTwips_ * kLineHeightPercent / 100;
    long long height = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        int tallest = 1;
        for (std::size_t c = 0; c < columns_; ++c)
            tallest = std::max(tallest, CellLines(r * columns_ + c, widths[c]));
        height += static_cast<long long>(tallest) * lineTwips + kRowBorderTwips;
    }
    return height * static_cast<long long>(lines_) / static_cast<long long>(rows);
}

std::vector<int> FitColumnWidths(const std::vector<std::string_view>& lines, int columns, int availableTwips,
                                 int fontHalfPoints) {
    return TableMeasure(lines, columns, fontHalfPoints).FitWidths(availableTwips);
}

}  // namespace tabulex::report
