#include "app/QtToolHost.h"

#include "app/DocumentSession.h"
#include "app/QtText.h"
#include "app/UserDialogs.h"

#include <QApplication>
#include <QWidget>

namespace tabulex::app {

QtToolHost::~QtToolHost() {
    SetBusy(false);
}

void QtToolHost::ShowStatus(std::string_view text) {
    services_.Status.ShowStatus(text);
}

void QtToolHost::SetCaption(std::string_view text) {
    services_.Status.SetCaption(FromCp(text));
}

void QtToolHost::SetApplicationTitle(std::string_view text) {
    services_.Status.SetApplicationTitle(FromCp(text));
}

void QtToolHost::SetBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// Timers and painting only: a click cannot start another command inside this one.
void QtToolHost::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool QtToolHost::Confirm(const tools::Confirmation& confirmation) {
    // A caption the command leaves empty is the window's caption at that moment.
    const std::string caption =
        confirmation.Caption.empty() ? ToCp(services_.Status.Caption()) : std::string(confirmation.Caption);
    if (!confirmation.HasHelp) return services_.Dialogs.AskOkCancel(caption, confirmation.Text);
    return services_.Dialogs.AskOkCancelHelp(caption, confirmation.Text,
                                             [&] { services_.ShowHelp(ToolHelpPlace(confirmation.Tool)); });
}

bool QtToolHost::AskRowReadAgain(std::string_view title, std::string_view text) {
    return services_.Dialogs.AskOkCancel(title, text);
}

void QtToolHost::BringToFront() {
    window_.raise();
    window_.activateWindow();
}

void QtToolHost::CloseReportDocuments() {
    services_.Documents.CloseReportDocuments(true);
}

settings::Settings& QtToolHost::Settings() {
    return services_.Settings;
}

}  // namespace tabulex::app
