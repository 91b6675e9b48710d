#include "cli/CheckCommand.h"

#include "check/Annotations.h"
#include "check/CheckRun.h"
#include "cli/ConsoleHost.h"
#include "cli/InventoryFiles.h"
#include "cli/JsonOutput.h"
#include "cli/Progress.h"
#include "report/ReportLines.h"
#include "settings/Folders.h"
#include "settings/IniSettings.h"
#include "text/Cp1251.h"
#include "word/Error.h"
#include "word/docx/DocxApplication.h"

#include <algorithm>
#include <ctime>
#include <ostream>
#include <thread>

namespace tabulex::cli {
namespace {

constexpr int kExitClean = 0;
constexpr int kExitErrorsFound = 1;
constexpr int kExitNotChecked = 2;

struct InventoryJob {
    std::filesystem::path File;
    std::filesystem::path ReportFolder;
};

struct InventoryResult {
    int Status = kExitNotChecked;
    std::string Out;  // UTF-8, printed on standard output in the order of the files
    std::string Err;  // UTF-8, printed on standard error
};

struct SharedContext {
    const CheckCommandOptions& Options;
    check::Settings& Settings;
    const std::atomic<bool>& Stop;
    ProgressDisplay& Progress;
    std::ostream& Err;
};

std::string Utf8(std::string_view text1251) {
    return ToTerminalText(text1251);
}

std::string TextSummary(const std::filesystem::path& file, const check::CheckOutcome& outcome,
                        const std::filesystem::path& reportDocument, const std::filesystem::path& annotated) {
    std::string out = file.string() + "\n";
    for (const auto& line :
         report::CountLines(outcome.Counts, outcome.Summary.ShowWarnings, outcome.Summary.ShowHints))
        if (!line.empty()) out += "  " + Utf8(line) + "\n";
    out += "  " + Utf8(outcome.CertificationLine) + "\n";
    for (const auto& line : outcome.Summary.CaseNumberLines)
        if (!line.empty()) out += "  " + Utf8(line) + "\n";
    out += "  Отчёт: " + outcome.ReportPath.string() + "\n";
    for (const auto& finding : outcome.Certification.Findings) out += "  " + Utf8(finding.Text) + "\n";
    if (!reportDocument.empty()) out += "  Отчёт в таблице: " + reportDocument.string() + "\n";
    if (!annotated.empty()) out += "  Копия с примечаниями: " + annotated.string() + "\n";
    return out;
}

int StatusOf(const check::CheckOutcome& outcome) {
    if (outcome.End != check::CheckEnd::Completed) return kExitNotChecked;
    return outcome.Counts.ErrorCount > 0 ? kExitErrorsFound : kExitClean;
}

InventoryResult CheckInventory(const InventoryJob& job, SharedContext& shared) {
    InventoryResult result;
    const auto& options = shared.Options;
    const std::string label = job.File.filename().string();
    try {
        std::filesystem::create_directories(job.ReportFolder);
        auto application = word::docx::CreateApplication();
        application->Documents().Open(job.File.string());
        ConsoleHost host(shared.Settings, shared.Stop, shared.Progress, shared.Err, label,
                         ConsolePolicy{options.Resume});
        check::CheckOptions checkOptions = options.Check;
        checkOptions.ReportFolder = job.ReportFolder;
        check::CheckRun run(host, checkOptions);
        const std::time_t checkedAt = std::time(nullptr);
        const check::CheckOutcome outcome = run.Run(*application);
        result.Status = StatusOf(outcome);
        std::filesystem::path annotated;
        if (outcome.End == check::CheckEnd::Completed && !options.Annotate.empty()) {
            try {
                application->ActiveDocument().SaveCopyWithComments(
                    options.Annotate, check::AnnotationComments(outcome, checkOptions.TwoDateColumns,
                                                                check::CommentDateTime(checkedAt)));
                annotated = options.Annotate;
            } catch (const word::Error& e) {
                result.Err += label + ": " + text::Cp1251ToUtf8(e.Message()) + "\n";
                result.Status = kExitNotChecked;
            }
        }
        std::filesystem::path reportDocument;
        if (outcome.End == check::CheckEnd::Completed && options.ReportDocument) {
            try {
                reportDocument = check::OpenReportInWord(application->Documents(), outcome, checkOptions);
            } catch (const word::Error& e) {
                result.Err += label + ": " + text::Cp1251ToUtf8(e.Message()) + "\n";
            }
        }
        if (options.Format == OutputFormat::Json) {
            result.Out = OutcomeJson(job.File, outcome, annotated);
        } else if (outcome.End == check::CheckEnd::Completed) {
            if (!options.Quiet) result.Out = TextSummary(job.File, outcome, reportDocument, annotated);
        } else {
            const std::string& message = outcome.Message.empty() ? host.LastStatus() : outcome.Message;
            if (message != host.LastMessage()) result.Err += label + ": " + Utf8(message) + "\n";
        }
    } catch (const word::Error& e) {
        const std::string message = text::Cp1251ToUtf8(e.Message());
        result.Err += label + ": " + message + "\n";
        if (options.Format == OutputFormat::Json) result.Out = FailureJson(job.File, message);
    } catch (const std::exception& e) {
        result.Err += label + ": " + e.what() + "\n";
        if (options.Format == OutputFormat::Json) result.Out = FailureJson(job.File, e.what());
    }
    shared.Progress.FileDone();
    return result;
}

std::vector<InventoryJob> PlanJobs(const CheckCommandOptions& options) {
    bool anyFolder = false;
    const auto files = CollectInventories(options.Paths, anyFolder);
    const std::filesystem::path reportRoot =
        options.ReportDir.empty() ? settings::DataFolder() : std::filesystem::path(options.ReportDir);
    const bool batch = anyFolder || files.size() > 1;
    std::vector<std::string> taken;
    std::vector<InventoryJob> jobs;
    for (const auto& file : files)
        jobs.push_back({file, batch ? reportRoot / UniqueReportFolderName(file, taken) : reportRoot});
    return jobs;
}

// The annotated copy is one file: it needs one inventory, and never replaces it.
std::string AnnotateProblem(const CheckCommandOptions& options, const std::vector<InventoryJob>& jobs) {
    if (options.Annotate.empty()) return {};
    if (jobs.size() != 1)
        return "--annotate: копия с примечаниями делается для одной описи, а не для нескольких.";
    const std::filesystem::path out(options.Annotate);
    std::error_code error;
    const bool same =
        std::filesystem::exists(out, error) && std::filesystem::equivalent(out, jobs.front().File, error);
    if (same || std::filesystem::weakly_canonical(out, error) ==
                    std::filesystem::weakly_canonical(jobs.front().File, error))
        return "--annotate: копия с примечаниями не может заменить проверяемую опись; укажите другое имя "
               "файла.";
    return {};
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
    if (const std::string problem = AnnotateProblem(options, jobs); !problem.empty()) {
        err << problem << "\n";
        return kExitNotChecked;
    }
    settings::IniSettings iniSettings(settings::SettingsFile());
    ProgressDisplay progress(err, options.Progress && !options.Quiet, static_cast<int>(jobs.size()));
    SharedContext shared{options, iniSettings, stop, progress, err};

    std::vector<InventoryResult> results(jobs.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t k = next++; k < jobs.size(); k = next++)
            results[k] = CheckInventory(jobs[k], shared);
    };
    std::vector<std::thread> workers;
    const int count = WorkerCount(options.Jobs, jobs.size());
    for (int k = 1; k < count; ++k) workers.emplace_back(work);
    work();
    for (auto& worker : workers) worker.join();
    progress.Finish();

    int status = kExitClean;
    for (const auto& result : results) {
        out << result.Out;
        err << result.Err;
        status = std::max(status, result.Status);
    }
    out.flush();
    return status;
}

}  // namespace tabulex::cli
