// The window's parts that need no window: where windows go, what the report viewer compares, the
// texts at the end of a check.

#include "../support/Wine.h"
#include "app/AppTexts.h"
#include "app/CheckOutcomeText.h"
#include "app/ProblemTableModel.h"
#include "app/QtText.h"
#include "app/UserDialogs.h"
#include "app/WindowPlacement.h"
#include "check/Messages.h"
#include "text/Cp1251.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tabulex;
using namespace tabulex::app;
using namespace tabulex::text::literals;

namespace {

QString Utf(const std::string& text1251) {
    return FromCp(text1251);
}

// Cells written in UTF-8 here, 1251 as the check gives them.
check::ProblemRow Row(int tableRow, const std::vector<std::string>& cells,
                      rules::ProblemClass problemClass = rules::ProblemClass::Error) {
    check::ProblemRow row;
    row.TableRow = tableRow;
    for (const std::string& cell : cells) row.Cells.push_back(text::Utf8ToCp1251(cell));
    row.Problems = "Название: нет точки; "_cp;
    row.Findings.push_back({problemClass, row.Problems, check::CellRole::Row});
    return row;
}

// Presses, in each question box that shows, the button of the next caption ("F1": that key).
class ButtonPresser : public QObject {
  public:
    explicit ButtonPresser(QStringList captions) : captions_(std::move(captions)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { PressInShownBox(); });
        timer_.start();
    }

  private:
    void PressInShownBox() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible() || captions_.isEmpty()) continue;
            const QString caption = captions_.takeFirst();
            if (caption == QStringLiteral("F1")) {
                QTest::keyClick(box, Qt::Key_F1);
                return;
            }
            for (QAbstractButton* button : box->buttons())
                if (button->text() == caption)
                    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
            return;
        }
    }

    QStringList captions_;
    QTimer timer_;
};

}  // namespace

class WindowPartsTest : public QObject {
    Q_OBJECT

  private slots:
    void helpOfAQuestionLeavesItOpenUntilItIsAnswered_data() {
        QTest::addColumn<QStringList>("pressed");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("helpShown");
        QTest::newRow("OK") << QStringList{"OK"} << true << 0;
        QTest::newRow("help, then OK") << QStringList{"Справка", "Справка", "OK"} << true << 2;
        QTest::newRow("help, then Cancel") << QStringList{"Справка", "Отмена"} << false << 1;
        QTest::newRow("F1, then OK") << QStringList{"F1", "OK"} << true << 1;
    }

    void helpOfAQuestionLeavesItOpenUntilItIsAnswered() {
        QFETCH(QStringList, pressed);
        QFETCH(bool, answer);
        QFETCH(int, helpShown);
        if (pressed.first() == QStringLiteral("F1") && tabulex::testing::RunningUnderWine())
            QSKIP("Under Wine the question box is not the active window, which its F1 key needs");
        QtDialogs dialogs(nullptr);
        ButtonPresser presser(pressed);
        int shown = 0;
        QCOMPARE(dialogs.AskOkCancelHelp("Вопрос"_cp, "Расставить номера дел сейчас?"_cp, [&] { ++shown; }),
                 answer);
        QCOMPARE(shown, helpShown);
    }

    void messageWindowStaysOnAScreen() {
        const QSize message(300, 260);
        const QRect screen(0, 0, 1280, 1000);
        const QRect second(1280, 0, 1024, 768);
        const struct {
            const char* name;
            QRect main;
            QList<QRect> areas;
            QPoint expected;
        } cases[] = {
            {"room on the right: against the right edge, level", {100, 100, 460, 420}, {screen}, {560, 100}},
            {"at the right edge: on the left instead", {820, 100, 460, 420}, {screen}, {520, 100}},
            {"right edge, a second screen there", {820, 100, 460, 420}, {screen, second}, {1280, 100}},
            {"low on the screen: lifted inside it", {100, 900, 460, 420}, {screen}, {560, 740}},
            {"wider than any side: on the roomier side, inside", {0, 100, 1200, 420}, {screen}, {980, 100}},
            {"on the second screen at its right edge", {1800, 50, 460, 420}, {screen, second}, {1500, 50}},
        };
        for (const auto& c : cases)
            QVERIFY2(MessageWindowPlace(c.main, message, c.areas) == c.expected, c.name);
    }

    void viewerAndHelpOpenOverTheMainWindowInsideTheScreen() {
        const QRect area(0, 0, 1280, 1000);
        QCOMPARE(PlaceOnScreen({400, 300, 460, 420}, {1040, 600}, area), QPoint(110, 210));
        QCOMPARE(PlaceOnScreen({820, 600, 460, 420}, {1040, 600}, area), QPoint(240, 400));
        QCOMPARE(PlaceOnScreen({0, 0, 460, 420}, {1400, 1100}, area), QPoint(0, 0));
    }

    void textFilterIgnoresCaseAndYo() {
        const struct {
            const char* text;
            const char* needle;
            bool found;
        } cases[] = {
            {"Отчёт о работе", "ОТЧЕТ", true},
            {"Отчет о работе", "отчёт", true},
            {"ЁЛКА", "елка", true},
            {"Приказы", "приказы директора", false},
        };
        for (const auto& c : cases)
            QCOMPARE(
                FoldForSearch(text::Utf8ToCp1251(c.text)).find(FoldForSearch(text::Utf8ToCp1251(c.needle))) !=
                    std::string::npos,
                c.found);
    }

    void sortKeysPutNumbersInTheirOrder() {
        const char* const ordered[] = {"", "1", "2", "2а", "10", "10а", "100", "а", "Б", "ёж", "ель", "я"};
        for (std::size_t k = 1; k < std::size(ordered); ++k)
            QVERIFY2(SortKey(text::Utf8ToCp1251(ordered[k - 1])) < SortKey(text::Utf8ToCp1251(ordered[k])),
                     ordered[k]);
    }

    void viewerSortsNumbersAsNumbersAndFiltersEveryColumn() {
        ProblemTableModel model;
        std::vector<check::ProblemRow> rows;
        rows.push_back(Row(4, {"10", "Приказы", "1946", "10", ""}, rules::ProblemClass::Hint));
        rows.push_back(Row(2, {"2", "акты", "1945", "3", ""}));
        rows.push_back(Row(3, {"10а", "Ёлочные игрушки", "1947", "5", ""}));
        model.SetRows(std::move(rows));
        ProblemFilter filter;
        filter.setSourceModel(&model);
        filter.sort(ProblemTableModel::NumberColumn);
        QStringList numbers;
        for (int row = 0; row < filter.rowCount(); ++row) numbers << filter.index(row, 1).data().toString();
        QCOMPARE(numbers, (QStringList{"2", "10", "10а"}));
        filter.sort(ProblemTableModel::TitleColumn);
        QCOMPARE(filter.index(0, 2).data().toString(), QStringLiteral("акты"));
        filter.sort(ProblemTableModel::RowColumn, Qt::DescendingOrder);
        QCOMPARE(filter.index(0, 0).data().toInt(), 4);
        filter.SetText(QStringLiteral("ЕЛОЧ"));
        QCOMPARE(filter.rowCount(), 1);
        filter.SetText(QStringLiteral("нет точки"));  // the problems column
        QCOMPARE(filter.rowCount(), 3);
        // Rows shown again come back in the chosen order, not in the inventory's.
        QStringList tableRows;
        for (int row = 0; row < filter.rowCount(); ++row) tableRows << filter.index(row, 0).data().toString();
        QCOMPARE(tableRows, (QStringList{"4", "3", "2"}));
        filter.SetClass(rules::ProblemClass::Error);
        filter.SetText(QStringLiteral("игрушки"));
        QCOMPARE(filter.rowCount(), 1);
        QCOMPARE(filter.index(0, 0).data().toInt(), 3);
        filter.SetClass(rules::ProblemClass::Hint);
        filter.SetText({});
        QCOMPARE(filter.rowCount(), 1);
        QCOMPARE(filter.index(0, 0).data().toInt(), 4);
        // The whole text is the hint, however narrow the column.
        QCOMPARE(model.index(0, ProblemTableModel::ProblemsColumn).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Название: нет точки; "));
    }

    void theEndOfACheckIsToldWithItsCountsAndReport() {
        check::CheckOutcome outcome;
        outcome.DocumentName = "опись.docx"_cp;
        outcome.ReportPath = "/data/Tabulex/Tabulex_Report.txt";
        outcome.Counts.ErrorCount = 3;
        outcome.Counts.HintCount = 1;
        outcome.CertificationLine = "В данную опись занесено 5 (пять) дел с № 1 по № 5"_cp;
        outcome.End = check::CheckEnd::Completed;
        QCOMPARE(Utf(OutcomeCaption(outcome)), QStringLiteral("Ошибок: 3, предупр.: 0, подсказок: 1"));
        const QString completed = Utf(OutcomeMessage(outcome));
        QVERIFY(completed.startsWith(QStringLiteral("Проверка описи опись.docx завершена.\nОшибки: 3")));
        QVERIFY(completed.contains(QStringLiteral("\nВ данную опись занесено 5 (пять) дел с № 1 по № 5\n")));
        QVERIFY(completed.endsWith(QStringLiteral("\nОтчёт: ") + QDir::toNativeSeparators(QStringLiteral(
                                                                     "/data/Tabulex/Tabulex_Report.txt"))));

        outcome.End = check::CheckEnd::Stopped;
        outcome.StoppedAtRow = 17;
        outcome.RowCount = 40;
        QCOMPARE(Utf(OutcomeCaption(outcome)), QStringLiteral("Проверка прервана на строке 17 из 40"));
        QVERIFY(Utf(OutcomeMessage(outcome))
                    .endsWith(QStringLiteral("\nОшибок: 3, предупреждений: 0, подсказок: 1\nОтчёт: ") +
                              QDir::toNativeSeparators(QStringLiteral("/data/Tabulex/Tabulex_Report.txt"))));

        outcome.End = check::CheckEnd::NoTables;
        outcome.Message = check::msg::kNoTables;
        QCOMPARE(Utf(OutcomeCaption(outcome)), QStringLiteral("опись.docx не проверен"));
        QCOMPARE(Utf(OutcomeMessage(outcome)),
                 QStringLiteral("Опись опись.docx не проверена.\nНет таблиц в документе. Проверьте опись."));
    }

    void oneVersionEverywhere() {
        // The program's own version; the caption and the About text show its first two parts.
        const QString version = QStringLiteral(TABULEX_VERSION);
        QCOMPARE(version, QStringLiteral("2.32.0.77"));
        QVERIFY(version.startsWith(Utf(std::string(check::msg::kApplicationVersion)) + QLatin1Char('.')));
        QVERIFY(Utf(std::string(msg::kAbout1)).startsWith(QStringLiteral("Табулекс. Версия 2.32 ")));
        QVERIFY(Utf(std::string(msg::kMailSubject)).endsWith(QStringLiteral("2.32")));
    }
};

QTEST_MAIN(WindowPartsTest)
#include "WindowPartsTest.moc"
