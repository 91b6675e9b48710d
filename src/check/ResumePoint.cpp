#include "check/ResumePoint.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tabulex::check {
namespace {

constexpr std::string_view kHeader = "Tabulex resume point 1";
constexpr std::string_view kEnd = "end";

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
    return out.str();
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

}  // namespace

std::optional<ResumePoint> LoadResumePoint(const std::filesystem::path& folder) {
    std::ifstream in(folder / kResumeFileName, std::ios::binary);
    if (!in) return std::nullopt;
    try {
        return Parse(in);
    } catch (const std::exception&) {  // a damaged number: no resume point
        return std::nullopt;
    }
}

bool SaveResumePoint(const std::filesystem::path& folder, const ResumePoint& point) {
    // The temporary name starts like the report's, so that a leftover is removed by the next run.
    const std::filesystem::path temp = folder / ".~Tabulex_Report.resume";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << Serialise(point);
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, folder / kResumeFileName, error);
    return !error;
}

void EraseResumePoint(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::remove(folder / kResumeFileName, ignored);
}

}  // namespace tabulex::check
