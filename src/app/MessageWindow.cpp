#include "app/MessageWindow.h"

#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "report/MessageLog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <ctime>

namespace tabulex::app {
namespace {

constexpr int kCloseTickMs = 1000;
constexpr int kCountdown = 7;
constexpr qint64 kStackWithinMs = 6000;
constexpr int kShrinkStepMs = 15;
constexpr int kShrinkStep = 10;
constexpr int kShrunkHeight = 50;

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

QLabel* NavigationLabel(const QString& caption, const QString& name, const QString& hint) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setToolTip(hint);
    label->setCursor(Qt::PointingHandCursor);
    label->setContextMenuPolicy(Qt::NoContextMenu);  // the window's menu shows instead
    return label;
}

}  // namespace

MessageWindow::MessageWindow(QWidget* mainWindow, std::filesystem::path dataFolder)
    : QWidget(nullptr, Qt::Window), mainWindow_(mainWindow), logFile_(dataFolder / report::kMessageLogName) {
    setObjectName(QStringLiteral("fmMessage"));
    setWindowTitle(QStringLiteral("Сообщения"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette info = palette();
    info.setColor(QPalette::Window, info.color(QPalette::ToolTipBase));
    info.setColor(QPalette::Base, info.color(QPalette::ToolTipBase));
    info.setColor(QPalette::Text, info.color(QPalette::ToolTipText));
    setPalette(info);

    PreviousLabel = NavigationLabel(QStringLiteral("<< Назад"), QStringLiteral("lbPrev"),
                                    QStringLiteral("Предыдущее сообщение"));
    NextLabel = NavigationLabel(QStringLiteral("Дальше >>"), QStringLiteral("lbNext"),
                                QStringLiteral("Следующее сообщение"));
    SetLinkLook(PreviousLabel, true);
    SetLinkLook(NextLabel, false);
    PreviousLabel->installEventFilter(this);
    NextLabel->installEventFilter(this);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(137);
    MessageText = new QPlainTextEdit(QStringLiteral("Это сообщение"));
    MessageText->setObjectName(QStringLiteral("memMess"));
    MessageText->setReadOnly(true);
    // The memo holds the window open only when the user clicks into it to read or copy.
    MessageText->setFocusPolicy(Qt::ClickFocus);
    MessageText->setFrameShape(QFrame::NoFrame);
    MessageText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(PreviousLabel);
    navigation->addSpacing(12);
    navigation->addWidget(NextLabel);
    navigation->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 0, 0);
    layout->addLayout(navigation);
    layout->addWidget(line);
    layout->addWidget(MessageText, 1);
    resize(279, 235);

    AutoCloseAction = new QAction(QStringLiteral("Автозакрытие"), this);
    AutoCloseAction->setObjectName(QStringLiteral("pmAutoClose"));
    AutoCloseAction->setCheckable(true);
    AutoCloseAction->setChecked(true);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(AutoCloseAction);

    closeTimer_.setInterval(kCloseTickMs);
    connect(&closeTimer_, &QTimer::timeout, this, &MessageWindow::CloseTick);
    shrinkTimer_.setInterval(kShrinkStepMs);
    connect(&shrinkTimer_, &QTimer::timeout, this, &MessageWindow::Shrink);

    history_ = report::LoadMessageHistory(logFile_);
    cursor_ = static_cast<int>(history_.size()) - 1;
}

void MessageWindow::ShowMessageText(std::string_view text) {
    const std::string shown = report::WithCrLf(text);
    const bool stack = lastMessage_.isValid() && lastMessage_.elapsed() < kStackWithinMs;
    if (stack)
        MessageText->setPlainText(MessageText->toPlainText() + QStringLiteral("\n\n") + FromCp(shown));
    else
        MessageText->setPlainText(FromCp(shown));
    MessageText->moveCursor(QTextCursor::End);
    lastMessage_.start();
    shrinkTimer_.stop();
    if (heightBeforeShrink_ > 0) resize(width(), heightBeforeShrink_);
    heightBeforeShrink_ = 0;
    show();
    raise();
    PlaceBesideMainWindow();

    // A log that cannot be written costs the log line only: the message is on screen, and the
    // history and the closing go on as usual.
    const std::string line = report::MessageLogLine(shown, LocalNow());
    report::AppendMessageLog(logFile_, line);
    history_.push_back(line);
    countdown_ = kCountdown;
    closeTimer_.start();
}

QString MessageWindow::MemoText() const {
    return MessageText->toPlainText();
}

void MessageWindow::PlaceBesideMainWindow() {
    if (!mainWindow_) return;
    QList<QRect> workAreas;
    for (const QScreen* screen : QGuiApplication::screens()) workAreas << screen->availableGeometry();
    // Until the window manager has framed this window once, its frame is unknown and a move places
    // the inside of the window: the main window's frame stands in for it, so that the first
    // message sits level with the main window too.
    const QMargins known = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QMargins frame = known.isNull() && mainWindow_->windowHandle()
                               ? mainWindow_->windowHandle()->frameMargins()
                               : QMargins();
    const QSize size = frameGeometry().size().grownBy(frame);
    const QPoint place = MessageWindowPlace(mainWindow_->frameGeometry(), size, workAreas);
    move(place + QPoint(frame.left(), frame.top()));
}

void MessageWindow::ShowEntry(int index) {
    MessageText->setPlainText(FromCp(report::HistoryEntryText(history_[static_cast<std::size_t>(index)])));
}

void MessageWindow::SetLinkLook(QLabel* label, bool active) {
    QFont font = label->font();
    font.setUnderline(active);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, active ? palette.color(QPalette::Highlight) : QColor(Qt::gray));
    label->setPalette(palette);
}

void MessageWindow::ShowPrevious() {
    if (cursor_ < 1) {
        QApplication::beep();
        SetLinkLook(PreviousLabel, false);
    } else {
        ShowEntry(--cursor_);
    }
    SetLinkLook(NextLabel, true);
    countdown_ = kCountdown;
}

void MessageWindow::ShowNext() {
    if (cursor_ < static_cast<int>(history_.size()) - 1) {
        ShowEntry(++cursor_);
    } else {
        QApplication::beep();
        SetLinkLook(NextLabel, false);
    }
    SetLinkLook(PreviousLabel, true);
    countdown_ = kCountdown;
}

void MessageWindow::CloseTick() {
    if (MessageText->hasFocus() || !AutoCloseAction->isChecked()) return;
    if (countdown_ > 0) {
        --countdown_;
        return;
    }
    closeTimer_.stop();
    heightBeforeShrink_ = height();
    shrinkTimer_.start();
}

// The window visibly shrinks before it hides, then gets its height back for the next message.
void MessageWindow::Shrink() {
    const int before = height();
    if (before > kShrunkHeight) {
        resize(width(), std::max(kShrunkHeight, before - kShrinkStep));
        // The layout keeps a least height; below it the window hides at once.
        if (height() < before) return;
    }
    shrinkTimer_.stop();
    hide();
    resize(width(), heightBeforeShrink_);
    heightBeforeShrink_ = 0;
}

bool MessageWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == PreviousLabel) ShowPrevious();
        if (watched == NextLabel) ShowNext();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MessageWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) PlaceBesideMainWindow();
    QWidget::changeEvent(event);
}

void MessageWindow::closeEvent(QCloseEvent* event) {
    hide();
    event->ignore();
}

}  // namespace tabulex::app
