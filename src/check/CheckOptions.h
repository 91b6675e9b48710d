#pragma once

// Every option a check run reads, named after the controls that feed them in the main window.

#include "rules/RuleSet.h"

#include <filesystem>
#include <string>

namespace tabulex::check {

// Radio group "Столбцы": which table columns take the five roles.
enum class ColumnMode {
    Standard,  // rbColsStd: no column is skipped
    Skip,      // rbColsLeave: skip the columns listed in SkipColumnsText
    Auto,      // rbColsAuto: decide from the first data-looking row
};

enum class ReportEncoding {
    Cp1251,  // the report as archives' tools read it
    Utf8,
};

struct CheckOptions {
    bool ShowWarnings = true;     // cbShowWarnings
    bool ShowHints = true;        // cbShowHints
    bool SpacedInitials = false;  // rbInit2 "А. Б. Иванов" (rbInit1 "А.Б. Иванов" when false)
    rules::RuleSet Rules = rules::RuleSet::Original;  // rbRulesModern

    ColumnMode Columns = ColumnMode::Auto;  // rbColsStd / rbColsLeave / rbColsAuto
    std::string SkipColumnsText = "2";      // edColsNum (1251), read only in ColumnMode::Skip
    bool TwoDateColumns = false;            // cbDates: start and end dates in two columns
    bool DatesMayBeEmpty = false;           // cbDatesEmpty
    bool SheetsMayBeEmpty = false;          // cbKolEmpty
    // The certification line after the main table is compared with the check's findings; off for
    // drafts that have no line yet.
    bool CertificationCheck = true;

    bool CloseReportFile = true;      // cbCloseRepFile: let the word processor release the old report
    bool ReportToTable = true;        // cbTable: the report document holds the problem lines as a table
    bool ReportTableAutosize = true;  // cbTableAutosize: that table fits its contents

    std::filesystem::path ReportFolder;  // ReportFolder; the report is ReportFolder/Tabulex_Report.txt
    ReportEncoding Encoding = ReportEncoding::Cp1251;
    // What tells the checked file from any other (its full path, size and modification time), as
    // the front end knows it; a stopped check is resumed only for the same identity. Empty: the
    // document's name stands for it.
    std::string DocumentIdentity;
    // How many threads the check may keep busy, its own included: with 2 the report document's
    // XML is made on a helper thread while it is deflated. A batch that already checks an
    // inventory on every core leaves it at 1.
    int Threads = 1;
};

}  // namespace tabulex::check
