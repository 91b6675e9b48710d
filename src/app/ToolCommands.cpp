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
        {m.mmDelGraph, tools::Tool::DeleteGraphics},    {m.mmNum, tools::Tool::NumberCases},
        {m.mmNubAuto, tools::Tool::AutoNumberCases},    {m.mmListsToText, tools::Tool::ListsToText},
        {m.mmDelEmpyStr, tools::Tool::DeleteEmptyRows}, {m.mmDel12345Str, tools::Tool::DeleteNumberingRows},
        {m.N5, tools::Tool::ForbidRowBreaks},           {m.N12, tools::Tool::FormatHeadings},
        {m.mmTablesToText, tools::Tool::TablesToText},
    };
    for (const auto& [action, tool] : items)
        connect(action, &QAction::triggered, this, [this, which = tool] { Run(which); });
    // The items of Даты in menu order.
    const tools::Tool dateTools[] = {
        tools::Tool::DatesFullYear,    tools::Tool::DatesMonthWords, tools::Tool::DatesMonthNumbers,
        tools::Tool::DatesDropZero,    tools::Tool::DatesAddZero,    tools::Tool::DatesDropYearMark,
        tools::Tool::DatesAddYearMark, tools::Tool::DatesJoinRanges,
    };
    for (qsizetype k = 0; k < m.DateCommands.size() && k < qsizetype(std::size(dateTools)); ++k)
        connect(m.DateCommands[k], &QAction::triggered, this, [this, which = dateTools[k]] { Run(which); });
}

void ToolCommands::Run(tools::Tool tool) {
    // Shift counts as it was when the command was chosen, before any dialog.
    tools::ToolOptions options{.ShiftHeld = window_.ShiftHeld()};
    // The date commands find the dates as the check does.
    WindowOptions fields;
    window_.Page()->Store(fields);
    options.Table.TwoDateColumns = fields.TwoDateColumns;
    window_.More()->FillCheckOptions(options.Table);
    try {
        window_.Documents().RefreshChangedOnDisk();
        const bool headings = tool == tools::Tool::FormatHeadings;
        if (!ChooseDocument(window_, headings ? ChooseMode::Check : ChooseMode::Edit)) return;
        word::Document& document = *window_.Documents().Active();
        QtToolHost host(window_);
        const tools::ToolOutcome outcome =
            headings ? tools::FormatHeadings(document, host,
                                             {.CloseReportFile = window_.More()->cbCloseRepFile->isChecked()})
                     : tools::RunTool(tool, document, host, options);
        if (headings && outcome.End != tools::ToolEnd::NoTables) {
            RememberLastFilePath(window_.Settings(), document);
            window_.Page()->SetLastFile(FromCp(ReadLastFile(window_.Settings())));
        }
        if (outcome.End == tools::ToolEnd::Failed && !outcome.Message.empty())
            window_.ShowMessageText(outcome.Message);
    } catch (const word::Error& error) {
        window_.ShowMessageText(error.Message());
    }
}

}  // namespace tabulex::app
