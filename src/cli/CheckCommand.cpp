#include "cli/CheckCommand.h"

#include "check/CheckRun.h"
#include "cli/ConsoleHost.h"
#include "cli/Folders.h"
#include "cli/IniSettings.h"
#include "cli/InventoryFiles.h"
#include "cli/JsonOutput.h"
#include "cli/Progress.h"
#include "report/ReportFolder.h"
#include "report/ReportLines.h"
#include "text/Cp1251.h"
#include "word/Error.h"
#include "word/docx/DocxApplication.h"

#include <algorithm>
#include <ostream>
#include <thread>

namespace tabulex::cli {
namespace {

constexpr int kExitClean = 0;
constexpr int kExitErrorsFound = 1;
constexpr int kExitNotChecked = 2;

struct InventoryJob {
    std::filesystem::path file;
    std::filesystem::path reportFolder;
};

struct InventoryResult {
    int status = kExitNotChecked;
    std::string out;  // UTF-8, printed on standard output in the order of the files
    std::string err;  // UTF-8, printed on standard error
};

struct SharedContext {
    const CheckCommandOptions& options;
    check::Settings& settings;
    const std::atomic<bool>& stop;
    ProgressDisplay& progress;
    std::ostream& err;
};

std::string Utf8(std::string_view text1251) {
    return ToTerminalText(text1251);
}

std::string TextSummary(const std::filesystem::path& file, const check::CheckOutcome& outcome,
                        const std::filesystem::path& reportDocument) {
    std::string out = file.string() + "\n";
    for (const auto& line :
         report::CountLines(outcome.Counts, outcome.Summary.ShowWarnings, outcome.Summary.ShowHints))
        if (!line.empty()) out += "  " + Utf8(line) + "\n";
    out += "  " + Utf8(outcome.CertificationLine) + "\n";
    for (const auto& line : outcome.Summary.CaseNumberLines)
        if (!line.empty()) out += "  " + Utf8(line) + "\n";
    out += "  Отчёт: " + outcome.ReportPath.string() + "\n";
    if (!reportDocument.empty()) out += "  Отчёт в таблице: " + reportDocument.string() + "\n";
    return out;
}

int StatusOf(const check::CheckOutcome& outcome) {
    if (outcome.End != check::CheckEnd::Completed) return kExitNotChecked;
    return outcome.Counts.ErrorCount > 0 ? kExitErrorsFound : kExitClean;
}

InventoryResult CheckInventory(const InventoryJob& job, SharedContext& shared) {
    InventoryResult result;
    const auto& options = shared.options;
    const std::string label = job.file.filename().string();
    try {
        report::CreateReportFolder(job.reportFolder);
        auto application = word::docx::CreateApplication();
        word::OpenOptions open;
        open.Stop = &shared.stop;
        application->Documents().Open(job.file.string(), open);
        ConsoleHost host(shared.settings, shared.stop, shared.progress, shared.err, label,
                         ConsolePolicy{options.resume});
        check::CheckOptions checkOptions = options.check;
        checkOptions.ReportFolder = job.reportFolder;
        checkOptions.DocumentIdentity = FileIdentity(job.file);
        check::CheckRun run(host, checkOptions);
        const check::CheckOutcome outcome = run.Run(*application);
        result.status = StatusOf(outcome);
        std::filesystem::path reportDocument;
        if (outcome.End == check::CheckEnd::Completed && options.reportDocument) {
            try {
                reportDocument = check::OpenReportInWord(application->Documents(), outcome, checkOptions);
            } catch (const word::Error& e) {
                result.err += label + ": " + text::Cp1251ToUtf8(e.Message()) + "\n";
            }
        }
        if (options.format == OutputFormat::Json) {
            result.out = OutcomeJson(job.file, outcome);
        } else if (outcome.End == check::CheckEnd::Completed) {
            if (!options.quiet) result.out = TextSummary(job.file, outcome, reportDocument);
        } else {
            const std::string& message = outcome.Message.empty() ? host.LastStatus() : outcome.Message;
            if (message != host.LastMessage()) result.err += label + ": " + Utf8(message) + "\n";
        }
    } catch (const word::Error& e) {
        const std::string message = text::Cp1251ToUtf8(e.Message());
        result.err += label + ": " + message + "\n";
        if (options.format == OutputFormat::Json) result.out = FailureJson(job.file, message);
    } catch (const std::bad_alloc&) {
        const std::string message = "Недостаточно памяти для проверки этого документа.";
        result.err += label + ": " + message + "\n";
        if (options.format == OutputFormat::Json) result.out = FailureJson(job.file, message);
    } catch (const std::exception& e) {
        const std::string message = std::string("Внутренняя ошибка программы: ") + e.what();
        result.err += label + ": " + message + "\n";
        if (options.format == OutputFormat::Json) result.out = FailureJson(job.file, message);
    }
    shared.progress.FileDone();
    return result;
}

std::vector<InventoryJob> PlanJobs(const CheckCommandOptions& options) {
    bool anyFolder = false;
    const auto files = CollectInventories(options.paths, anyFolder);
    const std::filesystem::path reportRoot =
        options.reportDir.empty() ? DataFolder() : std::filesystem::path(options.reportDir);
    const bool batch = anyFolder || files.size() > 1;
    std::vector<std::string> taken;
    std::vector<InventoryJob> jobs;
    for (const auto& file : files)
        jobs.push_back({file, batch ? reportRoot / UniqueReportFolderName(file, taken) : reportRoot});
    return jobs;
}

int WorkerCount(int requested, std::size_t jobs) {
    const int cores = std::max(1u, std::thread::hardware_concurrency());
    const int wanted = requested > 0 ? requested : cores;
    return static_cast<int>(
        std::min<std::size_t>(static_cast<std::size_t>(wanted), std::max<std::size_t>(jobs, 1)));
}

}  // namespace

int RunCheckCommand(const CheckCommandOptions& options, std::ostream& out, std::ostream& err,
                    const std::atomic<bool>& stop) {
    const auto jobs = PlanJobs(options);
    if (jobs.empty()) {
        err << "Не найдено ни одной описи (.docx, .doc, .rtf, .odt).\n";
        return kExitNotChecked;
    }
    IniSettings settings(DataFolder() / "Tabulex.ini");
    ProgressDisplay progress(err, options.progress && !options.quiet, static_cast<int>(jobs.size()));
    SharedContext shared{options, settings, stop, progress, err};

    std::vector<InventoryResult> results(jobs.size());
    std::atomic<std::size_t> next{0};
    std::atomic<int> notStarted{0};
    // After a stop request no new file is started: the running ones stop at their next progress
    // point and keep their resume points.
    auto work = [&] {
        for (std::size_t k = next++; k < jobs.size(); k = next++) {
            if (stop.load()) {
                ++notStarted;
                continue;
            }
            results[k] = CheckInventory(jobs[k], shared);
        }
    };
    std::vector<std::thread> workers;
    const int count = WorkerCount(options.jobs, jobs.size());
    for (int k = 1; k < count; ++k) workers.emplace_back(work);
    work();
    for (auto& worker : workers) worker.join();
    progress.Finish();

    int status = kExitClean;
    for (const auto& result : results) {
        out << result.out;
        err << result.err;
        status = std::max(status, result.status);
    }
    if (notStarted > 0)
        err << "Проверка остановлена; не начата проверка описей: " << notStarted.load() << ".\n";
    out.flush();
    return status;
}

}  // namespace tabulex::cli
