#include "app/mainwindow.h"
#include "roster/drawsession.h"
#include "roster/scorebook.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/speechcapture.h"
#include "../support/testenvironment.h"
#include "../support/urlrecorder.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>

// The draw on the LED display and the score entry of its panel, driven
// through the window's own controls.
class TestLedDisplay : public QObject
{
    Q_OBJECT

private:
    static void click(QWidget &window, const char *button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(findByName<QAbstractButton>(window, button), Qt::LeftButton);
    }

    static double shown(QWidget &window) { return findByName<QLCDNumber>(window, "lcdNumber")->value(); }

    static QStringList scoresOfFirstClass() { return storedRoster().value(0).scores; }

    static void typeScore(QWidget &window, const char *box, const QString &text)
    {
        auto *edit = findByName<QLineEdit>(window, box);
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void startRunsAndStopHalts()
    {
        seedRoster({{QStringLiteral("A"), {"1", "2", "3", "4"}, {}, {}}});
        MainWindow window;
        window.show();
        findByName<QSlider>(window, "m_timeSpeedSlider")->setValue(600);
        auto *start = findByName<QPushButton>(window, "pushButton");
        click(window, "pushButton");
        QCOMPARE(start->text(), QStringLiteral("Stop"));
        QTRY_VERIFY_WITH_TIMEOUT(shown(window) == 3.0, 5000);
        click(window, "pushButton");
        QCOMPARE(start->text(), QStringLiteral("Start"));
        const double stoppedAt = shown(window);
        QTest::qWait(200);
        QCOMPARE(shown(window), stoppedAt);
    }

    void anotherWindowDrivesTheSameDrawAndScores()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002"}, {}, {}}});
        MainWindow window;
        window.show();
        DrawSession *session = window.drawSession();
        QSignalSpy finished(session, &DrawSession::drawFinished);
        session->startOrStop();
        QCOMPARE(findByName<QPushButton>(window, "pushButton")->text(), QStringLiteral("Stop"));
        session->startOrStop();
        QCOMPARE(finished.count(), 1);
        const QStringList drawn = finished.takeFirst().at(0).toStringList();
        QCOMPARE(drawn.size(), 1);
        QCOMPARE(SpeechCapture::spokenTexts(), drawn);
        window.scoreBook()->give(drawn.front(), 'B');
        QCOMPARE(scoresOfFirstClass().at(drawn.front() == QLatin1String("1001") ? 0 : 1), QStringLiteral("B"));
    }

    void singleStopReadsTheShownId_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("spoken");
        // Sorted by value: abc (0), 45, 0123, 1234567890.
        const QStringList mixed{"0123", "45", "1234567890", "abc"};
        QTest::newRow("not a number read as it is") << mixed << 0 << "abc";
        QTest::newRow("short ID whole") << mixed << 1 << "45";
        QTest::newRow("leading zeros kept") << mixed << 2 << "0123";
        QTest::newRow("last four digits") << mixed << 3 << "7890";
        // 11010519900101123X is no number, so it sorts first.
        const QStringList codes{"0012", "11010519900101123X"};
        QTest::newRow("ID ending in X") << codes << 0 << "123X";
        QTest::newRow("a code of four digits") << codes << 1 << "0012";
        // Beyond the 15 digits a double holds exactly.
        QTest::newRow("18 digits") << QStringList{"45", "110105199001011234"} << 1 << "1234";
    }

    void singleStopReadsTheShownId()
    {
        QFETCH(QStringList, ids);
        QFETCH(int, steps);
        QFETCH(QString, spoken);
        seedRoster({{QStringLiteral("A"), ids, {}, {}}});
        MainWindow window;
        click(window, "pushButton_3", steps);
        click(window, "pushButton");
        click(window, "pushButton");
        QCOMPARE(SpeechCapture::spokenTexts(), QStringList{spoken});
    }

    void rollStopReadsTheWholeIdsAMomentLater()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002", "1003"}, {}, {}}});
        MainWindow window;
        click(window, "checkBox");
        click(window, "pushButton_3", 7);
        click(window, "pushButton");
        click(window, "pushButton");
        QVERIFY(SpeechCapture::spokenTexts().isEmpty());
        QTRY_COMPARE(SpeechCapture::spokenTexts(), QStringList{QStringLiteral("1001 1002 ")});
    }

    void arrowsStepThroughTheSortedIdsAndWrap()
    {
        seedRoster({{QStringLiteral("A"), {"10", "9", "011"}, {}, {}}});
        MainWindow window;
        QCOMPARE(shown(window), 9.0);
        click(window, "pushButton_3");
        QCOMPARE(shown(window), 10.0);
        click(window, "pushButton_3");
        QCOMPARE(shown(window), 11.0);
        click(window, "pushButton_3");
        QCOMPARE(shown(window), 9.0);
        click(window, "pushButton_2");
        QCOMPARE(shown(window), 11.0);
        QVERIFY(findByName<QPushButton>(window, "pushButton_2")->autoRepeat());
    }

    void emptyClassStartsNothing()
    {
        MainWindow window;
        QVERIFY(!findByName<QPushButton>(window, "pushButton")->isEnabled());
        click(window, "pushButton_3");
        QCOMPARE(findByName<QLCDNumber>(window, "lcdNumber")->value(), 0.0);
    }

    void rollStopAnnouncesTheWholeIdsInTheStatusBar()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002", "1003"}, {}, {}}});
        MainWindow window;
        window.show();
        click(window, "checkBox");
        // Seven steps by hand show "    1001  1002".
        click(window, "pushButton_3", 7);
        click(window, "pushButton");
        click(window, "pushButton");
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("1001 1002 "));

        // A window that holds no whole ID rolls on until one appears.
        click(window, "pushButton_3", 19);
        click(window, "pushButton");
        click(window, "pushButton");
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("1001 "));
    }

    // An ID longer than the display is never shown whole, even after the
    // row settles; the one shown most is announced rather than nobody.
    void rollStopWithNoWholeIdAnnouncesTheIdShownMost()
    {
        seedRoster({{QStringLiteral("A"), {"123456789012345"}, {}, {}}});
        MainWindow window;
        click(window, "checkBox");
        click(window, "pushButton");
        click(window, "pushButton");
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("2345 "));
        QCOMPARE(findByName<QPushButton>(window, "pushButton")->text(), QStringLiteral("Start"));
        QTRY_COMPARE(SpeechCapture::spokenTexts(), QStringList{QStringLiteral("2345 ")});
    }

    void rollModeBoxRestartsARunningDraw()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002"}, {}, {}}});
        MainWindow window;
        click(window, "pushButton");
        click(window, "checkBox");
        QCOMPARE(findByName<QPushButton>(window, "pushButton")->text(), QStringLiteral("Stop"));
        QTRY_VERIFY_WITH_TIMEOUT(findByName<QLCDNumber>(window, "lcdNumber")->value() != 1001.0, 3000);
        click(window, "pushButton");
        QCOMPARE(findByName<QPushButton>(window, "pushButton")->text(), QStringLiteral("Start"));
    }

    void letterButtonsScoreTheShownStudent()
    {
        seedRoster({{QStringLiteral("A"), {"2", "1"}, {}, {}}});
        MainWindow window;
        click(window, "pushButton_6");
        click(window, "pushButton_3");
        click(window, "pushButton_8");
        click(window, "pushButton_10");
        QCOMPARE(scoresOfFirstClass(), (QStringList{"CF", "B"}));
    }

    void rollModeScoresTheLeftmostWholeId()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002", "1003"}, {}, {}}});
        MainWindow window;
        click(window, "checkBox");
        click(window, "pushButton_3", 13);  // "001  1002  100"
        click(window, "pushButton_7");
        QCOMPARE(scoresOfFirstClass(), (QStringList{"", "D", ""}));
    }

    void scoreBoxAcceptsOneLetterInEitherCase()
    {
        seedRoster({{QStringLiteral("A"), {"0123"}, {}, {}}});
        MainWindow window;
        auto *box = findByName<QLineEdit>(window, "lineEdit");
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        typeScore(window, "lineEdit", QStringLiteral("c"));
        QCOMPARE(box->text(), QString());
        typeScore(window, "lineEdit", QStringLiteral("A"));
        QCOMPARE(scoresOfFirstClass(), QStringList{"CA"});
    }

    void studentDirectoriesOfTheShownIds()
    {
        seedRoster({{QStringLiteral("A"), {"0123", "45", "1002"}, {}, {}}});
        MainWindow window;
        UrlRecorder recorder;
        const QString classDir = TestEnvironment::homePath() + QStringLiteral("/Brimvale/A/");

        click(window, "pushButton_3");  // 0123: shown as 123, but its own directory opens
        window.findChild<QAction *>(QStringLiteral("actionOpen_Student_Directory"))->trigger();
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(classDir + QStringLiteral("0123"))});
        QVERIFY(!QDir(classDir + QStringLiteral("123")).exists());

        recorder.urls.clear();
        click(window, "checkBox");
        click(window, "pushButton_3", 7);  // "      45  0123"
        window.findChild<QAction *>(QStringLiteral("actionOpen_Student_Directory"))->trigger();
        QCOMPARE(recorder.urls, (QList<QUrl>{QUrl::fromLocalFile(classDir + QStringLiteral("45")),
                                             QUrl::fromLocalFile(classDir + QStringLiteral("0123"))}));
    }

    void scoreBoxRefusesAnythingElse_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("after F") << QStringLiteral("G");
        QTest::newRow("two letters") << QStringLiteral("AB");
        QTest::newRow("nothing") << QString();
        QTest::newRow("blank") << QStringLiteral(" ");
        QTest::newRow("non-ASCII") << QStringLiteral("Ä");
    }

    void scoreBoxRefusesAnythingElse()
    {
        QFETCH(QString, typed);
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        MainWindow window;
        ModalAnswerer answerer;
        typeScore(window, "lineEdit", typed);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Warning"));
        QCOMPARE(answerer.text(), QStringLiteral("Please input letter 'A','B','C','D','E' or 'F'"));
        QCOMPARE(findByName<QLineEdit>(window, "lineEdit")->text(), typed);
        QCOMPARE(scoresOfFirstClass(), QStringList{QString()});
    }
};

ZANDREL_TEST_MAIN(TestLedDisplay)
#include "tst_leddisplay.moc"
