#include "app/WindowOptions.h"

namespace tabulex::app {
namespace {
constexpr std::string_view kMain = settings::kMainSection;
}  // namespace

bool ReadBool(const settings::Settings& settings, std::string_view key, bool defaultValue) {
    return settings.ReadInteger(kMain, key, defaultValue ? 1 : 0) != 0;
}

void WriteBool(settings::Settings& settings, std::string_view key, bool value) {
    settings.WriteString(kMain, key, value ? "1" : "0");
}

WindowOptions ReadWindowOptions(const settings::Settings& settings) {
    WindowOptions options;
    options.FileName = settings.ReadUtf8(kMain, "FileName", {});
    // The three radio buttons are read in order; the last one stored as checked wins.
    if (ReadBool(settings, "rbFileOpen", true)) options.File = FileChoice::Opened;
    if (ReadBool(settings, "rbFileLast", false)) options.File = FileChoice::Last;
    if (ReadBool(settings, "rbFileName", false)) options.File = FileChoice::Named;
    check::CheckOptions& check = options.Check;
    check.ShowWarnings = ReadBool(settings, "cbShowWarnings", true);
    check.ShowHints = ReadBool(settings, "cbShowHints", true);
    const bool init1 = ReadBool(settings, "rbInit1", true);
    check.SpacedInitials = ReadBool(settings, "rbInit2", false) || !init1;
    check.TwoDateColumns = ReadBool(settings, "cbDates", false);
    check.DatesMayBeEmpty = ReadBool(settings, "cbDatesEmpty", false);
    check.SheetsMayBeEmpty = ReadBool(settings, "cbKolEmpty", false);
    check.CloseReportFile = ReadBool(settings, "cbCloseReportFile", true);
    options.CloseReportFileOnExit = ReadBool(settings, "cbCloseRepFileOnExit", false);
    options.AnnotatedCopy = ReadBool(settings, "cbAnnotate", false);
    check.CertificationCheck = ReadBool(settings, "cbCertification", true);
    check.Rules =
        ReadBool(settings, "rbRulesModern", false) ? rules::RuleSet::Modern : rules::RuleSet::Original;
    return options;
}

void WriteWindowOptions(settings::Settings& settings, const WindowOptions& options) {
    settings.WriteUtf8(kMain, "FileName", options.FileName);
    WriteBool(settings, "rbFileOpen", options.File == FileChoice::Opened);
    WriteBool(settings, "rbFileLast", options.File == FileChoice::Last);
    WriteBool(settings, "rbFileName", options.File == FileChoice::Named);
    const check::CheckOptions& check = options.Check;
    WriteBool(settings, "cbShowWarnings", check.ShowWarnings);
    WriteBool(settings, "cbShowHints", check.ShowHints);
    WriteBool(settings, "rbInit1", !check.SpacedInitials);
    WriteBool(settings, "rbInit2", check.SpacedInitials);
    WriteBool(settings, "cbDates", check.TwoDateColumns);
    WriteBool(settings, "cbDatesEmpty", check.DatesMayBeEmpty);
    WriteBool(settings, "cbKolEmpty", check.SheetsMayBeEmpty);
    WriteBool(settings, "cbCloseReportFile", check.CloseReportFile);
    WriteBool(settings, "cbCloseRepFileOnExit", options.CloseReportFileOnExit);
    WriteBool(settings, "cbAnnotate", options.AnnotatedCopy);
    WriteBool(settings, "cbCertification", check.CertificationCheck);
    WriteBool(settings, "rbRulesModern", check.Rules == rules::RuleSet::Modern);
}

std::optional<std::pair<int, int>> ReadWindowPosition(const settings::Settings& settings) {
    constexpr int kNone = -1'000'000;
    const int left = settings.ReadInteger(kMain, "Left", kNone);
    const int top = settings.ReadInteger(kMain, "Top", kNone);
    if (left == kNone || top == kNone) return std::nullopt;
    return std::make_pair(left, top);
}

void WriteWindowPosition(settings::Settings& settings, int left, int top) {
    settings.WriteInteger(kMain, "Left", left);
    settings.WriteInteger(kMain, "Top", top);
}

std::string ReadLastFile(const settings::Settings& settings) {
    return settings.ReadString(kMain, settings::kLastFileKey, {});
}

}  // namespace tabulex::app
