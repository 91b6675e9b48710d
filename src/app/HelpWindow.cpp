#include "app/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The topics are compiled into the window library; a static library's resources are registered by
// hand (outside any namespace, as Qt's macro requires).
static void RegisterHelpTopics() {
    Q_INIT_RESOURCE(help);
}

namespace tabulex::app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    RegisterHelpTopics();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Табулекс: справка"));
    Browser = new QTextBrowser;
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(640, 560);
}

void HelpWindow::ShowTopic(HelpTopic topic) {
    Browser->setSource(QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(static_cast<int>(topic))));
    show();
    raise();
    activateWindow();
}

}  // namespace tabulex::app
