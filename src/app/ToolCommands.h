#pragma once

// The document tools of the Правка and Таблица menus. Each item chooses the document and hands
// it to the tool; RunDocumentTool is the one place where the window meets the tools.

#include <QObject>

namespace tabulex::app {

class MainWindow;

enum class ToolCommand {
    DeleteGraphics,       // mmDelGraph
    NumberCases,          // mmNum
    AutoNumberCases,      // mmNubAuto
    ListsToText,          // mmListsToText
    DeleteEmptyRows,      // mmDelEmpyStr
    DeleteNumberingRows,  // mmDel12345Str
    ForbidRowBreaks,      // N5
    FormatHeadings,       // N12
    TablesToText,         // mmTablesToText
};

class ToolCommands : public QObject {
    Q_OBJECT
  public:
    explicit ToolCommands(MainWindow& window);
    void Run(ToolCommand command);

  private:
    MainWindow& window_;
};

}  // namespace tabulex::app
