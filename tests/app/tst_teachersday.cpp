#include "app/mainwindow.h"
#include "common/settingsmap.h"
#include "roster/drawsettings.h"
#include "roster/rosterbackups.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

// A teacher's day from the main window: the backup and help commands, the
// empty start, the class kept over a restart, and the small things.
class TestTeachersDay : public QObject
{
    Q_OBJECT

private:
    static QStringList actionNames(QMenu *menu)
    {
        QStringList names;
        for (QAction *action : menu->actions())
            names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
        return names;
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void theMenusHoldTheNewCommands()
    {
        MainWindow window;
        const QStringList classMenu = actionNames(findByName<QMenu>(window, "menuLog"));
        QCOMPARE(classMenu.mid(classMenu.size() - 6),
                 (QStringList{"|", "actionBackUp", "actionRestore", "actionRestoreEarlierDay", "|", "actionQuit"}));
        QCOMPARE(findByName<QAction>(window, "actionBackUp")->text(), QStringLiteral("Back Up Everything..."));
        QCOMPARE(findByName<QAction>(window, "actionRestore")->text(), QStringLiteral("Restore from Backup..."));
        QCOMPARE(findByName<QAction>(window, "actionRestoreEarlierDay")->text(),
                 QStringLiteral("Restore an Earlier Day..."));
        QCOMPARE(findByName<QAction>(window, "actionQuit")->text(), QStringLiteral("Quit"));
        QCOMPARE(findByName<QAction>(window, "actionQuit")->shortcut(), QKeySequence(Qt::CTRL + Qt::Key_Q));
        auto *guide = findByName<QAction>(window, "actionQuickGuide");
        QCOMPARE(guide->text(), QStringLiteral("Quick Guide"));
        QCOMPARE(guide->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(findByName<QMenu>(window, "menuAbout")->actions().contains(guide));
        QCOMPARE(findByName<QPushButton>(window, "pushButton_2")->toolTip(), QStringLiteral("Previous ID"));
        QCOMPARE(findByName<QPushButton>(window, "pushButton_3")->toolTip(), QStringLiteral("Next ID"));
    }

    void eachCommandOpensItsWindow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::newRow("back up") << "actionBackUp"
                                 << "Back Up Everything";
        QTest::newRow("restore") << "actionRestore"
                                 << "Restore from Backup";
        QTest::newRow("earlier day") << "actionRestoreEarlierDay"
                                     << "Restore an Earlier Day";
        QTest::newRow("quick guide") << "actionQuickGuide"
                                     << "Quick Guide";
        QTest::newRow("about") << "actionAbout"
                               << "About Zandrel";
    }

    void eachCommandOpensItsWindow()
    {
        QFETCH(QString, action);
        QFETCH(QString, title);
        MainWindow window;
        window.show();
        ModalAnswerer answerer([](QWidget *opened) { opened->close(); });
        findByName<QAction>(window, action.toLatin1().constData())->trigger();
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), title);
    }

    void quitAsksAsClosingTheWindowDoes()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        MainWindow window;
        window.show();
        // A score the disk refuses (the settings folder is taken by a file)
        // makes closing ask first.
        const QString settingsFolder = TestEnvironment::configPath() + QStringLiteral("/Velmor");
        QVERIFY(QDir(settingsFolder).removeRecursively());
        QFile blocker(settingsFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        {
            ModalAnswerer notSaved;
            window.recordScore(QStringLiteral("1"), 'A');
            QVERIFY(notSaved.answered());
        }
        ModalAnswerer question(
            [](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Close)->click(); });
        findByName<QAction>(window, "actionQuit")->trigger();
        QVERIFY(question.answered());
        QCOMPARE(question.title(), QStringLiteral("Scores Not Saved"));
        QVERIFY(!window.isVisible());
        QVERIFY(QFile::remove(settingsFolder));
    }

    void anEmptyClassSaysWhatToDo()
    {
        MainWindow window;
        window.show();
        QCOMPARE(findByName<QComboBox>(window, "comboBox")->currentText(), QStringLiteral("Class 1"));
        auto *names = findByName<QLabel>(window, "drawnNamesLabel");
        QCOMPARE(names->text(), QStringLiteral("No students yet: add them in Class > Class Settings."));
        QVERIFY(names->isVisible());
    }

    void theNextStartBeginsOnTheClassChosenLast()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}},
                    {QStringLiteral("B"), {"2"}, {}, {}},
                    {QStringLiteral("C"), {"3"}, {}, {}}});
        {
            MainWindow window;
            findByName<QComboBox>(window, "comboBox")->setCurrentIndex(2);
        }
        QCOMPARE(SettingsMap::readSetting(SettingsMap::kProgramArea, SettingsMap::kLastClass).toString(),
                 QStringLiteral("C"));
        MainWindow again;
        QCOMPARE(findByName<QComboBox>(again, "comboBox")->currentText(), QStringLiteral("C"));
        QVERIFY(findByName<QLabel>(again, "drawnNamesLabel")->text().isEmpty());

        SettingsMap::writeSetting(SettingsMap::kProgramArea, SettingsMap::kLastClass, QStringLiteral("gone"));
        MainWindow afterADelete;
        QCOMPARE(findByName<QComboBox>(afterADelete, "comboBox")->currentText(), QStringLiteral("A"));
    }

    void theCountStaysOnOneLine_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("count");
        QTest::newRow("simplified") << "simplify" << QStringLiteral("33 名学生（3 人缺席）");
        QTest::newRow("traditional") << "traditional" << QStringLiteral("33 名學生（3 人缺席）");
        QTest::newRow("english") << "english" << QStringLiteral("33 Students (3 absent)");
    }

    void theCountStaysOnOneLine()
    {
        QFETCH(QString, language);
        QFETCH(QString, count);
        QStringList ids;
        for (int id = 1001; id <= 1036; ++id)
            ids << QString::number(id);
        seedRoster({{QStringLiteral("A"), ids, {}, {}}});
        DrawSettings::setAbsentOn(QStringLiteral("A"), QDate::currentDate(), {"1001", "1002", "1003"});
        SettingsMap::writeSetting(SettingsMap::kLanguageArea, SettingsMap::kLanguage, language);
        MainWindow window;
        window.show();
        auto *label = findByName<QLabel>(window, "label_3");
        QCOMPARE(label->text(), count);
        QVERIFY(!label->wordWrap());
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(count) <= label->contentsRect().width());
        QVERIFY(label->font().pointSize() >= 7);
    }

    void aBackupThatCannotBeMadeIsToldAndTheScoreSaved()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        QFile blocker(RosterBackups::folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MainWindow window;
        window.show();
        findByName<QPushButton>(window, "pushButton_5")->click();
        QTRY_VERIFY(window.findChild<QMessageBox *>(QStringLiteral("backupFailedBox")));
        auto *box = window.findChild<QMessageBox *>(QStringLiteral("backupFailedBox"));
        QVERIFY(!box->isModal());
        QVERIFY(box->text().contains(RosterBackups::folder()));
        QCOMPARE(storedRoster().first().scores, QStringList{QStringLiteral("A")});
    }

    void scoreMessagesLeaveTheStatusBarAfterFiveSeconds()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        MainWindow window;
        window.show();
        findByName<QPushButton>(window, "pushButton_5")->click();
        findByName<QAction>(window, "actionUndoScore")->trigger();
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Removed A from 1"));
        QTest::qWait(4000);
        QVERIFY(!window.statusBar()->currentMessage().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(window.statusBar()->currentMessage().isEmpty(), 3000);
    }
};

ZANDREL_TEST_MAIN(TestTeachersDay)
#include "tst_teachersday.moc"
