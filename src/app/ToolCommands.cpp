#include "app/ToolCommands.h"

#include "app/AppTexts.h"
#include "app/DocumentChoice.h"
#include "app/DocumentSession.h"
#include "app/MainWindow.h"

#include <QAction>

namespace tabulex::app {
namespace {

// Runs one tool on the chosen document. The tools are not part of this build yet: every
// command says so, after the document choice it will share with them.
void RunDocumentTool(ToolCommand, word::Document&, MainWindow& window) {
    window.ShowStatus(msg::kInDevelopment);
}

}  // namespace

ToolCommands::ToolCommands(MainWindow& window) : QObject(&window), window_(window) {
    const MainMenu& m = window.Menu();
    const std::pair<QAction*, ToolCommand> items[] = {
        {m.mmDelGraph, ToolCommand::DeleteGraphics},    {m.mmNum, ToolCommand::NumberCases},
        {m.mmNubAuto, ToolCommand::AutoNumberCases},    {m.mmListsToText, ToolCommand::ListsToText},
        {m.mmDelEmpyStr, ToolCommand::DeleteEmptyRows}, {m.mmDel12345Str, ToolCommand::DeleteNumberingRows},
        {m.N5, ToolCommand::ForbidRowBreaks},           {m.N12, ToolCommand::FormatHeadings},
        {m.mmTablesToText, ToolCommand::TablesToText},
    };
    for (const auto& [action, command] : items)
        connect(action, &QAction::triggered, this, [this, which = command] { Run(which); });
}

void ToolCommands::Run(ToolCommand command) {
    try {
        window_.Documents().RefreshChangedOnDisk();
        const ChooseMode mode = command == ToolCommand::FormatHeadings ? ChooseMode::Check : ChooseMode::Edit;
        if (!ChooseDocument(window_, mode)) return;
        RunDocumentTool(command, *window_.Documents().Active(), window_);
    } catch (const word::Error& error) {
        window_.ShowMessageText(error.Message());
    }
}

}  // namespace tabulex::app
