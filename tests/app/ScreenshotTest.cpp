// Saves pictures of the windows to build/screenshots/ for a person to look at, under a window
// manager where one runs: the main window on both pages, idle, during a check and after it, at the
// right edge of the screen with its message window, the open documents in the Файл menu, the
// report viewer on a 70 000-line report at its default size, the questions and the help. Also
// prints how long Прервать takes to stop a check of a 100 000-row inventory (a figure, not an
// assertion).

#include "../support/Wine.h"
#include "AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/HelpWindow.h"
#include "app/MainPage.h"
#include "app/MessageWindow.h"
#include "app/ReportViewer.h"
#include "check/Messages.h"
#include "tools/ToolCatalog.h"
#ifdef TABULEX_HAVE_GENERATOR
#include "InventoryGenerator.h"
#endif

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace tabulex;
using namespace tabulex::app;
using namespace tabulex::app::test;
using namespace tabulex::text::literals;

namespace {

const QString kSample = QStringLiteral(TABULEX_SOURCE_DIR "/examples/opis-sample.docx");

// A report of `lines` problem rows, as a long check of a careless inventory gives.
check::CheckOutcome LongReport(int lines) {
    check::CheckOutcome outcome;
    outcome.End = check::CheckEnd::Completed;
    outcome.DocumentName = "опись-фонда-12.docx"_cp;
    outcome.Counts.ErrorCount = lines / 2;
    outcome.Counts.WarningCount = lines / 3;
    outcome.Counts.HintCount = lines / 4;
    outcome.CertificationLine = "В данную опись занесено 70000 (семьдесят тысяч) дел с № 1 по № 70000"_cp;
    const char* const titles[] = {
        "Приказы директора по основной деятельности",
        "Переписка с Министерством тяжёлого машиностроения СССР по кадровым вопросам и о выполнении плана",
        "Протоколы заседаний профсоюзного комитета и документы к ним",
    };
    const char* const problems[] = {
        "Дата неверная \"Кол-во дней в месяце меньше; \"; ",
        "Название: нет точки в конце; Название: двойной пробел; Кол-во указано неверно \"3+12 стр.\"; ",
        "Номер дела ожидался 15; Название: кавычки \"ёлочки\" не закрыты; Даты: год из двух цифр; ",
    };
    // The summary as the report has it: the first table checked, its rows and case numbers.
    outcome.Summary.CheckedTable = 1;
    outcome.Summary.Counts = outcome.Counts;
    outcome.Summary.DataRows = lines;
    outcome.Summary.FirstNumber = "1";
    outcome.Summary.LastNumber = std::to_string(lines);
    for (int k = 0; k < lines; ++k) {
        check::ProblemRow row;
        row.TableRow = k + 3;
        row.Cells = {std::to_string(k + 1), text::Utf8ToCp1251(titles[k % 3]), "12.05.1945-31.12.1951",
                     std::to_string(10 + k % 90), ""};
        row.Problems = text::Utf8ToCp1251(problems[k % 3]);
        row.Findings.push_back({rules::ProblemClass::Error, row.Problems, check::CellRole::Title});
        outcome.ProblemRows.push_back(std::move(row));
    }
    return outcome;
}

}  // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    QDir out_{QStringLiteral(TABULEX_BINARY_DIR "/screenshots")};

    void Save(QWidget& widget, const char* name) {
        QTest::qWait(200);
        QVERIFY(widget.grab().save(out_.filePath(QString::fromLatin1(name) + QStringLiteral(".png"))));
    }
    // What the user sees: the screen with the window manager's frames, around `area`.
    void SaveScreen(const QRect& area, const char* name) {
        QTest::qWait(400);
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect shown = area.isNull() ? screen->geometry() : area.intersected(screen->geometry());
        const QPixmap picture = screen->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height());
        QVERIFY(picture.save(out_.filePath(QString::fromLatin1(name) + QStringLiteral(".png"))));
    }
    static QRect Around(const QWidget& window, int margin = 24) {
        return window.frameGeometry().adjusted(-margin, -margin, margin, margin);
    }
    void Show(QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QVERIFY(out_.mkpath(QStringLiteral(".")));
        qInfo("platform: %s", qPrintable(QGuiApplication::platformName()));
    }

    void pagesAndAFinishedCheck() {
        TestApp app(folder_.path());
        MainWindow& window = *app.Window;
        Show(window);
        // One size: asking the window manager to maximise it changes nothing.
        const QSize before = window.frameGeometry().size();
        window.showMaximized();
        QTest::qWait(400);
        qInfo("maximised: %dx%d, before %dx%d", window.frameGeometry().width(),
              window.frameGeometry().height(), before.width(), before.height());
        QCOMPARE(window.frameGeometry().size(), before);
        window.showNormal();
        QTest::qWait(200);
        Save(window, "main-idle-inventory");
        window.Pages->setCurrentIndex(1);
        Save(window, "main-idle-settings");
        window.Pages->setCurrentIndex(0);

        window.InventoryTab()->SetFileName(kSample);
        window.StartCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!window.CheckRunning(), 60000);
        SaveScreen(
            window.frameGeometry().united(window.Messages().frameGeometry()).adjusted(-24, -24, 24, 24),
            "main-after-check");

        window.findChild<QAction*>(QStringLiteral("pmOpenRep"))->trigger();
        ReportViewer& viewer = window.Viewer();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        Save(viewer, "report-viewer-sample");
        viewer.ShowRowDetails(3);
        if (auto* details = viewer.findChild<QDialog*>(QStringLiteral("RowDetails")))
            Save(*details, "report-row");
    }

    void messagesBesideAWindowAtTheRightEdge() {
        QTemporaryDir fresh;  // no saved position to go back to
        TestApp app(fresh.path());
        MainWindow& window = *app.Window;
        Show(window);
        const QRect area = window.screen()->availableGeometry();
        window.move(area.right() - window.frameGeometry().width() + 1, area.top() + 120);
        QTest::qWait(300);
        window.ShowMessageText("Вы можете перетащить файл из файлового менеджера на окно программы."_cp);
        window.ShowMessageText("Файл не найден.\r\rПопробуйте выбрать файл еще раз."_cp);
        QVERIFY(QTest::qWaitForWindowExposed(&window.Messages()));
        QTest::qWait(300);
        const QRect messages = window.Messages().frameGeometry();
        qInfo("main window %d,%d %dx%d; message window %d,%d %dx%d; screen %dx%d", window.frameGeometry().x(),
              window.frameGeometry().y(), window.frameGeometry().width(), window.frameGeometry().height(),
              messages.x(), messages.y(), messages.width(), messages.height(), area.width(), area.height());
        QVERIFY(area.contains(messages));
        QCOMPARE(messages.top(), window.frameGeometry().top());
        // Wine leaves activation to the window manager, which activates each window it maps.
        if (!tabulex::testing::RunningUnderWine())
            QVERIFY(QApplication::activeWindow() != &window.Messages());
        SaveScreen({}, "main-at-right-edge-with-messages");
    }

    void openDocumentsInTheFileMenu() {
        TestApp app(folder_.path());
        MainWindow& window = *app.Window;
        Show(window);
        for (const char* name : {"опись-1.docx", "опись-2.docx", "опись-3.docx"}) {
            const QString copy = folder_.filePath(QString::fromUtf8(name));
            QFile::remove(copy);
            QVERIFY(QFile::copy(kSample, copy));
            app.Dialogs.Files.push_back(copy);
            window.findChild<QAction*>(QStringLiteral("mmOpen"))->trigger();
        }
        QMenu* file = window.Menu().FileMenu;
        QTimer::singleShot(600, this, [&] {
            SaveScreen(Around(window, 0).united(file->geometry()).adjusted(-8, -8, 8, 8),
                       "file-menu-open-documents");
            file->close();
        });
        window.menuBar()->setActiveAction(file->menuAction());
        QTRY_VERIFY_WITH_TIMEOUT(!file->isVisible(), 5000);
        SaveScreen(Around(window), "main-with-active-document");
    }

    void reportViewerOnALongReport() {
        ReportViewer viewer;
        const check::CheckOutcome outcome = LongReport(70000);
        QElapsedTimer shown;
        shown.start();
        viewer.ShowOutcome(outcome);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        qInfo("70000 lines shown in %lld ms", static_cast<long long>(shown.elapsed()));
        SaveScreen(Around(viewer), "report-viewer-70000");
        viewer.ShowRowDetails(1);
        if (auto* details = viewer.findChild<QDialog*>(QStringLiteral("RowDetails")))
            SaveScreen(Around(*details), "report-row-long");
    }

    void questionAndHelp() {
        TestApp app(folder_.path());
        MainWindow& window = *app.Window;
        Show(window);
        QtDialogs dialogs(&window);
        bool saved = false;
        QTimer::singleShot(500, this, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                Save(*box, "question-stop");
                saved = true;
                box->close();
            }
        });
        dialogs.AskOkCancel(check::msg::kAttentionTitle, check::msg::kStopQuestion);
        QVERIFY(saved);
        saved = false;
        QTimer::singleShot(500, this, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                Save(*box, "question-choose");
                saved = true;
                box->close();
            }
        });
        dialogs.AskYesNoCancel(msg::kChooseTitle, std::string(msg::kChooseCheck1) + "opis.docx" +
                                                      std::string(msg::kChooseCheck2));
        QVERIFY(saved);

        // A repair's question: Справка opens the command's help beside it and the question is asked
        // again, the help readable while it waits.
        const auto pressInQuestion = [](const QString& caption) {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return QRect();
            const QRect where = box->frameGeometry();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == caption) button->click();
            return where;
        };
        QRect question;
        QTimer::singleShot(500, this, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) Save(*box, "question-repair");
            question = pressInQuestion(QStringLiteral("Справка"));
        });
        bool helpOpen = false;
        const tools::CommandTexts& numbering = tools::FindTool(tools::Tool::NumberCases)->Texts;
        const bool answer = dialogs.AskOkCancelHelp(numbering.ConfirmCaption, numbering.ConfirmText, [&] {
            window.Help().ShowPlaceBeside(ToolHelpPlace(tools::Tool::NumberCases), window);
            QTimer::singleShot(800, this, [&] {
                helpOpen = window.Help().isVisible();
                SaveScreen(question.united(window.frameGeometry())
                               .united(window.Help().frameGeometry())
                               .adjusted(-24, -24, 24, 24),
                           "question-repair-help");
                pressInQuestion(QStringLiteral("Отмена"));
            });
        });
        QVERIFY(!answer);
        QVERIFY(helpOpen);
        window.Help().close();
        window.findChild<QAction*>(QStringLiteral("mmTopic"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&window.Help()));
        SaveScreen(Around(window.Help()), "help");
    }

#ifdef TABULEX_HAVE_GENERATOR
    void runningAndStoppingALongCheck() {
        const std::string inventory =
            QDir(folder_.path()).filePath(QStringLiteral("opis-100000.docx")).toStdString();
        bench::WriteInventory(inventory, {.Rows = 100000, .Seed = 11});
        TestApp app(folder_.path());
        MainWindow& window = *app.Window;
        Show(window);
        window.InventoryTab()->SetFileName(QString::fromStdString(inventory));
        QTimer::singleShot(150, this, [&] { SaveScreen(Around(window), "main-opening"); });
        window.StartCheck();
        QTRY_VERIFY_WITH_TIMEOUT(window.windowTitle().startsWith(QStringLiteral("Проверка ")), 60000);
        qInfo("caption while running: %s", qPrintable(window.windowTitle()));
        Save(window, "main-running");  // at once: a check of 100 000 rows takes a few seconds
        QElapsedTimer stop;
        stop.start();
        window.StopButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.CheckRunning(), 60000);
        const auto& outcome = window.Checks().LastCheck()->Outcome;
        qInfo("Прервать: %s at row %d of %d after %lld ms",
              outcome.End == check::CheckEnd::Stopped ? "stopped" : "not stopped (the check had ended)",
              outcome.StoppedAtRow, outcome.RowCount, static_cast<long long>(stop.elapsed()));
        SaveScreen(Around(window), "main-stopped");
    }
#endif
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
