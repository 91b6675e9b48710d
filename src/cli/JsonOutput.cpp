#include "cli/JsonOutput.h"

#include "report/ReportLines.h"
#include "text/Cp1251.h"

#include <cstdio>

namespace tabulex::cli {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `s`, 0 when there is none
// (a stray byte, a cut sequence, an overlong form, a surrogate or a code point beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(0);
    if (b0 < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0) low = 0xA0;
        if (b0 == 0xED) high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0) low = 0x90;
        if (b0 == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    return length;
}

// A JSON string. Text that is not valid UTF-8 (a file name written in another encoding) keeps
// every valid character and shows each stray byte as U+FFFD, so that any JSON reader takes it.
std::string Quote(std::string_view utf8) {
    std::string out = "\"";
    while (!utf8.empty()) {
        const std::size_t length = Utf8SequenceLength(utf8);
        if (length != 1) {
            if (length == 0) {
                out += "\\ufffd";
                utf8.remove_prefix(1);
            } else {
                out += utf8.substr(0, length);
                utf8.remove_prefix(length);
            }
            continue;
        }
        const char c = utf8.front();
        utf8.remove_prefix(1);
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
    if (certification.Paragraph == 0 && certification.Findings.empty()) return "null";
    // No line after the table: its one hint, with no line.
    std::string out = "{\"line\": " + (certification.Paragraph == 0 ? "null" : Text(certification.Line));
    out += ", \"paragraph\": " + std::to_string(certification.Paragraph);
    out += ", \"messages\": " + Array(certification.Findings, [](const check::Finding& finding) {
               return "{\"class\": \"" + std::string(ClassName(finding.Class)) +
                      "\", \"text\": " + Text(finding.Text) + "}";
           });
    return out + "}";
}

}  // namespace

std::string JsonString(std::string_view utf8) {
    return Quote(utf8);
}

std::string OutcomeJson(const std::filesystem::path& inventory, const check::CheckOutcome& outcome,
                        const std::filesystem::path& annotated,
                        const std::vector<check::LeftOutTable>& leftOut) {
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
    out += ", \"leftOutTables\": " + Array(leftOut, [](const check::LeftOutTable& table) {
               return "{\"table\": " + std::to_string(table.Table) +
                      ", \"caseRows\": " + std::to_string(table.CaseRows) + "}";
           });
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
