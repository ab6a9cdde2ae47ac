#include "roster/historyfile.h"
#include "roster/historylog.h"
#include "roster/historysummary.h"

#include "../support/testenvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The history file: its lines, its appending, its reading, and what the
// history dialog makes of it.
class TestHistoryFile : public QObject
{
    Q_OBJECT

private:
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static std::vector<HistoryEntry> read(const QByteArray &content)
    {
        QByteArray copy = content;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        return readHistory(buffer);
    }

    static HistoryEntry entry(const char *event, const char *id, const char *score = "", const char *time = "t")
    {
        return {QString::fromLatin1(time), QString::fromLatin1(event), QStringLiteral("LED"),
                QString::fromLatin1(id), QString(), QString::fromLatin1(score)};
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void lines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("draw") << "Ann" << "" << QByteArray("2024-09-02 08:05:09,draw,TV Roller,1001,Ann,\r\n");
        QTest::newRow("comma quoted") << "Li, Wei" << "B" << QByteArray("2024-09-02 08:05:09,draw,TV Roller,1001,\"Li, Wei\",B\r\n");
        QTest::newRow("quote doubled") << "A \"B\"" << "" << QByteArray("2024-09-02 08:05:09,draw,TV Roller,1001,\"A \"\"B\"\"\",\r\n");
        QTest::newRow("line break quoted") << "a\nb" << "" << QByteArray("2024-09-02 08:05:09,draw,TV Roller,1001,\"a\nb\",\r\n");
        QTest::newRow("UTF-8") << QString::fromUtf8("张三") << "A" << QByteArray("2024-09-02 08:05:09,draw,TV Roller,1001,\xE5\xBC\xA0\xE4\xB8\x89,A\r\n");
    }

    void lines()
    {
        QFETCH(QString, name);
        QFETCH(QString, score);
        QFETCH(QByteArray, line);
        const QString time = historyTime(QDateTime(QDate(2024, 9, 2), QTime(8, 5, 9)));
        QCOMPARE(time, QStringLiteral("2024-09-02 08:05:09"));
        const HistoryEntry written{time, QStringLiteral("draw"), QStringLiteral("TV Roller"), QStringLiteral("1001"), name, score};
        QCOMPARE(historyLine(written), line);

        const std::vector<HistoryEntry> back = read(historyFileStart() + line);
        QCOMPARE(back.size(), size_t(1));
        QCOMPARE(back[0].name, name);
        QCOMPARE(back[0].score, score);
        QCOMPARE(back[0].display, QStringLiteral("TV Roller"));
    }

    void pathFollowsTheScoreFiles()
    {
        QCOMPARE(historyFilePath(QStringLiteral("/data"), QStringLiteral("Class 1")), QStringLiteral("/data/Class 1_history.csv"));
        QCOMPARE(historyFilePath(QStringLiteral("/data"), QStringLiteral("a/b")), QString());
        QCOMPARE(historyFilePath(QStringLiteral("/data"), QStringLiteral("..")), QStringLiteral("/data/.._history.csv"));
    }

    void appendingNeverRewrites()
    {
        const QString path = TestEnvironment::homePath() + QStringLiteral("/A_history.csv");
        HistoryLog log;
        QVERIFY(log.append(path, "one\r\n"));
        QVERIFY(log.append(path, "two\r\n"));
        QCOMPARE(fileBytes(path), QByteArray("\xEF\xBB\xBFTime,Event,Display,ID,Name,Score\r\none\r\ntwo\r\n"));

        // A file kept from before is only added to, whatever it holds.
        const QString kept = TestEnvironment::homePath() + QStringLiteral("/B_history.csv");
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("edited by hand");
        file.close();
        QVERIFY(HistoryLog().append(kept, "three\r\n"));
        QCOMPARE(fileBytes(kept), QByteArray("edited by handthree\r\n"));
    }

    void linesTheDiskRefusesAreWrittenLater()
    {
        const QString path = TestEnvironment::homePath() + QStringLiteral("/A_history.csv");
        QVERIFY(QDir().mkdir(path));
        HistoryLog log;
        QVERIFY(!log.append(path, "one\r\n"));
        QVERIFY(!log.append(path, "two\r\n"));
        QVERIFY(QDir().rmdir(path));
        QVERIFY(log.append(path, "three\r\n"));
        QCOMPARE(fileBytes(path), historyFileStart() + "one\r\ntwo\r\nthree\r\n");
    }

    void readingToleratesDamage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("firstId");
        QTest::newRow("empty") << QByteArray() << 0 << QString();
        QTest::newRow("header only") << historyFileStart() << 0 << QString();
        QTest::newRow("no mark, no header") << QByteArray("t,draw,LED,7,Ann,\n") << 1 << "7";
        QTest::newRow("short line padded") << QByteArray("t,draw,LED,7") << 1 << "7";
        QTest::newRow("long line cut") << QByteArray("t,draw,LED,7,Ann,,x,y,z\r\n") << 1 << "7";
        QTest::newRow("open quote runs to the end") << QByteArray("t,draw,LED,\"7,Ann\r\nu,draw") << 1 << "7,Ann\r\nu,draw";
        QTest::newRow("blank lines skipped") << QByteArray("\r\n\r\nt,score,LED,8,,A\r\n\r\n") << 1 << "8";
        QTest::newRow("binary") << QByteArray("\x00\xff\"\x01,\n\"\"", 8) << 2 << QString();
    }

    void readingToleratesDamage()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, entries);
        QFETCH(QString, firstId);
        const std::vector<HistoryEntry> read = TestHistoryFile::read(content);
        QCOMPARE(int(read.size()), entries);
        if (!read.empty() && !firstId.isEmpty())
            QCOMPARE(read[0].id, firstId);
    }

    void summaryCountsDrawsAndLettersLessUndos()
    {
        const std::vector<HistoryEntry> entries{
            entry("draw", "1", "", "09:00"), entry("score", "1", "A"), entry("draw", "2", "", "09:01"),
            entry("score", "1", "B"),        entry("undo", "1", "B"),     entry("draw", "1", "", "09:02"),
            entry("score", "9", "C"),        entry("score", "2", "A"),    entry("undo", "2", "F"),
        };
        const std::vector<StudentHistory> summary =
            summarizeHistory(entries, {"1", "2", "3"}, {"Ann", "Bob", "Cy"});
        QCOMPARE(summary.size(), size_t(4));
        QCOMPARE(summary[0].name, QStringLiteral("Ann"));
        QCOMPARE(summary[0].timesDrawn, 2);
        QCOMPARE(summary[0].lastDrawn, QStringLiteral("09:02"));
        QCOMPARE(summary[0].lettersGiven, QStringLiteral("A"));
        QCOMPARE(summary[1].timesDrawn, 1);
        QCOMPARE(summary[1].lettersGiven, QStringLiteral("A"));
        QCOMPARE(summary[2].timesDrawn, 0);
        QCOMPARE(summary[2].lastDrawn, QString());
        QCOMPARE(summary[3].id, QStringLiteral("9"));
        QCOMPARE(summary[3].lettersGiven, QStringLiteral("C"));
    }
};

ZANDREL_TEST_MAIN(TestHistoryFile)
#include "tst_historyfile.moc"
