#include "app/WindowOptions.h"

namespace tabulex::app {
namespace {
constexpr std::string_view kMain = check::kMainSection;
}  // namespace

bool ReadBool(const check::Settings& settings, std::string_view key, bool defaultValue) {
    return settings.ReadInteger(kMain, key, defaultValue ? 1 : 0) != 0;
}

void WriteBool(check::Settings& settings, std::string_view key, bool value) {
    settings.WriteString(kMain, key, value ? "1" : "0");
}

WindowOptions ReadWindowOptions(const check::Settings& settings) {
    WindowOptions options;
    options.FileName = settings.ReadString(kMain, "FileName", {});
    // The three radio buttons are read in order; the last one stored as checked wins.
    if (ReadBool(settings, "rbFileOpen", true)) options.File = FileChoice::Opened;
    if (ReadBool(settings, "rbFileLast", false)) options.File = FileChoice::Last;
    if (ReadBool(settings, "rbFileName", false)) options.File = FileChoice::Named;
    options.ShowWarnings = ReadBool(settings, "cbShowWarnings", true);
    options.ShowHints = ReadBool(settings, "cbShowHints", true);
    const bool init1 = ReadBool(settings, "rbInit1", true);
    options.SpacedInitials = ReadBool(settings, "rbInit2", false) || !init1;
    options.TwoDateColumns = ReadBool(settings, "cbDates", false);
    options.DatesMayBeEmpty = ReadBool(settings, "cbDatesEmpty", false);
    options.SheetsMayBeEmpty = ReadBool(settings, "cbKolEmpty", false);
    options.CloseReportFile = ReadBool(settings, "cbCloseReportFile", true);
    options.CloseReportFileOnExit = ReadBool(settings, "cbCloseRepFileOnExit", false);
    options.AnnotatedCopy = ReadBool(settings, "cbAnnotate", false);
    options.CertificationCheck = ReadBool(settings, "cbCertification", true);
    options.ModernRules = ReadBool(settings, "rbRulesModern", false);
    return options;
}

void WriteWindowOptions(check::Settings& settings, const WindowOptions& options) {
    settings.WriteString(kMain, "FileName", options.FileName);
    WriteBool(settings, "rbFileOpen", options.File == FileChoice::Opened);
    WriteBool(settings, "rbFileLast", options.File == FileChoice::Last);
    WriteBool(settings, "rbFileName", options.File == FileChoice::Named);
    WriteBool(settings, "cbShowWarnings", options.ShowWarnings);
    WriteBool(settings, "cbShowHints", options.ShowHints);
    WriteBool(settings, "rbInit1", !options.SpacedInitials);
    WriteBool(settings, "rbInit2", options.SpacedInitials);
    WriteBool(settings, "cbDates", options.TwoDateColumns);
    WriteBool(settings, "cbDatesEmpty", options.DatesMayBeEmpty);
    WriteBool(settings, "cbKolEmpty", options.SheetsMayBeEmpty);
    WriteBool(settings, "cbCloseReportFile", options.CloseReportFile);
    WriteBool(settings, "cbCloseRepFileOnExit", options.CloseReportFileOnExit);
    WriteBool(settings, "cbAnnotate", options.AnnotatedCopy);
    WriteBool(settings, "cbCertification", options.CertificationCheck);
    WriteBool(settings, "rbRulesModern", options.ModernRules);
}

std::optional<std::pair<int, int>> ReadWindowPosition(const check::Settings& settings) {
    constexpr int kNone = -1'000'000;
    const int left = settings.ReadInteger(kMain, "Left", kNone);
    const int top = settings.ReadInteger(kMain, "Top", kNone);
    if (left == kNone || top == kNone) return std::nullopt;
    return std::make_pair(left, top);
}

void WriteWindowPosition(check::Settings& settings, int left, int top) {
    settings.WriteInteger(kMain, "Left", left);
    settings.WriteInteger(kMain, "Top", top);
}

std::string ReadLastFile(const check::Settings& settings) {
    return settings.ReadString(kMain, check::kLastFileKey, {});
}

}  // namespace tabulex::app
