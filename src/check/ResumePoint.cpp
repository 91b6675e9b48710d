#include "check/ResumePoint.h"

#include "text/Calendar.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace tabulex::check {
namespace {

constexpr std::string_view kHeader = "Tabulex resume point 2";
constexpr std::string_view kEnd = "end";
constexpr std::string_view kChecksumField = "Checksum ";
// Far above what the resume point of any document within the package limits takes.
constexpr std::uintmax_t kMaxFileBytes = 1ULL << 30;
// No count of findings may come near the end of int, where one more would turn it negative.
constexpr int kMaxCount = 1 << 30;

// FNV-1a: enough to tell a file cut short or edited by hand from the one this program wrote.
std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string ChecksumLine(std::string_view body) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Checksum(body)));
    return std::string(kChecksumField) + hex + "\n";
}

// One text per line: control characters and '%' written as %XX.
std::string Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == '%' || c == 0x7F) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '%' && k + 2 < text.size()) {
            out += static_cast<char>(std::stoi(std::string(text.substr(k + 1, 2)), nullptr, 16));
            k += 2;
        } else {
            out += text[k];
        }
    }
    return out;
}

// The fields of a snapshot in a fixed order, each visited by `f(name, field)`, so that writing and
// reading cannot disagree.
template <typename Snapshot, typename F>
void ForEachNumber(Snapshot& s, F&& f) {
    f("ErrorCount", s.Counts.ErrorCount);
    f("WarningCount", s.Counts.WarningCount);
    f("HintCount", s.Counts.HintCount);
    f("LinesWritten", s.Counters.LinesWritten);
    f("EmptyRows", s.Counters.EmptyRows);
    f("NumberingRows", s.Counters.NumberingRows);
    f("HeadingRows", s.Counters.HeadingRows);
    f("DataRows", s.Counters.DataRows);
    f("BreakableRows", s.Counters.BreakableRows);
    f("HyphenRows", s.Counters.HyphenRows);
    f("DashRows", s.Counters.DashRows);
    f("SpacingFindings", s.Counters.SpacingFindings);
    f("PreviousNumber", s.PreviousNumber);
    f("EarliestStart", s.Dates.Extremes.EarliestStart.Date);
    f("LatestStart", s.Dates.Extremes.LatestStart.Date);
    f("EarliestEnd", s.Dates.Extremes.EarliestEnd.Date);
    f("LatestEnd", s.Dates.Extremes.LatestEnd.Date);
}

template <typename Snapshot, typename F>
void ForEachText(Snapshot& s, F&& f) {
    f("FirstNumber", s.FirstNumber);
    f("LastNumber", s.LastNumber);
    f("EarliestStartNumber", s.Dates.Extremes.EarliestStart.Number);
    f("LatestStartNumber", s.Dates.Extremes.LatestStart.Number);
    f("EarliestEndNumber", s.Dates.Extremes.EarliestEnd.Number);
    f("LatestEndNumber", s.Dates.Extremes.LatestEnd.Number);
}

std::string Serialise(const ResumePoint& point) {
    std::ostringstream out;
    out << kHeader << "\nRow " << point.Row << "\nDocumentName " << Escaped(point.DocumentName)
        << "\nIdentity " << Escaped(point.Identity) << "\n";
    ForEachNumber(point.State,
                  [&](const char* name, const auto& value) { out << name << ' ' << value << '\n'; });
    ForEachText(point.State, [&](const char* name, const std::string& value) {
        out << name << ' ' << Escaped(value) << '\n';
    });
    out << "Rubricator " << point.State.Rubricator.size() << '\n';
    for (const auto& entry : point.State.Rubricator) out << Escaped(entry) << '\n';
    out << "NumberKeys " << point.State.NumberKeys.size() << '\n';
    for (const auto& key : point.State.NumberKeys) out << Escaped(key) << '\n';
    out << kEnd << '\n';
    const std::string body = out.str();
    return body + ChecksumLine(body);
}

// Reads "NAME VALUE" and checks the name; false on any mismatch.
bool ReadField(std::istream& in, std::string_view name, std::string& value) {
    std::string line;
    if (!std::getline(in, line) || !line.starts_with(name) || line.size() <= name.size() ||
        line[name.size()] != ' ')
        return false;
    value = line.substr(name.size() + 1);
    return true;
}

template <typename T>
bool ReadNumber(std::istream& in, std::string_view name, T& value) {
    std::string text;
    if (!ReadField(in, name, text)) return false;
    std::istringstream parse(text);
    return static_cast<bool>(parse >> value) && parse.eof();
}

bool ReadList(std::istream& in, std::string_view name, std::vector<std::string>& list) {
    std::size_t count = 0;
    if (!ReadNumber(in, name, count)) return false;
    std::string line;
    for (std::size_t k = 0; k < count; ++k) {
        if (!std::getline(in, line)) return false;
        list.push_back(Unescaped(line));
    }
    return true;
}

std::optional<ResumePoint> Parse(std::istream& in) {
    ResumePoint point;
    std::string line, text;
    if (!std::getline(in, line) || line != kHeader) return std::nullopt;
    bool ok = ReadNumber(in, "Row", point.Row) && ReadField(in, "DocumentName", text);
    point.DocumentName = Unescaped(text);
    ok = ok && ReadField(in, "Identity", text);
    point.Identity = Unescaped(text);
    ForEachNumber(point.State,
                  [&](const char* name, auto& value) { ok = ok && ReadNumber(in, name, value); });
    ForEachText(point.State, [&](const char* name, std::string& value) {
        ok = ok && ReadField(in, name, text);
        value = Unescaped(text);
    });
    ok = ok && ReadList(in, "Rubricator", point.State.Rubricator) &&
         ReadList(in, "NumberKeys", point.State.NumberKeys) && std::getline(in, line) && line == kEnd;
    if (!ok) return std::nullopt;
    return point;
}

// The body before the checksum line when the checksum matches it.
std::optional<std::string_view> VerifiedBody(std::string_view whole) {
    const std::size_t at = whole.rfind(kChecksumField);
    if (at == std::string_view::npos || (at > 0 && whole[at - 1] != '\n')) return std::nullopt;
    const std::string_view body = whole.substr(0, at);
    if (whole.substr(at) != ChecksumLine(body)) return std::nullopt;
    return body;
}

// Texts taken from table cells hold no control characters but the ones Word's text has: tab,
// manual line break, page break, paragraph mark.
bool IsCellText(std::string_view text) {
    for (unsigned char c : text)
        if ((c < 0x20 && c != '\t' && c != '\v' && c != '\f' && c != '\r') || c == 0x7F) return false;
    return true;
}

bool AreCellTexts(const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        if (!IsCellText(text)) return false;
    return true;
}

bool InRange(long long value, long long low, long long high) {
    return value >= low && value <= high;
}

bool FitsExtreme(const report::DateExtreme& extreme) {
    static const text::DayCount first = text::ToDayCount({1, 1, 1});
    static const text::DayCount last = text::ToDayCount({9999, 12, 31});
    if (extreme.Number.empty()) return extreme.Date == 0;
    return IsCellText(extreme.Number) && InRange(extreme.Date, first, last);
}

bool FitsCounters(const RunCounters& c, int rowsBefore) {
    const long long kinds =
        static_cast<long long>(c.EmptyRows) + c.NumberingRows + c.HeadingRows + c.DataRows;
    return InRange(c.EmptyRows, 0, rowsBefore) && InRange(c.NumberingRows, 0, rowsBefore) &&
           InRange(c.HeadingRows, 0, rowsBefore) && InRange(c.DataRows, 0, rowsBefore) &&
           kinds <= rowsBefore && InRange(c.LinesWritten, 0, rowsBefore) &&
           InRange(c.BreakableRows, 0, std::min(5, rowsBefore)) && InRange(c.HyphenRows, 0, c.DataRows) &&
           InRange(c.DashRows, 0, c.DataRows) && InRange(c.SpacingFindings, 0, 4LL * c.DataRows);
}

}  // namespace

StoredResumePoint LoadResumePoint(const std::filesystem::path& folder) {
    StoredResumePoint stored;
    const std::filesystem::path path = folder / kResumeFileName;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return stored;
    stored.Found = StoredResumePoint::State::Damaged;
    const std::optional<std::string> whole = report::ReadFolderFile(path, kMaxFileBytes);
    const std::optional<std::string_view> body = whole ? VerifiedBody(*whole) : std::nullopt;
    if (!body) return stored;
    std::istringstream lines{std::string(*body)};
    try {
        std::optional<ResumePoint> point = Parse(lines);
        if (!point) return stored;
        stored.Point = std::move(*point);
        stored.Found = StoredResumePoint::State::Read;
    } catch (const std::exception&) {  // a number out of its type's range
    }
    return stored;
}

bool FitsTable(const ResumePoint& point, int rowCount) {
    if (!InRange(point.Row, 2, rowCount)) return false;
    const int rowsBefore = point.Row - 1;
    const RunSnapshot& s = point.State;
    const rules::ProblemCounts& counts = s.Counts;
    if (!InRange(counts.ErrorCount, 0, kMaxCount) || !InRange(counts.WarningCount, 0, kMaxCount) ||
        !InRange(counts.HintCount, 0, kMaxCount) || !FitsCounters(s.Counters, rowsBefore))
        return false;
    if (s.Rubricator.size() != static_cast<std::size_t>(s.Counters.HeadingRows) ||
        s.NumberKeys.size() > static_cast<std::size_t>(s.Counters.DataRows))
        return false;
    // The numbers are those of data rows: none before the first one.
    if (s.Counters.DataRows == 0 && (!s.FirstNumber.empty() || !s.LastNumber.empty())) return false;
    const report::DateExtremes& dates = s.Dates.Extremes;
    return InRange(s.PreviousNumber, INT_MIN, INT_MAX) && IsCellText(s.FirstNumber) &&
           IsCellText(s.LastNumber) && AreCellTexts(s.Rubricator) && AreCellTexts(s.NumberKeys) &&
           FitsExtreme(dates.EarliestStart) && FitsExtreme(dates.LatestStart) &&
           FitsExtreme(dates.EarliestEnd) && FitsExtreme(dates.LatestEnd);
}

int SaveResumePoint(const std::filesystem::path& folder, const ResumePoint& point) {
    return report::WriteFolderFile(folder / kResumeFileName, Serialise(point));
}

void EraseResumePoint(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::remove(folder / kResumeFileName, ignored);
}

}  // namespace tabulex::check
