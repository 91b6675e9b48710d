#pragma once

// The options of the main window that live in the settings file (section Main), read at start and
// written at exit. Every other control starts from its design state. Texts are 1251.

#include "check/CheckOptions.h"
#include "settings/Settings.h"

#include <optional>
#include <string>

namespace tabulex::app {

enum class FileChoice { Opened, Last, Named };

// Every option the two pages show, taken at one moment: the commands read this snapshot, never
// the widgets.
struct WindowOptions {
    std::string FileName;  // the other file's path (UTF-8)
    FileChoice File = FileChoice::Opened;
    // What a check reads (its report folder is the window's, not a page's).
    check::CheckOptions Check;
    bool CloseReportFileOnExit = false;
    bool AnnotatedCopy = false;  // a copy of the inventory with the findings as comments
};

// The options stored in the settings file; every other one keeps its default.
WindowOptions ReadWindowOptions(const settings::Settings& settings);
void WriteWindowOptions(settings::Settings& settings, const WindowOptions& options);

// The saved window position, or nothing when none was saved.
std::optional<std::pair<int, int>> ReadWindowPosition(const settings::Settings& settings);
void WriteWindowPosition(settings::Settings& settings, int left, int top);

// The last checked document's name; empty when none.
std::string ReadLastFile(const settings::Settings& settings);

bool ReadBool(const settings::Settings& settings, std::string_view key, bool defaultValue);
void WriteBool(settings::Settings& settings, std::string_view key, bool value);

}  // namespace tabulex::app
