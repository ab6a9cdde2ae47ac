#include "app/floatingdrawbutton.h"
#include "app/floatingdraws.h"
#include "app/floatingresultwindow.h"
#include "app/mainwindow.h"
#include "app/quickdrawdisplay.h"
#include "roster/drawsettings.h"
#include "roster/historyfile.h"

#include "../support/mousesender.h"
#include "../support/rosterseeder.h"
#include "../support/speechcapture.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLCDNumber>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>

#include <random>

// The floating button and the command line over a running main window: the
// same session draws, the same score book scores, as in the window itself.
class TestDrawOverSlides : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int status = -1;
        QString out;
        QString err;
    };

    // The program started as a teacher's key starts it; the window under
    // test keeps serving meanwhile.
    static Run runProgram(const QStringList &arguments)
    {
        QProcess program;
        program.start(QStringLiteral(ZANDREL_PROGRAM), arguments);
        const QDeadlineTimer deadline(20000);
        while (program.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(10);
        return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
                QString::fromLocal8Bit(program.readAllStandardError())};
    }

    static std::vector<HistoryEntry> history()
    {
        QFile file(TestEnvironment::homePath() + QStringLiteral("/Brimvale/A_history.csv"));
        return file.open(QIODevice::ReadOnly) ? readHistory(file) : std::vector<HistoryEntry>();
    }

    static QString scoreOf(const QString &id)
    {
        const SeedClass stored = storedRoster().first();
        return stored.scores.value(stored.ids.indexOf(id));
    }

    static void seedClass()
    {
        seedRoster({{QStringLiteral("A"),
                     {"1001", "1002", "1003"},
                     {QStringLiteral("Li Lei"), QStringLiteral("Han Meimei"), QStringLiteral("Wang Fang")},
                     {}}});
    }

    static const QStringList &names()
    {
        static const QStringList entries{"1001 Li Lei", "1002 Han Meimei", "1003 Wang Fang"};
        return entries;
    }

    static QStringList resultLines(FloatingDrawButton *button)
    {
        QStringList lines;
        for (QLabel *label : button->resultWindow()->findChildren<QLabel *>(QStringLiteral("floatingResultText")))
            lines << label->text();
        return lines;
    }

private slots:
    void init()
    {
        TestEnvironment::clearUserData();
        SpeechCapture::clear();
    }

    void aQuickDrawPicksDifferentStudents_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expected");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("three of five") << 3 << 3;
        QTest::newRow("all five") << 5 << 5;
        QTest::newRow("more than there are") << 9 << 5;
        QTest::newRow("none") << 0 << 0;
    }

    void aQuickDrawPicksDifferentStudents()
    {
        QFETCH(int, count);
        QFETCH(int, expected);
        const std::vector<QString> candidates{"1", "2", "3", "4", "5"};
        std::mt19937 generator(7);
        const RandomSource random = [&generator] { return int(generator() >> 1); };
        QHash<QString, int> firsts;
        for (int run = 0; run < 500; ++run) {
            const std::vector<QString> drawn = pickAtRandom(candidates, count, random);
            QCOMPARE(int(drawn.size()), expected);
            QCOMPARE(int(QSet<QString>(drawn.cbegin(), drawn.cend()).size()), expected);
            if (!drawn.empty())
                ++firsts[drawn.front()];
        }
        // Each student comes first about as often, 100 times in 500.
        for (const QString &id : candidates) {
            if (expected > 0)
                QVERIFY2(firsts.value(id) > 60 && firsts.value(id) < 140, qPrintable(id));
        }
    }

    void theViewMenuShowsTheButtonAndKeepsTheChoice()
    {
        seedClass();
        MainWindow window;
        window.show();
        QAction *action = findByName<QAction>(window, "actionFloatingButton");
        QCOMPARE(action->text(), QStringLiteral("Floating Draw Button"));
        QVERIFY(action->isCheckable());
        QVERIFY(!action->isChecked());
        FloatingDrawButton *button = window.floatingDraws()->button();
        QVERIFY(!button->isVisible());
        action->trigger();
        QVERIFY(button->isVisible());
        QVERIFY(QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"))
                    .value(QStringLiteral("View_Floating"))
                    .toBool());

        findByName<QAction>(*button, "actionFloatingHide")->trigger();
        QVERIFY(!button->isVisible());
        QVERIFY(!action->isChecked());
        QVERIFY(!QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"))
                     .value(QStringLiteral("View_Floating"))
                     .toBool());
    }

    void aClickDrawsThroughTheWindowsSession()
    {
        seedClass();
        DrawSettings::setNoRepeat(true);
        MainWindow window;
        window.show();
        findByName<QAction>(window, "actionFloatingButton")->trigger();
        FloatingDrawButton *button = window.floatingDraws()->button();
        clickAt(button, button->rect().center());

        const QStringList shown = resultLines(button);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(names().contains(shown.first()), qPrintable(shown.first()));
        const QString id = shown.first().left(4);
        // Recorded as every draw is: the history, the round, read aloud.
        const std::vector<HistoryEntry> lines = history();
        QCOMPARE(lines.size(), size_t(1));
        QCOMPARE(lines[0].event, QStringLiteral("draw"));
        QCOMPARE(lines[0].display, QStringLiteral("Floating Button"));
        QCOMPARE(lines[0].id, id);
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("A")), QSet<QString>{id});
        QTRY_COMPARE(SpeechCapture::spokenTexts(), QStringList{id});
        // The window shows the same draw when it is brought back.
        QCOMPARE(findByName<QLabel>(window, "drawnNamesLabel")->text(), shown.first());
        QCOMPARE(findByName<QLCDNumber>(window, "lcdNumber")->intValue(), id.toInt());

        // The round goes on: two more draws give the other two students.
        clickAt(button, button->rect().center());
        findByName<QAction>(*button, "actionFloatingDrawTwo")->trigger();
        QSet<QString> drawn;
        for (const HistoryEntry &entry : history())
            drawn << entry.id;
        QCOMPARE(drawn, (QSet<QString>{"1001", "1002", "1003"}));
    }

    void aLetterFromTheResultLandsOnThatStudentAndCanBeUndone()
    {
        seedClass();
        MainWindow window;
        window.show();
        FloatingDrawButton *button = window.floatingDraws()->button();
        findByName<QAction>(*button, "actionFloatingDrawTwo")->trigger();
        const QList<QWidget *> rows = button->resultWindow()->findChildren<QWidget *>("floatingResultRow");
        QCOMPARE(rows.size(), 2);
        const QString second = resultLines(button).at(1).left(4);
        QTest::mouseClick(findByName<QPushButton>(*rows.at(1), "floatingScoreB"), Qt::LeftButton);

        QCOMPARE(scoreOf(second), QStringLiteral("B"));
        const HistoryEntry given = history().back();
        QCOMPARE(given.event, QStringLiteral("score"));
        QCOMPARE(given.id, second);
        QCOMPARE(given.score, QStringLiteral("B"));
        QCOMPARE(given.display, QStringLiteral("Floating Button"));

        QAction *undo = findByName<QAction>(window, "actionUndoScore");
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(scoreOf(second), QString());
        QCOMPARE(history().back().event, QStringLiteral("undo"));
    }

    void whyNobodyWasDrawnIsShown()
    {
        seedClass();
        DrawSettings::setAbsentOn(QStringLiteral("A"), QDate::currentDate(), {"1001", "1002", "1003"});
        MainWindow window;
        window.show();
        FloatingDrawButton *button = window.floatingDraws()->button();
        clickAt(button, button->rect().center());
        QCOMPARE(resultLines(button).size(), 1);
        QVERIFY2(resultLines(button).first().contains(QStringLiteral("all of them are absent")),
                 qPrintable(resultLines(button).first()));
        QVERIFY(history().empty());
    }

    void theCommandLineReachesTheRunningCopy()
    {
        seedClass();
        MainWindow window;
        window.show();
        QVERIFY(window.listenForCommands());

        const Run drawn = runProgram({QStringLiteral("--draw")});
        QCOMPARE(drawn.status, 0);
        const QString entry = drawn.out.trimmed();
        QVERIFY2(names().contains(entry), qPrintable(entry));
        QCOMPARE(history().back().display, QStringLiteral("Command Line"));
        QVERIFY(window.floatingDraws()->button()->resultWindow()->isVisible());

        const Run scored = runProgram({QStringLiteral("--score"), QStringLiteral("a")});
        QCOMPARE(scored.status, 0);
        QCOMPARE(scoreOf(entry.left(4)), QStringLiteral("A"));
        QCOMPARE(scored.out.trimmed(), QStringLiteral("A given to %1.").arg(entry));

        const Run badLetter = runProgram({QStringLiteral("--score"), QStringLiteral("G")});
        QCOMPARE(badLetter.status, 1);
        QVERIFY(badLetter.err.contains(QStringLiteral("letters A to F")));
        QCOMPARE(scoreOf(entry.left(4)), QStringLiteral("A"));

        QCOMPARE(runProgram({QStringLiteral("--floating"), QStringLiteral("on")}).status, 0);
        QVERIFY(findByName<QAction>(window, "actionFloatingButton")->isChecked());
        QVERIFY(window.floatingDraws()->button()->isVisible());
        window.showMinimized();
        QCOMPARE(runProgram({QStringLiteral("--show")}).status, 0);
        QVERIFY(!window.isMinimized());
    }

    void noDrawWhileADialogIsOpen()
    {
        seedClass();
        MainWindow window;
        window.show();
        QVERIFY(window.listenForCommands());
        QDialog dialog(&window);
        dialog.setModal(true);
        dialog.show();
        const Run drawn = runProgram({QStringLiteral("--draw")});
        QCOMPARE(drawn.status, 1);
        QVERIFY(drawn.err.contains(QStringLiteral("dialog open")));
        QVERIFY(history().empty());
        dialog.close();
        QCOMPARE(runProgram({QStringLiteral("--draw")}).status, 0);
    }

    void aDrawOfAClassWithNobodyPresentEndsWithStatusOne()
    {
        seedClass();
        DrawSettings::setAbsentOn(QStringLiteral("A"), QDate::currentDate(), {"1001", "1002", "1003"});
        MainWindow window;
        window.show();
        QVERIFY(window.listenForCommands());
        const Run drawn = runProgram({QStringLiteral("--draw"), QStringLiteral("2")});
        QCOMPARE(drawn.status, 1);
        QVERIFY(drawn.err.contains(QStringLiteral("Nobody in A can be drawn")));
        QVERIFY(drawn.out.isEmpty());
    }
};

ZANDREL_TEST_MAIN(TestDrawOverSlides)
#include "tst_drawoverslides.moc"
