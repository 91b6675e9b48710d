#include "check/CheckRun.h"

#include "check/CertificationCheck.h"
#include "check/MainTable.h"
#include "check/Messages.h"
#include "check/ProgressMeter.h"
#include "check/ResumePoint.h"
#include "check/RowRules.h"
#include "check/TableParts.h"
#include "report/ReportDocument.h"
#include "report/ReportFile.h"
#include "report/ReportFolder.h"
#include "report/ReportLines.h"
#include "text/Cp1251.h"
#include "text/NumberWords.h"
#include "text/TextHelpers.h"
#include "word/WordModel.h"

#include <cerrno>
#include <functional>
#include <memory>
#include <new>

namespace tabulex::check {
namespace {

report::Encoding ToReportEncoding(ReportEncoding encoding) {
    return encoding == ReportEncoding::Utf8 ? report::Encoding::Utf8 : report::Encoding::Cp1251;
}

std::string ReportLine(const ProblemRow& row) {
    switch (row.Kind) {
        case RowKind::Empty:
            return report::EmptyRowLine(row.Problems);
        case RowKind::Numbering:
            return report::NumberingRowLine(row.Cells.at(0), row.Problems);
        case RowKind::Heading:
            return report::HeadingRowLine(row.Cells.at(0), row.Problems);
        case RowKind::Header:
            return report::SkippedRowLine();
        case RowKind::Data:
            break;
    }
    std::array<std::string, 5> cells;
    for (std::size_t k = 0; k < cells.size() && k < row.Cells.size(); ++k) cells[k] = row.Cells[k];
    return report::DataRowLine(cells, row.Problems);
}

// The row text as the row-failure box shows it: on one line, cells separated by "|".
std::string FailureBoxText(std::string_view rowText) {
    std::string shown(rowText);
    for (char& c : shown) {
        if (c == '\r' || c == '\n') c = ' ';
        if (c == '\t') c = '|';
    }
    return shown;
}

// Thrown inside the run to end it; carries how.
struct RunEnd {
    CheckEnd End;
};

// One run over one document: the steps before the first row, the row loop and the end.
class Runner {
  public:
    Runner(CheckHost& host, const CheckOptions& options, Clock& clock,
           std::unique_ptr<report::ReportFolderLock> heldLock)
        : host_(host), options_(options), clock_(clock), rules_(options), lock_(std::move(heldLock)) {}

    CheckOutcome Run(const std::function<word::Document&()>& connect, const word::Options* wordOptions);

  private:
    void ShowStatus(std::string_view text) {
        caption_ = text;
        host_.ShowStatus(text);
    }
    void BackToIdle() { host_.SetApplicationTitle(IdleTitle()); }
    bool Prepare(word::Document& document);
    bool OpenReport(word::Document& document);
    bool RefuseReport(const std::string& text);
    int ResumeRow(word::Document& document);
    void NoticeResumedElsewhere();
    int StartAgain(std::string_view notice);
    std::string Identity() const {
        return options_.DocumentIdentity.empty() ? outcome_.DocumentName : options_.DocumentIdentity;
    }
    void CommitReport();
    void CheckRows();
    bool ProgressPoint(ProgressMeter& meter, int row);
    std::string ReadRow(word::Rows& rows, int row, std::unique_ptr<word::Row>& rowObject);
    void CheckRow(int row, const std::string& rowText, word::Row& rowObject);
    void CheckDataRow(int row, const std::string& rowText);
    void Emit(std::optional<ProblemRow> problem);
    void Finish(const word::Options* wordOptions);
    void ReportSplitTable(report::Summary& summary);
    void Stop(int row);
    void Fail(std::string message) {
        outcome_.End = CheckEnd::Failed;
        outcome_.Message = std::move(message);
        report_.Discard();
        BackToIdle();
    }

    CheckHost& host_;
    CheckOptions options_;
    Clock& clock_;
    RowRules rules_;
    CheckOutcome outcome_;
    std::string caption_;
    std::unique_ptr<word::Table> table_;
    word::Document* document_ = nullptr;
    // Held from before the report is opened to the end of the run; declared before the report so
    // that the report's temporary file goes first.
    std::unique_ptr<report::ReportFolderLock> lock_;
    report::ReportFile report_;
    int linesAtStart_ = 0;  // LinesWritten restored from the resume point
    int headerRows_ = 0;    // the rows at the table's top that form its header
};

CheckOutcome Runner::Run(const std::function<word::Document&()>& connect, const word::Options* wordOptions) {
    ShowStatus(msg::kChecking);
    host_.ProcessEvents();
    outcome_.ReportPath = options_.ReportFolder / report::kReportFileName;
    try {
        if (options_.CloseReportFile) host_.CloseReportDocuments();
        ShowStatus(msg::kStartingWord);
        word::Document& document = connect();
        document_ = &document;
        if (!Prepare(document) || !OpenReport(document)) return std::move(outcome_);
        CheckRows();
        Finish(wordOptions);
        host_.Settings().EraseSection(settings::kBreakSection);
        outcome_.End = CheckEnd::Completed;
        BackToIdle();
        host_.SetCaption(IdleTitle());
    } catch (const RunEnd& end) {
        outcome_.End = end.End;
    } catch (const text::Error& error) {
        Fail(error.Message());
    } catch (const std::bad_alloc&) {
        Fail(std::string(msg::kOutOfMemory));
    } catch (const std::exception& error) {
        Fail(std::string(msg::kInternalError) + text::Utf8ToCp1251(error.what()));
    }
    return std::move(outcome_);
}

// The start of a run up to the column set-up; false when the document has no table.
bool Runner::Prepare(word::Document& document) {
    outcome_.DocumentName = document.Name();
    auto tables = document.Tables();
    if (tables->Count() == 0) {
        ShowStatus(msg::kNoTables);
        outcome_.End = CheckEnd::NoTables;
        outcome_.Message = msg::kNoTables;
        BackToIdle();
        return false;
    }
    outcome_.CheckedTable = PickMainTable(*tables);
    table_ = tables->Item(outcome_.CheckedTable);
    outcome_.RowCount = table_->Rows()->Count();
    ShowStatus(std::string(msg::kCheckingTable) + std::to_string(outcome_.CheckedTable));
    host_.Settings().WriteString(settings::kMainSection, settings::kLastFileKey, outcome_.DocumentName);

    const ColumnSetup setup = DetectColumns(*table_, options_);
    outcome_.Columns = setup.Layout;
    outcome_.SwitchedToAutoColumns = setup.SwitchedToAuto;
    if (setup.SwitchedToAuto) options_.Columns = ColumnMode::Auto;
    return true;
}

// The folder's lock, the resume question and the opening of the report; false when the report
// cannot be written or another check uses the folder.
bool Runner::OpenReport(word::Document& document) {
    const std::filesystem::path& folder = options_.ReportFolder;
    // An inventory kept under one of the names the check writes or clears would be lost.
    const std::filesystem::path inventory = document.FullName();
    if (report::IsReportFolderFile(folder, inventory)) {
        const std::string text = report::ReportFolderFileText(inventory);
        host_.ShowMessageText(text);
        Fail(text);
        return false;
    }
    if (!lock_ || lock_->Status() != report::ReportFolderLock::State::Held)
        lock_ = std::make_unique<report::ReportFolderLock>(folder);
    if (lock_->Status() == report::ReportFolderLock::State::Busy)
        return RefuseReport(report::FolderBusyText(folder));
    if (lock_->Status() == report::ReportFolderLock::State::Failed)
        return RefuseReport(host_.ReportUnavailableText(outcome_.ReportPath, lock_->ErrorCode()));
    report::RemoveLeftovers(folder);

    const int start = ResumeRow(document);
    outcome_.StartRow = start;
    if (!report_.Open(outcome_.ReportPath, start > 1, ToReportEncoding(options_.Encoding)))
        return RefuseReport(host_.ReportUnavailableText(outcome_.ReportPath, report_.ErrorCode()));
    if (options_.TwoDateColumns) --outcome_.Columns.ColumnCount;
    // A resumed report goes on below the lines of the stop, so that it is the uninterrupted one.
    if (start == 1) report_.WriteLine(report::HeaderLine(options_.TwoDateColumns));
    return true;
}

bool Runner::RefuseReport(const std::string& text) {
    host_.ShowMessageText(text);
    outcome_.End = CheckEnd::ReportLocked;
    outcome_.Message = text;
    BackToIdle();
    return false;
}

// The row to start at: the stored one, with the run state at the stop, when the folder's resume
// point belongs to this very file, fits its table, its report is there as the stop left it and the
// user goes on; otherwise 1.
int Runner::ResumeRow(word::Document& document) {
    StoredResumePoint stored = LoadResumePoint(options_.ReportFolder);
    if (stored.Found == StoredResumePoint::State::Missing) {
        NoticeResumedElsewhere();
        return 1;
    }
    ResumePoint& point = stored.Point;
    if (stored.Found == StoredResumePoint::State::Damaged) return StartAgain(msg::kResumePointDamaged);
    if (point.Identity != Identity() || point.DocumentName != outcome_.DocumentName)
        return StartAgain(msg::ResumePointOfAnotherFile(point.DocumentName));
    // A resume point past the last row (the document was shortened since the stop) or with more
    // rows counted than lie before its row cannot be this document's; believed, it would check
    // nothing, or report counts the document does not have.
    if (!FitsTable(point, outcome_.RowCount)) return StartAgain(msg::kResumePointDamaged);
    // The stopped report is the header line and one line per problem row; without it the resumed
    // report would lack its first part.
    if (report::CountReportLines(outcome_.ReportPath) != point.State.Counters.LinesWritten + 1)
        return StartAgain(
            text::FillIn(msg::kResumedReportMissing, {text::Utf8ToCp1251(outcome_.ReportPath.string())}));
    const std::string row = std::to_string(point.Row);
    const std::string text = text::FillIn(msg::kResumeQuestion, {document.Name(), row});
    if (!host_.AskOkCancel(Question::Resume, msg::kResumeTitle, text)) return 1;
    rules_.Restore(std::move(point.State));
    linesAtStart_ = rules_.Counters().LinesWritten;
    return point.Row;
}

// A stop of this document with its report in another folder: its resume point is there.
void Runner::NoticeResumedElsewhere() {
    settings::Settings& settings = host_.Settings();
    const std::string folder = settings.ReadUtf8(settings::kBreakSection, settings::kBreakFolderKey, {});
    if (!folder.empty() && folder != options_.ReportFolder.string() &&
        settings.ReadString(settings::kBreakSection, settings::kBreakFileKey, {}) == outcome_.DocumentName &&
        settings.ReadInteger(settings::kBreakSection, settings::kBreakRowKey, 1) > 1)
        host_.ShowMessageText(msg::ResumedElsewhere(text::Utf8ToCp1251(folder)));
}

int Runner::StartAgain(std::string_view notice) {
    host_.ShowMessageText(notice);
    return 1;
}

// Puts the new report in the old one's place. The resume point of the old report goes first, so
// that a kill in between leaves no resume point pointing into a report it does not belong to; the
// old report document goes after, as it no longer matches.
void Runner::CommitReport() {
    EraseResumePoint(options_.ReportFolder);
    if (!report_.Close()) {
        const std::string text = report::ReportFailureText(outcome_.ReportPath, report_.ErrorCode());
        host_.ShowMessageText(text);
        Fail(text);
        throw RunEnd{CheckEnd::Failed};
    }
    std::error_code ignored;
    std::filesystem::remove(options_.ReportFolder / report::kReportDocumentName, ignored);
}

void Runner::CheckRows() {
    headerRows_ = CountHeaderRows(*table_, outcome_.Columns, options_.TwoDateColumns);
    auto rows = table_->Rows();
    ProgressMeter meter(outcome_.RowCount, clock_.NowMs());
    RunCounters& counters = rules_.Counters();
    for (int row = outcome_.StartRow; row <= outcome_.RowCount; ++row) {
        if (!ProgressPoint(meter, row)) Stop(row);
        std::unique_ptr<word::Row> rowObject;
        const std::string rowText = ReadRow(*rows, row, rowObject);
        // Word reports true as -1; any value other than 0 allows the row to break.
        if (counters.BreakableRows < 5 && rowObject->AllowBreakAcrossPages() != word::kFalse)
            ++counters.BreakableRows;
        CheckRow(row, rowText, *rowObject);
    }
}

// Refreshes the caption at the progress points and answers a stop request; false to stop.
bool Runner::ProgressPoint(ProgressMeter& meter, int row) {
    const std::optional<check::ProgressPoint> point = meter.Step(row, clock_);
    if (!point) return true;
    caption_ = ProgressCaption(row, outcome_.RowCount, *point);
    host_.SetCaption(caption_);
    host_.SetApplicationTitle(ProgressTitle(point->Percent));
    host_.ProcessEvents();
    if (!host_.StopRequested()) return true;
    host_.ClearStopRequest();
    if (host_.AskOkCancel(Question::Stop, msg::kAttentionTitle, msg::kStopQuestion)) return false;
    ShowStatus(msg::kResuming);
    return true;
}

// The row's text with TABs for the cell marks; asks again for as long as the host fails and the
// user says go on.
std::string Runner::ReadRow(word::Rows& rows, int row, std::unique_ptr<word::Row>& rowObject) {
    for (;;) {
        try {
            rowObject = rows.Item(row);
            return RowTextFromRange(rowObject->Range()->Text());
        } catch (const text::Error&) {
            ShowStatus(msg::kPaused);
            host_.SetApplicationTitle(caption_);
            if (!host_.AskOkCancel(Question::RowRead, msg::kAttentionTitle, msg::kRowReadQuestion)) {
                outcome_.StoppedAtRow = row;
                report_.Discard();
                BackToIdle();
                throw RunEnd{CheckEnd::Failed};
            }
            ShowStatus(msg::kResuming);
        }
    }
}

void Runner::CheckRow(int row, const std::string& rowText, word::Row& rowObject) {
    if (IsEmptyRow(rowText)) return Emit(rules_.EmptyRow(row));
    if (IsNumberingRow(rowText)) return Emit(rules_.NumberingRow(row, rowText));
    // The second row of a two-row header ("начала | окончания" under "Крайние даты") is no case.
    if (row > 1 && row <= headerRows_) return Emit(rules_.SkippedHeaderRow(row));
    // A heading candidate whose first cell Word numbers is a data row.
    if (IsHeadingRow(rowText) &&
        text::TrimView(table_->Cell(row, 1)->Range()->ListFormat()->ListString()).empty()) {
        auto range = rowObject.Range();
        const HeadingFormat format{range->Font()->Bold(), range->ParagraphFormat()->KeepWithNext()};
        return Emit(rules_.HeadingRow(row, rowText, format));
    }
    CheckDataRow(row, rowText);
}

void Runner::CheckDataRow(int row, const std::string& rowText) {
    try {
        const ListNumberReader listNumber = [&] {
            return table_->Cell(row, 1)->Range()->ListFormat()->ListString();
        };
        RowCells cells = SplitRow(rowText, outcome_.Columns, options_.TwoDateColumns, listNumber);
        if (row == 1 && IsHeaderRow(cells)) return Emit(rules_.SkippedHeaderRow(row));
        Emit(rules_.DataRow(row, std::move(cells)));
    } catch (const std::exception&) {
        const std::string prompt =
            text::FillIn(msg::kRowFailure, {std::to_string(row), msg::kSupportAddress});
        if (host_.InputBox(msg::kResumeTitle, prompt, FailureBoxText(rowText))) return;
        outcome_.StoppedAtRow = row;
        report_.Discard();
        BackToIdle();
        throw RunEnd{CheckEnd::Failed};
    }
}

void Runner::Emit(std::optional<ProblemRow> problem) {
    if (!problem) return;
    report_.WriteLine(ReportLine(*problem));
    outcome_.ProblemRows.push_back(std::move(*problem));
}

// The document hints, the counts, the certification line and the rest of the summary.
void Runner::Finish(const word::Options* wordOptions) {
    report::Summary& summary = outcome_.Summary;
    summary.CheckedTable = outcome_.CheckedTable;
    summary.Rules = options_.Rules;
    summary.DocumentHints = rules_.DocumentHints(outcome_.Columns, options_.Columns);
    ReportSplitTable(summary);
    const RunCounters& counters = rules_.Counters();
    // A resumed check goes on with the run state of the stop, so its counts are those of every row.
    if (options_.CertificationCheck) {
        const CertificationFacts facts = FactsOf(counters.DataRows, rules_.FirstNumber(), rules_.LastNumber(),
                                                 rules_.NumberKeys(), rules_.CaseNumbers());
        outcome_.Certification = ReconcileCertification(
            document_->ParagraphsAfterTable(outcome_.CheckedTable), facts, rules_.State());
        for (const Finding& finding : outcome_.Certification.Findings)
            summary.CertificationFindings.push_back(finding.Text);
    }
    summary.Counts = rules_.State().Counts;
    summary.ShowWarnings = options_.ShowWarnings;
    summary.ShowHints = options_.ShowHints;
    if (summary.Counts.ErrorCount == 0 && summary.Counts.WarningCount == 0 && summary.Counts.HintCount == 0)
        ShowStatus(msg::kNoProblems);
    summary.DataRows = counters.DataRows;
    summary.FirstNumber = rules_.FirstNumber();
    summary.LastNumber = rules_.LastNumber();
    const rules::CaseNumberSummary& numbers = rules_.CaseNumbers();
    summary.CaseNumberLines = {numbers.LiteralLine, numbers.NonLiteralLine, numbers.MissingLine,
                               numbers.RepeatedLine};
    summary.Extremes = rules_.Extremes();
    if (wordOptions != nullptr) {
        if (!wordOptions->AutoFormatAsYouTypeReplaceQuotes())
            summary.WordAdvice.emplace_back(msg::kAdviceReplaceQuotes);
        if (wordOptions->AutoFormatAsYouTypeDefineStyles())
            summary.WordAdvice.emplace_back(msg::kAdviceDefineStyles);
    }
    summary.HeadingRows = counters.HeadingRows;
    summary.Rubricator = rules_.Rubricator();

    for (const std::string& line : report::SummaryLines(summary)) report_.WriteLine(line);
    outcome_.Counts = summary.Counts;
    outcome_.Counters = counters;
    outcome_.DateAlternatives = rules_.DateAlternatives();
    outcome_.CertificationLine =
        report::CertificationLine(summary.DataRows, summary.FirstNumber, summary.LastNumber);
    // The report's table: the header lines and problem lines of the file, an earlier part
    // included when the check was resumed.
    const int headerLine = outcome_.StartRow == 1 ? 1 : 0;
    outcome_.ReportTableLines = report_.LinesBefore() + counters.LinesWritten - linesAtStart_ + headerLine;
    outcome_.ReportTableColumns = outcome_.Columns.ColumnCount + 1 + (options_.TwoDateColumns ? 1 : 0);
    CommitReport();
}

// A table that continues the checked one (a stray paragraph split the inventory's table) leaves
// cases uncounted: an error, first among the document's lines.
void Runner::ReportSplitTable(report::Summary& summary) {
    const std::optional<ContinuingTable> next = FindContinuingTable(
        *document_, outcome_.CheckedTable, outcome_.Columns, options_.TwoDateColumns, rules_.LastNumber());
    if (!next) return;
    const std::string line = text::FillIn(
        msg::kSplitTable, {std::to_string(next->Table), std::to_string(next->Rows),
                           text::PluralForm(next->Rows, msg::kRowOne, msg::kRowsFew, msg::kRowsMany)});
    std::string shown;
    rules_.State().Record(rules::ProblemClass::Error, shown, line);
    summary.DocumentHints.insert(summary.DocumentHints.begin(), line);
}

void Runner::Stop(int row) {
    ShowStatus(std::string(msg::kStoppedAtRow) + std::to_string(row) + ".");
    CommitReport();
    const ResumePoint point{row, outcome_.DocumentName, Identity(), rules_.Snapshot()};
    if (const int failure = SaveResumePoint(options_.ReportFolder, point); failure != 0)
        host_.ShowMessageText(report::ReportFailureText(options_.ReportFolder / kResumeFileName, failure));
    settings::Settings& settings = host_.Settings();
    settings.WriteString(settings::kBreakSection, settings::kBreakFileKey, outcome_.DocumentName);
    settings.WriteInteger(settings::kBreakSection, settings::kBreakRowKey, row);
    settings.WriteUtf8(settings::kBreakSection, settings::kBreakFolderKey, options_.ReportFolder.string());
    outcome_.StoppedAtRow = row;
    outcome_.Counts = rules_.State().Counts;
    outcome_.Counters = rules_.Counters();
    BackToIdle();
    throw RunEnd{CheckEnd::Stopped};
}

}  // namespace

CheckRun::CheckRun(CheckHost& host, const CheckOptions& options, Clock& clock)
    : host_(host), options_(options), clock_(clock) {}

CheckOutcome CheckRun::Run(word::Application& application) {
    Runner runner(host_, options_, clock_, std::move(heldLock_));
    return runner.Run([&]() -> word::Document& { return application.ActiveDocument(); },
                      &application.Options());
}

CheckOutcome CheckRun::Run(word::Document& document, const word::Options* wordOptions) {
    Runner runner(host_, options_, clock_, std::move(heldLock_));
    return runner.Run([&]() -> word::Document& { return document; }, wordOptions);
}

// The document is written straight from the report text (the same document the host's step by
// step sequence gives, in a fraction of the time and memory); `documents` is left as it was.
std::filesystem::path OpenReportInWord(word::Documents& /*documents*/, const CheckOutcome& outcome,
                                       const CheckOptions& options) {
    // Under the folder's lock the document is made from the report text as it is now, so the pair
    // always matches, even if another check has replaced the report since this run ended.
    const report::ReportFolderLock lock(outcome.ReportPath.parent_path());
    if (lock.Status() == report::ReportFolderLock::State::Busy)
        throw text::Error(report::FolderBusyText(outcome.ReportPath.parent_path()), "report folder locked");
    report::ReportDocumentLayout layout;
    layout.TableLines = outcome.ReportTableLines;
    layout.TableColumns = outcome.ReportTableColumns;
    layout.ToTable = options.ReportToTable;
    layout.FitToContents = options.ReportTableAutosize;
    return report::WriteReportDocument(outcome.ReportPath, ToReportEncoding(options.Encoding), layout,
                                       options.Threads);
}

}  // namespace tabulex::check
