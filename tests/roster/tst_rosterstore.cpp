#include "app/appservices.h"
#include "roster/averagescores.h"
#include "roster/classsettingdialog.h"
#include "roster/rosterstore.h"
#include "roster/studentids.h"

#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>

class TestRosterStore : public QObject
{
    Q_OBJECT

private:
    static QByteArray rosterFileBytes()
    {
        QFile file(TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void firstRunHasClassOneAndSavesIt()
    {
        RosterStore store(dataDirectory());
        store.loadClasses();
        std::vector<QString> names;
        store.classNames(names);
        QCOMPARE(names, std::vector<QString>{QStringLiteral("Class 1")});

        store.saveClasses();
        QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
        QCOMPARE(settings.value(QStringLiteral("Classes/size")).toInt(), 1);
        QCOMPARE(settings.value(QStringLiteral("Classes/1/Name")).toString(), QStringLiteral("Class 1"));
        QVERIFY(settings.contains(QStringLiteral("Classes/1/StudentInfor/size")));
        QCOMPARE(settings.value(QStringLiteral("Classes/1/StudentInfor/size")).toInt(), 0);
    }

    void readingStopsAtStoredSizeAndLeftoversStay()
    {
        seedRoster({{QStringLiteral("A"), {QStringLiteral("1")}, {}, {}},
                    {QStringLiteral("B"), {QStringLiteral("2")}, {}, {}},
                    {QStringLiteral("C"), {QStringLiteral("3")}, {}, {}}});
        {
            QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
            settings.setValue(QStringLiteral("Classes/size"), 2);
        }
        RosterStore store(dataDirectory());
        store.loadClasses();
        std::vector<QString> names;
        store.classNames(names);
        QCOMPARE(names.size(), size_t(2));

        store.saveClasses();
        QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
        QCOMPARE(settings.value(QStringLiteral("Classes/size")).toInt(), 2);
        QCOMPARE(settings.value(QStringLiteral("Classes/3/Name")).toString(), QStringLiteral("C"));
        QCOMPARE(storedRoster().size(), 2);
    }

    void damagedEntriesLoadAsEmptyAndAreWrittenBackWhole()
    {
        seedRoster({{QString(), {QStringLiteral("1001"), QStringLiteral("1001"), QString()},
                     {QStringLiteral("Tom")}, {QStringLiteral("AB")}}});
        {
            QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
            settings.remove(QStringLiteral("Classes/1/StudentInfor/1/Score"));
            settings.remove(QStringLiteral("Classes/1/Name"));
        }
        RosterStore store(dataDirectory());
        store.loadClasses();
        std::vector<QString> ids;
        store.studentIds(QString(), ids);
        QCOMPARE(ids, (std::vector<QString>{"1001", "1001", ""}));

        store.saveClasses();
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].ids.size(), 3);
        QCOMPARE(stored[0].scores[0], QString());
        QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
        QVERIFY(settings.contains(QStringLiteral("Classes/1/StudentInfor/1/Score")));
    }

    void claimedSizesBeyondTheEntriesPresentAreNotBelieved()
    {
        seedRoster({{QStringLiteral("A"), {QStringLiteral("1"), QStringLiteral("2")}, {}, {}},
                    {QStringLiteral("B"), {QStringLiteral("3")}, {}, {}}});
        {
            QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
            settings.setValue(QStringLiteral("Classes/size"), 2000000000);
            settings.setValue(QStringLiteral("Classes/1/StudentInfor/size"), 2000000000);
            settings.setValue(QStringLiteral("Classes/2/StudentInfor/size"), -5);
        }
        RosterStore store(dataDirectory());
        store.loadClasses();
        std::vector<QString> names, ids;
        store.classNames(names);
        QCOMPARE(names, (std::vector<QString>{"A", "B"}));
        store.studentIds(QStringLiteral("A"), ids);
        QCOMPARE(ids, (std::vector<QString>{"1", "2"}));
        store.studentIds(QStringLiteral("B"), ids);
        QVERIFY(ids.empty());
    }

    void lookupsByNameTakeTheFirstClass()
    {
        seedRoster({{QStringLiteral("Twin"), {QStringLiteral("1")}, {}, {}},
                    {QStringLiteral("Twin"), {QStringLiteral("2")}, {}, {}}});
        RosterStore store(dataDirectory());
        store.loadClasses();
        std::vector<QString> ids;
        store.studentIds(QStringLiteral("Twin"), ids);
        QCOMPARE(ids, std::vector<QString>{QStringLiteral("1")});
        QVERIFY(store.hasStudent(QStringLiteral("Twin"), QStringLiteral("1")));
        QVERIFY(!store.hasStudent(QStringLiteral("Twin"), QStringLiteral("2")));
        QVERIFY(!store.hasStudent(QStringLiteral("Nobody"), QStringLiteral("1")));

        store.selectClass(QStringLiteral("Twin"));
        store.appendScore(QStringLiteral("1"), 'A');
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored[0].scores[0], QStringLiteral("A"));
        QCOMPARE(stored[1].scores[0], QString());
    }

    void appendScoreKeepsCaseAndAppendsInOrder()
    {
        seedRoster({{QStringLiteral("A"), {QStringLiteral("7"), QStringLiteral("8")}, {}, {QStringLiteral("C")}}});
        RosterStore store(dataDirectory());
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));
        store.appendScore(QStringLiteral("7"), 'b');
        store.appendScore(QStringLiteral("7"), 'F');
        store.appendScore(QStringLiteral("8"), 'A');
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored[0].scores, (QStringList{QStringLiteral("CbF"), QStringLiteral("A")}));
    }

    void appendScoreWithoutCurrentClassSavesNothing()
    {
        seedRoster({{QStringLiteral("A"), {QStringLiteral("7")}, {}, {}}});
        RosterStore store(dataDirectory());
        store.loadClasses();
        std::vector<QString> ids;
        store.studentIds(QStringLiteral("No such class"), ids);
        QVERIFY(ids.empty());
        QFile::remove(TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting")));

        store.appendScore(QStringLiteral("7"), 'A');
        QVERIFY(!QFile::exists(TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting"))));

        store.selectClass(QStringLiteral("A"));
        store.appendScore(QStringLiteral("unknown"), 'A');
        QCOMPARE(storedRoster().size(), 1);
        QCOMPARE(storedRoster()[0].scores, QStringList{QString()});
    }

    void scoreWritesLeaveTheFileAsAFullSaveWould()
    {
        seedRoster({{QStringLiteral("A"), {QStringLiteral("1"), QStringLiteral("2")}, {QStringLiteral("Ann"), QStringLiteral("张伟")}, {}},
                    {QStringLiteral("B"), {QStringLiteral("3")}, {}, {QStringLiteral("DD")}}});
        RosterStore store(dataDirectory());
        store.loadClasses();
        store.selectClass(QStringLiteral("B"));
        store.appendScore(QStringLiteral("3"), 'E');
        store.selectClass(QStringLiteral("A"));
        store.appendScore(QStringLiteral("2"), 'A');
        const QByteArray afterScores = rosterFileBytes();

        store.saveClasses();
        QCOMPARE(rosterFileBytes(), afterScores);
        QCOMPARE(storedRoster()[1].scores, QStringList{QStringLiteral("DDE")});
    }

    void aStoreOnItsOwnWritesIntoTheDefaultDataDirectory()
    {
        seedRoster({{QStringLiteral("A"), {QStringLiteral("7")}, {}, {QStringLiteral("A")}}});
        QDir().mkpath(TestEnvironment::homePath() + QStringLiteral("/Brimvale"));
        ClassSettingDialog store;
        store.loadClasses();
        store.writeScoreFile(QStringLiteral("A"), 30, 10, RoundOff, false);
        QFile text(TestEnvironment::homePath() + QStringLiteral("/Brimvale/A_score100.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("7 30\r\n"));
    }

    void idValuesAndOrdering_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("first of one value wins") << QStringList{"007", "7"} << QStringList{"007"};
        QTest::newRow("by value, not text") << QStringList{"011", "10", "9"} << QStringList{"9", "10", "011"};
        QTest::newRow("non-numbers count as 0") << QStringList{"5", "abc", "x", "0"} << QStringList{"abc", "5"};
        QTest::newRow("negative and 64-bit") << QStringList{"9223372036854775807", "-3", "12"}
                                             << QStringList{"-3", "12", "9223372036854775807"};
        QTest::newRow("beyond 64 bits is 0") << QStringList{"99999999999999999999", "1"}
                                             << QStringList{"99999999999999999999", "1"};
    }

    void idValuesAndOrdering()
    {
        QFETCH(QStringList, ids);
        QFETCH(QStringList, ordered);
        const std::vector<QString> result = sortedUniqueIds(std::vector<QString>(ids.cbegin(), ids.cend()));
        QCOMPARE(QStringList(result.cbegin(), result.cend()), ordered);
    }
};

ZANDREL_TEST_MAIN(TestRosterStore)
#include "tst_rosterstore.moc"
