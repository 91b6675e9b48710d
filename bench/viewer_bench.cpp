// The report viewer's table on a 70 000-line report: setting the rows, the first sort by the
// title (its sort keys made then), a sort by the problems, and a text filter as typed (case and ё
// ignored). The window answers a click or a pause in typing within a fifth of a second when each
// of these stays under 200 ms.

#include "app/ProblemTableModel.h"
#include "text/Cp1251.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace tabulex;

namespace {

constexpr int kLines = 70'000;

std::vector<check::ProblemRow> Rows() {
    const char* const titles[] = {
        "Приказы директора по основной деятельности",
        "Переписка с Министерством тяжёлого машиностроения СССР по кадровым вопросам",
        "Протоколы заседаний профсоюзного комитета и документы к ним",
        "Личные дела уволенных работников (А–Г)",
        "Годовой отчёт о работе цехов за 1951 г.",
    };
    const char* const problems[] = {
        "Дата неверная \"Кол-во дней в месяце меньше; \"; ",
        "Название: нет точки в конце; Кол-во указано неверно \"3+12 стр.\"; ",
        "Номер дела ожидался 15; Название: кавычки не закрыты; ",
    };
    std::vector<check::ProblemRow> rows;
    for (int k = 0; k < kLines; ++k) {
        check::ProblemRow row;
        row.TableRow = k + 3;
        row.Cells = {std::to_string(k + 1) + (k % 7 == 0 ? "а" : ""), text::Utf8ToCp1251(titles[(k * 7) % 5]),
                     "12.05.1945-31.12." + std::to_string(1946 + k % 40), std::to_string(10 + k % 90), ""};
        row.Problems = text::Utf8ToCp1251(problems[k % 3]);
        rows.push_back(std::move(row));
    }
    return rows;
}

void BM_ViewerSetRows(benchmark::State& state) {
    const std::vector<check::ProblemRow> rows = Rows();
    for (auto _ : state) {
        app::ProblemTableModel model;
        model.SetRows(rows);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_ViewerSetRows)->Unit(benchmark::kMillisecond)->Iterations(3);

void Sort(benchmark::State& state, int column) {
    const std::vector<check::ProblemRow> rows = Rows();
    for (auto _ : state) {
        state.PauseTiming();
        app::ProblemTableModel model;
        model.SetRows(rows);
        app::ProblemFilter filter;
        filter.setSourceModel(&model);
        state.ResumeTiming();
        filter.sort(column);
        benchmark::DoNotOptimize(filter.rowCount());
    }
}

void BM_ViewerFirstSortByTitle(benchmark::State& state) {
    Sort(state, app::ProblemTableModel::TitleColumn);
}
BENCHMARK(BM_ViewerFirstSortByTitle)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ViewerFirstSortByProblems(benchmark::State& state) {
    Sort(state, app::ProblemTableModel::ProblemsColumn);
}
BENCHMARK(BM_ViewerFirstSortByProblems)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ViewerFilterText(benchmark::State& state) {
    app::ProblemTableModel model;
    model.SetRows(Rows());
    app::ProblemFilter filter;
    filter.setSourceModel(&model);
    const QString typed[] = {QStringLiteral("ОТЧЕТ"), QStringLiteral("кол-во"), QString()};
    int next = 0;
    for (auto _ : state) {
        filter.SetText(typed[next++ % 3]);
        benchmark::DoNotOptimize(filter.rowCount());
    }
}
BENCHMARK(BM_ViewerFilterText)->Unit(benchmark::kMillisecond)->Iterations(6);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
