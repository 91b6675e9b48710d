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
}

void ToolCommands::Run(tools::Tool tool) {
    // Shift counts as it was when the command was chosen, before any dialog.
    const WindowOptions shown = services_.Options();
    // The commands read the table as the check does: its columns and dates options.
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
    } catch (const word::Error& error) {
        services_.Status.ShowMessageText(error.Message());
    }
}

}  // namespace tabulex::app
