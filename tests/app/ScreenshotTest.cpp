// Saves pictures of the windows to build/screenshots/ for a person to look at: the main window on
// both pages, idle and during a check, the message window and the report viewer. Also prints how
// long Прервать takes to stop a check of a 100 000-row inventory (a figure, not an assertion).

#include "AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/HelpWindow.h"
#include "app/MainPage.h"
#include "app/MessageWindow.h"
#include "app/ReportViewer.h"
#include "check/Messages.h"
#ifdef TABULEX_HAVE_GENERATOR
#include "InventoryGenerator.h"
#endif

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace tabulex;
using namespace tabulex::app;
using namespace tabulex::app::test;
using namespace tabulex::text::literals;

class ScreenshotTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    QDir out_{QStringLiteral(TABULEX_BINARY_DIR "/screenshots")};

    void Save(QWidget& widget, const char* name) {
        QCoreApplication::processEvents();
        QVERIFY(widget.grab().save(out_.filePath(QString::fromLatin1(name) + QStringLiteral(".png"))));
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QVERIFY(out_.mkpath(QStringLiteral(".")));
    }

    void windows() {
        TestApp app(folder_.path());
        MainWindow& window = *app.Window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Save(window, "main-idle-inventory");
        window.Pages->setCurrentIndex(1);
        Save(window, "main-idle-settings");
        window.Pages->setCurrentIndex(0);

        const QString sample = QStringLiteral(TABULEX_SOURCE_DIR "/examples/opis-sample.docx");
        window.InventoryTab()->SetFileName(sample);
        window.StartCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!window.CheckRunning(), 60000);
        window.ShowMessageText("Вы можете перетащить файл из Проводника Windows на окно программы."_cp);
        window.ShowMessageText("Файл не найден.\r\rПопробуйте выбрать файл еще раз."_cp);
        Save(window.Messages(), "message-window");

        window.findChild<QAction*>(QStringLiteral("pmOpenRep"))->trigger();
        ReportViewer& viewer = window.Viewer();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        Save(viewer, "report-viewer");
        viewer.ShowRowDetails(3);
        if (auto* details = viewer.findChild<QDialog*>(QStringLiteral("RowDetails")))
            Save(*details, "report-row");
    }

    void questionAndHelp() {
        TestApp app(folder_.path());
        MainWindow& window = *app.Window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtDialogs dialogs(&window);
        bool saved = false;
        QTimer::singleShot(300, this, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                Save(*box, "question-stop");
                saved = true;
                box->close();
            }
        });
        dialogs.AskOkCancel(check::msg::kAttentionTitle, check::msg::kStopQuestion);
        QVERIFY(saved);
        saved = false;
        QTimer::singleShot(300, this, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                Save(*box, "question-choose");
                saved = true;
                box->close();
            }
        });
        dialogs.AskYesNoCancel(msg::kChooseTitle, std::string(msg::kChooseCheck1) + "opis.docx" +
                                                      std::string(msg::kChooseCheck2));
        QVERIFY(saved);
        window.findChild<QAction*>(QStringLiteral("mmTopic"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&window.Help()));
        Save(window.Help(), "help");
    }

#ifdef TABULEX_HAVE_GENERATOR
    void runningAndStoppingALongCheck() {
        const std::string inventory =
            QDir(folder_.path()).filePath(QStringLiteral("opis-100000.docx")).toStdString();
        bench::WriteInventory(inventory, {.Rows = 100000, .Seed = 11});
        TestApp app(folder_.path());
        MainWindow& window = *app.Window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.InventoryTab()->SetFileName(QString::fromStdString(inventory));
        window.StartCheck();
        QTRY_VERIFY_WITH_TIMEOUT(window.windowTitle().startsWith(QStringLiteral("Проверка ")), 60000);
        Save(window, "main-running");
        qInfo("caption while running: %s", qPrintable(window.windowTitle()));
        QElapsedTimer stop;
        stop.start();
        window.StopButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.CheckRunning(), 60000);
        const auto& outcome = *window.Checks().LastOutcome();
        qInfo("Прервать: stopped at row %d of %d after %lld ms", outcome.StoppedAtRow, outcome.RowCount,
              static_cast<long long>(stop.elapsed()));
    }
#endif
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
