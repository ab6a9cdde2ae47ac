#include "roster/classsettingdialog.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>

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

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void scoresThatCannotBeSavedAreReportedOnceAndKept()
    {
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {}}});
        ClassSettingDialog store;
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
};

ZANDREL_TEST_MAIN(TestSaveFailure)
#include "tst_savefailure.moc"
