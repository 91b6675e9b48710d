#include "app/HelpWindow.h"

#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

// The topics are compiled into the window library; a static library's resources are registered by
// hand (outside any namespace, as Qt's macro requires).
static void RegisterHelpTopics() {
    Q_INIT_RESOURCE(help);
}

namespace tabulex::app {
namespace {

// Each opening starts from this size: the help beside a question may have been made narrower.
constexpr QSize kDefaultSize(640, 560);

QUrl TopicUrl(HelpTopic topic, const QString& anchor = {}) {
    QUrl url(QStringLiteral("qrc:/help/topic%1.html").arg(static_cast<int>(topic)));
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

QToolButton* NavigationButton(const QString& name, const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    RegisterHelpTopics();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Табулекс: справка"));
    Browser = new QTextBrowser;
    Browser->setOpenExternalLinks(true);
    BackButton = NavigationButton(QStringLiteral("HelpBack"), QStringLiteral("< &Назад"),
                                  QStringLiteral("Предыдущая страница (Alt+Влево)"));
    ForwardButton = NavigationButton(QStringLiteral("HelpForward"), QStringLiteral("&Вперёд >"),
                                     QStringLiteral("Следующая страница (Alt+Вправо)"));
    ContentsButton = NavigationButton(QStringLiteral("HelpContents"), QStringLiteral("&Содержание"),
                                      QStringLiteral("Первая страница справки (Alt+Home)"));
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);
    auto* navigation = new QHBoxLayout;
    navigation->setContentsMargins(4, 4, 4, 0);
    navigation->addWidget(BackButton);
    navigation->addWidget(ForwardButton);
    navigation->addWidget(ContentsButton);
    navigation->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(navigation);
    layout->addWidget(Browser);
    resize(kDefaultSize);

    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(ContentsButton, &QToolButton::clicked, this,
            [this] { Browser->setSource(TopicUrl(HelpTopic::Contents)); });
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this, Browser, &QTextBrowser::backward);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this, Browser, &QTextBrowser::forward);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Home), this, ContentsButton, &QToolButton::click);
}

void HelpWindow::ShowTopic(HelpTopic topic, const QWidget* over) {
    ShowPlace({topic, {}}, over);
}

void HelpWindow::ShowPlace(const HelpPlace& place, const QWidget* over) {
    Browser->setSource(TopicUrl(place.Topic, place.Anchor));
    if (!isVisible() && over && over->screen()) {
        const QRect area = over->screen()->availableGeometry();
        resize(kDefaultSize.boundedTo(area.size()));
        move(PlaceOnScreen(over->frameGeometry(), frameGeometry().size(), area));
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowPlaceBeside(const HelpPlace& place, const QWidget& window) {
    Browser->setSource(TopicUrl(place.Topic, place.Anchor));
    if (window.screen()) {
        QList<QRect> workAreas;
        for (const QScreen* screen : QGuiApplication::screens()) workAreas << screen->availableGeometry();
        const QRect area = window.screen()->availableGeometry();
        resize(kDefaultSize.boundedTo(area.size()));
        // Narrower rather than over the window, as long as the text stays readable.
        constexpr int kNarrowest = 360;
        const QRect beside = window.frameGeometry();
        const int room = std::max(area.right() - beside.right(), beside.left() - area.left());
        const int frame = frameGeometry().width() - width();
        if (room < frameGeometry().width() && room - frame >= kNarrowest) resize(room - frame, height());
        move(MessageWindowPlace(beside, frameGeometry().size(), workAreas));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace tabulex::app
