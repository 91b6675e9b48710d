#include "cli/CheckCommand.h"

#include "check/DocumentIdentity.h"
#include "check/InventoryCheck.h"
#include "cli/BatchSettings.h"
#include "cli/BatchWorkers.h"
#include "cli/ConsoleHost.h"
#include "cli/InventoryFiles.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressDisplay.h"
#include "docx/DocxApplication.h"
#include "platform/FileSystem.h"
#include "report/ReportFolder.h"
#include "report/ReportLines.h"
#include "settings/Folders.h"
#include "settings/IniSettings.h"
#include "text/Cp1251.h"
#include "text/Error.h"
#include "text/Utf8Paths.h"

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
    settings::Settings& Settings;
    const std::atomic<bool>& Stop;
    ProgressDisplay& Progress;
    std::ostream& Err;
    // The cores left to each check beside the other workers: a batch on every core keeps each
    // check on its own thread.
    int ThreadsPerCheck = 1;
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

int StatusOf(check::CheckVerdict verdict) {
    switch (verdict) {
        case check::CheckVerdict::Clean:
            return kExitClean;
        case check::CheckVerdict::ErrorsFound:
            return kExitErrorsFound;
        case check::CheckVerdict::NotChecked:
            break;
    }
    return kExitNotChecked;
}

// What the command line tells on standard error of a completed check, in the order of its steps.
std::string CompletedNotes(const check::InventoryCheck& done, const std::string& label, bool quiet) {
    std::string err;
    if (!done.AnnotatedCopyError.empty())
        err += label + ": " + text::Cp1251ToUtf8(done.AnnotatedCopyError) + "\n";
    for (const check::LeftOutTable& table : done.LeftOutTables)
        err += label + ": " + Utf8(check::LeftOutTableWarning(table, done.Outcome.CheckedTable)) + "\n";
    if (!quiet && !done.DateAdvice.empty()) err += label + ": " + Utf8(done.DateAdvice) + "\n";
    if (!done.ReportDocumentError.empty())
        err += label + ": " + text::Cp1251ToUtf8(done.ReportDocumentError) + "\n";
    return err;
}

check::InventoryCheckRequest RequestFor(const InventoryJob& job, const CheckCommandOptions& options,
                                        std::unique_ptr<report::ReportFolderLock> folderLock, int threads) {
    check::InventoryCheckRequest request;
    request.Options = options.Check;
    request.Options.Threads = threads;
    request.Options.ReportFolder = job.ReportFolder;
    request.Options.DocumentIdentity = check::DocumentIdentity(job.File);
    if (!options.Annotate.empty()) {
        request.AnnotatedCopy = check::AnnotatedCopyPlace::At;
        request.AnnotatedCopyPath = text::PathFromUtf8(options.Annotate);
    }
    request.ReportDocument = options.ReportDocument;
    request.FolderLock = std::move(folderLock);
    return request;
}

InventoryResult CheckInventory(const InventoryJob& job, SharedContext& shared) {
    InventoryResult result;
    const auto& options = shared.Options;
    const std::string label = text::Utf8OfPath(job.File.filename());
    try {
        report::CreateReportFolder(job.ReportFolder);
        // Taken before the document is loaded, so that no other check starts in the folder while
        // this one reads; a folder in use is refused by the run with its message.
        auto folderLock = std::make_unique<report::ReportFolderLock>(job.ReportFolder);
        auto application = word::docx::CreateApplication();
        word::OpenOptions open;
        open.Stop = &shared.Stop;
        open.Threads = shared.ThreadsPerCheck;
        application->Documents().Open(job.File.string(), open);
        ConsoleHost host(shared.Settings, shared.Stop, shared.Progress, shared.Err, label,
                         ConsolePolicy{options.Resume});
        const check::InventoryCheck done = check::RunInventoryCheck(
            host, *application, RequestFor(job, options, std::move(folderLock), shared.ThreadsPerCheck));
        const check::CheckOutcome& outcome = done.Outcome;
        result.Status = StatusOf(done.Verdict);
        if (done.Completed()) result.Err += CompletedNotes(done, label, options.Quiet);
        if (options.Format == OutputFormat::Json) {
            result.Out = OutcomeJson(job.File, outcome, done.AnnotatedCopy, done.LeftOutTables);
        } else if (done.Completed()) {
            if (!options.Quiet)
                result.Out = TextSummary(job.File, outcome, done.ReportDocument, done.AnnotatedCopy);
        } else {
            const std::string& message = outcome.Message.empty() ? host.LastStatus() : outcome.Message;
            if (message != host.LastMessage()) result.Err += label + ": " + Utf8(message) + "\n";
        }
    } catch (const text::Error& e) {
        const std::string message = text::Cp1251ToUtf8(e.Message());
        result.Err += label + ": " + message + "\n";
        if (options.Format == OutputFormat::Json) result.Out = FailureJson(job.File, message);
    } catch (const std::bad_alloc&) {
        const std::string message = "Недостаточно памяти для проверки этого документа.";
        result.Err += label + ": " + message + "\n";
        if (options.Format == OutputFormat::Json) result.Out = FailureJson(job.File, message);
    } catch (const std::exception& e) {
        const std::string message = text::Cp1251ToUtf8(platform::ExceptionReason(e));
        result.Err += label + ": " + message + "\n";
        if (options.Format == OutputFormat::Json) result.Out = FailureJson(job.File, message);
    }
    shared.Progress.FileDone();
    return result;
}

// A batch is a folder or several files: each inventory gets its own report folder, and the
// output ends with a total line (JSON: one array).
struct Plan {
    std::vector<InventoryJob> Jobs;
    bool Batch = false;
};

Plan PlanJobs(const CheckCommandOptions& options) {
    bool anyFolder = false;
    const std::filesystem::path reportRoot =
        options.ReportDir.empty() ? settings::DataFolder() : text::PathFromUtf8(options.ReportDir);
    const auto files = CollectInventories(options.Paths, anyFolder, {options.Recursive, reportRoot});
    Plan plan;
    plan.Batch = anyFolder || files.size() > 1;
    std::vector<std::string> taken;
    for (const auto& file : files)
        plan.Jobs.push_back({file, plan.Batch
                                       ? reportRoot / text::PathFromUtf8(UniqueReportFolderName(file, taken))
                                       : reportRoot});
    return plan;
}

// "Итого: ..." at the end of a batch: the files checked, how many of them with errors, and how
// many could not be checked.
std::string TotalLine(const std::vector<InventoryResult>& results) {
    int checked = 0, withErrors = 0, notChecked = 0;
    for (const auto& result : results) {
        if (result.Status == kExitNotChecked) {
            ++notChecked;
            continue;
        }
        ++checked;
        if (result.Status == kExitErrorsFound) ++withErrors;
    }
    return "Итого: проверено описей: " + std::to_string(checked) +
           ", из них с ошибками: " + std::to_string(withErrors) +
           "; не удалось проверить: " + std::to_string(notChecked) + "\n";
}

// One JSON document: the object of a single inventory, or an array of them for a batch.
std::string JsonDocument(const std::vector<InventoryResult>& results, bool batch) {
    if (!batch) return results.empty() ? std::string() : results.front().Out;
    std::string out = "[";
    for (std::size_t k = 0; k < results.size(); ++k) {
        std::string_view object = results[k].Out;
        while (!object.empty() && object.back() == '\n') object.remove_suffix(1);
        out += k ? ",\n" : "\n";
        out += object;
    }
    return out + "\n]\n";
}

// The annotated copy is one file: it needs one inventory, and never replaces it.
std::string AnnotateProblem(const CheckCommandOptions& options, const std::vector<InventoryJob>& jobs) {
    if (options.Annotate.empty()) return {};
    if (jobs.size() != 1)
        return "--annotate: копия с примечаниями делается для одной описи, а не для нескольких.";
    const std::filesystem::path out = text::PathFromUtf8(options.Annotate);
    std::error_code error;
    const bool same =
        std::filesystem::exists(out, error) && std::filesystem::equivalent(out, jobs.front().File, error);
    if (same || std::filesystem::weakly_canonical(out, error) ==
                    std::filesystem::weakly_canonical(jobs.front().File, error))
        return "--annotate: копия с примечаниями не может заменить проверяемую опись; укажите другое имя "
               "файла.";
    return {};
}

}  // namespace

int RunCheckCommand(const CheckCommandOptions& options, std::ostream& out, std::ostream& err,
                    const std::atomic<bool>& stop) {
    const Plan plan = PlanJobs(options);
    const auto& jobs = plan.Jobs;
    if (jobs.empty()) {
        // Only folders give no jobs.
        err << (options.Recursive ? "В указанных папках и вложенных в них не найдено ни одной описи (.docx, "
                                    ".doc, .rtf, .odt).\n"
                                  : "В указанных папках не найдено ни одной описи (.docx, .doc, .rtf, .odt); "
                                    "вложенные папки просматриваются с параметром -r.\n");
        if (options.Format == OutputFormat::Json) out << "[]\n";  // still one JSON document
        return kExitNotChecked;
    }
    if (const std::string problem = AnnotateProblem(options, jobs); !problem.empty()) {
        err << problem << "\n";
        return kExitNotChecked;
    }
    settings::IniSettings iniSettings(settings::SettingsFile());
    if (const std::string problem = iniSettings.FileProblem(); !problem.empty())
        err << text::Cp1251ToUtf8(problem) << "\n";
    ProgressDisplay progress(err, options.Progress && !options.Quiet, static_cast<int>(jobs.size()));
    BatchSettings batchSettings(iniSettings);
    settings::Settings& runSettings =
        plan.Batch ? static_cast<settings::Settings&>(batchSettings) : iniSettings;
    const WorkerPlan workers = PlanWorkers(options.Jobs, jobs.size(), std::thread::hardware_concurrency());
    SharedContext shared{options, runSettings, stop, progress, err, workers.ThreadsPerCheck};

    std::vector<InventoryResult> results(jobs.size());
    std::atomic<int> notStarted{0};
    // After a stop request no new file is started: the running ones stop at their next progress
    // point and keep their resume points.
    RunBatch(jobs.size(), workers,
             {.Weigh = [&](std::size_t k) { return WeighInventory(jobs[k].File); },
              .Check = [&](std::size_t k) { results[k] = CheckInventory(jobs[k], shared); },
              .Stopped = [&] { return stop.load(); },
              .Skipped = [&](std::size_t) { ++notStarted; }});
    batchSettings.Flush();
    progress.Finish();

    int status = kExitClean;
    // A batch's status is the worst of its files: 2 when any could not be checked, else 1 when any
    // had errors.
    for (const auto& result : results) {
        if (options.Format != OutputFormat::Json) out << result.Out;
        err << result.Err;
        status = std::max(status, result.Status);
    }
    if (notStarted > 0)
        err << "Проверка остановлена; не начата проверка описей: " << notStarted.load() << ".\n";
    if (options.Format == OutputFormat::Json) {
        out << JsonDocument(results, plan.Batch);
        // Standard output stays one JSON document; the total goes with the messages.
        if (plan.Batch && !options.Quiet) err << TotalLine(results);
    } else if (plan.Batch && !options.Quiet) {
        out << TotalLine(results);
    }
    out.flush();
    return status;
}

}  // namespace tabulex::cli
