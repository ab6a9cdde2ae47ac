#include "common/settingsmap.h"
#include "roster/backuparchive.h"
#include "roster/historyfile.h"
#include "roster/rosterbackups.h"
#include "roster/rosterstore.h"

#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

// KZip first: the entry headers expect KArchive declared.
#include <KZip>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSignalSpy>

// The copies the roster store makes by itself, and the one-file backup of
// everything with its way back.
class TestBackups : public QObject
{
    Q_OBJECT

private:
    QDateTime m_now;

    static QString rosterFile() { return TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting")); }
    static QString dataDir() { return TestEnvironment::homePath() + QStringLiteral("/Brimvale"); }

    static QByteArray contentOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QStringList copyNames()
    {
        QStringList names;
        for (const RosterBackups::Copy &copy : RosterBackups::copies())
            names.append(QFileInfo(copy.path).fileName());
        return names;
    }

    // Every file below the home and the settings folder with its bytes, the
    // automatic copies and backups left out.
    static QMap<QString, QByteArray> everything()
    {
        QMap<QString, QByteArray> files;
        for (const QString &root : {TestEnvironment::homePath(), TestEnvironment::configPath()}) {
            QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (!path.contains(QStringLiteral("/backups/")) && !path.endsWith(QStringLiteral(".zip")))
                    files.insert(path, contentOf(path));
            }
        }
        return files;
    }

    // A teacher's term: two classes with scores, speech, language, rounds,
    // score and history files and a homework file.
    static void fillATerm()
    {
        seedRoster({{QStringLiteral("Class 1"), {"1001", "1002"}, {"Ann", "Bo"}, {"AB", "C"}},
                    {QStringLiteral("三班"), {"7"}, {"李娜"}, {"F"}}});
        SettingsMap::writeSetting(SettingsMap::kSpeechArea, SettingsMap::kSpeechVolume, 80);
        SettingsMap::writeSetting(SettingsMap::kLanguageArea, SettingsMap::kLanguage, QStringLiteral("traditional"));
        SettingsMap::writeSetting(SettingsMap::kProgramArea, SettingsMap::kNoRepeat, true);
        writeFile(dataDir() + QStringLiteral("/Class 1_score100.txt"), "1001 28\r\n");
        writeFile(dataDir() + QStringLiteral("/Class 1_score100.csv"), "1001, 28\r\n");
        writeFile(historyFilePath(dataDir(), QStringLiteral("三班")), historyFileStart() + "x\r\n");
        writeFile(dataDir() + QStringLiteral("/Class 1/1001/1001_2_5.txt"), "homework");
    }

    QString writtenBackup(bool homework)
    {
        const QString path = TestEnvironment::homePath() + QStringLiteral("/backup.zip");
        BackupArchive archive;
        if (!archive.write(path, dataDir(), homework))
            qWarning("%s", qPrintable(archive.errorMessage()));
        return path;
    }

private slots:
    void init()
    {
        TestEnvironment::clearUserData();
        m_now = QDateTime(QDate(2026, 3, 2), QTime(8, 0));
        RosterBackups::setClock([this] { return m_now; });
    }

    void cleanupTestCase() { RosterBackups::setClock(nullptr); }

    void theFirstSaveOfADayKeepsTheFileAsItWas()
    {
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {}}});
        const QByteArray before = contentOf(rosterFile());
        RosterStore store(dataDir());
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));

        store.appendScore(QStringLiteral("1"), 'A');
        QCOMPARE(copyNames(), QStringList{QStringLiteral("Zandrel_ClassSetting-20260302-080000.conf")});
        QCOMPARE(contentOf(RosterBackups::copies().front().path), before);

        m_now = m_now.addSecs(3600);
        store.appendScore(QStringLiteral("2"), 'B');
        QCOMPARE(copyNames().size(), 1);

        // Another run of the same day finds the day's copy there.
        RosterStore later(dataDir());
        later.loadClasses();
        later.selectClass(QStringLiteral("A"));
        later.appendScore(QStringLiteral("1"), 'C');
        QCOMPARE(copyNames().size(), 1);

        m_now = m_now.addDays(1);
        const QByteArray yesterday = contentOf(rosterFile());
        later.appendScore(QStringLiteral("1"), 'D');
        QCOMPARE(copyNames().size(), 2);
        QCOMPARE(contentOf(RosterBackups::copies().front().path), yesterday);
    }

    void aSaveThatRemovesStudentsOrAClassIsPrecededByACopy_data()
    {
        QTest::addColumn<bool>("removeClass");
        QTest::newRow("a student") << false;
        QTest::newRow("a class") << true;
    }

    void aSaveThatRemovesStudentsOrAClassIsPrecededByACopy()
    {
        QFETCH(bool, removeClass);
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {"A", ""}}, {QStringLiteral("B"), {"3"}, {}, {}}});
        RosterStore store(dataDir());
        store.loadClasses();
        store.appendClass(QStringLiteral("C"));
        store.saveClasses();
        QCOMPARE(copyNames().size(), 1);
        const QByteArray beforeRemoval = contentOf(rosterFile());

        // Adding takes nothing away: no copy.
        store.appendClass(QStringLiteral("D"));
        store.saveClasses();
        QCOMPARE(copyNames().size(), 1);

        if (removeClass)
            store.removeClass(1);
        else
            store.setStudents(0, {QStringLiteral("2")}, {QString()}, {QString()}, {store.studentKey(0, 1)});
        const QByteArray justBefore = contentOf(rosterFile());
        store.saveClasses();
        const QStringList names = copyNames();
        QCOMPARE(names.size(), 2);
        // Both within the same second: the second copy carries a number.
        QCOMPARE(names.front(), QStringLiteral("Zandrel_ClassSetting-20260302-080000-2.conf"));
        QCOMPARE(contentOf(RosterBackups::copies().front().path), justBefore);
        QVERIFY(justBefore != beforeRemoval);
    }

    void theNewestThirtyCopiesAreKept()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        QDir().mkpath(RosterBackups::folder());
        writeFile(RosterBackups::folder() + QStringLiteral("/notes.txt"), "mine");
        RosterStore store(dataDir());
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));
        for (int day = 0; day < 35; ++day) {
            m_now = QDateTime(QDate(2026, 3, 2).addDays(day), QTime(9, 30));
            store.appendScore(QStringLiteral("1"), 'A');
        }
        const std::vector<RosterBackups::Copy> copies = RosterBackups::copies();
        QCOMPARE(int(copies.size()), RosterBackups::kKept);
        QCOMPARE(copies.front().time, m_now);
        QCOMPARE(copies.back().time, QDateTime(QDate(2026, 3, 2).addDays(5), QTime(9, 30)));
        QVERIFY(QFile::exists(RosterBackups::folder() + QStringLiteral("/notes.txt")));
    }

    void aCopyThatFailsIsToldOnceAndTheScoreIsSaved()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}});
        writeFile(RosterBackups::folder(), "a file where the folder should be");
        RosterStore store(dataDir());
        QSignalSpy failures(&store, &RosterStore::backupFailed);
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));
        store.appendScore(QStringLiteral("1"), 'A');
        m_now = m_now.addDays(1);
        store.appendScore(QStringLiteral("1"), 'B');
        QCOMPARE(failures.count(), 1);
        QCOMPARE(failures.first().first().toString(), RosterBackups::folder());
        QVERIFY(!store.hasUnsavedScores());
        QCOMPARE(storedRoster().first().scores, QStringList{QStringLiteral("AB")});
    }

    void aBackupRestoredIntoAFreshHomeGivesEverythingBack()
    {
        fillATerm();
        const QMap<QString, QByteArray> term = everything();
        const QString zip = writtenBackup(true);
        const QByteArray backup = contentOf(zip);
        QVERIFY(!backup.isEmpty());

        TestEnvironment::clearUserData();
        QFile::remove(TestEnvironment::settingsFile(QStringLiteral("Language")));
        writeFile(zip, backup);
        BackupArchive archive;
        QVERIFY2(archive.open(zip), qPrintable(archive.errorMessage()));
        QCOMPARE(archive.manifest().counts.classes, 2);
        QCOMPARE(archive.manifest().counts.students, 3);
        QCOMPARE(archive.manifest().counts.scores, 4);
        QVERIFY(archive.manifest().homework);
        QVERIFY(archive.manifest().date.isValid());
        QCOMPARE(archive.manifest().programVersion, QStringLiteral("2.0"));

        QString kept;
        QVERIFY2(archive.restore(dataDir(), kept), qPrintable(archive.errorMessage()));
        QCOMPARE(QFileInfo(kept).path(), RosterBackups::folder());
        QVERIFY(QFile::exists(kept));
        QCOMPARE(everything(), term);
    }

    void withoutTheBoxTheHomeworkStaysOut()
    {
        fillATerm();
        BackupArchive archive;
        QVERIFY(archive.open(writtenBackup(false)));
        QVERIFY(!archive.manifest().homework);
        QDir(dataDir() + QStringLiteral("/Class 1")).removeRecursively();
        QString kept;
        QVERIFY(archive.restore(dataDir(), kept));
        QVERIFY(!QFile::exists(dataDir() + QStringLiteral("/Class 1/1001/1001_2_5.txt")));
    }

    void aBackupWrittenIntoAClassFolderLeavesItselfOut()
    {
        fillATerm();
        const QString zip = dataDir() + QStringLiteral("/Class 1/term.zip");
        BackupArchive archive;
        QVERIFY(archive.write(zip, dataDir(), true));
        QVERIFY(archive.open(zip));
        QString kept;
        QDir(dataDir() + QStringLiteral("/Class 1/1001")).removeRecursively();
        QVERIFY(archive.restore(dataDir(), kept));
        QVERIFY(QFile::exists(dataDir() + QStringLiteral("/Class 1/1001/1001_2_5.txt")));
        QCOMPARE(QDir(dataDir() + QStringLiteral("/Class 1"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("1001"), QStringLiteral("term.zip")}));
    }

    void homeworkAlreadyThereIsNeverWrittenOver()
    {
        fillATerm();
        BackupArchive archive;
        QVERIFY(archive.open(writtenBackup(true)));
        const QString homework = dataDir() + QStringLiteral("/Class 1/1001/1001_2_5.txt");
        writeFile(homework, "handed in again");
        QString kept;
        QVERIFY(archive.restore(dataDir(), kept));
        QCOMPARE(contentOf(homework), QByteArray("handed in again"));
    }

    void aFileThatIsNotAWholeBackupChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::newRow("text file") << "text" << int(BackupArchive::NotABackup);
        QTest::newRow("foreign zip") << "foreign" << int(BackupArchive::NotABackup);
        QTest::newRow("cut short") << "truncated" << int(BackupArchive::DamagedBackup);
        QTest::newRow("a byte changed") << "flipped" << int(BackupArchive::DamagedBackup);
        QTest::newRow("part leading outside") << "escape" << int(BackupArchive::DamagedBackup);
        QTest::newRow("settings file of another program") << "stranger" << int(BackupArchive::DamagedBackup);
    }

    void aFileThatIsNotAWholeBackupChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(int, error);
        fillATerm();
        const QString zip = writtenBackup(true);
        QByteArray bytes = contentOf(zip);
        if (kind == QLatin1String("text")) {
            bytes = "ID,Name\n1,Ann\n";
        } else if (kind == QLatin1String("truncated")) {
            bytes.chop(bytes.size() / 3);
        } else if (kind == QLatin1String("flipped")) {
            // Inside the data of the first part, after its local header.
            const auto field = [&bytes](int at) { return uchar(bytes[at]) | uchar(bytes[at + 1]) << 8; };
            const int at = 30 + field(26) + field(28) + 2;
            bytes[at] = char(bytes[at] ^ 0x20);
        } else {
            QFile::remove(zip);
            KZip other(zip);
            QVERIFY(other.open(QIODevice::WriteOnly));
            if (kind == QLatin1String("foreign")) {
                other.writeFile(QStringLiteral("word/document.xml"), "<w/>");
            } else {
                const QString part = kind == QLatin1String("escape") ? QStringLiteral("data/../../evil.txt")
                                                                     : QStringLiteral("settings/Other.conf");
                other.writeFile(QStringLiteral("settings/Zandrel_ClassSetting.conf"), "[Classes]\nsize=0\n");
                other.writeFile(part, "x");
                other.writeFile(QStringLiteral("manifest.json"),
                                QByteArray("{\"program\":\"Zandrel\",\"format\":1,\"classes\":0,\"students\":0,"
                                           "\"scores\":0,\"files\":{\"settings/Zandrel_ClassSetting.conf\":\"\",\"")
                                    + part.toUtf8() + "\":\"\"}}");
            }
            QVERIFY(other.close());
            bytes = contentOf(zip);
        }
        writeFile(zip, bytes);
        const QMap<QString, QByteArray> before = everything();

        BackupArchive archive;
        QVERIFY(!archive.open(zip));
        QCOMPARE(int(archive.error()), error);
        QVERIFY(!archive.errorMessage().isEmpty());
        QString kept;
        QVERIFY(!archive.restore(dataDir(), kept));
        QCOMPARE(everything(), before);
        QVERIFY(!QFile::exists(TestEnvironment::homePath() + QStringLiteral("/evil.txt")));
    }

    void anEarlierDayComesBackFromItsCopy()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {"A"}}});
        RosterStore store(dataDir());
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));
        store.appendScore(QStringLiteral("1"), 'B');
        m_now = m_now.addDays(1);
        store.appendScore(QStringLiteral("1"), 'C');
        QCOMPARE(RosterStore::countsOfFile(rosterFile()).scores, 3);

        const RosterBackups::Copy firstDay = RosterBackups::copies().back();
        QCOMPARE(RosterStore::countsOfFile(firstDay.path).scores, 1);
        BackupArchive archive;
        QString kept;
        QVERIFY(archive.restoreRosterCopy(firstDay.path, dataDir(), kept));
        QVERIFY(QFile::exists(kept));
        QCOMPARE(storedRoster().first().scores, QStringList{QStringLiteral("A")});
    }
};

ZANDREL_TEST_MAIN(TestBackups)
#include "tst_backups.moc"
