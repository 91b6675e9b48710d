#include "app/ToolCommands.h"

#include "app/DocumentChooser.h"
#include "app/DocumentSession.h"
#include "app/MainMenu.h"
#include "app/MainPage.h"
#include "app/QtText.h"
#include "app/QtToolHost.h"
#include "tools/Tools.h"

#include <QAction>

namespace tabulex::app {

ToolCommands::ToolCommands(const CommandServices& services, DocumentChooser& chooser, MainPage& fileChoice,
                           QWidget& window, std::function<bool()> shiftHeld, QObject* parent)
    : QObject(parent),
      services_(services),
      chooser_(chooser),
      fileChoice_(fileChoice),
      window_(window),
      shiftHeld_(std::move(shiftHeld)) {}

void ToolCommands::Connect(const MainMenu& m) {
    const std::pair<QAction*, tools::Tool> items[] = {
        {m.DeleteGraphicsAction, tools::Tool::DeleteGraphics},
        {m.NumberCasesAction, tools::Tool::NumberCases},
        {m.AutoNumberCasesAction, tools::Tool::AutoNumberCases},
        {m.ListsToTextAction, tools::Tool::ListsToText},
        {m.DeleteEmptyRowsAction, tools::Tool::DeleteEmptyRows},
        {m.DeleteNumberingRowsAction, tools::Tool::DeleteNumberingRows},
        {m.ForbidRowBreaksAction, tools::Tool::ForbidRowBreaks},
        {m.FormatHeadingsAction, tools::Tool::FormatHeadings},
        {m.TablesToTextAction, tools::Tool::TablesToText},
        {m.JoinTablesAction, tools::Tool::JoinTables},
    };
    for (const auto& [action, tool] : items)
        connect(action, &QAction::triggered, this, [this, which = tool] { Run(which); });
    // The items of Даты in menu order.
    const tools::Tool dateTools[] = {
        tools::Tool::DatesFullYear,    tools::Tool::DatesMonthWords, tools::Tool::DatesMonthNumbers,
        tools::Tool::DatesDropZero,    tools::Tool::DatesAddZero,    tools::Tool::DatesDropYearMark,
        tools::Tool::DatesAddYearMark, tools::Tool::DatesJoinRanges,
    };
    for (qsizetype k = 0; k < m.DateActions.size() && k < qsizetype(std::size(dateTools)); ++k)
        connect(m.DateActions[k], &QAction::triggered, this, [this, which = dateTools[k]] { Run(which); });
}

void ToolCommands::Run(tools::Tool tool) {
    // Shift counts as it was when the command was chosen, before any dialog.
    const WindowOptions shown = services_.Options();
    // The date commands find the dates column and read the dates as the check does.
    const tools::ToolOptions options{.ShiftHeld = shiftHeld_(), .Table = shown.Check};
    try {
        if (!services_.Documents.RefreshChangedOnDisk()) return;
        const bool headings = tool == tools::Tool::FormatHeadings;
        if (!chooser_.Choose(headings ? ChooseMode::Check : ChooseMode::Edit)) return;
        word::Document& document = *services_.Documents.Active();
        QtToolHost host(services_, window_);
        const tools::ToolOutcome outcome =
            headings ? tools::FormatHeadings(document, host, {.CloseReportFile = shown.Check.CloseReportFile})
                     : tools::RunTool(tool, document, host, options);
        if (headings && outcome.End != tools::ToolEnd::NoTables) {
            RememberLastFilePath(services_.Settings, document);
            fileChoice_.SetLastFile(FromCp(ReadLastFile(services_.Settings)),
                                    StoredLastFilePath(services_.Settings));
        }
        if (outcome.End == tools::ToolEnd::Failed && !outcome.Message.empty())
            services_.Status.ShowMessageText(outcome.Message);
        if (const std::string details = tools::ResultDetails(outcome); !details.empty())
            services_.Status.ShowMessageText(details);
    } catch (const text::Error& error) {
        services_.Status.ShowMessageText(error.Message());
    }
}

}  // namespace tabulex::app
