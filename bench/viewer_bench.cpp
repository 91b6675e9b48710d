// The report viewer's table on a 70 000-line report: setting the rows, the first sort by the
// title (its sort keys made then), a sort by the problems, and a text filter as typed (case and ё
// ignored), on the table alone and in the shown window (offscreen), where the view lays out and
// paints the new rows. The window answers a click or a pause in typing within a fifth of a second
// when each of these stays under 200 ms: the counter "of_200ms" is a run's time over that budget.

#include "app/ProblemTableModel.h"
#include "app/ReportViewer.h"
#include "text/Cp1251.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace tabulex;

namespace {

constexpr int kLines = 70'000;
constexpr double kBudgetSeconds = 0.2;

void ReportShareOfBudget(benchmark::State& state, std::chrono::steady_clock::duration spent) {
    const double seconds = std::chrono::duration<double>(spent).count();
    state.counters["of_200ms"] = seconds / static_cast<double>(state.iterations()) / kBudgetSeconds;
}

// The texts typed into the filter in turn: a word in a fifth of the titles (written with ё there),
// a word in a third of the problems, and the empty filter that shows every row again.
const QString kTyped[] = {QStringLiteral("ОТЧЕТ"), QStringLiteral("кол-во"), QString()};

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

void FilterText(benchmark::State& state, int sortColumn) {
    app::ProblemTableModel model;
    model.SetRows(Rows());
    app::ProblemFilter filter;
    filter.setSourceModel(&model);
    filter.sort(sortColumn);
    std::chrono::steady_clock::duration spent{};
    int next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        filter.SetText(kTyped[next++ % 3]);
        benchmark::DoNotOptimize(filter.rowCount());
        spent += std::chrono::steady_clock::now() - start;
    }
    ReportShareOfBudget(state, spent);
}

void BM_ViewerFilterText(benchmark::State& state) {
    FilterText(state, -1);
}
BENCHMARK(BM_ViewerFilterText)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_ViewerFilterTextSortedByTitle(benchmark::State& state) {
    FilterText(state, app::ProblemTableModel::TitleColumn);
}
BENCHMARK(BM_ViewerFilterTextSortedByTitle)->Unit(benchmark::kMillisecond)->Iterations(6);

// The whole answer to a pause in typing: the filter, the view taking the new rows, the rows on
// screen fitted to their texts and painted.
void BM_ViewerFilterInWindow(benchmark::State& state) {
    check::CheckOutcome outcome;
    outcome.ProblemRows = Rows();
    app::ReportViewer viewer;
    viewer.ShowOutcome(outcome);
    viewer.show();
    QApplication::processEvents();
    std::chrono::steady_clock::duration spent{};
    int next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        viewer.Filter->SetText(kTyped[next++ % 3]);
        QApplication::processEvents();
        viewer.Table->viewport()->repaint();
        spent += std::chrono::steady_clock::now() - start;
    }
    ReportShareOfBudget(state, spent);
}
BENCHMARK(BM_ViewerFilterInWindow)->Unit(benchmark::kMillisecond)->Iterations(6);

// A click on the title's header in the shown window (its sort keys made by the first click).
void BM_ViewerSortInWindow(benchmark::State& state) {
    check::CheckOutcome outcome;
    outcome.ProblemRows = Rows();
    app::ReportViewer viewer;
    viewer.ShowOutcome(outcome);
    viewer.show();
    QApplication::processEvents();
    std::chrono::steady_clock::duration spent{};
    int next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        viewer.Table->sortByColumn(app::ProblemTableModel::TitleColumn,
                                   next++ % 2 == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
        QApplication::processEvents();
        viewer.Table->viewport()->repaint();
        spent += std::chrono::steady_clock::now() - start;
    }
    ReportShareOfBudget(state, spent);
}
BENCHMARK(BM_ViewerSortInWindow)->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace

int main(int argc, char** argv) {
    // The window's benchmarks need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
