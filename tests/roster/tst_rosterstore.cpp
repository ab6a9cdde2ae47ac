#include "app/appservices.h"
#include "app/instancelock.h"
#include "common/settingsmap.h"
#include "roster/averagescores.h"
#include "roster/classsettingdialog.h"
#include "roster/drawsettings.h"
#include "roster/rosterstore.h"
#include "roster/studentidcheck.h"
#include "roster/studentids.h"

#include "../support/classsettingdialogwithstore.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>

// One class as a program started afresh reads it back.
struct StoredClass
{
    QString name;
    QStringList ids;
    QStringList scores;
    bool operator==(const StoredClass &other) const
    {
        return name == other.name && ids == other.ids && scores == other.scores;
    }
};
Q_DECLARE_METATYPE(StoredClass)

char *toString(const StoredClass &stored)
{
    return qstrdup(QString(stored.name + QLatin1Char(':') + stored.ids.join(QLatin1Char(',')) + QLatin1Char('=')
                           + stored.scores.join(QLatin1Char(',')))
                       .toUtf8()
                       .constData());
}

class TestRosterStore : public QObject
{
    Q_OBJECT

private:
    static QString rosterFile() { return TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting")); }

    static QByteArray rosterFileBytes()
    {
        QFile file(rosterFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeRosterFile(const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(rosterFile()).path());
        QFile file(rosterFile());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the roster file");
    }

    // The roster as a program started afresh reads it.
    static QList<StoredClass> reloaded()
    {
        RosterStore store{QString()};
        store.loadClasses();
        QList<StoredClass> classes;
        for (int k = 0; k < store.classCount(); ++k)
            classes.append({store.classNameList().at(k), store.ids(k), store.scores(k)});
        return classes;
    }

    static QStringList damagedCopies()
    {
        return QDir(QFileInfo(rosterFile()).path())
            .entryList({QStringLiteral("Zandrel_ClassSetting.conf.damaged-*")}, QDir::Files);
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

    void scoresReachTheirOwnEntryInAFileWithGaps_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QList<StoredClass>>("expected");
        QTest::newRow("student entry 2 missing")
            << QByteArray("[Classes]\n1\\Name=A\n1\\StudentInfor\\1\\ID=1\n1\\StudentInfor\\1\\Score=\n"
                          "1\\StudentInfor\\3\\ID=3\n1\\StudentInfor\\3\\Score=C\n1\\StudentInfor\\size=3\n"
                          "size=1\n")
            << "A" << "3" << QList<StoredClass>{{"A", {"1", "3"}, {"", "CB"}}};
        QTest::newRow("class entry 1 missing")
            << QByteArray("[Classes]\n2\\Name=B\n2\\StudentInfor\\1\\ID=7\n2\\StudentInfor\\1\\Score=\n"
                          "2\\StudentInfor\\size=1\nsize=2\n")
            << "B" << "7" << QList<StoredClass>{{"B", {"7"}, {"B"}}};
        QTest::newRow("entry named 01 is not entry 1")
            << QByteArray("[Classes]\n1\\Name=A\n1\\StudentInfor\\01\\ID=9\n1\\StudentInfor\\2\\ID=2\n"
                          "1\\StudentInfor\\size=2\nsize=1\n")
            << "A" << "2" << QList<StoredClass>{{"A", {"2"}, {"B"}}};
    }

    void scoresReachTheirOwnEntryInAFileWithGaps()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, className);
        QFETCH(QString, id);
        QFETCH(QList<StoredClass>, expected);
        writeRosterFile(file);
        RosterStore store{QString()};
        store.loadClasses();
        store.selectClass(className);
        store.appendScore(id, 'B');
        QCOMPARE(reloaded(), expected);
    }

    void scoresGivenAfterTheFileChangedOnDiskAllReachIt_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("same students in another order") << "reordered";
        QTest::newRow("a backup restored") << "backup";
    }

    void scoresGivenAfterTheFileChangedOnDiskAllReachIt()
    {
        QFETCH(QString, change);
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {"FFFF", ""}}});
        const QByteArray backup = rosterFileBytes();
        RosterStore store{QString()};
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));
        store.appendScore(QStringLiteral("1"), 'A');
        if (change == QLatin1String("reordered"))
            seedRoster({{QStringLiteral("A"), {"2", "1"}, {}, {"", "FFFFA"}}});
        else
            writeRosterFile(backup);

        store.appendScore(QStringLiteral("2"), 'B');
        QCOMPARE(reloaded(), (QList<StoredClass>{{"A", {"1", "2"}, {"FFFFA", "B"}}}));
    }

    void anUnreadableRosterIsKeptBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("classesRead");
        const QByteArray intact("[Classes]\n1\\Name=A\n1\\StudentInfor\\1\\ID=1\n1\\StudentInfor\\1\\Score=AB\n"
                                "1\\StudentInfor\\size=1\nsize=1\n");
        QTest::newRow("a quote in a stray line swallows the class") << "note \"x\n" + intact << 0;
        QTest::newRow("a stray line continued into the class") << "note\\\n" + intact << 0;
        QTest::newRow("stray line before an intact class") << "stray line\n" + intact << 1;
        QTest::newRow("garbage inside the class") << intact + "\x01\x02garbage\n" << 1;
        QTest::newRow("a section header without its bracket")
            << QByteArray(intact).replace("[Classes]", "[Classes") << 1;
        QTest::newRow("no class in a non-empty file") << QByteArray("[General]\nnote=1\n") << 0;
    }

    void anUnreadableRosterIsKeptBeforeAnythingIsWritten()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, classesRead);
        writeRosterFile(file);
        // As at start-up, where the one-copy lock looks for its folder first.
        InstanceLock lock(TestEnvironment::homePath() + QStringLiteral("/Brimvale"));
        RosterStore store{QString()};
        QSignalSpy kept(&store, &RosterStore::damagedFileKept);
        store.loadClasses();
        QCOMPARE(kept.count(), 1);
        const QString copy = kept.at(0).at(0).toString();
        QCOMPARE(QFileInfo(copy).path(), QFileInfo(rosterFile()).path());
        QCOMPARE(damagedCopies(), QStringList{QFileInfo(copy).fileName()});
        QVERIFY2(QRegularExpression(QStringLiteral("^Zandrel_ClassSetting\\.conf\\.damaged-\\d{8}-\\d{6}$"))
                     .match(QFileInfo(copy).fileName())
                     .hasMatch(),
                 qPrintable(copy));
        QFile copied(copy);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), file);
        QCOMPARE(rosterFileBytes(), file);
        QCOMPARE(store.classCount() == 1 && store.classNameList().at(0) == QLatin1String("A") ? 1 : 0, classesRead);

        // The same damage found again is not kept twice.
        store.loadClasses();
        QCOMPARE(kept.count(), 1);
        store.selectClass(store.classNameList().at(0));
        store.appendScore(QStringLiteral("1"), 'C');
        QCOMPARE(damagedCopies().size(), 1);
    }

    void aDamagedRosterIsKeptOnceHoweverOftenTheProgramStarts()
    {
        const QByteArray damaged("note \"x\n[Classes]\n1\\Name=A\nsize=1\n");
        writeRosterFile(damaged);
        int told = 0;
        for (int start = 0; start < 3; ++start) {
            RosterStore store{QString()};
            QSignalSpy kept(&store, &RosterStore::damagedFileKept);
            store.loadClasses();
            told += kept.count();
        }
        QCOMPARE(told, 1);
        QCOMPARE(damagedCopies().size(), 1);

        // Other damage is other content, and kept beside the first.
        writeRosterFile(damaged + "\x01garbage\n");
        RosterStore store{QString()};
        QSignalSpy kept(&store, &RosterStore::damagedFileKept);
        store.loadClasses();
        QCOMPARE(kept.count(), 1);
        QCOMPARE(damagedCopies().size(), 2);
    }

    void anIntactOrMissingRosterKeepsNoCopy_data()
    {
        QTest::addColumn<bool>("seeded");
        QTest::newRow("intact") << true;
        QTest::newRow("first run") << false;
    }

    void anIntactOrMissingRosterKeepsNoCopy()
    {
        QFETCH(bool, seeded);
        if (seeded)
            seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        RosterStore store{QString()};
        QSignalSpy kept(&store, &RosterStore::damagedFileKept);
        store.loadClasses();
        store.saveClasses();
        store.loadClasses();
        QCOMPARE(kept.count(), 0);
        QVERIFY(damagedCopies().isEmpty());
    }

    void areaFilesAreNamedAsTheSettingsStoreNamesThem_data()
    {
        QTest::addColumn<QString>("area");
        for (const char *area : {SettingsMap::kLanguageArea, SettingsMap::kRosterArea, SettingsMap::kSpeechArea,
                                 SettingsMap::kProgramArea})
            QTest::newRow(area) << QString::fromLatin1(area);
    }

    void areaFilesAreNamedAsTheSettingsStoreNamesThem()
    {
        QFETCH(QString, area);
        QCOMPARE(SettingsMap::settingsFileName(area.toLatin1().constData()),
                 QSettings(QStringLiteral("Velmor"), area).fileName());
    }

    void aStoreOnItsOwnWritesIntoTheDefaultDataDirectory()
    {
        seedRoster({{QStringLiteral("A"), {QStringLiteral("7")}, {}, {QStringLiteral("A")}}});
        QDir().mkpath(TestEnvironment::homePath() + QStringLiteral("/Brimvale"));
        ClassSettingDialogWithStore store;
        store.loadClasses();
        store.writeScoreFile(QStringLiteral("A"), 30, 10, RoundOff, false);
        QFile text(TestEnvironment::homePath() + QStringLiteral("/Brimvale/A_score100.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("7 30\r\n"));
    }

    void classesAndStudentsKeepTheirIdentityThroughEditsAndReloads()
    {
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {"Al", "Bo"}, {}}, {QStringLiteral("B"), {"3"}, {}, {}}});
        RosterStore store{QString()};
        store.loadClasses();
        const quint64 classA = store.classKey(0), classB = store.classKey(1);
        const quint64 al = store.studentKey(0, 0), bo = store.studentKey(0, 1);
        QVERIFY(classA != classB && al != bo && al != 0 && classA != 0);

        store.renameClass(0, QStringLiteral("Z"));
        store.setStudents(0, {"20", "1", "5"}, {"Bo", "Al", "New"}, {"", "", ""}, {bo, al, 0});
        QCOMPARE(store.studentOfKey(0, al), 1);
        QCOMPARE(store.studentOfKey(0, bo), 0);
        const quint64 added = store.studentKey(0, 2);
        QVERIFY(added != 0 && added != al && added != bo && added != classA && added != classB);
        store.saveClasses();

        // Read back from the file this store wrote: the same classes and students.
        store.loadClasses();
        QCOMPARE(store.classOfKey(classA), 0);
        QCOMPARE(store.classOfKey(classB), 1);
        QCOMPARE(store.studentOfKey(0, al), 1);
        QCOMPARE(store.studentOfKey(0, added), 2);

        store.removeClass(1);
        store.appendClass(QStringLiteral("B"));
        QCOMPARE(store.classOfKey(classB), -1);
        QVERIFY(store.classKey(1) != classB);

        // A roster written by someone else holds other classes.
        store.loadClasses();
        seedRoster({{QStringLiteral("Z"), {"20", "1", "5"}, {}, {}}, {QStringLiteral("B"), {"3"}, {}, {}}});
        store.loadClasses();
        QCOMPARE(store.classOfKey(classA), -1);
        QCOMPARE(store.studentOfKey(0, al), -1);
    }

    void renamedAndDeletedClassesTakeTheirRoundsAndHistoryFiles()
    {
        const QString dataDir = TestEnvironment::homePath() + QStringLiteral("/Brimvale");
        QDir().mkpath(dataDir);
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile file(dataDir + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        const auto read = [&](const QString &name) {
            QFile file(dataDir + QLatin1Char('/') + name);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
        };
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}},
                    {QStringLiteral("B"), {"2"}, {}, {}},
                    {QStringLiteral("C"), {"3"}, {}, {}}});
        for (const char *name : {"A", "B", "C"}) {
            DrawSettings::setDrawnInRound(QString::fromLatin1(name), {QString::fromLatin1(name)});
            write(QString::fromLatin1(name) + QStringLiteral("_history.csv"), name);
        }
        write(QStringLiteral("D_history.csv"), "left by a class long gone");

        RosterStore store(dataDir);
        store.loadClasses();
        store.renameClass(0, QStringLiteral("B"));
        store.renameClass(1, QStringLiteral("A"));
        store.renameClass(2, QStringLiteral("D"));
        store.saveClasses();
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("B")), QSet<QString>{"A"});
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("A")), QSet<QString>{"B"});
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("D")), QSet<QString>{"C"});
        QVERIFY(DrawSettings::drawnInRound(QStringLiteral("C")).isEmpty());
        QCOMPARE(read(QStringLiteral("B_history.csv")), QByteArray("A"));
        QCOMPARE(read(QStringLiteral("A_history.csv")), QByteArray("B"));
        QCOMPARE(read(QStringLiteral("D_history.csv")), QByteArray("C"));
        QCOMPARE(read(QStringLiteral("C_history.csv")), QByteArray("(none)"));
        const QStringList aside = QDir(dataDir).entryList({QStringLiteral("D_history-deleted-*.csv")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(read(aside.at(0)), QByteArray("left by a class long gone"));

        store.removeClass(0);
        store.saveClasses();
        QVERIFY(DrawSettings::drawnInRound(QStringLiteral("B")).isEmpty());
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("A")), QSet<QString>{"B"});
        QCOMPARE(read(QStringLiteral("B_history.csv")), QByteArray("(none)"));
        const QStringList deleted = QDir(dataDir).entryList({QStringLiteral("B_history-deleted-*.csv")});
        QCOMPARE(deleted.size(), 1);
        QCOMPARE(read(deleted.at(0)), QByteArray("A"));

        // A class deleted twice in one second never overwrites the first.
        store.appendClass(QStringLiteral("B"));
        store.saveClasses();
        write(QStringLiteral("B_history.csv"), "again");
        store.removeClass(store.classIndex(QStringLiteral("B")));
        store.saveClasses();
        QCOMPARE(QDir(dataDir).entryList({QStringLiteral("B_history-deleted-*.csv")}).size(), 2);
    }

    void idsThatNoDrawReaches_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("undrawable");
        QTest::addColumn<QString>("message");
        QTest::newRow("all whole and apart") << QStringList{"1", "0012", "-3", "+4"} << QStringList{} << "";
        QTest::newRow("not numbers and repeats")
            << QStringList{"1", "S01", "007", "7", "abc", "99999999999999999999", "11010519900101123X", "S01", "12"}
            << QStringList{"S01", "7", "abc", "99999999999999999999", "11010519900101123X"}
            << "5 students cannot be drawn: their IDs are not whole numbers or are used twice: S01, 7, abc, "
               "99999999999999999999, 11010519900101123X";
    }

    void idsThatNoDrawReaches()
    {
        QFETCH(QStringList, ids);
        QFETCH(QStringList, undrawable);
        QFETCH(QString, message);
        QCOMPARE(StudentIdCheck::undrawable(ids), undrawable);
        QCOMPARE(StudentIdCheck::undrawableMessage(ids), message);
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
