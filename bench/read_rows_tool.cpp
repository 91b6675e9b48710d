// Opens a document with the in-process host and reads the Range.Text of every row of every table.
// Prints the number of rows read, the time taken and the peak resident memory; with --dump, every
// row's text (UTF-8, end-of-cell marks shown as |).
//   read_rows_tool FILE [--dump]

#include "docx/DocxApplication.h"
#include "text/Cp1251.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

using namespace tabulex;

namespace {

std::string Visible(const std::string& text1251) {
    std::string out;
    for (std::size_t i = 0; i < text1251.size(); ++i) {
        if (text1251[i] == '\r' && i + 1 < text1251.size() && text1251[i + 1] == '\a') {
            out += '|';
            ++i;
        } else if (text1251[i] == '\r') {
            out += "\\r";
        } else if (static_cast<unsigned char>(text1251[i]) < 32) {
            out += "\\x" + std::to_string(static_cast<int>(text1251[i]));
        } else {
            out += text1251[i];
        }
    }
    return text::Cp1251ToUtf8(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: read_rows_tool FILE [--dump]\n");
        return 2;
    }
    const bool dump = argc > 2 && std::strcmp(argv[2], "--dump") == 0;
    try {
        auto start = std::chrono::steady_clock::now();
        auto app = word::docx::CreateApplication();
        word::Document& document = app->Documents().Open(argv[1]);
        auto tables = document.Tables();
        long rowsRead = 0;
        std::size_t characters = 0;
        for (int t = 1; t <= tables->Count(); ++t) {
            auto rows = tables->Item(t)->Rows();
            const int count = rows->Count();
            if (dump)
                std::printf("table %d: %d rows, %d columns\n", t, count, tables->Item(t)->Columns()->Count());
            for (int r = 1; r <= count; ++r) {
                std::string text = rows->Item(r)->Range()->Text();
                characters += text.size();
                ++rowsRead;
                if (dump) std::printf("  %d: %s\n", r, Visible(text).c_str());
            }
        }
        if (dump) std::printf("shapes: %d\n", document.Shapes()->Count());
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("rows=%ld chars=%zu seconds=%.3f peak_rss_kb=%ld\n", rowsRead, characters, seconds,
                    usage.ru_maxrss);
    } catch (const text::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
