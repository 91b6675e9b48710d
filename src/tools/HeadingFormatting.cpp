// Heading formatting: every heading row of the main table without a list number made bold and kept
// with the next row, walked from the last row up with the check run's progress display.

#include "check/Messages.h"
#include "check/ProgressMeter.h"
#include "check/TableLayout.h"
#include "text/TextHelpers.h"
#include "tools/CommandRun.h"
#include "tools/HeadingProgress.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

namespace tabulex::tools {
namespace {

class HeadingWalk {
  public:
    HeadingWalk(word::Document& document, ToolHost& host, check::Clock& clock)
        : document_(document), host_(host), clock_(clock) {}

    void Run(int mainTable, ToolOutcome& outcome);

  private:
    void ShowProgress(HeadingProgress& progress, int row);
    std::string ReadRow(int row);
    bool FormatIfHeading(int row, const std::string& rowText);
    std::unique_ptr<word::Table> Table() { return document_.Tables()->Item(mainTable_); }

    word::Document& document_;
    ToolHost& host_;
    check::Clock& clock_;
    int mainTable_ = 0;
    int rowCount_ = 0;
    std::string caption_;
};

void HeadingWalk::Run(int mainTable, ToolOutcome& outcome) {
    mainTable_ = mainTable;
    rowCount_ = Table()->Rows()->Count();
    HeadingProgress progress(rowCount_, clock_.NowMs());
    for (int r = rowCount_; r >= 1; --r) {
        ShowProgress(progress, r);
        if (FormatIfHeading(r, ReadRow(r))) ++outcome.Count;
    }
}

void HeadingWalk::ShowProgress(HeadingProgress& progress, int row) {
    const std::optional<check::ProgressPoint> point = progress.Step(row, clock_);
    if (!point) return;
    caption_ = check::ProgressCaption(progress.Done(row), rowCount_, *point);
    host_.SetCaption(caption_);
    host_.SetApplicationTitle(check::ProgressTitle(point->Percent));
    host_.ProcessEvents();
    detail::CheckStop(host_);
}

// The row's text; when the document cannot give it, the walk pauses and asks once whether to try
// again. A second failure ends the command with the host's message.
std::string HeadingWalk::ReadRow(int row) {
    auto read = [&] { return check::RowTextFromRange(Table()->Rows()->Item(row)->Range()->Text()); };
    try {
        return read();
    } catch (const text::Error&) {
        host_.ShowStatus(check::msg::kPaused);
        host_.SetApplicationTitle(caption_);
        if (!host_.AskRowReadAgain(check::msg::kAttentionTitle, msg::kRowReadQuestion))
            throw detail::CommandEnd{ToolEnd::Cancelled};
        host_.ShowStatus(check::msg::kResuming);
    }
    return read();
}

// A heading row whose first cell shows no list number becomes bold and kept with the next row.
bool HeadingWalk::FormatIfHeading(int row, const std::string& rowText) {
    const std::string_view field = text::TrimView(rowText);
    if (field.empty() || check::IsNumberingRow(field) || !check::IsHeadingRow(field)) return false;
    auto table = Table();
    if (!text::TrimView(table->Cell(row, 1)->Range()->ListFormat()->ListString()).empty()) return false;
    auto range = table->Rows()->Item(row)->Range();
    range->Font()->SetBold(word::kTrue);
    range->ParagraphFormat()->SetKeepWithNext(word::kTrue);
    return true;
}

}  // namespace

ToolOutcome FormatHeadings(word::Document& document, ToolHost& host, const HeadingOptions& options,
                           const CommandTexts& texts, check::Clock& clock) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        detail::BusyCursor busy(host);
        host.ShowStatus(check::msg::kChecking);
        if (options.CloseReportFile) host.CloseReportDocuments();
        if (document.Tables()->Count() == 0) {
            host.ShowStatus(check::msg::kNoTables);
            throw detail::CommandEnd{ToolEnd::NoTables};
        }
        outcome.MainTable = detail::MainTableOf(document);
        host.ShowStatus(std::string(check::msg::kCheckingTable) + std::to_string(outcome.MainTable));
        host.Settings().WriteString(settings::kMainSection, settings::kLastFileKey, document.Name());
        host.BringToFront();
        HeadingWalk(document, host, clock).Run(outcome.MainTable, outcome);
        host.ShowStatus(texts.Result);
    });
}

}  // namespace tabulex::tools
