#include "app/mainwindow.h"
#include "displays/microtilewidget.h"
#include "displays/tvrollerwidget.h"
#include "displays/wigglywidget.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/speechcapture.h"
#include "../support/testenvironment.h"
#include "../support/urlrecorder.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QComboBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPushButton>

// The main window's side of the tile board and the TV roller: their draw
// buttons, the tile panel's score controls and the roller's counts.
class TestTileRollerDraw : public QObject
{
    Q_OBJECT

private:
    static void click(QWidget &window, const char *button)
    {
        QTest::mouseClick(findByName<QPushButton>(window, button), Qt::LeftButton);
    }

    static void trigger(QWidget &window, const char *action) { findByName<QAction>(window, action)->trigger(); }

    static void seedClass()
    {
        seedRoster({{QStringLiteral("A"), {"30", "10", "20", "40"}, {}, {}}});
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void tileScoresNeedAHighlightedTile()
    {
        seedClass();
        MainWindow window;
        window.show();
        trigger(window, "actionMicro_Tile");
        auto *box = findByName<QLineEdit>(window, "lineEdit_2");
        QTest::keyClicks(box, QStringLiteral("x"));
        ModalAnswerer answerer(QDialogButtonBox::Ok, 300);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::qWait(400);
        QVERIFY(!answerer.answered());
        QCOMPARE(box->text(), QStringLiteral("x"));
        QTest::keyClick(findByName<QComboBox>(window, "comboBox_2"), Qt::Key_Down);
        QCOMPARE(storedRoster()[0].scores, (QStringList{"", "", "", ""}));
    }

    void tileScoresGoToTheHighlightedStudent()
    {
        seedClass();
        MainWindow window;
        window.show();
        trigger(window, "actionMicro_Tile");
        auto *board = window.findChild<MicroTileWidget *>();
        click(window, "pushButton_11");
        QCOMPARE(findByName<QPushButton>(window, "pushButton_11")->text(), QStringLiteral("Stop Trace!"));
        QTRY_VERIFY(board->selectedIndex() >= 0);
        click(window, "pushButton_11");
        QCOMPARE(findByName<QPushButton>(window, "pushButton_11")->text(), QStringLiteral("Trace it!"));
        const QString drawn = board->selectedText();
        const QStringList sortedIds{"10", "20", "30", "40"};
        QCOMPARE(drawn, sortedIds.at(board->selectedIndex()));
        QCOMPARE(SpeechCapture::spokenTexts(), QStringList{drawn});

        QTest::keyClick(findByName<QComboBox>(window, "comboBox_2"), Qt::Key_Down);
        auto *banner = window.findChild<WigglyWidget *>();
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->text(), QStringLiteral("B"));

        auto *box = findByName<QLineEdit>(window, "lineEdit_2");
        QTest::keyClicks(box, QStringLiteral("e"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QString());
        QCOMPARE(banner->text(), QStringLiteral("*"));

        ModalAnswerer answerer;
        QTest::keyClicks(box, QStringLiteral("AB"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Warning"));

        const SeedClass stored = storedRoster()[0];
        QCOMPARE(stored.scores.at(stored.ids.indexOf(drawn)), QStringLiteral("BE"));
    }

    void visibleRowsLimitTheSelectedRows()
    {
        seedClass();
        MainWindow window;
        window.show();
        trigger(window, "actionTV_Roller");
        auto *visible = findByName<QComboBox>(window, "comboBox_3");
        auto *selected = findByName<QComboBox>(window, "comboBox_4");
        QCOMPARE(visible->currentText(), QStringLiteral("5"));
        QCOMPARE(selected->count(), 5);
        QCOMPARE(selected->currentText(), QStringLiteral("1"));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(selected, Qt::Key_Down);
        auto *roller = window.findChild<TVRollerWidget *>();
        QCOMPARE(roller->selectCount(), 5);

        QTest::keyClick(visible, Qt::Key_Up);
        QTest::keyClick(visible, Qt::Key_Up);
        QCOMPARE(roller->visibleCount(), 3);
        QCOMPARE(roller->selectCount(), 3);
        QCOMPARE(selected->count(), 3);
        QCOMPARE(selected->currentText(), QStringLiteral("3"));
    }

    void rollerRollsAndOpensTheMarkedStudents()
    {
        seedClass();
        MainWindow window;
        window.show();
        trigger(window, "actionTV_Roller");
        click(window, "pushButton_12");
        QCOMPARE(findByName<QPushButton>(window, "pushButton_12")->text(), QStringLiteral("Stop Roll!"));
        QTest::qWait(250);
        click(window, "pushButton_12");
        QCOMPARE(findByName<QPushButton>(window, "pushButton_12")->text(), QStringLiteral("Roll it!"));

        std::vector<QString> marked;
        window.findChild<TVRollerWidget *>()->selectedNames(marked);
        QCOMPARE(marked.size(), size_t(1));
        QCOMPARE(SpeechCapture::spokenTexts(), QStringList{marked[0] + QStringLiteral("  ")});
        UrlRecorder recorder;
        trigger(window, "actionOpen_Student_Directory");
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(
                                    TestEnvironment::homePath() + QStringLiteral("/Brimvale/A/") + marked[0])});
    }

    void tileDirectoryBeforeAnyHighlightIsTheClassDirectory()
    {
        seedClass();
        MainWindow window;
        trigger(window, "actionMicro_Tile");
        UrlRecorder recorder;
        trigger(window, "actionOpen_Student_Directory");
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(TestEnvironment::homePath() + QStringLiteral("/Brimvale/A"))});
    }

    void oneRunningFlagForThreeButtons()
    {
        seedClass();
        MainWindow window;
        window.show();
        click(window, "pushButton");  // the LED display runs on
        trigger(window, "actionMicro_Tile");
        click(window, "pushButton_11");  // takes the stop path
        QCOMPARE(findByName<QPushButton>(window, "pushButton_11")->text(), QStringLiteral("Trace it!"));
        QCOMPARE(window.findChild<MicroTileWidget *>()->selectedIndex(), -1);

        // The LED display was never stopped: it still steps.
        const double shown = findByName<QLCDNumber>(window, "lcdNumber")->value();
        QTRY_VERIFY_WITH_TIMEOUT(findByName<QLCDNumber>(window, "lcdNumber")->value() != shown, 3000);

        click(window, "pushButton_11");
        QCOMPARE(findByName<QPushButton>(window, "pushButton_11")->text(), QStringLiteral("Stop Trace!"));
        trigger(window, "actionTV_Roller");
        click(window, "pushButton_12");
        QCOMPARE(findByName<QPushButton>(window, "pushButton_12")->text(), QStringLiteral("Roll it!"));
    }

    void emptyClassDisablesTheDrawButtons()
    {
        MainWindow window;
        for (const char *button : {"pushButton", "pushButton_4", "pushButton_11", "pushButton_12"})
            QVERIFY(!findByName<QPushButton>(window, button)->isEnabled());
    }
};

ZANDREL_TEST_MAIN(TestTileRollerDraw)
#include "tst_tilerollerdraw.moc"
