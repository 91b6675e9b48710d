#include "cli/FixCommand.h"

#include "cli/ConsoleHost.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressDisplay.h"
#include "cli/ToolConsoleHost.h"
#include "ooxml/FileSystem.h"
#include "settings/Folders.h"
#include "settings/IniSettings.h"
#include "text/Cp1251.h"
#include "tools/Tools.h"
#include "word/Error.h"
#include "word/docx/DocxApplication.h"

#include <filesystem>
#include <ostream>

namespace tabulex::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kExitDone = 0;
constexpr int kExitFailed = 2;

struct ToolName {
    tools::Tool Tool;
    std::string_view Flag;
};

constexpr ToolName kToolNames[] = {
    {tools::Tool::DeleteEmptyRows, "delete-empty-rows"},
    {tools::Tool::DeleteNumberingRows, "delete-numbering-rows"},
    {tools::Tool::NumberCases, "number-cases"},
    {tools::Tool::AutoNumberCases, "auto-number-cases"},
    {tools::Tool::ListsToText, "lists-to-text"},
    {tools::Tool::TablesToText, "tables-to-text"},
    {tools::Tool::ForbidRowBreaks, "no-row-breaks"},
    {tools::Tool::DeleteGraphics, "delete-graphics"},
    {tools::Tool::FormatHeadings, "format-headings"},
    {tools::Tool::JoinTables, "join-tables"},
};

struct Step {
    tools::Tool Tool;
    tools::ToolOutcome Outcome;
    std::string Status;  // UTF-8: the result text the command showed
};

// Thrown to end the command with exit status 2 and a message (UTF-8).
struct FixFailure {
    std::string Message;
};

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

std::vector<Step> RunTools(const FixCommandOptions& options, word::Document& document,
                           const std::atomic<bool>& stop, std::ostream& err) {
    settings::IniSettings iniSettings(settings::SettingsFile());
    ProgressDisplay progress(err, options.Progress && !options.Quiet, 1);
    ToolConsoleHost host(iniSettings, stop, progress, fs::path(options.File).filename().string());
    std::vector<Step> steps;
    for (tools::Tool tool : options.Tools) {
        host.ClearStatus();
        tools::ToolOutcome outcome = tools::RunTool(
            tool, document, host, tools::ToolOptions{.ShiftHeld = true, .Table = options.Table});
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
        steps.push_back({tool, outcome, ToTerminalText(host.LastStatus())});
    }
    return steps;
}

// The result is saved beside FILE under a temporary name (the host writes it completely or not at
// all), the original is copied to FILE.bak, and only then is the result renamed over FILE.
void SaveInPlace(word::Document& document, const fs::path& file, const fs::path& backup) {
    const fs::path fresh =
        file.parent_path() / (file.stem().string() + ".tabulex-new" + file.extension().string());
    document.SaveAs(fresh.string());
    std::error_code error;
    fs::copy_file(file, backup, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(fresh, file, error);
    if (error) {
        std::error_code ignored;
        fs::remove(fresh, ignored);
        throw FixFailure{"Не удалось заменить файл " + file.string() + ": " + error.message() +
                         ". Исходный файл не изменён."};
    }
}

std::string StepsJson(const FixCommandOptions& options, const std::vector<Step>& steps,
                      const fs::path& written, const fs::path& backup) {
    std::string json = "{\"file\": " + JsonString(options.File);
    json += ", \"written\": " + (written.empty() ? std::string("null") : JsonString(written.string()));
    json += ", \"backup\": " + (backup.empty() ? std::string("null") : JsonString(backup.string()));
    json += ", \"steps\": [";
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (k > 0) json += ", ";
        json += "{\"command\": " + JsonString(ToolFlag(steps[k].Tool));
        json += ", \"count\": " + std::to_string(steps[k].Outcome.Count);
        json += ", \"table\": " + std::to_string(steps[k].Outcome.MainTable);
        json += ", \"status\": " + JsonString(steps[k].Status) + "}";
    }
    return json + "]}\n";
}

std::string StepsText(const std::vector<Step>& steps, const fs::path& written, const fs::path& backup) {
    std::string text;
    for (const Step& step : steps) {
        text += "--" + std::string(ToolFlag(step.Tool)) + ": ";
        text += step.Status.empty() ? std::to_string(step.Outcome.Count) : step.Status;
        if (step.Tool == tools::Tool::FormatHeadings)
            text += " Оформлено заголовков: " + std::to_string(step.Outcome.Count);
        text += "\n";
    }
    if (written.empty())
        text += "Пробный запуск: ничего не записано (укажите -o ФАЙЛ.docx или --in-place).\n";
    else if (backup.empty())
        text += "Записано: " + written.string() + "\n";
    else
        text += "Записано: " + written.string() + " (исходный файл сохранён как " + backup.string() + ")\n";
    return text;
}

}  // namespace

std::string_view ToolFlag(tools::Tool tool) {
    for (const ToolName& name : kToolNames)
        if (name.Tool == tool) return name.Flag;
    return {};
}

int RunFixCommand(const FixCommandOptions& options, std::ostream& out, std::ostream& err,
                  const std::atomic<bool>& stop) {
    const std::string label = fs::path(options.File).filename().string();
    try {
        if (options.Tools.empty())
            throw FixFailure{"Не указано ни одной команды исправления (например, --delete-empty-rows)."};
        if (!options.Output.empty() && SameFile(options.Output, options.File))
            throw FixFailure{
                "Файл результата совпадает с исходным; чтобы заменить исходный файл, укажите "
                "--in-place."};
        auto application = word::docx::CreateApplication();
        word::Document& document = application->Documents().Open(options.File, {.ForEditing = true});
        const std::vector<Step> steps = RunTools(options, document, stop, err);
        fs::path written;
        fs::path backup;
        if (!options.Output.empty()) {
            document.SaveAs(options.Output);
            written = options.Output;
        } else if (options.InPlace) {
            backup = options.File + ".bak";
            SaveInPlace(document, options.File, backup);
            written = options.File;
        }
        if (options.Format == OutputFormat::Json)
            out << StepsJson(options, steps, written, backup);
        else if (!options.Quiet)
            out << StepsText(steps, written, backup);
        return kExitDone;
    } catch (const FixFailure& failure) {
        err << label << ": " << failure.Message << "\n";
        if (options.Format == OutputFormat::Json) out << FailureJson(options.File, failure.Message);
    } catch (const word::Error& error) {
        const std::string message = text::Cp1251ToUtf8(error.Message());
        err << label << ": " << message << "\n";
        if (options.Format == OutputFormat::Json) out << FailureJson(options.File, message);
    } catch (const std::exception& error) {
        const std::string message = text::Cp1251ToUtf8(ooxml::fs::ExceptionReason(error));
        err << label << ": " << message << "\n";
        if (options.Format == OutputFormat::Json) out << FailureJson(options.File, message);
    }
    return kExitFailed;
}

int RunPrefaceCommand(const std::string& file, std::ostream& out, std::ostream& err) {
    const std::string label = fs::path(file).filename().string();
    try {
        auto application = word::docx::CreateApplication();
        const tools::PrefaceOutcome preface = tools::LoadPreface(application->Documents().Open(file));
        if (preface.End == tools::ToolEnd::Completed) {
            out << ToTerminalText(preface.Text);
            return kExitDone;
        }
        err << label << ": " << ToTerminalText(preface.Message) << "\n";
    } catch (const word::Error& error) {
        err << label << ": " << text::Cp1251ToUtf8(error.Message()) << "\n";
    }
    return kExitFailed;
}

}  // namespace tabulex::cli
