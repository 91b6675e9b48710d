#include "app/CheckOutcomeText.h"
#include "app/PathText.h"

#include "app/AppTexts.h"
#include "report/ReportLines.h"
#include "text/CaseMaps.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

namespace tabulex::app {
namespace {

std::string Counts(const rules::ProblemCounts& counts) {
    return text::FillIn(msg::kOutcomeCounts,
                        {std::to_string(counts.ErrorCount), std::to_string(counts.WarningCount),
                         std::to_string(counts.HintCount)});
}

std::string Capitalized(std::string text) {
    if (!text.empty()) text[0] = text::UpperChar1251(text[0]);
    return text;
}

std::string ReportLine(const check::CheckOutcome& outcome) {
    return text::FillIn(msg::kOutcomeReport, {ShownPath(outcome.ReportPath)});
}

}  // namespace

std::string OutcomeCaption(const check::CheckOutcome& outcome) {
    switch (outcome.End) {
        case check::CheckEnd::Completed:
            return text::FillIn(msg::kCaptionCompleted, {std::to_string(outcome.Counts.ErrorCount),
                                                         std::to_string(outcome.Counts.WarningCount),
                                                         std::to_string(outcome.Counts.HintCount)});
        case check::CheckEnd::Stopped:
            return text::FillIn(msg::kCaptionStopped,
                                {std::to_string(outcome.StoppedAtRow), std::to_string(outcome.RowCount)});
        case check::CheckEnd::NoTables:
        case check::CheckEnd::ReportLocked:
        case check::CheckEnd::Failed:
            break;
    }
    return text::FillIn(msg::kCaptionNotChecked, {outcome.DocumentName});
}

std::string OutcomeMessage(const check::CheckOutcome& outcome) {
    std::string text;
    switch (outcome.End) {
        case check::CheckEnd::Completed:
            text = text::FillIn(msg::kOutcomeCompleted, {outcome.DocumentName});
            for (const std::string& line :
                 report::CountLines(outcome.Counts, outcome.Summary.ShowWarnings, outcome.Summary.ShowHints))
                if (!line.empty()) text += "\r" + line;
            text += "\r" + outcome.CertificationLine;
            for (const check::Finding& finding : outcome.Certification.Findings) text += "\r" + finding.Text;
            return text + "\r" + ReportLine(outcome);
        case check::CheckEnd::Stopped:
            return text::FillIn(msg::kOutcomeStopped,
                                {outcome.DocumentName, std::to_string(outcome.StoppedAtRow)}) +
                   "\r" + Capitalized(Counts(outcome.Counts)) + "\r" + ReportLine(outcome);
        case check::CheckEnd::NoTables:
        case check::CheckEnd::ReportLocked:
        case check::CheckEnd::Failed:
            break;
    }
    return text::FillIn(msg::kOutcomeNotChecked, {outcome.DocumentName, outcome.Message});
}

}  // namespace tabulex::app
