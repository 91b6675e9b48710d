// Throughput of the whitespace and date rules on realistic cells, and of the case-number summary.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "rules/CaseNumbers.h"
#include "rules/DateRules.h"
#include "rules/WhitespaceRules.h"
#include "text/Cp1251.h"

namespace {
using namespace tabulex;
using namespace tabulex::text::literals;

const std::vector<std::string>& DatesCells() {
    static const std::vector<std::string> cells = {
        "12.05.1945-30.12.1946",
        std::string("май 1945 - [июнь] 1946"_cp),
        "1941 1945",
        "1945",
        std::string("12.мая.1945"_cp),
        "05-06.1945",
        "[1944]-1945",
        std::string("Январь.1941-Декабрь.1945"_cp),
        "31.04.1945",
        "01.01.1950-31.12.1952",
    };
    return cells;
}

const std::vector<std::string>& TextCells() {
    static const std::vector<std::string> cells = {
        std::string("Приказы директора по основной деятельности"_cp),
        std::string(" Переписка с  главным управлением\u00A0 о строительстве\r"_cp),
        "12",
        std::string("Протоколы заседаний\x0B правления и документы к ним (справки, сведения)"_cp),
        "1941-1945",
        std::string("Копия"_cp),
    };
    return cells;
}

void BM_CheckWhitespace(benchmark::State& state) {
    const auto& cells = TextCells();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rules::CheckWhitespace(cells[i]));
        if (++i == cells.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckWhitespace);

void BM_CheckDates(benchmark::State& state) {
    const auto& cells = DatesCells();
    std::size_t i = 0;
    text::DayCount start = 0;
    text::DayCount end = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rules::CheckDates(cells[i], start, end));
        if (++i == cells.size()) i = 0;
    }
    benchmark::DoNotOptimize(start + end);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckDates);

void BM_CheckDatesOneCell(benchmark::State& state) {
    const std::string& cell = DatesCells()[static_cast<std::size_t>(state.range(0))];
    text::DayCount start = 0;
    text::DayCount end = 0;
    for (auto _ : state) benchmark::DoNotOptimize(rules::CheckDates(cell, start, end));
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(text::Cp1251ToUtf8(cell));
}
BENCHMARK(BM_CheckDatesOneCell)->DenseRange(0, 2);

// 100 000 cases numbered 1.. with every 50th literal, a few repeated and a few missing, added as a check
// run adds them (row order) and summarised.
void BM_SummariseCaseNumbers(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::vector<std::string> numbers;
    numbers.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        if (n % 997 == 0) continue;
        numbers.push_back(std::to_string(n) + (n % 50 == 0 ? std::string("А"_cp) : std::string()));
        if (n % 1009 == 0) numbers.push_back(std::to_string(n));
    }
    for (auto _ : state) {
        rules::CaseNumberKeys keys;
        for (const auto& number : numbers) keys.AddNumber(number);
        benchmark::DoNotOptimize(rules::SummariseCaseNumbers(keys));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(numbers.size()));
}
BENCHMARK(BM_SummariseCaseNumbers)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
