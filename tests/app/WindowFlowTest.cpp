// Which document the window works on, how a check ends, and the questions around them: the
// window driven in-process on the offscreen platform.

#include "AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/DocumentListMenu.h"
#include "app/DocumentSession.h"
#include "app/HelpWindow.h"
#include "app/MainPage.h"
#include "app/MessageWindow.h"
#include "app/PageWidgets.h"
#include "app/QtCheckHost.h"
#include "app/ReportViewer.h"
#include "ooxml/MinimalPackage.h"
#ifdef TABULEX_HAVE_GENERATOR
#include "InventoryGenerator.h"
#endif

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <cerrno>
#include <filesystem>
#include <fstream>

using namespace tabulex;
using namespace tabulex::app;
using namespace tabulex::app::test;

namespace {

const QString kSample = QStringLiteral(TABULEX_SOURCE_DIR "/examples/opis-sample.docx");

QAction* MenuItem(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

}  // namespace

class WindowFlowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::unique_ptr<TestApp> app_;
    MainWindow& Window() { return *app_->Window; }

    QString Copy(const QString& name) {
        const QString path = folder_.filePath(name);
        QFile::remove(path);
        if (!QFile::copy(kSample, path)) qFatal("cannot copy the sample");
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    void Restart() {
        app_.reset();
        app_ = std::make_unique<TestApp>(folder_.path());
        Window().show();
        Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
    }
    void WaitForCheck() {
        QTRY_VERIFY_WITH_TIMEOUT(!Window().CheckRunning(), 60000);
        Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
    }

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        std::filesystem::remove_all(FsPath(folder_.path()));
        std::filesystem::create_directories(FsPath(folder_.path()));
        Restart();
    }
    void cleanup() { app_.reset(); }

    void theActiveDocumentIsShownAndTheOpenOnesListed() {
        const QString first = Copy(QStringLiteral("первая.docx"));
        const QString second = Copy(QStringLiteral("вторая.docx"));
        MainPage& page = *Window().InventoryTab();
        QCOMPARE(page.ActiveDocumentLabel->text(), QStringLiteral("Открытых документов нет"));
        page.SetFileName(QStringLiteral("/elsewhere/other.docx"));
        app_->Dialogs.Files = {first, second};
        MenuItem(Window(), "mmOpen")->trigger();
        MenuItem(Window(), "mmOpen")->trigger();

        // The choice, the path field, the page, the caption and the menu all name the second.
        QVERIFY(page.OpenDocumentChoice->isChecked());
        QCOMPARE(page.FileNameEdit->text(), AsShown(second));
        QVERIFY(page.ActiveDocumentLabel->text().startsWith(
            QStringLiteral("Открыт: вторая.docx (всего открыто: 2)")));
        QCOMPARE(Window().windowTitle(), QStringLiteral("Табулекс 2.32 — вторая.docx"));
        const QList<QAction*>& items = Window().DocumentList().Items();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("&1 первая.docx"));
        QVERIFY(!items[0]->isChecked() && items[1]->isChecked());
        QCOMPARE(items[1]->toolTip(), AsShown(second));

        items[0]->trigger();
        QVERIFY(page.ActiveDocumentLabel->text().startsWith(QStringLiteral("Открыт: первая.docx")));
        QCOMPARE(page.FileNameEdit->text(), AsShown(first));
        QVERIFY(Window().DocumentList().Items()[0]->isChecked());
        QCOMPARE(Window().windowTitle(), QStringLiteral("Табулекс 2.32 — первая.docx"));

        // The other file keeps its own path; typing makes a new one.
        page.NamedFileChoice->setChecked(true);
        QCOMPARE(page.FileNameEdit->text(),
                 QDir::toNativeSeparators(QStringLiteral("/elsewhere/other.docx")));
        page.OpenDocumentChoice->setChecked(true);
        QTest::keyClicks(page.FileNameEdit, QStringLiteral("x"));
        QVERIFY(page.NamedFileChoice->isChecked());
        QCOMPARE(page.FileName(), AsShown(first) + QStringLiteral("x"));

        // A check works on the active document.
        page.OpenDocumentChoice->setChecked(true);
        Window().StartCheck();
        WaitForCheck();
        QCOMPARE(Window().Checks().LastCheck()->Outcome.DocumentName, text::Utf8ToCp1251("первая.docx"));
    }

    // An inventory whose table a stray paragraph split: the check reads the longer part and the
    // window says which table it left out.
    void aTableTheCheckLeftOutIsTold() {
        auto row = [](const std::string& number, const std::string& title) {
            std::string xml = "<w:tr>";
            for (const std::string& cell :
                 {number, title, std::string("1950"), std::string("1"), std::string()})
                xml += "<w:tc><w:p><w:r><w:t>" + cell + "</w:t></w:r></w:p></w:tc>";
            return xml + "</w:tr>";
        };
        std::string grid = "<w:tblGrid>";
        for (int column = 0; column < 5; ++column) grid += "<w:gridCol/>";
        grid += "</w:tblGrid>";
        const std::string body = "<w:tbl>" + grid + row("1", "Приказы") + row("2", "Сметы") +
                                 row("3", "Отчёты") + "</w:tbl><w:p><w:r><w:t>Продолжение</w:t></w:r></w:p>" +
                                 "<w:tbl>" + grid + row("4", "Штаты") + row("5", "Переписка") +
                                 "</w:tbl><w:p/>";
        const QString path = folder_.filePath(QStringLiteral("разорванная.docx"));
        std::ofstream(FsPath(path), std::ios::binary)
            << ooxml::BuildDocxBytes({ooxml::WrapBody(body), ooxml::DefaultStylesXml(), {}});
        Window().InventoryTab()->SetFileName(path);
        Window().StartCheck();
        WaitForCheck();
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
        QVERIFY2(Window().Messages().MemoText().contains(
                     QStringLiteral("Внимание: таблица 2 не проверена, а в ней 2 строк(и) дел и столько же "
                                    "столбцов, сколько в проверенной таблице 1")),
                 qPrintable(Window().Messages().MemoText()));
    }

    void theEndOfEveryCheckIsToldAndAReportThatCannotBeOpenedToo() {
        app_->Shell.Succeeds = false;  // no program for documents on this desktop
        Window().InventoryTab()->SetFileName(Copy(QStringLiteral("opis.docx")));
        Window().StartCheck();
        WaitForCheck();
        const QString report = folder_.filePath(QStringLiteral("Tabulex_Report.docx"));
        const QString told = Window().Messages().MemoText();
        QVERIFY(told.contains(QStringLiteral("Отчёт: ") +
                              AsShown(folder_.filePath(QStringLiteral("Tabulex_Report.txt")))));
        QVERIFY(told.contains(QStringLiteral("Не удалось открыть отчёт ") + AsShown(report)));
        QVERIFY(told.contains(QStringLiteral("Файл | Открыть отчёт (Ctrl+R)")));
        QVERIFY(Window().windowTitle().startsWith(QStringLiteral("Ошибок: ")));

        // The report is one key away, and one button.
        QVERIFY(Window().ReportButton->isVisible());
        QTest::keySequence(&Window(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QVERIFY(Window().Viewer().isVisible());
        Window().Viewer().close();
        QTest::mouseClick(Window().ReportButton, Qt::LeftButton);
        QVERIFY(Window().Viewer().isVisible());
    }

    // Paths are kept whole whatever their characters, Cyrillic or outside Windows-1251.
    void pathsOfAnyCharactersSurviveARestart_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Cyrillic") << QStringLiteral("опись фонда 12.docx");
        QTest::newRow("outside 1251") << QStringLiteral("Қазақ опись 中.docx");
    }

    void pathsOfAnyCharactersSurviveARestart() {
        QFETCH(QString, name);
        const QString path = Copy(name);
        Window().InventoryTab()->SetFileName(path);
        Window().StartCheck();
        WaitForCheck();
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
        QVERIFY(Window().close());
        Restart();
        QCOMPARE(Window().InventoryTab()->FileName(), QDir::toNativeSeparators(path));
        Window().InventoryTab()->SetChoice(FileChoice::Last);
        QCOMPARE(Window().InventoryTab()->FileNameEdit->text(), AsShown(path));
        MenuItem(Window(), "mmClose")->trigger();
        Window().StartCheck();
        WaitForCheck();
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
        QCOMPARE(QString::fromStdString(Window().Documents().Active()->FullName()),
                 QDir::toNativeSeparators(path));
    }

    void aMissingLastFileIsLookedForWhereItWasChecked() {
        const QString gone = folder_.filePath(QStringLiteral("архив/опись-7.docx"));
        app_->Settings().WriteString("Main", "LastFile", text::Utf8ToCp1251("опись-7.docx"));
        app_->Settings().WriteUtf8("Main", "LastFilePath", gone.toStdString());
        Restart();
        Window().InventoryTab()->SetChoice(FileChoice::Last);
        QCOMPARE(Window().InventoryTab()->FileNameEdit->text(), AsShown(gone));
        Window().StartCheck();
        QVERIFY(
            Window().Messages().MemoText().startsWith(AsShown(gone) + QStringLiteral("\n\nФайл не найден.")));
        MenuItem(Window(), "mmOpenLast")->trigger();
        QVERIFY(Window().Messages().MemoText().endsWith(QStringLiteral("Файл \"") + AsShown(gone) +
                                                        QStringLiteral("\" не найден.")));
    }

    void anUnwritableReportFolderIsNamedWithTheReason() {
        QtCheckHost host(app_->Settings(), app_->Dialogs, Window().Documents(), nullptr);
        const QString text =
            Shown(host.ReportUnavailableText(text::PathFromUtf8("/srv/отчёты/Tabulex_Report.txt"), EACCES));
        QVERIFY2(text.startsWith(
                     QStringLiteral("Не удаётся записать отчёт в папку /srv/отчёты: нет прав на запись.")),
                 qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Закройте файл отчёта")));
    }

    void cancelInTheChangedOnDiskQuestionCancelsTheCheck() {
        const QString copy = Copy(QStringLiteral("изменённая.docx"));
        Window().InventoryTab()->SetFileName(copy);
        Window().StartCheck();
        WaitForCheck();
        QTest::keyPress(&Window(), Qt::Key_Shift, Qt::ShiftModifier);
        MenuItem(Window(), "mmNum")->trigger();  // unsaved changes here
        QTest::keyRelease(&Window(), Qt::Key_Shift, Qt::NoModifier);
        const auto later = std::filesystem::last_write_time(FsPath(copy)) + std::chrono::seconds(5);
        std::filesystem::last_write_time(FsPath(copy), later);  // and another program saved the file

        const auto before = Window().Checks().LastCheck()->Outcome.Counts.ErrorCount;
        app_->Dialogs.YesNoAnswers = {Answer::Cancel};
        Window().StartCheck();
        QCOMPARE(app_->Dialogs.Titles().last(), QStringLiteral("Файл изменён"));
        QVERIFY(app_->Dialogs.Questions.back().Text.endsWith(QStringLiteral("Отмена - ничего не делать")));
        QVERIFY(!Window().CheckRunning());
        QCOMPARE(Window().windowTitle(), QStringLiteral("Проверка прервана."));
        QCOMPARE(Window().Checks().LastCheck()->Outcome.Counts.ErrorCount, before);
        QVERIFY(!Window().Documents().Active()->Saved());
    }

    void helpGoesBackToItsFirstTopicAndClosesWithEsc() {
        QTest::keyClick(&Window(), Qt::Key_F1);
        HelpWindow& help = Window().Help();
        QVERIFY(help.isVisible());
        MenuItem(Window(), "mmWhatsNew")->trigger();
        QVERIFY(help.Browser->source().toString().endsWith(QStringLiteral("topic40.html")));
        QVERIFY(help.BackButton->isEnabled());
        QTest::mouseClick(help.ContentsButton, Qt::LeftButton);
        QVERIFY(help.Browser->source().toString().endsWith(QStringLiteral("topic10.html")));
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }

    void theMainWindowHasOneSize() {
        QCOMPARE(Window().minimumSize(), Window().maximumSize());
        QVERIFY(!(Window().windowFlags() & Qt::WindowMaximizeButtonHint));
    }

#ifdef TABULEX_HAVE_GENERATOR
    void closingDuringACheckAsksFirst() {
        const std::string inventory = folder_.filePath(QStringLiteral("long.docx")).toStdString();
        bench::WriteInventory(inventory, {.Rows = 20000, .Seed = 5});
        Window().InventoryTab()->SetFileName(QString::fromStdString(inventory));
        Window().StartCheck();
        QVERIFY(Window().Checks().Running());
        app_->Dialogs.OkAnswers = {false};
        QVERIFY(!Window().close());
        QCOMPARE(app_->Dialogs.Titles(), QStringList{QStringLiteral("Выход из программы")});
        QVERIFY(Window().Checks().Running());
        QVERIFY(Window().close());  // OK: stops and closes
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Stopped);
    }

    void openingALargeInventoryKeepsTheWindowAliveAndStops() {
        const std::string inventory = folder_.filePath(QStringLiteral("large.docx")).toStdString();
        bench::WriteInventory(inventory, {.Rows = 60000, .Seed = 7});
        bool seenRunning = false;
        QTimer::singleShot(0, this, [&] {
            // Inside the opening: the window paints, says what happens, and Прервать works.
            seenRunning = Window().CheckRunning() && Window().StopButton->isVisible() &&
                          Window().windowTitle() == QStringLiteral("Открытие документа...");
            QTest::mouseClick(Window().StopButton, Qt::LeftButton);
        });
        app_->Dialogs.Files = {QString::fromStdString(inventory)};
        MenuItem(Window(), "mmOpen")->trigger();
        QVERIFY(seenRunning);
        QCOMPARE(Window().Documents().Count(), 0);
        QCOMPARE(Window().windowTitle(), QStringLiteral("Открытие документа прервано."));
        QVERIFY(Window().StartButton->isEnabled());
    }
#endif
};

QTEST_MAIN(WindowFlowTest)
#include "WindowFlowTest.moc"
