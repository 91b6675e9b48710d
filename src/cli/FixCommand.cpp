#include "cli/FixCommand.h"

#include "cli/ConsoleHost.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressDisplay.h"
#include "cli/ToolConsoleHost.h"
#include "docx/DocxApplication.h"
#include "ooxml/Package.h"
#include "platform/FileStamp.h"
#include "platform/FileSystem.h"
#include "platform/FileWrites.h"
#include "settings/Folders.h"
#include "settings/IniSettings.h"
#include "text/Cp1251.h"
#include "text/Error.h"
#include "text/TextHelpers.h"
#include "text/Utf8Paths.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"

#include <cctype>
#include <filesystem>
#include <optional>
#include <ostream>

namespace tabulex::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kExitDone = 0;
constexpr int kExitFailed = 2;

struct Step {
    const tools::ToolEntry& Entry;
    tools::ToolOutcome Outcome;
    std::string Status;  // UTF-8: the result text the command showed
};

constexpr std::string_view kChangedMeanwhile =
    "Файл %1 изменён другой программой во время правки; он оставлен как есть, исправления не записаны.";

// Thrown to end the command with exit status 2 and a message (UTF-8).
struct FixFailure {
    std::string Message;
};

bool IsDocxName(const fs::path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".docx";
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

std::vector<Step> RunTools(const FixCommandOptions& options, word::Document& document,
                           const std::atomic<bool>& stop, std::ostream& err) {
    settings::IniSettings iniSettings(settings::SettingsFile());
    if (const std::string problem = iniSettings.FileProblem(); !problem.empty())
        err << text::Cp1251ToUtf8(problem) << "\n";
    ProgressDisplay progress(err, options.Progress && !options.Quiet, 1);
    ToolConsoleHost host(iniSettings, stop, progress,
                         text::Utf8OfPath(text::PathFromUtf8(options.File).filename()));
    std::vector<Step> steps;
    for (tools::Tool tool : options.Tools) {
        host.ClearStatus();
        tools::ToolOutcome outcome =
            tools::RunTool(tool, document, host,
                           tools::ToolOptions{.ShiftHeld = true, .Table = options.Table}, options.Catalog);
        progress.Finish();
        switch (outcome.End) {
            case tools::ToolEnd::Failed:
                throw FixFailure{text::Cp1251ToUtf8(outcome.Message)};
            case tools::ToolEnd::Stopped:
            case tools::ToolEnd::Cancelled:
                throw FixFailure{"Прервано; файл не изменён."};
            case tools::ToolEnd::Completed:
            case tools::ToolEnd::NoTables:
                break;
        }
        steps.push_back(
            {*tools::FindTool(tool, options.Catalog), outcome, ToTerminalText(host.LastStatus())});
    }
    return steps;
}

// FILE.bak, FILE.1.bak, FILE.2.bak, ...: each edit in place keeps the original it started from.
std::string NumberedBackup(const std::string& first, int n) {
    return first.substr(0, first.size() - 4) + "." + std::to_string(n) + ".bak";
}

std::string StepDetailsJson(const Step& step) {
    const tools::ToolOutcome& outcome = step.Outcome;
    std::string json;
    if (step.Entry.Tool == tools::Tool::NumberCases || step.Entry.Tool == tools::Tool::AutoNumberCases) {
        json += ", \"literalNumbers\": [";
        for (std::size_t k = 0; k < outcome.LiteralNumbers.size(); ++k) {
            if (k > 0) json += ", ";
            json += "{\"old\": " + JsonString(text::Cp1251ToUtf8(outcome.LiteralNumbers[k].Old)) +
                    ", \"new\": " + std::to_string(outcome.LiteralNumbers[k].New) + "}";
        }
        json += "]";
    }
    if (step.Entry.Tool == tools::Tool::DeleteGraphics) {
        json += ", \"shapes\": {\"lines\": " + std::to_string(outcome.Shapes.Lines) +
                ", \"pictures\": " + std::to_string(outcome.Shapes.Pictures) +
                ", \"others\": " + std::to_string(outcome.Shapes.Others) + "}";
    }
    return json;
}

// The result text of a step; graphics removal shows none when there was nothing to delete.
std::string StepResult(const Step& step) {
    if (!step.Status.empty()) return step.Status;
    if (step.Entry.Tool == tools::Tool::DeleteGraphics)
        return text::Cp1251ToUtf8(tools::ShapesDeletedText(step.Outcome.Shapes));
    return std::to_string(step.Outcome.Count);
}

// Where a dry run suggests writing the result: a document that is not .docx cannot be replaced by
// one, so it gets a .docx name beside it instead of --in-place.
std::string DryRunHint(const std::string& file) {
    const fs::path path = text::PathFromUtf8(file);
    if (IsDocxName(path))
        return "Пробный запуск: ничего не записано (укажите -o ФАЙЛ.docx или --in-place).\n";
    fs::path suggested = path.filename();
    suggested.replace_extension(".docx");
    return "Пробный запуск: ничего не записано (укажите -o " + suggested.string() +
           "; заменить этот файл нельзя, результат записывается только в .docx).\n";
}

std::string ChangesJson(const tools::ToolOutcome& outcome) {
    std::string json = "[";
    for (const tools::DateChange& change : outcome.DateChanges) {
        if (json.size() > 1) json += ", ";
        json += "{\"row\": " + std::to_string(change.Row);
        json += ", \"before\": " + JsonString(text::Cp1251ToUtf8(change.Before));
        json += ", \"after\": " + JsonString(text::Cp1251ToUtf8(change.After)) + "}";
    }
    return json + "]";
}

// "строка 5: 1990 - 1995 → 1990-1995", one line per cell a date command changed.
std::string ChangesText(const tools::ToolOutcome& outcome) {
    std::string text;
    for (const tools::DateChange& change : outcome.DateChanges)
        text += "  строка " + std::to_string(change.Row) + ": " + ToTerminalText(change.Before) + " → " +
                ToTerminalText(change.After) + "\n";
    return text;
}
// An edit of the file where it lies (a link's target; the link stays). The file is locked from
// before it is read to after the result has replaced it, so that a second editor is refused rather
// than working from a file about to change.
class InPlaceEdit {
  public:
    explicit InPlaceEdit(const std::string& file) : target_(platform::FinalTarget(file)), lock_(target_) {
        if (lock_.Status() == platform::DocumentLock::State::Busy)
            throw FixFailure{"Файл " + target_ +
                             " уже правит другая команда tabulex fix; дождитесь её окончания."};
        const std::uint64_t limit = ooxml::PackageLimits{}.MaxTotalUncompressed;
        if (lock_.Status() == platform::DocumentLock::State::Failed) {
            // A missing file, a folder or a device is refused as reading refuses it.
            platform::ReadDocumentFile(target_, limit);
            throw FixFailure{"Не удалось открыть файл " + target_ + " для правки: " +
                             text::Cp1251ToUtf8(platform::FailureReason(lock_.ErrorCode()))};
        }
        stamp_ = platform::StampOf(text::PathFromUtf8(target_));
        original_ = platform::ReadDocumentFile(target_, limit);
    }
    const std::string& Target() const { return target_; }

    // Where the system will not replace the file while the lock keeps it open, the lock goes just
    // before the rename; a file changed since it was read (by a program that ignores the lock) is
    // then kept, not overwritten.
    void ReleaseForReplace() {
        lock_.Release();
        if (platform::StampOf(text::PathFromUtf8(target_)) != stamp_)
            throw FixFailure{text::FillIn(kChangedMeanwhile, {target_})};
    }

    // The original as it was read goes to the first free backup name, then the result replaces the
    // file; a failure or a stop before that rename leaves the file as it was and no backup.
    std::string Save(word::Document& document) {
        const std::string backup =
            platform::WriteNewFile(target_ + ".bak", NumberedBackup, original_, target_);
        try {
            document.SaveAs(target_);
        } catch (...) {
            std::error_code ignored;
            fs::remove(backup, ignored);
            throw;
        }
        return backup;
    }

  private:
    std::string target_;
    platform::DocumentLock lock_;
    platform::FileStamp stamp_;
    std::string original_;
};

std::string StepsJson(const FixCommandOptions& options, const std::vector<Step>& steps,
                      const fs::path& written, const fs::path& backup) {
    std::string json = "{\"file\": " + JsonString(options.File);
    json += ", \"written\": " + (written.empty() ? std::string("null") : JsonString(written.string()));
    json += ", \"backup\": " + (backup.empty() ? std::string("null") : JsonString(backup.string()));
    json += ", \"steps\": [";
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (k > 0) json += ", ";
        json += "{\"command\": " + JsonString(steps[k].Entry.Flag);
        json += ", \"count\": " + std::to_string(steps[k].Outcome.Count);
        json += ", \"table\": " + std::to_string(steps[k].Outcome.MainTable);
        json += ", \"status\": " + JsonString(steps[k].Status);
        json += StepDetailsJson(steps[k]) + "}";
        if (!steps[k].Outcome.DateChanges.empty()) json += ", \"changes\": " + ChangesJson(steps[k].Outcome);
        json += "}";
    }
    return json + "]}\n";
}

std::string StepsText(const FixCommandOptions& options, const std::vector<Step>& steps,
                      const fs::path& written, const fs::path& backup) {
    std::string text;
    for (const Step& step : steps) {
        text += "--" + std::string(step.Entry.Flag) + ": " + StepResult(step);
        if (step.Entry.Tool == tools::Tool::FormatHeadings)
            text += " Оформлено заголовков: " + std::to_string(step.Outcome.Count);
        text += "\n";
        const std::string details = tools::ResultDetailsUtf8(step.Outcome);
        if (!details.empty()) text += details + "\n";
        if (written.empty()) text += ChangesText(step.Outcome);
    }
    if (written.empty())
        text += DryRunHint(options.File);
    else if (backup.empty())
        text += "Записано: " + written.string() + "\n";
    else
        text += "Записано: " + written.string() + " (исходный файл сохранён как " + backup.string() + ")\n";
    return text;
}

}  // namespace

int RunFixCommand(const FixCommandOptions& options, std::ostream& out, std::ostream& err,
                  const std::atomic<bool>& stop) {
    const std::string label = text::Utf8OfPath(text::PathFromUtf8(options.File).filename());
    try {
        if (options.Tools.empty())
            throw FixFailure{"Не указано ни одной команды исправления (например, --delete-empty-rows)."};
        if (options.InPlace && !IsDocxName(options.File)) {
            fs::path suggested = text::PathFromUtf8(options.File).filename();
            suggested.replace_extension(".docx");
            throw FixFailure{
                "Заменить исходный файл нельзя: исправленная опись записывается только в .docx; "
                "укажите -o " +
                suggested.string() + "."};
        }
        if (!options.Output.empty() &&
            SameFile(text::PathFromUtf8(options.Output), text::PathFromUtf8(options.File)))
            throw FixFailure{
                "Файл результата совпадает с исходным; чтобы заменить исходный файл, укажите "
                "--in-place."};
        if (stop.load()) throw FixFailure{"Прервано; файл не изменён."};
        std::optional<InPlaceEdit> edit;
        if (options.InPlace) edit.emplace(options.File);
        auto application = word::docx::CreateApplication();
        word::OpenOptions open{.ForEditing = true, .Stop = &stop};
        if (edit) open.ReleaseFile = [&edit] { edit->ReleaseForReplace(); };
        word::Document& document = application->Documents().Open(edit ? edit->Target() : options.File, open);
        const std::vector<Step> steps = RunTools(options, document, stop, err);
        // Also a stop during a repair that does not look for it itself.
        if (stop.load()) throw FixFailure{"Прервано; файл не изменён."};
        fs::path written;
        fs::path backup;
        std::uint64_t otherNames = 0;
        if (!options.Output.empty()) {
            document.SaveAs(options.Output);
            written = text::PathFromUtf8(options.Output);
        } else if (edit) {
            otherNames = platform::OtherHardLinks(edit->Target());
            backup = edit->Save(document);
            written = text::PathFromUtf8(options.File);
        }
        if (!written.empty() && options.Format != OutputFormat::Json && !options.Quiet) {
            if (otherNames > 0)
                err << "Внимание: у файла есть ещё жёсткие ссылки (" << otherNames
                    << "); они по-прежнему показывают исходный файл.\n";
            if (stop.load()) err << "Остановка пришла после записи: файл записан полностью.\n";
        }
        if (options.Format == OutputFormat::Json)
            out << StepsJson(options, steps, written, backup);
        else if (!options.Quiet)
            out << StepsText(options, steps, written, backup);
        return kExitDone;
    } catch (const FixFailure& failure) {
        err << label << ": " << failure.Message << "\n";
        if (options.Format == OutputFormat::Json) out << FailureJson(options.File, failure.Message);
    } catch (const text::Error& error) {
        const std::string message = text::Cp1251ToUtf8(error.Message());
        err << label << ": " << message << "\n";
        if (options.Format == OutputFormat::Json) out << FailureJson(options.File, message);
    } catch (const std::exception& error) {
        const std::string message = text::Cp1251ToUtf8(platform::ExceptionReason(error));
        err << label << ": " << message << "\n";
        if (options.Format == OutputFormat::Json) out << FailureJson(options.File, message);
    }
    return kExitFailed;
}

int RunPrefaceCommand(const std::string& file, std::ostream& out, std::ostream& err) {
    const std::string label = text::Utf8OfPath(text::PathFromUtf8(file).filename());
    try {
        auto application = word::docx::CreateApplication();
        const tools::PrefaceOutcome preface = tools::LoadPreface(application->Documents().Open(file));
        if (preface.End == tools::ToolEnd::Completed) {
            if (text::TrimView(preface.Text).empty())
                err << label << ": " << ToTerminalText(tools::msg::kNoPreface) << "\n";
            else
                out << ToTerminalText(preface.Text);
            return kExitDone;
        }
        err << label << ": " << ToTerminalText(preface.Message) << "\n";
    } catch (const text::Error& error) {
        err << label << ": " << text::Cp1251ToUtf8(error.Message()) << "\n";
    }
    return kExitFailed;
}

}  // namespace tabulex::cli
