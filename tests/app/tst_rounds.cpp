#include "app/mainwindow.h"
#include "displays/microtilewidget.h"
#include "displays/tvrollerwidget.h"
#include "displays/wheelassemblywidget.h"
#include "roster/historyfile.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/shortspins.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>

// Rounds without repeats, absent students, the history file and undo, all
// driven through the window as a teacher would.
class TestRounds : public QObject
{
    Q_OBJECT

private:
    static QString historyPath(const QString &className = QStringLiteral("A"))
    {
        return TestEnvironment::homePath() + QStringLiteral("/Brimvale/") + className + QStringLiteral("_history.csv");
    }

    static QByteArray historyBytes(const QString &className = QStringLiteral("A"))
    {
        QFile file(historyPath(className));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The IDs of the history's draw lines, in order.
    static QStringList drawnIds(const QString &className = QStringLiteral("A"))
    {
        QStringList ids;
        QFile file(historyPath(className));
        if (!file.open(QIODevice::ReadOnly))
            return ids;
        for (const HistoryEntry &entry : readHistory(file)) {
            if (entry.event == QLatin1String("draw"))
                ids << entry.id;
        }
        return ids;
    }

    static QStringList tenDigitIds(int count)
    {
        QStringList ids;
        for (int i = 1; i <= count; ++i)
            ids << QString::number(2024000000 + i);
        return ids;
    }

    static void click(QWidget &window, const char *button)
    {
        QTest::mouseClick(findByName<QAbstractButton>(window, button), Qt::LeftButton);
    }

    static void trigger(QWidget &window, const char *action) { findByName<QAction>(window, action)->trigger(); }

    static QString roundText(QWidget &window) { return findByName<QLabel>(window, "roundLabel")->text(); }

    static QString countText(QWidget &window) { return findByName<QLabel>(window, "label_3")->text(); }

    static void showDisplay(QWidget &window, const QString &display)
    {
        if (display == QLatin1String("LED Roll"))
            click(window, "checkBox");
        else if (display == QLatin1String("Micro Tile"))
            trigger(window, "actionMicro_Tile");
        else if (display == QLatin1String("TV Roller"))
            trigger(window, "actionTV_Roller");
        else if (display == QLatin1String("Wheel"))
            trigger(window, "actionWheel");
    }

    static const char *drawButton(const QString &display)
    {
        if (display == QLatin1String("Micro Tile"))
            return "pushButton_11";
        if (display == QLatin1String("TV Roller"))
            return "pushButton_12";
        if (display == QLatin1String("Wheel"))
            return "pushButton_4";
        return "pushButton";
    }

    static void startDraw(QWidget &window, const QString &display) { click(window, drawButton(display)); }

    // Stops the display, or waits for the wheels to stop by themselves.
    static void finishDraw(MainWindow &window, const QString &display)
    {
        if (display == QLatin1String("Wheel")) {
            const QString before = window.statusBar()->currentMessage();
            QTRY_VERIFY_WITH_TIMEOUT(window.statusBar()->currentMessage() != before, 15000);
            return;
        }
        if (display == QLatin1String("LED Roll"))
            QTest::qWait(300);
        if (display == QLatin1String("Micro Tile"))
            QTRY_VERIFY(window.findChild<MicroTileWidget *>()->selectedIndex() >= 0);
        click(window, drawButton(display));
    }

    static void draw(MainWindow &window, const QString &display)
    {
        startDraw(window, display);
        finishDraw(window, display);
    }

    // Marks the students of those rows of the dialog absent (or present
    // again: a second mark clears), then confirms.
    static void markAbsent(QWidget &window, const QList<int> &rows)
    {
        ModalAnswerer answerer([rows](QWidget *dialog) {
            auto *view = findByName<QTableView>(*dialog, "tableView");
            for (int row : rows) {
                view->setCurrentIndex(view->model()->index(row, 0));
                QTest::keyClick(view, Qt::Key_Space);
            }
            findByName<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        trigger(window, "actionAbsentStudents");
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Absent Students"));
    }

    static QSet<QString> set(const QStringList &ids) { return QSet<QString>(ids.cbegin(), ids.cend()); }

private slots:
    void initTestCase() { useShortWheelSpins(); }

    void init() { TestEnvironment::clearUserData(); }

    void aRoundDrawsEveryStudentOnce_data()
    {
        QTest::addColumn<QString>("display");
        for (const char *display : {"LED", "LED Roll", "Micro Tile", "TV Roller", "Wheel"})
            QTest::newRow(display) << QString::fromLatin1(display);
    }

    void aRoundDrawsEveryStudentOnce()
    {
        QFETCH(QString, display);
        seedRoster({{QStringLiteral("A"), tenDigitIds(5), {}, {}}});
        MainWindow window;
        window.show();
        showDisplay(window, display);
        auto *noRepeat = findByName<QAction>(window, "actionNoRepeat");
        QVERIFY(noRepeat->isCheckable());
        QVERIFY(!noRepeat->isChecked());
        QVERIFY(!findByName<QLabel>(window, "roundLabel")->isVisible());
        noRepeat->trigger();
        QVERIFY(QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel")).value(QStringLiteral("Lottery_NoRepeat")).toBool());
        QVERIFY(findByName<QLabel>(window, "roundLabel")->isVisible());
        QCOMPARE(roundText(window), QStringLiteral("5 of 5 left in this round"));

        for (int n = 1; n <= 5; ++n) {
            draw(window, display);
            QCOMPARE(drawnIds().size(), n);
            QCOMPARE(roundText(window), QStringLiteral("%1 of 5 left in this round").arg(5 - n));
        }
        QCOMPARE(set(drawnIds()), set(tenDigitIds(5)));

        startDraw(window, display);
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("All students have been drawn; a new round begins"));
        finishDraw(window, display);
        QCOMPARE(drawnIds().size(), 6);
        QCOMPARE(roundText(window), QStringLiteral("4 of 5 left in this round"));
    }

    void aDrawOfSeveralNeverRepeatsAStudent()
    {
        seedRoster({{QStringLiteral("A"), tenDigitIds(5), {}, {}}});
        MainWindow window;
        window.show();
        trigger(window, "actionNoRepeat");
        trigger(window, "actionTV_Roller");
        auto *selected = findByName<QComboBox>(window, "comboBox_4");
        QTest::keyClick(selected, Qt::Key_Down);
        QTest::keyClick(selected, Qt::Key_Down);
        QCOMPARE(window.findChild<TVRollerWidget *>()->selectCount(), 3);

        draw(window, "TV Roller");
        QCOMPARE(set(drawnIds()).size(), 3);
        // Two are left: the draw takes both rather than repeat one.
        draw(window, "TV Roller");
        QCOMPARE(drawnIds().size(), 5);
        QCOMPARE(set(drawnIds()), set(tenDigitIds(5)));
        draw(window, "TV Roller");
        QCOMPARE(set(drawnIds().mid(5)).size(), 3);
    }

    void severalWheelsDrawDifferentStudents()
    {
        seedRoster({{QStringLiteral("A"), tenDigitIds(10), {}, {}}});
        MainWindow window;
        window.show();
        trigger(window, "actionNoRepeat");
        trigger(window, "actionWheel");
        QTest::keyClick(findByName<QComboBox>(window, "comboBox_5"), Qt::Key_Down);
        QCOMPARE(window.findChildren<WheelAssemblyWidget *>().size(), 2);
        for (int spin = 1; spin <= 2; ++spin) {
            click(window, "pushButton_4");
            QTRY_COMPARE_WITH_TIMEOUT(drawnIds().size(), 2 * spin, 15000);
        }
        QCOMPARE(set(drawnIds()).size(), 4);
        QCOMPARE(roundText(window), QStringLiteral("6 of 10 left in this round"));
        int items = 0;
        for (WheelAssemblyWidget *wheel : window.findChildren<WheelAssemblyWidget *>())
            items += wheel->itemCount();
        QCOMPARE(items, 8);
    }

    void aRoundLivesThroughClassChangesAndRestarts()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002", "1003", "1004", "1005"}, {}, {}},
                    {QStringLiteral("B"), {"2001", "2002", "2003"}, {}, {}}});
        {
            MainWindow window;
            window.show();
            trigger(window, "actionNoRepeat");
            draw(window, "LED");
            draw(window, "LED");
            QCOMPARE(roundText(window), QStringLiteral("3 of 5 left in this round"));

            findByName<QComboBox>(window, "comboBox")->setCurrentIndex(1);
            QCOMPARE(roundText(window), QStringLiteral("3 of 3 left in this round"));
            draw(window, "LED");
            QCOMPARE(drawnIds(QStringLiteral("B")).size(), 1);
            QCOMPARE(roundText(window), QStringLiteral("2 of 3 left in this round"));

            findByName<QComboBox>(window, "comboBox")->setCurrentIndex(0);
            QCOMPARE(roundText(window), QStringLiteral("3 of 5 left in this round"));
            draw(window, "LED");
            QCOMPARE(set(drawnIds()).size(), 3);
        }
        MainWindow window;
        window.show();
        QVERIFY(findByName<QAction>(window, "actionNoRepeat")->isChecked());
        QCOMPARE(roundText(window), QStringLiteral("2 of 5 left in this round"));
        draw(window, "LED");
        draw(window, "LED");
        QCOMPARE(set(drawnIds()), set({"1001", "1002", "1003", "1004", "1005"}));
        findByName<QComboBox>(window, "comboBox")->setCurrentIndex(1);
        QCOMPARE(roundText(window), QStringLiteral("2 of 3 left in this round"));

        trigger(window, "actionNewRound");
        QCOMPARE(roundText(window), QStringLiteral("3 of 3 left in this round"));
    }

    void absentStudentsAreNeverDrawn()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002", "1003", "1004", "1005"},
                     {"Ann", "Bob", "Cy", "Di", "Ed"}, {}}});
        {
            MainWindow window;
            window.show();
            QCOMPARE(countText(window), QStringLiteral("5 Students"));
            markAbsent(window, {1, 3});
            QCOMPARE(countText(window), QStringLiteral("3 Students (2 absent)"));

            trigger(window, "actionTV_Roller");
            auto *visible = findByName<QComboBox>(window, "comboBox_3");
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(visible, Qt::Key_Down);
            auto *selected = findByName<QComboBox>(window, "comboBox_4");
            for (int i = 0; i < 7; ++i)
                QTest::keyClick(selected, Qt::Key_Down);
            for (int n = 0; n < 3; ++n)
                draw(window, "TV Roller");
            QCOMPARE(drawnIds().size(), 9);
            QCOMPARE(set(drawnIds()), (QSet<QString>{"1001", "1003", "1005"}));

            trigger(window, "actionNoRepeat");
            QCOMPARE(roundText(window), QStringLiteral("3 of 3 left in this round"));
        }
        {
            MainWindow window;
            QCOMPARE(countText(window), QStringLiteral("3 Students (2 absent)"));
            markAbsent(window, {1});
            QCOMPARE(countText(window), QStringLiteral("4 Students (1 absent)"));
        }
        {
            QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"));
            settings.setValue(QStringLiteral("Absent_Students/1/Date"),
                              QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyy-MM-dd")));
        }
        MainWindow window;
        QCOMPARE(countText(window), QStringLiteral("5 Students"));
    }

    void historyHoldsTheDrawTheScoreAndTheUndo()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002"}, {"Li, Ann", "Bob"}, {}}});
        MainWindow window;
        window.show();
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        draw(window, "LED");
        click(window, "pushButton_5");
        QCOMPARE(storedRoster()[0].scores, (QStringList{"A", ""}));
        trigger(window, "actionUndoScore");
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Removed A from 1001"));
        QCOMPARE(storedRoster()[0].scores, (QStringList{"", ""}));

        const QByteArray bytes = historyBytes();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QString content = QString::fromUtf8(bytes.mid(3));
        const QRegularExpression time(QStringLiteral("(?m)^(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d),"));
        auto match = time.globalMatch(content);
        int times = 0;
        while (match.hasNext()) {
            const QDateTime at = QDateTime::fromString(match.next().captured(1), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            QVERIFY(at >= before && at <= after);
            ++times;
        }
        QCOMPARE(times, 3);
        content.replace(time, QStringLiteral("T,"));
        QCOMPARE(content.toUtf8(), QByteArray("Time,Event,Display,ID,Name,Score\r\n"
                                              "T,draw,LED,1001,\"Li, Ann\",\r\n"
                                              "T,score,LED,1001,\"Li, Ann\",A\r\n"
                                              "T,undo,LED,1001,\"Li, Ann\",A\r\n"));
    }

    void undoTakesBackTheScoresOfThisRunInTurn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << "menu";
        QTest::newRow("Ctrl+Z in the score box") << "box";
        QTest::newRow("Ctrl+Z in the window") << "window";
    }

    void undoTakesBackTheScoresOfThisRunInTurn()
    {
        QFETCH(QString, how);
        seedRoster({{QStringLiteral("A"), {"1001", "1002"}, {}, {"F", ""}}});
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *undo = findByName<QAction>(window, "actionUndoScore");
        QCOMPARE(undo->text(), QStringLiteral("Undo Last Score"));
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QVERIFY(!undo->isEnabled());

        auto *box = findByName<QLineEdit>(window, "lineEdit");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("b"));
        QTest::keyClick(box, Qt::Key_Return);
        click(window, "pushButton_3");
        click(window, "pushButton_8");
        QVERIFY(undo->isEnabled());
        QCOMPARE(storedRoster()[0].scores, (QStringList{"FB", "C"}));

        auto undoOnce = [&] {
            if (how == QLatin1String("menu"))
                undo->trigger();
            else if (how == QLatin1String("box"))
                QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
            else
                QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        };
        undoOnce();
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Removed C from 1002"));
        QCOMPARE(storedRoster()[0].scores, (QStringList{"FB", ""}));
        undoOnce();
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Removed B from 1001"));
        QCOMPARE(storedRoster()[0].scores, (QStringList{"F", ""}));
        QVERIFY(!undo->isEnabled());
        // The F was given before this run: it stays.
        undoOnce();
        QCOMPARE(storedRoster()[0].scores, (QStringList{"F", ""}));
        QCOMPARE(historyBytes().count("undo"), 2);
    }

    void undoLeavesAScoreEditedMeanwhile()
    {
        seedRoster({{QStringLiteral("A"), {"1001"}, {}, {"A"}}});
        MainWindow window;
        window.show();
        click(window, "pushButton_6");
        QCOMPARE(storedRoster()[0].scores, QStringList{"AB"});

        ModalAnswerer edit([](QWidget *dialog) {
            auto *table = findByName<QTableView>(*dialog, "tableView");
            table->model()->setData(table->model()->index(0, 2), QStringLiteral("BA"));
            click(*dialog, "pushButton_2");
            dialog->close();
        });
        trigger(window, "actionClass_Settings");
        QVERIFY(edit.answered());
        QCOMPARE(storedRoster()[0].scores, QStringList{"BA"});

        trigger(window, "actionUndoScore");
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("B was not removed: the scores of 1001 no longer end with it"));
        QCOMPARE(storedRoster()[0].scores, QStringList{"BA"});
        QCOMPARE(historyBytes().count("undo"), 0);
        QVERIFY(!findByName<QAction>(window, "actionUndoScore")->isEnabled());
    }

    void undoFollowsTheClassAndStudentThroughClassSettings()
    {
        seedRoster({{QStringLiteral("A"), {"1001"}, {}, {"A"}}});
        MainWindow window;
        window.show();
        click(window, "pushButton_6");
        QCOMPARE(storedRoster()[0].scores, QStringList{"AB"});

        ModalAnswerer edit([](QWidget *dialog) {
            QAbstractItemModel *classes = findByName<QListView>(*dialog, "listView")->model();
            classes->setData(classes->index(0, 0), QStringLiteral("Maths"));
            QAbstractItemModel *students = findByName<QTableView>(*dialog, "tableView")->model();
            students->setData(students->index(0, 0), QStringLiteral("1005"));
            click(*dialog, "pushButton_2");
            dialog->close();
        });
        trigger(window, "actionClass_Settings");
        QVERIFY(edit.answered());
        QCOMPARE(storedRoster()[0].name, QStringLiteral("Maths"));
        QCOMPARE(storedRoster()[0].ids, QStringList{"1005"});

        trigger(window, "actionUndoScore");
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Removed B from 1005"));
        QCOMPARE(storedRoster()[0].scores, QStringList{"A"});
        QCOMPARE(historyBytes(QStringLiteral("Maths")).count("undo"), 1);
        QVERIFY(!findByName<QAction>(window, "actionUndoScore")->isEnabled());
    }

    void aHistoryThatCannotBeWrittenIsReportedOnce()
    {
        seedRoster({{QStringLiteral("A"), {"1001"}, {}, {}}});
        QVERIFY(QDir().mkpath(historyPath()));
        MainWindow window;
        window.show();
        {
            ModalAnswerer answerer;
            draw(window, "LED");
            QVERIFY(answerer.answered());
            QCOMPARE(answerer.title(), QStringLiteral("History Not Saved"));
        }
        {
            ModalAnswerer answerer(QDialogButtonBox::Ok, 300);
            click(window, "pushButton");
            click(window, "pushButton");
            QTest::qWait(400);
            QVERIFY(!answerer.answered());
        }
        QVERIFY(QDir().rmdir(historyPath()));
        draw(window, "LED");
        QCOMPARE(drawnIds(), (QStringList{"1001", "1001", "1001"}));
    }

    void closingWithHistoryNotYetWrittenAsks_data()
    {
        QTest::addColumn<bool>("tryAgain");
        QTest::newRow("tried again") << true;
        QTest::newRow("closed anyway") << false;
    }

    void closingWithHistoryNotYetWrittenAsks()
    {
        QFETCH(bool, tryAgain);
        seedRoster({{QStringLiteral("A"), {"1001"}, {}, {}}});
        QVERIFY(QDir().mkpath(historyPath()));
        MainWindow window;
        window.show();
        {
            ModalAnswerer reported;
            draw(window, "LED");
            QVERIFY(reported.answered());
        }
        QString question;
        ModalAnswerer answerer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            question = box->windowTitle() + QLatin1Char('|') + box->text();
            QVERIFY(QDir().rmdir(historyPath()));
            box->button(tryAgain ? QMessageBox::Retry : QMessageBox::Close)->click();
        });
        window.close();
        QVERIFY(answerer.answered());
        QCOMPARE(question,
                 QStringLiteral("History Not Saved|Some draws and scores could not be added to the history and "
                                "are kept only while Zandrel runs.\n\nTry to add them again, or close Zandrel "
                                "and lose them?"));
        QVERIFY(!window.isVisible());
        QCOMPARE(drawnIds(), tryAgain ? QStringList{"1001"} : QStringList{});
    }

    void aClassNameThatCannotBeAFileNameIsToldOnce()
    {
        const QString className = QStringLiteral("7/A");
        seedRoster({{className, {"1001"}, {}, {}}});
        MainWindow window;
        window.show();
        {
            ModalAnswerer answerer;
            draw(window, "LED");
            QVERIFY(answerer.answered());
            QCOMPARE(answerer.text(),
                     QStringLiteral("The class name 7/A cannot be used as a file name: rename the "
                                    "class to keep its history and score files."));
        }
        ModalAnswerer again(QDialogButtonBox::Ok, 300);
        draw(window, "LED");
        click(window, "pushButton_5");
        QTest::qWait(400);
        QVERIFY(!again.answered());
        QCOMPARE(storedRoster()[0].scores, QStringList{"A"});
    }

    void historyDialogShowsEventsNewestFirstAndEachStudent()
    {
        seedRoster({{QStringLiteral("A"), {"1001", "1002"}, {"Ann", "Bob"}, {}}});
        MainWindow window;
        window.show();
        draw(window, "LED");
        click(window, "pushButton_5");

        QList<QStringList> events;
        QList<QStringList> students;
        ModalAnswerer answerer([&](QWidget *dialog) {
            for (auto [table, rows] : {std::make_pair("eventTable", &events), std::make_pair("studentTable", &students)}) {
                const QAbstractItemModel *model = findByName<QTableView>(*dialog, table)->model();
                for (int row = 0; row < model->rowCount(); ++row) {
                    QStringList cells;
                    for (int column = 0; column < model->columnCount(); ++column)
                        cells << model->index(row, column).data().toString();
                    rows->append(cells);
                }
            }
            dialog->close();
        });
        trigger(window, "actionHistory");
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("History of A"));
        QCOMPARE(events.size(), 2);
        QCOMPARE(events[0].mid(1), (QStringList{"Score", "LED", "1001", "Ann", "A"}));
        QCOMPARE(events[1].mid(1), (QStringList{"Draw", "LED", "1001", "Ann", ""}));
        QCOMPARE(students.size(), 2);
        QCOMPARE(students[0], (QStringList{"1001", "Ann", "1", events[1][0], "A"}));
        QCOMPARE(students[1], (QStringList{"1002", "Bob", "0", "", ""}));
    }
};

ZANDREL_TEST_MAIN(TestRounds)
#include "tst_rounds.moc"
