#pragma once

// Shared by the fuzz targets: every answer the checker reads about the top-level tables of a
// document, written out as lines so that the compact model and the DOM can be compared, and a
// stop that libFuzzer records as a crash when they differ.

#include "text/Cp1251.h"
#include "text/Error.h"
#include "word/WordModel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace tabulex::fuzz {

// Each answer, or the host's message when it refuses; reading one never stops the others.
template <typename Read>
std::string Answer(Read read) {
    try {
        return read();
    } catch (const text::Error& error) {
        return "error " + error.Message();
    }
}

inline std::string RangeAnswers(word::Range& range) {
    return "text=" + Answer([&] { return range.Text(); }) +
           " list=" + Answer([&] { return range.ListFormat()->ListString(); }) +
           " bold=" + Answer([&] { return std::to_string(range.Font()->Bold()); }) +
           " keep=" + Answer([&] { return std::to_string(range.ParagraphFormat()->KeepWithNext()); });
}

// Cells are read until the host refuses one, and never past this many in a row.
inline constexpr int kMaxCellsRead = 64;

inline std::vector<std::string> TableAnswers(word::Document& document) {
    std::vector<std::string> lines;
    auto tables = document.Tables();
    for (int t = 1; t <= tables->Count(); ++t) {
        auto table = tables->Item(t);
        auto rows = table->Rows();
        const std::string name = "table " + std::to_string(t);
        lines.push_back(name + " rows=" + std::to_string(rows->Count()) +
                        " columns=" + Answer([&] { return std::to_string(table->Columns()->Count()); }));
        for (int r = 1; r <= rows->Count(); ++r) {
            auto row = rows->Item(r);
            const std::string rowName = name + " row " + std::to_string(r);
            lines.push_back(rowName + " " + RangeAnswers(*row->Range()) +
                            " break=" + std::to_string(row->AllowBreakAcrossPages()));
            for (int c = 1; c <= kMaxCellsRead; ++c) {
                std::unique_ptr<word::Cell> cell;
                try {
                    cell = table->Cell(r, c);
                } catch (const text::Error& error) {
                    lines.push_back(rowName + " cell " + std::to_string(c) + " error " + error.Message());
                    break;
                }
                lines.push_back(rowName + " cell " + std::to_string(c) + " " + RangeAnswers(*cell->Range()));
            }
        }
    }
    return lines;
}

[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz finding: %s\n", text::Cp1251ToUtf8(what).c_str());
    std::abort();
}

inline void ExpectSame(const std::vector<std::string>& compact, const std::vector<std::string>& dom) {
    if (compact == dom) return;
    for (std::size_t i = 0; i < std::max(compact.size(), dom.size()); ++i) {
        const std::string a = i < compact.size() ? compact[i] : "(none)";
        const std::string b = i < dom.size() ? dom[i] : "(none)";
        if (a != b)
            Fail("compact and DOM answers differ at line " + std::to_string(i) + "\ncompact: " + a +
                 "\nDOM:     " + b);
    }
}

}  // namespace tabulex::fuzz
