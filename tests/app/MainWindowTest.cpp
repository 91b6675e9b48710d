// The window driven as a user drives it: Qt Test on the offscreen platform.

#include "AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/DocumentSession.h"
#include "app/HelpWindow.h"
#include "app/MainPage.h"
#include "app/MessageWindow.h"
#include "app/ProblemTableModel.h"
#include "app/QtText.h"
#include "app/ReleaseReminder.h"
#include "app/ReportViewer.h"
#include "app/SettingsPage.h"
#include "app/StartUp.h"
#include "app/StatusCaption.h"
#include "app/VersionInfo.h"
#include "app/WindowPlacement.h"
#include "check/Messages.h"
#include "ooxml/Package.h"
#include "report/MessageLog.h"
#include "report/ReportFolder.h"
#ifdef TABULEX_HAVE_GENERATOR
#include "InventoryGenerator.h"
#endif

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>
#include <fstream>

using namespace tabulex;
using namespace tabulex::app;
using namespace tabulex::app::test;
using namespace tabulex::text::literals;

namespace {

const QString kSample = QStringLiteral(TABULEX_SOURCE_DIR "/examples/opis-sample.docx");

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Also gives the main window back the keyboard: the offscreen platform activates the message
// window that a finished check shows, which a window manager does not.
void WaitForCheck(MainWindow& window) {
    QTRY_VERIFY_WITH_TIMEOUT(!window.CheckRunning(), 60000);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QAction* MenuItem(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::unique_ptr<TestApp> app_;
    MainWindow& Window() { return *app_->Window; }

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        std::filesystem::remove_all(FsPath(folder_.path()));
        std::filesystem::create_directories(FsPath(folder_.path()));
        app_ = std::make_unique<TestApp>(folder_.path());
        Window().show();
        Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
    }
    void cleanup() { app_.reset(); }

    void startsIdleWithTheVisiblePagesAndDefaults() {
        MainWindow& window = Window();
        QCOMPARE(window.windowTitle(), QStringLiteral("Табулекс 2.32 [05.03.2008]"));
        QCOMPARE(window.Pages->count(), 2);
        QCOMPARE(window.Pages->tabText(0), QStringLiteral("&Опись"));
        QCOMPARE(window.Pages->tabText(1), QStringLiteral("&Настройки"));
        QCOMPARE(window.Pages->currentIndex(), 0);
        MainPage& page = *window.InventoryTab();
        QVERIFY(page.OpenDocumentChoice->isChecked());
        QVERIFY(!page.LastFileChoice->isEnabled());
        QVERIFY(page.ShowErrorsBox->isChecked());
        QVERIFY(page.ShowWarningsBox->isChecked());
        QVERIFY(page.ShowHintsBox->isChecked());
        QVERIFY(!window.SettingsTab()->CloseReportOnExitBox->isChecked());
        QVERIFY(window.SettingsTab()->CloseReportBeforeCheckBox->isChecked());
        QVERIFY(window.ExitButton->isVisible());
        QVERIFY(!window.StopButton->isVisible());
        QCOMPARE(window.findChild<QGroupBox*>(QStringLiteral("gbSelectFile"))->title(),
                 QStringLiteral(" &Выберите файл "));
        QCOMPARE(page.BrowseButton->toolTip(),
                 QStringLiteral("Выбрать файл описи (Ctrl+O)\nНажмите правую кнопку мыши для опций"));
        QCOMPARE(MenuItem(window, "mmStart")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(MenuItem(window, "mmOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(MenuItem(window, "mmClose")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
        QCOMPARE(MenuItem(window, "mmSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(MenuItem(window, "mmTopic")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void controlsReactAsTheyShould() {
        MainPage& page = *Window().InventoryTab();
        QTest::keyClicks(page.FileNameEdit, QStringLiteral("x"));
        QVERIFY(page.NamedFileChoice->isChecked());
        SettingsPage& more = *Window().SettingsTab();
        Window().Pages->setCurrentWidget(&more);
        QVERIFY(more.AutoColumnsChoice->isChecked());
        more.SkipColumnsEdit->setText(QStringLiteral("2,3"));
        QVERIFY(more.SkipColumnsChoice->isChecked());
        QTest::mouseClick(more.ReportTableBox, Qt::LeftButton);
        QVERIFY(!more.ReportTableBox->isChecked());
        QVERIFY(!more.ReportAutosizeBox->isEnabled());
        QTest::mouseClick(more.ReportTableBox, Qt::LeftButton);
        QVERIFY(more.ReportAutosizeBox->isEnabled());
        QVERIFY(!more.YearMarkBox->isEnabled());  // the date style group is not read yet
    }

    void statusTextGivesWayToTheNameAfterItsCountdown() {
        StatusCaption& status = Window().Status();
        status.ShowStatus(QStringLiteral("Первый"));
        for (int tick = 0; tick < 3; ++tick) status.Tick();
        status.ShowStatus(QStringLiteral("Второй"));  // restarts the countdown
        for (int tick = 0; tick < 6; ++tick) status.Tick();
        QCOMPARE(Window().windowTitle(), QStringLiteral("Второй"));
        status.Tick();
        QCOMPARE(Window().windowTitle(), QStringLiteral("Табулекс 2.32"));
        QCOMPARE(status.ApplicationTitle(), QStringLiteral("Табулекс 2.32"));
    }

    void placeholderCommandsSayInDevelopment() {
        for (const char* name : {"N13", "N8", "N15"}) {
            Window().setWindowTitle(QString());
            MenuItem(Window(), name)->trigger();
            QCOMPARE(Window().windowTitle(), QStringLiteral("В разработке."));
        }
    }

    void fileCommandsWithoutAFileSayWhatIsMissing() {
        MenuItem(Window(), "N3")->trigger();
        QCOMPARE(Window().windowTitle(), QStringLiteral("Укажите файл."));
        MenuItem(Window(), "mmOpenLast")->trigger();
        QCOMPARE(Window().windowTitle(), QStringLiteral("Файл еще не проверялись."));
        Window().InventoryTab()->SetFileName(folder_.filePath(QStringLiteral("нет такого.docx")));
        MenuItem(Window(), "N3")->trigger();
        QCOMPARE(Window().windowTitle(), QStringLiteral("Файл не найден."));
    }

    void browseFillsTheFileAndTellsAboutDragging() {
        app_->Dialogs.Files.push_back(kSample);
        QTest::mouseClick(Window().InventoryTab()->BrowseButton, Qt::LeftButton);
        QCOMPARE(Window().InventoryTab()->FileName(), QDir::toNativeSeparators(kSample));
        QVERIFY(Window().InventoryTab()->NamedFileChoice->isChecked());
        QVERIFY(Window().Messages().isVisible());
        QCOMPARE(Window().Messages().MemoText(), Shown(msg::kDragHint));
    }

    void droppingFilesTakesTheFirstOnly() {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.docx")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/b.docx")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/c.docx"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(), &drop);
        QCOMPARE(Window().InventoryTab()->FileName(),
                 QDir::toNativeSeparators(QStringLiteral("/tmp/a.docx")));
        QVERIFY(Window().InventoryTab()->NamedFileChoice->isChecked());
    }

    void nothingOpenAsksWhatToCheck() {
        QTest::mouseClick(Window().StartButton, Qt::LeftButton);  // no answer: Cancel
        QCOMPARE(app_->Dialogs.Titles(), QStringList{QStringLiteral("Выбрать файл описи?")});
        QVERIFY(app_->Dialogs.Questions[0].Text.endsWith(QStringLiteral("Отмена - ничего не проверять")));
        QCOMPARE(Window().windowTitle(), QStringLiteral("Проверка прервана."));
        QVERIFY(!Window().CheckRunning());

        // Yes, then a file from the dialog: it is checked.
        app_->Dialogs.YesNoAnswers.push_back(Answer::Yes);
        app_->Dialogs.Files.push_back(kSample);
        QTest::keyClick(&Window(), Qt::Key_F9);
        WaitForCheck(Window());
        QVERIFY(Window().Checks().LastCheck().has_value());
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
    }

    void checkOfTheChosenFileWritesTheReportAndRemembersTheFile() {
        Window().InventoryTab()->SetFileName(kSample);
        QTest::keyClick(&Window(), Qt::Key_Return);
        WaitForCheck(Window());
        QVERIFY(Window().Checks().LastCheck().has_value());
        const auto& outcome = Window().Checks().LastCheck()->Outcome;
        QCOMPARE(outcome.End, check::CheckEnd::Completed);
        QVERIFY(!outcome.ProblemRows.empty());
        QVERIFY(std::filesystem::exists(FsPath(folder_.path()) / "Tabulex_Report.txt"));
        QCOMPARE(app_->Shell.Opened.size(), std::size_t{1});
        QVERIFY(app_->Shell.Opened[0].toLocalFile().endsWith(QStringLiteral("Tabulex_Report.docx")));
        // The outcome stays in the caption and is told in the message window.
        QVERIFY(Window().windowTitle().startsWith(QStringLiteral("Ошибок: ")));
        const QString told = Window().Messages().MemoText();
        QVERIFY(told.startsWith(QStringLiteral("Проверка описи opis-sample.docx завершена.")));
        QVERIFY(told.contains(QStringLiteral("В данную опись занесено")));
        QVERIFY(told.contains(QStringLiteral("Отчёт: ") +
                              AsShown(folder_.filePath(QStringLiteral("Tabulex_Report.txt")))));
        QVERIFY(Window().ReportButton->isVisible());
        MainPage& page = *Window().InventoryTab();
        QVERIFY(page.LastFileChoice->isEnabled());
        QCOMPARE(page.LastFileChoice->toolTip(), QStringLiteral("Проверить файл \"opis-sample.docx\""));
        QVERIFY(Window().StartButton->isEnabled());
        QVERIFY(Window().ExitButton->isVisible());
        QVERIFY(!Window().StopButton->isVisible());

        // The last file is found again where it was checked.
        page.SetChoice(FileChoice::Last);
        QVERIFY(page.LastFileChoice->isChecked());
        MenuItem(Window(), "mmClose")->trigger();
        QTest::mouseDClick(page.LastFileChoice, Qt::LeftButton);
        WaitForCheck(Window());
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
        QCOMPARE(Window().Checks().LastCheck()->Outcome.DocumentName, std::string("opis-sample.docx"));
    }

    void aReportFolderInUseIsRefusedBeforeTheDocumentIsRead() {
        const std::filesystem::path folder = FsPath(folder_.path());
        Window().InventoryTab()->SetFileName(kSample);
        {
            const report::ReportFolderLock otherCheck(folder);
            QCOMPARE(otherCheck.Status(), report::ReportFolderLock::State::Held);
            QTest::keyClick(&Window(), Qt::Key_Return);
            QVERIFY(!Window().CheckRunning());
            QCOMPARE(Window().Documents().Count(), 0);  // refused before the document was opened
            QVERIFY(!Window().Checks().LastCheck().has_value());
            QVERIFY(!std::filesystem::exists(folder / "Tabulex_Report.txt"));
            QCOMPARE(Window().Messages().MemoText(), FromCp(report::FolderBusyText(folder)));
        }
        // Once the other check is over, the folder is the window's, and free again after its check.
        QTest::keyClick(&Window(), Qt::Key_Return);
        WaitForCheck(Window());
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
        QCOMPARE(report::ReportFolderLock(folder).Status(), report::ReportFolderLock::State::Held);
    }

    void annotatedCopyIsWrittenBesideTheReportWhenAskedFor() {
        const std::filesystem::path folder = FsPath(folder_.path());
        const std::filesystem::path copy = folder / text::PathFromUtf8("opis-sample-примечания.docx");
        const std::string before = ReadBytes(kSample.toStdString());
        for (const bool asked : {false, true}) {
            Window().SettingsTab()->AnnotatedCopyBox->setChecked(asked);
            Window().InventoryTab()->SetFileName(kSample);
            QTest::keyClick(&Window(), Qt::Key_Return);
            WaitForCheck(Window());
            QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
            QCOMPARE(std::filesystem::exists(copy), asked);
            QCOMPARE(Window().Checks().LastCheck()->AnnotatedCopy.empty(), !asked);
        }
        const ooxml::Package package = ooxml::Package::Load(copy.string());
        QVERIFY(package.Has("word/comments.xml"));
        QVERIFY(package.Bytes("word/comments.xml").find("w:author=\"Табулекс\"") != std::string::npos);
        QCOMPARE(ReadBytes(kSample.toStdString()), before);  // the inventory itself is not changed
    }

    void reportViewerSortsFiltersAndShowsARow() {
        Window().InventoryTab()->SetFileName(kSample);
        MenuItem(Window(), "pmOpenRep")->trigger();
        QCOMPARE(Window().windowTitle(), Shown(msg::kNoReport));
        Window().StartCheck();
        WaitForCheck(Window());
        MenuItem(Window(), "pmOpenRep")->trigger();
        ReportViewer& viewer = Window().Viewer();
        QVERIFY(viewer.isVisible());
        const auto& outcome = Window().Checks().LastCheck()->Outcome;
        const int all = static_cast<int>(outcome.ProblemRows.size());
        QCOMPARE(viewer.Table->model()->rowCount(), all);
        QVERIFY(viewer.Summary->toPlainText().contains(QStringLiteral("В данную опись занесено")));

        int withErrors = 0;
        for (const auto& row : outcome.ProblemRows)
            withErrors += std::any_of(row.Findings.begin(), row.Findings.end(),
                                      [](const auto& f) { return f.Class == rules::ProblemClass::Error; });
        viewer.ClassFilter->setCurrentIndex(1);
        QCOMPARE(viewer.Table->model()->rowCount(), withErrors);
        viewer.ClassFilter->setCurrentIndex(0);
        viewer.TextFilter->setText(QStringLiteral("нет такого текста нигде"));
        QTRY_COMPARE(viewer.Table->model()->rowCount(), 0);  // once the typing pauses
        viewer.TextFilter->clear();
        QTRY_COMPARE(viewer.Table->model()->rowCount(), all);

        viewer.Table->sortByColumn(ProblemTableModel::RowColumn, Qt::DescendingOrder);
        const int lastRow = viewer.Table->model()->index(0, 0).data().toInt();
        QCOMPARE(lastRow, outcome.ProblemRows.back().TableRow);
        viewer.ShowRowDetails(0);
        auto* details = viewer.findChild<QDialog*>(QStringLiteral("RowDetails"));
        QVERIFY(details);
        QCOMPARE(details->windowTitle(), QStringLiteral("Строка %1 описи").arg(lastRow));
    }

#ifdef TABULEX_HAVE_GENERATOR
    void stopAndResumeALongCheck() {
        const std::string inventory = folder_.filePath(QStringLiteral("long.docx")).toStdString();
        bench::WriteInventory(inventory, {.Rows = 20000, .Seed = 3});
        Window().InventoryTab()->SetFileName(QString::fromStdString(inventory));

        QTest::mouseClick(Window().StartButton, Qt::LeftButton);
        QVERIFY(Window().CheckRunning());
        QVERIFY(Window().StopButton->isVisible());
        QVERIFY(!Window().ExitButton->isVisible());
        QVERIFY(!Window().StartButton->isEnabled());
        QVERIFY(!Window().Pages->isEnabled());
        QVERIFY(!MenuItem(Window(), "mmStart")->isEnabled());
        QTest::keyClick(&Window(), Qt::Key_Escape);  // presses Прервать while running
        WaitForCheck(Window());
        const auto stopped = Window().Checks().LastCheck()->Outcome;
        QCOMPARE(stopped.End, check::CheckEnd::Stopped);
        QVERIFY(stopped.StoppedAtRow > 1 && stopped.StoppedAtRow < stopped.RowCount);
        QCOMPARE(app_->Dialogs.Titles(), QStringList{QStringLiteral("Внимание!")});
        QCOMPARE(Window().windowTitle(), QStringLiteral("Проверка прервана на строке %1 из %2")
                                             .arg(stopped.StoppedAtRow)
                                             .arg(stopped.RowCount));
        QVERIFY(Window().ExitButton->isVisible());
        QVERIFY(MenuItem(Window(), "mmStart")->isEnabled());

        QTest::mouseClick(Window().StartButton, Qt::LeftButton);
        WaitForCheck(Window());
        QCOMPARE(app_->Dialogs.Titles().last(), QStringLiteral("Продолжить проверку?"));
        QVERIFY(app_->Dialogs.Questions.back().Text.contains(
            QStringLiteral("со строки %1?").arg(stopped.StoppedAtRow)));
        const auto resumed = Window().Checks().LastCheck()->Outcome;
        QCOMPARE(resumed.End, check::CheckEnd::Completed);
        QCOMPARE(resumed.StartRow, stopped.StoppedAtRow);
    }

    void cancellingTheStopQuestionGoesOn() {
        const std::string inventory = folder_.filePath(QStringLiteral("long.docx")).toStdString();
        bench::WriteInventory(inventory, {.Rows = 5000, .Seed = 5});
        Window().InventoryTab()->SetFileName(QString::fromStdString(inventory));
        app_->Dialogs.OkAnswers.push_back(false);
        Window().StartCheck();
        Window().StopButton->click();
        WaitForCheck(Window());
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
    }
#endif

    void messagesStackAreLoggedAndPagedThrough() {
        MessageWindow& messages = Window().Messages();
        Window().ShowMessageText("Файл не найден.\r\rПопробуйте выбрать файл еще раз."_cp);
        Window().ShowMessageText("второе"_cp);
        Window().ShowMessageText("третье"_cp);
        QCOMPARE(messages.MemoText(),
                 QStringLiteral("Файл не найден.\n\nПопробуйте выбрать файл еще раз.\n\nвторое\n\nтретье"));
        const auto log = report::LoadMessageHistory(FsPath(folder_.path()) / "Messages.log");
        QCOMPARE(log.size(), std::size_t{3});
        QVERIFY(
            log[0].ends_with("\t" + std::string("Файл не найден.\t\tПопробуйте выбрать файл еще раз."_cp)));
        QCOMPARE(messages.History().size(), std::size_t{3});
        QCOMPARE(messages.HistoryCursor(), -1);  // the history was empty at start

        messages.ShowNext();
        QCOMPARE(messages.HistoryCursor(), 0);
        QCOMPARE(messages.MemoText(), QStringLiteral("Файл не найден.\n\nПопробуйте выбрать файл еще раз."));
        messages.ShowNext();
        messages.ShowPrevious();
        QCOMPARE(messages.HistoryCursor(), 0);
        messages.ShowPrevious();  // beeps at the first
        QCOMPARE(messages.HistoryCursor(), 0);
        QCOMPARE(messages.PreviousLabel->font().underline(), false);
        QCOMPARE(messages.NextLabel->font().underline(), true);

        // Placed against the main window's right edge.
        QCOMPARE(messages.x(), Window().frameGeometry().left() + Window().frameGeometry().width());
        // Closing hides it; the next message shows it again.
        messages.close();
        QVERIFY(!messages.isVisible());
        Window().ShowMessageText("снова"_cp);
        QVERIFY(messages.isVisible());
    }

    void messageWindowClosesItselfUnlessSwitchedOff() {
        MessageWindow& messages = Window().Messages();
        Window().ShowMessageText("a"_cp);
        messages.AutoCloseAction->setChecked(false);
        for (int tick = 0; tick < 20; ++tick) messages.CloseTick();
        QCOMPARE(messages.Countdown(), 7);
        messages.AutoCloseAction->setChecked(true);
        for (int tick = 0; tick < 8; ++tick) messages.CloseTick();
        QTRY_VERIFY_WITH_TIMEOUT(!messages.isVisible(), 5000);
        QVERIFY(messages.height() > 50);  // the height is given back for the next message
    }

    void aboutNamesTheFoldersAndTheFileVersion() {
        MenuItem(Window(), "mmAbout")->trigger();
        const QString text = Window().Messages().MemoText();
        QVERIFY(text.startsWith(QStringLiteral("Табулекс. Версия 2.32 от 05.03.2008\n")));
        QVERIFY(text.contains(QStringLiteral("Папка данных: ") + folder_.path()));
        QVERIFY(text.endsWith(QStringLiteral("Версия файла программы: " TABULEX_VERSION)));
    }

    void helpShowsTheBundledTopics() {
        QTest::keyClick(&Window(), Qt::Key_F1);
        HelpWindow& help = Window().Help();
        QVERIFY(help.isVisible());
        QVERIFY(help.Browser->toPlainText().contains(QStringLiteral("Как проверить опись")));
        MenuItem(Window(), "mmWhatsNew")->trigger();
        QVERIFY(help.Browser->toPlainText().contains(QStringLiteral("Что нового")));
    }

    void shellFailuresAreReported() {
        app_->Shell.Succeeds = false;
        MenuItem(Window(), "mmWeb")->trigger();
        QCOMPARE(Window().windowTitle(), QStringLiteral("Не удалось открыть страницу программы."));
        MenuItem(Window(), "mmMail")->trigger();
        QCOMPARE(Window().windowTitle(), QStringLiteral("Не удалось создать письмо."));
        QVERIFY(
            app_->Shell.Opened[1].toString().startsWith(QStringLiteral("mailto:support@tabulex.example")));
    }

    void settingsSurviveARestart() {
        MainWindow& window = Window();
        window.InventoryTab()->SetFileName(kSample);
        window.InventoryTab()->ShowHintsBox->setChecked(false);
        window.InventoryTab()->TwoDateColumnsBox->setChecked(true);
        window.SettingsTab()->SpacedInitialsChoice->setChecked(true);
        window.SettingsTab()->CloseReportOnExitBox->setChecked(true);
        window.SettingsTab()->AnnotatedCopyBox->setChecked(true);
        window.SettingsTab()->ModernRulesChoice->setChecked(true);
        QVERIFY(window.SettingsTab()->CertificationCheckBox->isChecked());
        window.SettingsTab()->CertificationCheckBox->setChecked(false);
        window.SettingsTab()->ReportTableBox->setChecked(false);  // not stored: back to its design state
        window.move(123, 77);
        const QPoint position = window.pos();
        QVERIFY(window.close());

        app_ = std::make_unique<TestApp>(folder_.path());
        MainWindow& again = Window();
        QCOMPARE(again.InventoryTab()->FileName(), QDir::toNativeSeparators(kSample));
        QVERIFY(again.InventoryTab()->NamedFileChoice->isChecked());
        QVERIFY(!again.InventoryTab()->ShowHintsBox->isChecked());
        QVERIFY(again.InventoryTab()->ShowWarningsBox->isChecked());
        QVERIFY(again.InventoryTab()->TwoDateColumnsBox->isChecked());
        QVERIFY(again.SettingsTab()->SpacedInitialsChoice->isChecked());
        QVERIFY(again.SettingsTab()->CloseReportOnExitBox->isChecked());
        QVERIFY(again.SettingsTab()->AnnotatedCopyBox->isChecked());
        QVERIFY(!again.SettingsTab()->CertificationCheckBox->isChecked());
        QVERIFY(again.SettingsTab()->ModernRulesChoice->isChecked());
        QVERIFY(again.SettingsTab()->ReportTableBox->isChecked());
        QCOMPARE(app_->Settings().ReadInteger("Main", "Left", -1), position.x());
        QCOMPARE(app_->Settings().ReadString("Main", "rbInit1", ""), std::string("0"));
    }

    void commandLineFileGoesIntoTheFileName() {
        app_ = std::make_unique<TestApp>(folder_.path(), QStringList{kSample});
        QCOMPARE(Window().InventoryTab()->FileName(), QDir::toNativeSeparators(kSample));
        QVERIFY(Window().InventoryTab()->NamedFileChoice->isChecked());
        app_ = std::make_unique<TestApp>(folder_.path(), QStringList{QStringLiteral("/нет/такого")});
        QVERIFY(Window().InventoryTab()->FileName() != QStringLiteral("/нет/такого"));
    }

    void runSwitchChecksTheOpenDocumentAtTheFirstActivation() {
        app_ = std::make_unique<TestApp>(folder_.path(), QStringList{QStringLiteral("/run")});
        QVERIFY(Window().InventoryTab()->OpenDocumentChoice->isChecked());
        QVERIFY(app_->Dialogs.Questions.empty());
        Window().show();
        Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        // Nothing is open: the check asks what to check.
        QTRY_COMPARE(app_->Dialogs.Titles(), QStringList{QStringLiteral("Выбрать файл описи?")});
    }

    void firstStartShowsTipsThenRemindsOfNewerVersions() {
        Window().Starting().TipsTick();
        QCOMPARE(Window().Messages().MemoText(), Shown(msg::kFirstTimeTips));
        QCOMPARE(app_->Settings().ReadString("Main", "FirstTime", ""), std::string("0"));

        // Four months after the release the reminder comes at every start.
        app_ = std::make_unique<TestApp>(folder_.path(), QStringList{},
                                         QDateTime(ReleaseDate().addMonths(5), QTime(9, 0)));
        Window().show();
        Window().activateWindow();
        QTRY_VERIFY(Window().Messages().MemoText().startsWith(
            QStringLiteral("C момента выхода программы прошло более ЧЕТЫРЁХ")));
        QVERIFY(Window().Messages().MemoText().endsWith(
            QStringLiteral("Нажмите OK, чтобы открыть сайт https://tabulex.example/ сейчас.")));
    }

    void saveAsWritesACopyAndAReloadFollowsTheDisk() {
        const QString copy = folder_.filePath(QStringLiteral("копия.docx"));
        QVERIFY(QFile::copy(kSample, copy));
        app_->Dialogs.Files.push_back(copy);
        MenuItem(Window(), "mmOpen")->trigger();
        QVERIFY(Window().InventoryTab()->OpenDocumentChoice->isChecked());
        const QString saved = folder_.filePath(QStringLiteral("сохранено.docx"));
        app_->Dialogs.SaveAsPath = saved;
        MenuItem(Window(), "mmSaveAs")->trigger();
        QCOMPARE(Window().windowTitle(), Shown(msg::kSaved));
        QVERIFY(QFileInfo(saved).size() > 0);

        Window().StartCheck();
        WaitForCheck(Window());
        const int rowsBefore = Window().Checks().LastCheck()->Outcome.RowCount;
#ifdef TABULEX_HAVE_GENERATOR
        // Another program replaces the file: the next command reads it again.
        QTest::qWait(1100);  // a modification time the file system can tell apart
        bench::WriteInventory(saved.toStdString(), {.Rows = 60, .Seed = 2});
        Window().StartCheck();
        WaitForCheck(Window());
        QCOMPARE(Window().Checks().LastCheck()->Outcome.RowCount, 60);
        QVERIFY(rowsBefore != 60);
#else
        QVERIFY(rowsBefore > 0);
#endif
    }

    void theNamedFileThatIsOpenIsCheckedAsTheOpenDocument() {
        app_->Dialogs.Files.push_back(kSample);
        MenuItem(Window(), "mmOpen")->trigger();
        Window().InventoryTab()->SetFileName(kSample);
        Window().StartCheck();
        QVERIFY(Window().InventoryTab()->OpenDocumentChoice->isChecked());
        WaitForCheck(Window());
        QCOMPARE(Window().Checks().LastCheck()->Outcome.End, check::CheckEnd::Completed);
    }

    void settingsFileBesideTheProgramUnlessItSaysOtherwise() {
        const std::filesystem::path root = FsPath(folder_.path());
        const auto program = root / "program", data = root / "data";
        std::filesystem::create_directories(program);
        QCOMPARE(SettingsFileLocation(program, data), data / "Tabulex.ini");
        const struct {
            const char* text;
            std::filesystem::path expected;
        } cases[] = {
            {"[Main]\r\nFileName=x\r\n", program / "Tabulex.ini"},
            {"[Main]\r\nUseIniInProgramDir=1\r\n", program / "Tabulex.ini"},
            {"[Main]\r\nUseIniInProgramDir=0\r\n", data / "Tabulex.ini"},
        };
        for (const auto& c : cases) {
            QFile ini(QString::fromStdString((program / "Tabulex.ini").string()));
            QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ini.write(c.text);
            ini.close();
            QCOMPARE(SettingsFileLocation(program, data), c.expected);
        }
    }

    void versionInfoOfAnOrdinaryFileIsItsTypeOnly() {
        const QString file = folder_.filePath(QStringLiteral("заметка.txt"));
        QFile text(file);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("text\n");
        text.close();
        const FileVersionInfo info = ReadFileVersionInfo(file);
        QVERIFY(!info.TypeName.isEmpty());
        QVERIFY(info.FileVersion.isEmpty());
        QVERIFY(info.ProductName.isEmpty());
        QCOMPARE(ProgramVersionInfo().FileVersion, QStringLiteral(TABULEX_VERSION));
    }

    void editingCommandsChooseTheDocumentFirst() {
        // Nothing open: the edit-mode question; Cancel ends the command quietly.
        app_->Dialogs.OkAnswers.push_back(false);
        MenuItem(Window(), "mmDelEmpyStr")->trigger();
        QCOMPARE(app_->Dialogs.Titles(), QStringList{QStringLiteral("Выбрать файл описи?")});
        QVERIFY(app_->Dialogs.Questions[0].Text.startsWith(QStringLiteral("Опись не открыта.")));
        QCOMPARE(Window().Documents().Count(), 0);
    }

    void repairCommandsAskUnlessShiftIsHeld_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("question");  // empty: the command never asks
        QTest::addColumn<QString>("help");  // the help's anchor its Справка opens; empty: no Справка
        QTest::newRow("empty rows") << "mmDelEmpyStr"
                                    << "Удалить пустые строки сейчас?"
                                    << "delete-empty-rows";
        QTest::newRow("numbering rows") << "mmDel12345Str"
                                        << "Удалить строки \"1|2|3|4|5\"?"
                                        << "";
        QTest::newRow("numbers") << "mmNum"
                                 << "Расставить номера дел?"
                                 << "number-cases";
        QTest::newRow("auto numbers") << "mmNubAuto"
                                      << "Расставить номера дел?"
                                      << "auto-number-cases";
        QTest::newRow("lists to text") << "mmListsToText"
                                       << "Преобразовать списки?"
                                       << "lists-to-text";
        QTest::newRow("tables to text") << "mmTablesToText"
                                        << "Преобразовать таблицы?"
                                        << "tables-to-text";
        QTest::newRow("graphics") << "mmDelGraph"
                                  << "Удалить графику сейчас?"
                                  << "";
        QTest::newRow("row breaks") << "N5"
                                    << ""
                                    << "";
        QTest::newRow("headings") << "N12"
                                  << ""
                                  << "";
        QTest::newRow("dates: year mark") << "mmDatesSetG"
                                          << "Изменить даты?"
                                          << "";
    }

    void repairCommandsAskUnlessShiftIsHeld() {
        QFETCH(QString, item);
        QFETCH(QString, question);
        QFETCH(QString, help);
        const QString copy = folder_.filePath(QStringLiteral("опись.docx"));
        QVERIFY(QFile::copy(kSample, copy));
        Window().InventoryTab()->SetFileName(copy);

        // Without Shift: the question, its Справка opening the command's entry of the help; Cancel
        // leaves the document as it was.
        app_->Dialogs.OkAnswers = {false};
        app_->Dialogs.PressHelp = true;
        MenuItem(Window(), qPrintable(item))->trigger();
        if (!question.isEmpty()) {
            QCOMPARE(app_->Dialogs.Titles(), QStringList{question});
            QCOMPARE(app_->Dialogs.Questions.front().HasHelp, !help.isEmpty());
            QVERIFY(Window().Documents().Active()->Saved());
        } else {
            QVERIFY(app_->Dialogs.Questions.empty());
        }
        if (!help.isEmpty()) {
            HelpWindow& helpWindow = Window().Help();
            QVERIFY(helpWindow.isVisible());
            QCOMPARE(helpWindow.Browser->source().fragment(), help);
            QVERIFY(helpWindow.Browser->toHtml().contains(QStringLiteral("name=\"%1\"").arg(help)));
            QVERIFY(helpWindow.Browser->verticalScrollBar()->value() > 0);  // scrolled to the entry
            helpWindow.close();
        }

        // With Shift held: no question, the command runs and the document is changed, not saved.
        app_->Dialogs.Questions.clear();
        const QByteArray before = [&] {
            QFile file(copy);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QTest::keyPress(&Window(), Qt::Key_Shift, Qt::ShiftModifier);
        MenuItem(Window(), qPrintable(item))->trigger();
        QTest::keyRelease(&Window(), Qt::Key_Shift, Qt::NoModifier);
        QVERIFY(app_->Dialogs.Questions.empty());
        QVERIFY(!Window().Messages().isVisible() ||
                !Window().Messages().MemoText().contains(QStringLiteral("Ошибка")));
        QFile after(copy);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);  // nothing is written until the user saves
    }

    void aRepairedDocumentIsSavedOnRequestAndCheckedAgain() {
        const QString copy = folder_.filePath(QStringLiteral("опись.docx"));
        QVERIFY(QFile::copy(kSample, copy));
        Window().InventoryTab()->SetFileName(copy);
        Window().StartCheck();
        WaitForCheck(Window());

        QTest::keyPress(&Window(), Qt::Key_Shift, Qt::ShiftModifier);
        MenuItem(Window(), "mmNum")->trigger();  // the sample misses case numbers
        QTest::keyRelease(&Window(), Qt::Key_Shift, Qt::NoModifier);
        QVERIFY(Window().windowTitle().startsWith(QStringLiteral("Расставлено номеров: ")));
        QVERIFY(!Window().Documents().Active()->Saved());
        QTest::keySequence(&Window(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(Window().windowTitle(), Shown(msg::kSaved));

        Window().StartCheck();
        WaitForCheck(Window());
        // Every case numbered from 1: the certification line counts to the number of cases.
        const auto& after = Window().Checks().LastCheck()->Outcome;
        QCOMPARE(after.Summary.FirstNumber, std::string("1"));
        QCOMPARE(after.Summary.LastNumber, std::to_string(after.Summary.DataRows));
        QFile saved(copy), original(kSample);
        QVERIFY(saved.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll() != original.readAll());
    }

    void closingAModifiedDocumentAsksToSave() {
        const QString copy = folder_.filePath(QStringLiteral("опись.docx"));
        QVERIFY(QFile::copy(kSample, copy));
        Window().InventoryTab()->SetFileName(copy);
        MenuItem(Window(), "N5")->trigger();
        QVERIFY(!Window().Documents().Active()->Saved());
        app_->Dialogs.YesNoAnswers = {Answer::Cancel};
        MenuItem(Window(), "mmClose")->trigger();
        QCOMPARE(app_->Dialogs.Titles(), QStringList{QStringLiteral("Сохранить документ?")});
        QCOMPARE(Window().Documents().Count(), 1);
        app_->Dialogs.YesNoAnswers = {Answer::No};
        MenuItem(Window(), "mmClose")->trigger();
        QCOMPARE(Window().Documents().Count(), 0);
        // Nothing was saved: the file is the sample still.
        QCOMPARE(QFileInfo(copy).size(), QFileInfo(kSample).size());
    }

    void shiftIsSeenWhileHeld() {
        QVERIFY(!Window().ShiftHeld());
        QTest::keyPress(&Window(), Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(Window().ShiftHeld());
        QTest::keyRelease(&Window(), Qt::Key_Shift, Qt::NoModifier);
        QVERIFY(!Window().ShiftHeld());
    }

    void captionsAreNotClipped() {
        // Run also with QT_SCALE_FACTOR=1.5 (see tests/app/CMakeLists.txt).
        Window().Pages->setCurrentIndex(1);
        Window().Pages->setCurrentIndex(0);
        for (QWidget* page : {static_cast<QWidget*>(Window().InventoryTab()),
                              static_cast<QWidget*>(Window().SettingsTab())}) {
            Window().Pages->setCurrentWidget(page);
            QCoreApplication::processEvents();
            for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
        }
        for (QPushButton* button :
             {Window().StartButton, Window().ExitButton, Window().EditorButton, Window().HelpButton})
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
    }

    void releaseRemindersFollowTheMonthsAndTheCounter() {
        const QDate release(2008, 3, 5);
        const struct {
            QDate today;
            int counter;
            int months;
            int newCounter;
        } cases[] = {
            {{2008, 4, 4}, 0, 0, 0},  // not yet more than a month
            {{2008, 4, 6}, 0, 1, 1}, {{2008, 4, 6}, 1, 1, 2}, {{2008, 4, 6}, 2, 0, 2},
            {{2008, 6, 6}, 2, 0, 2},  // neither 0 nor 5 to 8
            {{2008, 5, 6}, 0, 2, 3}, {{2008, 5, 6}, 4, 2, 5}, {{2008, 6, 6}, 0, 3, 6},
            {{2008, 6, 6}, 8, 3, 9}, {{2008, 6, 6}, 9, 0, 9}, {{2008, 7, 6}, 9, 4, 9},
        };
        for (const auto& c : cases) {
            const ReminderStep step = ReleaseReminder(release, QDateTime(c.today, QTime(9, 0)), c.counter);
            QCOMPARE(step.Months, c.months);
            QCOMPARE(step.Counter, c.newCounter);
        }
    }

    void windowsSnapToTheWorkAreaEdges() {
        const QRect area(0, 0, 1000, 700);
        const struct {
            QRect window;
            QPoint expected;
        } cases[] = {
            {{15, 300, 200, 100}, {0, 300}},       // near the left edge
            {{785, 300, 200, 100}, {800, 300}},    // near the right edge
            {{300, 10, 200, 100}, {300, 0}},       // near the top
            {{300, 590, 200, 100}, {300, 600}},    // near the bottom
            {{300, 300, 200, 100}, {300, 300}},    // in the middle: unchanged
            {{100, 100, 1200, 100}, {-200, 100}},  // wider than the area: aligned right
        };
        for (const auto& c : cases) QCOMPARE(SnapToWorkArea(c.window, area).topLeft(), c.expected);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
