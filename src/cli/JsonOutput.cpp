#include "cli/JsonOutput.h"

#include "report/ReportLines.h"
#include "text/Cp1251.h"

#include <cstdio>

namespace tabulex::cli {
namespace {

std::string Quote(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string Text(std::string_view text1251) {
    return Quote(text::Cp1251ToUtf8(text1251));
}

const char* KindName(check::RowKind kind) {
    switch (kind) {
        case check::RowKind::Empty:
            return "empty";
        case check::RowKind::Numbering:
            return "numbering";
        case check::RowKind::Heading:
            return "heading";
        case check::RowKind::Header:
            return "header";
        case check::RowKind::Data:
            return "data";
    }
    return "data";
}

const char* ClassName(rules::ProblemClass cls) {
    switch (cls) {
        case rules::ProblemClass::Error:
            return "error";
        case rules::ProblemClass::Warning:
            return "warning";
        case rules::ProblemClass::Hint:
            return "hint";
    }
    return "error";
}

const char* EndName(check::CheckEnd end) {
    switch (end) {
        case check::CheckEnd::Completed:
            return "completed";
        case check::CheckEnd::Stopped:
            return "stopped";
        case check::CheckEnd::NoTables:
            return "no-tables";
        case check::CheckEnd::ReportLocked:
            return "report-locked";
        case check::CheckEnd::Failed:
            return "failed";
    }
    return "failed";
}

template <typename Items, typename Write>
std::string Array(const Items& items, Write write) {
    std::string out = "[";
    bool first = true;
    for (const auto& item : items) {
        if (!first) out += ", ";
        first = false;
        out += write(item);
    }
    return out + "]";
}

const char* CellName(check::CellRole cell) {
    switch (cell) {
        case check::CellRole::Row:
            return "row";
        case check::CellRole::Number:
            return "number";
        case check::CellRole::Title:
            return "title";
        case check::CellRole::Dates:
            return "dates";
        case check::CellRole::Quantity:
            return "sheets";
        case check::CellRole::Notes:
            return "notes";
    }
    return "row";
}

std::string ProblemRowJson(const check::ProblemRow& row) {
    std::string out =
        "{\"row\": " + std::to_string(row.TableRow) + ", \"kind\": \"" + KindName(row.Kind) + "\"";
    out += ", \"cells\": " + Array(row.Cells, [](const std::string& cell) { return Text(cell); });
    out += ", \"problems\": " + Text(row.Problems);
    out += ", \"messages\": " + Array(row.Findings, [](const check::Finding& finding) {
               return "{\"class\": \"" + std::string(ClassName(finding.Class)) +
                      "\", \"text\": " + Text(finding.Text) + ", \"cell\": \"" + CellName(finding.Cell) +
                      "\"}";
           });
    return out + "}";
}

std::string CertificationJson(const check::CertificationCheck& certification) {
    if (certification.Paragraph == 0) return "null";
    std::string out = "{\"line\": " + Text(certification.Line);
    out += ", \"paragraph\": " + std::to_string(certification.Paragraph);
    out += ", \"messages\": " + Array(certification.Findings, [](const check::Finding& finding) {
               return "{\"class\": \"" + std::string(ClassName(finding.Class)) +
                      "\", \"text\": " + Text(finding.Text) + "}";
           });
    return out + "}";
}

}  // namespace

std::string OutcomeJson(const std::filesystem::path& inventory, const check::CheckOutcome& outcome,
                        const std::filesystem::path& annotated) {
    const auto& counts = outcome.Counts;
    std::string out = "{\"file\": " + Quote(inventory.string());
    out += ", \"end\": \"" + std::string(EndName(outcome.End)) + "\"";
    out += ", \"message\": " + Text(outcome.Message);
    out += ", \"table\": " + std::to_string(outcome.CheckedTable);
    out += ", \"rows\": " + std::to_string(outcome.RowCount);
    out += ", \"counts\": {\"errors\": " + std::to_string(counts.ErrorCount) +
           ", \"warnings\": " + std::to_string(counts.WarningCount) +
           ", \"hints\": " + std::to_string(counts.HintCount) + "}";
    out += ", \"dataRows\": " + std::to_string(outcome.Counters.DataRows);
    out += ", \"certification\": " + Text(outcome.CertificationLine);
    out += ", \"summary\": " +
           Array(report::SummaryLines(outcome.Summary), [](const std::string& line) { return Text(line); });
    out += ", \"report\": " + Quote(outcome.ReportPath.string());
    out += ", \"certificationCheck\": " + CertificationJson(outcome.Certification);
    if (!annotated.empty()) out += ", \"annotated\": " + Quote(annotated.string());
    out += ",\n \"problemRows\": [";
    for (std::size_t k = 0; k < outcome.ProblemRows.size(); ++k)
        out += (k ? ",\n  " : "\n  ") + ProblemRowJson(outcome.ProblemRows[k]);
    return out + "]}\n";
}

std::string FailureJson(const std::filesystem::path& inventory, const std::string& messageUtf8) {
    return "{\"file\": " + Quote(inventory.string()) +
           ", \"end\": \"not-checked\", \"message\": " + Quote(messageUtf8) + "}\n";
}

}  // namespace tabulex::cli
