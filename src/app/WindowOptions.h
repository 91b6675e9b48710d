#pragma once

// The options of the main window that live in the settings file (section Main), read at start and
// written at exit. Every other control starts from its design state. Texts are 1251.

#include "check/Settings.h"

#include <optional>
#include <string>

namespace tabulex::app {

enum class FileChoice { Opened, Last, Named };  // rbFileOpened, rbFileLast, rbFileName

struct WindowOptions {
    std::string FileName;  // edFileName
    FileChoice File = FileChoice::Opened;
    bool ShowWarnings = true;
    bool ShowHints = true;
    bool SpacedInitials = false;  // rbInit2
    bool TwoDateColumns = false;  // cbDates
    bool DatesMayBeEmpty = false;
    bool SheetsMayBeEmpty = false;
    bool CloseReportFile = true;         // cbCloseRepFile, key cbCloseReportFile
    bool CloseReportFileOnExit = false;  // cbCloseRepFileOnExit
    bool AnnotatedCopy = false;          // cbAnnotate: a copy of the inventory with the findings as comments
    bool CertificationCheck = true;      // cbCertification: the certification line is compared
    bool ModernRules = false;            // rbRulesModern: the rules for inventories written today
};

WindowOptions ReadWindowOptions(const check::Settings& settings);
void WriteWindowOptions(check::Settings& settings, const WindowOptions& options);

// The saved window position, or nothing when none was saved.
std::optional<std::pair<int, int>> ReadWindowPosition(const check::Settings& settings);
void WriteWindowPosition(check::Settings& settings, int left, int top);

// The last checked document's name; empty when none.
std::string ReadLastFile(const check::Settings& settings);

bool ReadBool(const check::Settings& settings, std::string_view key, bool defaultValue);
void WriteBool(check::Settings& settings, std::string_view key, bool value);

}  // namespace tabulex::app
