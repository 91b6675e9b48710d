// Throughput of the title rules on realistic titles of archival inventories: some clean, some with
// the faults the rules exist for (initials, quotes, short years, look-alike Roman numerals).

#include "rules/RomanNumerals.h"
#include "rules/RunState.h"
#include "rules/TitleEnd.h"
#include "rules/TitleRules.h"
#include "text/Cp1251.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {
using tabulex::rules::RunState;

const std::vector<std::string>& Titles() {
    static const std::vector<std::string> titles = [] {
        const char* utf8[] = {
            "Протоколы заседаний исполкома Вологодского горсовета и документы к ним (решения, справки)",
            "Приказы директора по основной деятельности за 1945 г.",
            "Переписка с Наркоматом лесной промышленности СССР о выполнении плана лесозаготовок",
            "Письма А.Б.Петрову и В. Г. Иванову о работе артели «Красный пахарь»",
            "Годовой отчет о работе Вологодской обл. библиотеки за 1952-1953 гг.",
            "Протоколы заседаний ВКП (б) и документы к ним",
            "Документы о праздновании ХХ годовщины Октябрьской революции",
            "Материалы к XIX съезду КПСС (тезисы, доклады, справки)",
            "Лицевые счета рабочих и служащих по начислению заработной платы на буквы А-Я",
            "Дело 05.05.45 года о награждении медалью «За доблестный труд в Великой Отечественной войне»",
            "Штатное расписание и сметы расходов на 1960 год",
            "Сведения о численности кино- и фотодокументов, поступивших на хранение",
            "Переписка с редакцией газеты \"Красный Север\" по вопросам публикаций",
            "Акты приема-передачи дел,описи и справки",
            "Приказы по личному составу (прием, увольнение, перемещение) т.е. кадровые",
            "Отчет о научно- технической деятельности лаборатории за 1970г.",
            "Журнал регистрации входящих документов № 3",
            "Книга учета движения трудовых книжек и вкладышей к ним",
            "Распоряжения председателя горисполкома по основной деятельности. Том I",
            "Планы и отчеты о работе с документами Архивного фонда Российской Федерации",
        };
        std::vector<std::string> converted;
        for (const char* title : utf8) converted.push_back(tabulex::text::Utf8ToCp1251(title));
        return converted;
    }();
    return titles;
}

std::int64_t TotalBytes() {
    std::int64_t bytes = 0;
    for (const auto& title : Titles()) bytes += static_cast<std::int64_t>(title.size());
    return bytes;
}

void BM_CheckTitleText(benchmark::State& bench) {
    RunState state;
    state.Flags.SpacedInitials = bench.range(0) != 0;
    for (auto _ : bench) {
        state.Counts = {};
        for (const auto& title : Titles())
            benchmark::DoNotOptimize(tabulex::rules::CheckTitleText(title, state));
    }
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(Titles().size()));
    bench.SetBytesProcessed(bench.iterations() * TotalBytes());
}
BENCHMARK(BM_CheckTitleText)->Arg(0)->Arg(1)->ArgName("spaced");

void BM_CheckTitleTextHidden(benchmark::State& bench) {
    RunState state;
    state.Flags.ShowWarnings = false;
    state.Flags.ShowHints = false;
    for (auto _ : bench) {
        state.Counts = {};
        for (const auto& title : Titles())
            benchmark::DoNotOptimize(tabulex::rules::CheckTitleText(title, state));
    }
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(Titles().size()));
    bench.SetBytesProcessed(bench.iterations() * TotalBytes());
}
BENCHMARK(BM_CheckTitleTextHidden);

void BM_FinalStopIsSuperfluous(benchmark::State& bench) {
    for (auto _ : bench)
        for (const auto& title : Titles())
            benchmark::DoNotOptimize(tabulex::rules::FinalStopIsSuperfluous(title));
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(Titles().size()));
}
BENCHMARK(BM_FinalStopIsSuperfluous);

void BM_FindMixedRomanPairs(benchmark::State& bench) {
    for (auto _ : bench)
        for (const auto& title : Titles())
            benchmark::DoNotOptimize(tabulex::rules::FindMixedRomanPairs(title));
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(Titles().size()));
    bench.SetBytesProcessed(bench.iterations() * TotalBytes());
}
BENCHMARK(BM_FindMixedRomanPairs);

}  // namespace

BENCHMARK_MAIN();
