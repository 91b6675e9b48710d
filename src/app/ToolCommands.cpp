#include "app/ToolCommands.h"

#include "app/DocumentChooser.h"
#include "app/DocumentSession.h"
#include "app/MainMenu.h"
#include "app/MainPage.h"
#include "app/QtText.h"
#include "app/QtToolHost.h"
#include "tools/ToolCatalog.h"

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
    for (const MainMenu::ToolAction& item : m.ToolActions)
        connect(item.Action, &QAction::triggered, this, [this, which = item.Tool] { Run(which); });
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
        const tools::ToolOutcome outcome = tools::RunTool(tool, document, host, options);
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
