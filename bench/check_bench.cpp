// The check run over a synthetic inventory of realistic rows: the row rules alone (per row, on
// rows already split into cells) and the whole run through the document host (open excluded).

#include "check/CheckRun.h"
#include "check/RowRules.h"
#include "docx/DocxApplication.h"
#include "ooxml/MinimalPackage.h"
#include "text/Cp1251.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <array>
#include <filesystem>
#include <fstream>

using namespace tabulex;

namespace {

constexpr int kRows = 100'000;

constexpr std::array<const char*, 12> kTitles = {
    "Приказы директора по основной деятельности",
    "Распоряжения директора завода",
    "Протоколы заседаний профсоюзного комитета и документы к ним",
    "Переписка с трестом «Уралмаш» о выполнении плана",
    "Годовой отчёт о работе цехов за 1951 г.",
    "Личные дела уволенных работников (А–Г)",
    "Штатное расписание и сметы расходов",
    "Акты ревизий финансово-хозяйственной деятельности",
    "Книга учёта личного состава",
    "Докладные записки начальников отделов",
    "Документы (справки, сведения) о движении кадров",
    "Переписка с Министерством тяжёлого машиностроения СССР по кадровым вопросам",
};
constexpr std::array<const char*, 8> kDates = {
    "1950",     "1950-1951",       "12.05.1945", "01.01.1950-31.12.1951",
    "май 1950", "1950 г.-1951 г.", "1952–1953",  "05.1948-02.1949"};
constexpr std::array<const char*, 6> kSheets = {"25", "112", "3", "3+12 стр.", "48", "250"};

struct RowData {
    std::string Number, Title, Dates, Sheets, Notes;
    bool Heading = false;
};

std::vector<RowData> Inventory(int rows) {
    std::vector<RowData> data;
    data.reserve(static_cast<std::size_t>(rows));
    int number = 0;
    for (int k = 0; k < rows; ++k) {
        if (k % 500 == 0) {
            data.push_back({"",
                            "Раздел " + std::to_string(k / 500 + 1) + ". Документы по основной деятельности",
                            "", "", "", true});
            continue;
        }
        ++number;
        const std::string suffix = k % 97 == 0 ? "а" : "";
        data.push_back({std::to_string(number) + suffix,
                        kTitles[static_cast<std::size_t>(k) % kTitles.size()],
                        kDates[static_cast<std::size_t>(k) % kDates.size()],
                        kSheets[static_cast<std::size_t>(k) % kSheets.size()], k % 7 == 0 ? "Копии" : ""});
    }
    return data;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '&' ? std::string("&amp;") : c == '<' ? std::string("&lt;") : std::string(1, c);
    return out;
}

std::string Cell(const std::string& text, bool bold = false, int span = 1) {
    std::string xml = "<w:tc>";
    if (span > 1) xml += "<w:tcPr><w:gridSpan w:val=\"" + std::to_string(span) + "\"/></w:tcPr>";
    xml += "<w:p>";
    if (!text.empty())
        xml += std::string("<w:r>") + (bold ? "<w:rPr><w:b/></w:rPr>" : "") + "<w:t xml:space=\"preserve\">" +
               Escape(text) + "</w:t></w:r>";
    return xml + "</w:p></w:tc>";
}

std::string InventoryDocx(const std::vector<RowData>& rows) {
    std::string body = "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr><w:tblGrid>";
    for (int c = 0; c < 5; ++c) body += "<w:gridCol w:w=\"1800\"/>";
    body += "</w:tblGrid>";
    for (const RowData& row : rows) {
        body += "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
        if (row.Heading)
            body += Cell(row.Title, true, 5);
        else
            body += Cell(row.Number) + Cell(row.Title) + Cell(row.Dates) + Cell(row.Sheets) + Cell(row.Notes);
        body += "</w:tr>";
    }
    body += "</w:tbl><w:p/>";
    return ooxml::BuildDocxBytes({ooxml::WrapBody(body), ooxml::DefaultStylesXml(), {}});
}

void BM_RowRules(benchmark::State& state) {
    std::vector<check::RowCells> cells;
    for (const RowData& row : Inventory(kRows))
        if (!row.Heading)
            cells.push_back({text::Utf8ToCp1251(row.Number), text::Utf8ToCp1251(row.Title),
                             text::Utf8ToCp1251(row.Dates), text::Utf8ToCp1251(row.Sheets),
                             text::Utf8ToCp1251(row.Notes)});
    check::CheckOptions options;
    for (auto _ : state) {
        check::RowRules rules(options);
        int row = 0;
        for (const check::RowCells& c : cells) benchmark::DoNotOptimize(rules.DataRow(++row, c));
        benchmark::DoNotOptimize(rules.DocumentHints({}, check::ColumnMode::Standard));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cells.size()));
}
BENCHMARK(BM_RowRules)->Unit(benchmark::kMillisecond);

class SilentHost : public check::CheckHost {
  public:
    void ShowStatus(std::string_view) override {}
    void SetCaption(std::string_view) override {}
    void SetApplicationTitle(std::string_view) override {}
    void ProcessEvents() override {}
    bool StopRequested() override { return false; }
    void ClearStopRequest() override {}
    bool AskOkCancel(check::Question, std::string_view, std::string_view) override { return false; }
    bool InputBox(std::string_view, std::string_view, std::string_view) override { return true; }
    void ShowMessageText(std::string_view) override {}
    void CloseReportDocuments() override {}
    settings::Settings& Settings() override { return settings_; }

  private:
    settings::MemorySettings settings_;
};

void BM_CheckRunDocx(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tabulex_check_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "opis.docx";
    std::ofstream(file, std::ios::binary) << InventoryDocx(Inventory(kRows));
    check::CheckOptions options;
    options.ReportFolder = folder;
    SilentHost host;
    for (auto _ : state) {
        state.PauseTiming();
        auto application = word::docx::CreateApplication();
        word::Document& document = application->Documents().Open(file.string());
        state.ResumeTiming();
        check::CheckRun run(host, options);
        const check::CheckOutcome outcome = run.Run(document, nullptr);
        if (outcome.End != check::CheckEnd::Completed) state.SkipWithError("the check did not complete");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CheckRunDocx)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
