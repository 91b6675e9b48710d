#include "app/ToolCommands.h"

#include "app/DocumentChoice.h"
#include "app/DocumentSession.h"
#include "app/MainPage.h"
#include "app/MainWindow.h"
#include "app/QtText.h"
#include "app/QtToolHost.h"
#include "app/SettingsPage.h"
#include "app/WindowOptions.h"
#include "tools/Tools.h"

#include <QAction>
#include <QCheckBox>

namespace tabulex::app {

ToolCommands::ToolCommands(MainWindow& window) : QObject(&window), window_(window) {
    const MainMenu& m = window.Menu();
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
    };
    for (const auto& [action, tool] : items)
        connect(action, &QAction::triggered, this, [this, which = tool] { Run(which); });
}

void ToolCommands::Run(tools::Tool tool) {
    // Shift counts as it was when the command was chosen, before any dialog.
    const tools::ToolOptions options{.ShiftHeld = window_.ShiftHeld()};
    try {
        window_.Documents().RefreshChangedOnDisk();
        const bool headings = tool == tools::Tool::FormatHeadings;
        if (!ChooseDocument(window_, headings ? ChooseMode::Check : ChooseMode::Edit)) return;
        word::Document& document = *window_.Documents().Active();
        QtToolHost host(window_);
        const tools::ToolOutcome outcome =
            headings ? tools::FormatHeadings(
                           document, host,
                           {.CloseReportFile = window_.SettingsTab()->CloseReportBeforeCheckBox->isChecked()})
                     : tools::RunTool(tool, document, host, options);
        if (headings && outcome.End != tools::ToolEnd::NoTables) {
            RememberLastFilePath(window_.Settings(), document);
            window_.InventoryTab()->SetLastFile(FromCp(ReadLastFile(window_.Settings())));
        }
        if (outcome.End == tools::ToolEnd::Failed && !outcome.Message.empty())
            window_.ShowMessageText(outcome.Message);
    } catch (const word::Error& error) {
        window_.ShowMessageText(error.Message());
    }
}

}  // namespace tabulex::app
