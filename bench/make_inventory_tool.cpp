// Writes a synthetic archival inventory for benchmarks:
//   make_inventory_tool --rows N --seed S [--faults PER_MILLE] OUT.docx
// --faults: how many case rows in a thousand carry a typical fault (40 by default, 1000: every one).

#include "InventoryGenerator.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: make_inventory_tool [--rows N] [--seed S] [--faults PER_MILLE] OUT.docx\n");
    return 2;
}

bool ParseCount(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    tabulex::bench::InventoryOptions options;
    std::string out;
    for (int k = 1; k < argc; ++k) {
        std::string_view arg = argv[k];
        long long value = 0;
        if ((arg == "--rows" || arg == "--seed" || arg == "--faults") && k + 1 < argc) {
            if (!ParseCount(argv[++k], value)) return Usage();
            if (arg == "--rows")
                options.Rows = value;
            else if (arg == "--seed")
                options.Seed = static_cast<std::uint64_t>(value);
            else if (value <= 1000)
                options.FaultPerMille = static_cast<int>(value);
            else
                return Usage();
        } else if (!arg.starts_with("-") && out.empty()) {
            out = argv[k];
        } else {
            return Usage();
        }
    }
    if (out.empty()) return Usage();
    try {
        auto started = std::chrono::steady_clock::now();
        tabulex::bench::InventoryStats stats = tabulex::bench::WriteInventory(out, options);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const auto& c = stats.Counts;
        std::printf(
            "%s: %lld table rows (%lld cases, last number %lld, %lld headings, %lld list-numbered, %lld "
            "empty, "
            "%lld with faults), document.xml %lld bytes, %.2f s\n",
            out.c_str(), c.TableRows, c.DataRows, c.LastCaseNumber, c.HeadingRows, c.ListNumberedRows,
            c.EmptyRows, c.FaultRows, stats.DocumentXmlBytes, seconds);
    } catch (const tabulex::text::Error& e) {
        std::string message = tabulex::text::Cp1251ToUtf8(e.Message());
        std::fprintf(stderr, "make_inventory_tool: %s (%s)\n", message.c_str(), e.Detail().c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_inventory_tool: %s\n", e.what());
        return 2;
    }
    return 0;
}
