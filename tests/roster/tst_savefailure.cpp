#include "app/mainwindow.h"
#include "roster/classsettingdialog.h"

#include "../support/classsettingdialogwithstore.h"
#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

// A roster that cannot be written (here: the settings folder is taken by a
// file, which stops root as well as anyone else) is reported once, kept in
// memory and saved as soon as the disk takes it again.
class TestSaveFailure : public QObject
{
    Q_OBJECT

private:
    static QString settingsFolder() { return TestEnvironment::configPath() + QStringLiteral("/Velmor"); }

    static void blockSettingsFolder()
    {
        QVERIFY(QDir(settingsFolder()).removeRecursively());
        QFile blocker(settingsFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }

    static void unblockSettingsFolder()
    {
        QVERIFY(QFile::remove(settingsFolder()));
        QVERIFY(QDir().mkpath(settingsFolder()));
    }

    // An intact class behind a line the settings store cannot read.
    static void writeRosterWithAStrayLine()
    {
        QVERIFY(QDir().mkpath(settingsFolder()));
        QFile file(TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("stray line\n[Classes]\n1\\Name=A\n1\\StudentInfor\\1\\ID=1\n"
                   "1\\StudentInfor\\1\\Score=AB\n1\\StudentInfor\\size=1\nsize=1\n");
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void scoresThatCannotBeSavedAreReportedOnceAndKept()
    {
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {}}});
        ClassSettingDialogWithStore store;
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));
        blockSettingsFolder();

        {
            ModalAnswerer answerer;
            store.appendScore(QStringLiteral("1"), 'A');
            QVERIFY(answerer.answered());
            QCOMPARE(answerer.title(), QStringLiteral("Scores Not Saved"));
            QVERIFY(answerer.text().contains(settingsFolder()));
        }
        {
            ModalAnswerer answerer(QDialogButtonBox::Ok, 300);
            store.appendScore(QStringLiteral("2"), 'B');
            QTest::qWait(400);
            QVERIFY(!answerer.answered());
        }

        // Reloading while the disk refuses keeps what is in memory.
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));

        unblockSettingsFolder();
        store.appendScore(QStringLiteral("1"), 'C');
        QCOMPARE(storedRoster().value(0).scores, (QStringList{"AC", "B"}));
    }

    void aDamagedRosterIsKeptAndReportedOnce()
    {
        writeRosterWithAStrayLine();
        ClassSettingDialogWithStore store;
        const QString told = QStringLiteral("The class list could not be read completely. A copy of it was kept: ");
        QString copy;
        {
            ModalAnswerer answerer;
            store.loadClasses();
            QTRY_VERIFY(answerer.answered());
            QVERIFY2(answerer.text().startsWith(told), qPrintable(answerer.text()));
            copy = answerer.text().mid(told.size());
        }
        QCOMPARE(QFileInfo(copy).path(), settingsFolder());
        QVERIFY(QFileInfo(copy).fileName().startsWith(QStringLiteral("Zandrel_ClassSetting.conf.damaged-")));
        QFile kept(copy);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().startsWith("stray line\n[Classes]"));

        ModalAnswerer again(QDialogButtonBox::Ok, 300);
        store.loadClasses();
        QTest::qWait(400);
        QVERIFY(!again.answered());
    }

    void aDamagedRosterAtStartIsReportedOverTheWholeWindow()
    {
        writeRosterWithAStrayLine();
        // Left open past a tick of the status bar clock.
        ModalAnswerer answerer([](QWidget *modal) {
            QTest::qWait(1200);
            qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Ok)->click();
        });
        MainWindow window;
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(answerer.answered(), 3000);
        QVERIFY(answerer.text().startsWith(QStringLiteral("The class list could not be read completely.")));
        QCOMPARE(findByName<QComboBox>(window, "comboBox")->currentText(), QStringLiteral("A"));
    }

    void aFormatErrorIsNotAWriteFailure()
    {
        writeRosterWithAStrayLine();
        ClassSettingDialogWithStore store;
        {
            ModalAnswerer damaged(QDialogButtonBox::Ok, 500);
            store.loadClasses();
            QTRY_VERIFY(damaged.answered());
        }
        store.selectClass(QStringLiteral("A"));
        ModalAnswerer answerer(QDialogButtonBox::Ok, 300);
        store.appendScore(QStringLiteral("1"), 'C');
        QTest::qWait(400);
        QVERIFY2(!answerer.answered(), qPrintable(answerer.title()));
        QCOMPARE(storedRoster().value(0).scores, QStringList{"ABC"});
    }

    void closingWithUnsavedScoresAsksFirst_data()
    {
        QTest::addColumn<bool>("tryAgain");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("try again until the disk takes them") << true << QStringList{"A"};
        // The blocked folder took the roster file with it.
        QTest::newRow("close anyway") << false << QStringList{};
    }

    void closingWithUnsavedScoresAsksFirst()
    {
        QFETCH(bool, tryAgain);
        QFETCH(QStringList, stored);
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        MainWindow window;
        window.show();
        blockSettingsFolder();
        {
            ModalAnswerer notSaved;
            window.recordScore(QStringLiteral("1"), 'A');
            QVERIFY(notSaved.answered());
        }

        // While the disk still refuses, trying again asks again.
        QStringList questions;
        std::unique_ptr<ModalAnswerer> second;
        ModalAnswerer first([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            questions << box->windowTitle() + QLatin1Char('|') + box->button(QMessageBox::Retry)->text()
                             + QLatin1Char('|') + box->button(QMessageBox::Close)->text();
            if (!tryAgain) {
                box->button(QMessageBox::Close)->click();
                return;
            }
            second.reset(new ModalAnswerer([&](QWidget *again) {
                questions << again->windowTitle();
                unblockSettingsFolder();
                qobject_cast<QMessageBox *>(again)->button(QMessageBox::Retry)->click();
            }));
            box->button(QMessageBox::Retry)->click();
        });
        window.close();
        QVERIFY(first.answered());
        QVERIFY(!window.isVisible());
        QCOMPARE(questions.value(0), QStringLiteral("Scores Not Saved|Try Again|Close Anyway"));
        QCOMPARE(questions.size(), tryAgain ? 2 : 1);
        if (!tryAgain)
            unblockSettingsFolder();
        QCOMPARE(storedRoster().value(0).scores, stored);
        if (!tryAgain)
            return;

        // Nothing left unsaved: closing asks nothing.
        window.show();
        ModalAnswerer none(QDialogButtonBox::Ok, 300);
        window.close();
        QVERIFY(!none.answered());
    }
};

ZANDREL_TEST_MAIN(TestSaveFailure)
#include "tst_savefailure.moc"
