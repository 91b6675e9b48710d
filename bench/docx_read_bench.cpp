// Opening a document with the in-process host and reading every row's Range.Text, as the check
// run does, for inventories of 1 000, 10 000 and 100 000 case rows.

#include "SyntheticDocx.h"
#include "docx/DocxApplication.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

const std::string& InventoryFile(int rows) {
    static std::map<int, std::string> files;
    auto [it, added] = files.try_emplace(rows);
    if (added) {
        it->second =
            (std::filesystem::temp_directory_path() / ("tabulex-bench-" + std::to_string(rows) + ".docx"))
                .string();
        tabulex::bench::WriteSyntheticInventory(it->second, rows);
    }
    return it->second;
}

void BM_OpenAndReadEveryRow(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string& path = InventoryFile(rows);
    std::int64_t rowsRead = 0;
    for (auto _ : state) {
        auto app = tabulex::word::docx::CreateApplication();
        auto table = app->Documents().Open(path).Tables()->Item(1);
        auto tableRows = table->Rows();
        const int count = tableRows->Count();
        std::size_t characters = 0;
        for (int r = 1; r <= count; ++r) characters += tableRows->Item(r)->Range()->Text().size();
        benchmark::DoNotOptimize(characters);
        rowsRead += count;
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rowsRead), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OpenAndReadEveryRow)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ListStringOfEveryFirstCell(benchmark::State& state) {
    const std::string& path = InventoryFile(static_cast<int>(state.range(0)));
    auto app = tabulex::word::docx::CreateApplication();
    auto table = app->Documents().Open(path).Tables()->Item(1);
    const int count = table->Rows()->Count();
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int r = 1; r <= count; ++r)
            characters += table->Cell(r, 1)->Range()->ListFormat()->ListString().size();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_ListStringOfEveryFirstCell)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
