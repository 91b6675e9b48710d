#pragma once

// The lines of the report file, each without its CR LF, in Windows-1251.

#include "report/Summary.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::report {

inline constexpr char kReportFileName[] = "Tabulex_Report.txt";
inline constexpr char kReportDocumentName[] = "Tabulex_Report.docx";

// "№ Заголовок Даты Кол-во Примечание Отчет" (TAB-separated), with two date columns when asked.
std::string HeaderLine(bool twoDateColumns);

// Six fields: the five report cells and the problems without their final "; ".
std::string DataRowLine(const std::array<std::string, 5>& cells, std::string_view problems);
std::string HeadingRowLine(std::string_view headingText, std::string_view problems);
std::string NumberingRowLine(std::string_view trimmedRowText, std::string_view problems);
std::string EmptyRowLine(std::string_view problems);
std::string SkippedRowLine();

// "дело", "дела" or "дел" for a number of cases.
std::string_view CasesWord(int count);
std::string CertificationLine(int dataRows, std::string_view firstNumber, std::string_view lastNumber);
// Two lines: the range of start dates and the range of end dates.
std::vector<std::string> DateRangeLines(const DateExtremes& extremes);
// The counts: one line when nothing was found, else three lines and an empty line.
std::vector<std::string> CountLines(const rules::ProblemCounts& counts, bool showWarnings, bool showHints);

// Every line from the empty line after the problem lines to the end of the report.
std::vector<std::string> SummaryLines(const Summary& summary);

}  // namespace tabulex::report
