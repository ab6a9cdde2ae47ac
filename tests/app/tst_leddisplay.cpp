#include "app/leddraw.h"
#include "app/mainwindow.h"
#include "common/drawrandom.h"
#include "displays/wigglywidget.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>

namespace {
const QString kNoStudentNamed = QStringLiteral("No letter given: no student is drawn or shown yet");
}

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

    static QString namesLine(QWidget &window) { return findByName<QLabel>(window, "drawnNamesLabel")->text(); }

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

    // Right after the start nobody is drawn or shown: a letter goes to
    // nobody, and the status bar says why. Stepping by hand names the student
    // shown, and the letters go to that one.
    void lettersGoToTheStudentTheLineNames()
    {
        seedRoster({{QStringLiteral("A"), {"2", "1"}, {}, {}}});
        MainWindow window;
        window.show();
        click(window, "pushButton_6");
        QCOMPARE(scoresOfFirstClass(), (QStringList{"", ""}));
        QCOMPARE(window.statusBar()->currentMessage(), kNoStudentNamed);
        QVERIFY(!window.findChild<WigglyWidget *>()->isVisible());

        click(window, "pushButton_3");
        QCOMPARE(namesLine(window), QStringLiteral("2"));
        click(window, "pushButton_8");
        click(window, "pushButton_10");
        QCOMPARE(scoresOfFirstClass(), (QStringList{"CF", ""}));
        click(window, "pushButton_2");
        QCOMPARE(namesLine(window), QStringLiteral("1"));
        click(window, "pushButton_6");
        QCOMPARE(scoresOfFirstClass(), (QStringList{"CF", "B"}));
    }

    // A hold of the same length drew the same student each time; every run
    // now takes its first step to where the draws' generator says.
    void eachRunStartsWhereTheGeneratorSays_data()
    {
        QTest::addColumn<bool>("roll");
        QTest::newRow("single") << false;
        QTest::newRow("roll") << true;
    }

    void eachRunStartsWhereTheGeneratorSays()
    {
        QFETCH(bool, roll);
        std::vector<QString> ids;
        for (int k = 1; k <= 10; ++k)
            ids.push_back(QString::number(1000 + k));
        seedRoster({{QStringLiteral("A"), QStringList(ids.cbegin(), ids.cend()), {}, {}}});
        MainWindow window;
        window.show();
        // No tick of its own comes between the clicks.
        findByName<QSlider>(window, "m_timeSpeedSlider")->setValue(1);
        if (roll)
            click(window, "checkBox");
        const int digits = findByName<QLCDNumber>(window, "lcdNumber")->digitCount();
        const std::vector<char> ring = buildRollerRing(ids, digits);
        QSet<int> starts;
        for (quint32 state = 1; state <= 6; ++state) {
            setDrawRandomState(state);
            const int start = drawRandomBelow(roll ? int(ring.size()) : int(ids.size()));
            starts.insert(start);
            setDrawRandomState(state);
            window.statusBar()->clearMessage();
            click(window, "pushButton");
            QMetaObject::invokeMethod(&window, roll ? "OnLEDRollerTimer" : "lotteryScroll");
            click(window, "pushButton");
            if (!roll) {
                QCOMPARE(shown(window), ids[size_t(start)].toDouble());
                continue;
            }
            // What the stop announces of the window shown at the start,
            // rolled on while it holds no whole ID.
            unsigned position = unsigned(start);
            std::vector<QString> whole;
            for (int step = 0; whole.empty() && step < digits; ++step)
                whole = completeIdsShown(ring, position, rollerWindow(ring, position, digits));
            QString announced;
            for (const QString &id : whole)
                announced += id + QLatin1Char(' ');
            QCOMPARE(window.statusBar()->currentMessage(), announced);
        }
        QVERIFY(starts.size() > 1);
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
        click(window, "pushButton_3");
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
