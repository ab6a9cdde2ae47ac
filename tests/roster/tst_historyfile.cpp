#include "roster/historydialog.h"
#include "roster/historyfile.h"
#include "roster/historylog.h"
#include "roster/historysummary.h"
#include "roster/scorefiles.h"

#include "../support/testenvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

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
        QCOMPARE(fileBytes(kept), QByteArray("edited by hand\r\nthree\r\n"));
    }

    void aLineTheDiskCutShortIsTakenBackAndWrittenWhole()
    {
        const QString path = TestEnvironment::homePath() + QStringLiteral("/A_history.csv");
        HistoryLog log;
        QVERIFY(log.append(path, "2024-09-02 08:05:09,draw,LED,1001,Ann,\r\n"));
        const QByteArray before = fileBytes(path);
        {
            // The file may grow by ten bytes only, as on a disk that is full.
            const ::sighandler_t previous = ::signal(SIGXFSZ, SIG_IGN);
            rlimit saved{};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            rlimit small = saved;
            small.rlim_cur = rlim_t(before.size() + 10);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            const bool written = log.append(path, "2024-09-02 08:05:10,score,LED,1001,Ann,A\r\n");
            ::setrlimit(RLIMIT_FSIZE, &saved);
            ::signal(SIGXFSZ, previous);
            QVERIFY(!written);
        }
        QCOMPARE(fileBytes(path), before);
        QVERIFY(log.hasUnwritten());
        QVERIFY(log.append(path, "2024-09-02 08:05:11,draw,LED,1002,Bo,\r\n"));
        QVERIFY(!log.hasUnwritten());
        QCOMPARE(fileBytes(path),
                 before
                     + "2024-09-02 08:05:10,score,LED,1001,Ann,A\r\n"
                       "2024-09-02 08:05:11,draw,LED,1002,Bo,\r\n");
    }

    void unwrittenLinesAreKeptUntilARetryWritesThem()
    {
        const QString path = TestEnvironment::homePath() + QStringLiteral("/A_history.csv");
        QVERIFY(QDir().mkdir(path));
        HistoryLog log;
        QVERIFY(!log.hasUnwritten());
        QVERIFY(!log.append(path, "one\r\n"));
        QVERIFY(log.hasUnwritten());
        QVERIFY(!log.writeUnwritten());
        QVERIFY(log.hasUnwritten());
        QVERIFY(QDir().rmdir(path));
        QVERIFY(log.writeUnwritten());
        QVERIFY(!log.hasUnwritten());
        QCOMPARE(fileBytes(path), historyFileStart() + "one\r\n");
    }

    void formulasAreWrittenAsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << "Ann" << QByteArray("Ann");
        QTest::newRow("minus inside") << "1-2" << QByteArray("1-2");
        QTest::newRow("sum") << "=1+1" << QByteArray("'=1+1");
        QTest::newRow("hyperlink") << "=HYPERLINK(\"http://x\",\"click\")"
                                   << QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"click\"\")\"");
        QTest::newRow("plus") << "+cmd|' /C calc'!A0" << QByteArray("'+cmd|' /C calc'!A0");
        QTest::newRow("at") << "@SUM(1)" << QByteArray("'@SUM(1)");
        QTest::newRow("a negative number") << "-5" << QByteArray("'-5");
        QTest::newRow("tab") << "\tx" << QByteArray("'\tx");
        QTest::newRow("carriage return") << "\rx" << QByteArray("\"'\rx\"");
        QTest::newRow("an apostrophe already") << "'=x" << QByteArray("''=x");
        QTest::newRow("NUL") << QString::fromLatin1("a\0b", 3) << QByteArray("ab");
    }

    void formulasAreWrittenAsText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QCOMPARE(csvField(text.toUtf8()), field);

        const HistoryEntry written{QStringLiteral("2024-09-02 08:05:09"),
                                   QStringLiteral("draw"),
                                   QStringLiteral("LED"),
                                   QStringLiteral("1001"),
                                   text,
                                   QString()};
        const QByteArray line = historyLine(written);
        QCOMPARE(line, "2024-09-02 08:05:09,draw,LED,1001," + field + ",\r\n");
        const std::vector<HistoryEntry> back = read(historyFileStart() + line);
        QCOMPARE(back.size(), size_t(1));
        QCOMPARE(back[0].name, QString(text).remove(QChar(0)));

        QCOMPARE(scoreFileContent({text}, {QString()}, 30, 10, RoundOff, true), field + ", 30\r\n");
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

    void aDamagedLineCostsOnlyItself_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<int>("damaged");
        const QByteArray first("2024-09-02 08:05:09,draw,LED,1001,Ann,\r\n");
        const QByteArray later("2024-09-02 08:06:00,draw,LED,1003,Cy,\r\n2024-09-02 08:06:05,score,LED,1003,Cy,B\r\n");
        QTest::newRow("empty") << QByteArray() << QStringList{} << 0;
        QTest::newRow("header only") << historyFileStart() << QStringList{} << 0;
        QTest::newRow("no mark, no header") << QByteArray("t,draw,LED,7,Ann,\n") << QStringList{"7"} << 0;
        QTest::newRow("blank lines skipped") << QByteArray("\r\n\r\nt,score,LED,8,,A\r\n\r\n") << QStringList{"8"} << 0;
        QTest::newRow("a name over two lines") << QByteArray("t,draw,LED,7,\"A\r\nB\",\r\n") << QStringList{"7"} << 0;
        QTest::newRow("an unclosed quote")
            << historyFileStart() + first + "2024-09-02 08:05:10,draw,LED,1002,\"Bo,\r\n" + later
            << QStringList{"1001", "1003", "1003"} << 1;
        QTest::newRow("an unclosed quote over lines")
            << first + "2024-09-02 08:05:10,draw,LED,1002,\"Bo\r\nstill,\r\n" + later
            << QStringList{"1001", "1003", "1003"} << 1;
        QTest::newRow("an unclosed quote at the end") << first + "2024-09-02 08:05:10,draw,LED,\"7,Ann\r\nu,draw\r\n"
                                                      << QStringList{"1001"} << 1;
        QTest::newRow("a half line and the next record on it")
            << first + "2024-09-02 08:05:10,score,LED,10" + later << QStringList{"1001", "1003"} << 1;
        QTest::newRow("a half line at the end")
            << first + "2024-09-02 08:05:10,score,LED,10" << QStringList{"1001"} << 1;
        QTest::newRow("too many fields") << QByteArray("t,draw,LED,7,Ann,,x,y,z\r\n") + first << QStringList{"1001"}
                                         << 1;
        QTest::newRow("binary") << QByteArray("\x00\xff\"\x01,\n\"\"", 8) << QStringList{} << 2;
    }

    void aDamagedLineCostsOnlyItself()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, ids);
        QFETCH(int, damaged);
        QByteArray copy = content;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        int damagedLines = -1;
        QStringList read;
        for (const HistoryEntry &entry : readHistory(buffer, &damagedLines))
            read << entry.id;
        QCOMPARE(read, ids);
        QCOMPARE(damagedLines, damaged);
    }

    void theDialogCountsTheDamagedLines()
    {
        const QString path = TestEnvironment::homePath() + QStringLiteral("/A_history.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(historyFileStart()
                   + "2024-09-02 08:05:09,draw,LED,\"1\r\n2024-09-02 08:05:10,draw,LED,2\r\n"
                     "2024-09-02 08:05:11,draw,LED,3,Cy,\r\n");
        file.close();
        HistoryDialog dialog;
        dialog.showHistory(QStringLiteral("A"), path, {"3"}, {"Cy"});
        dialog.show();
        auto *label = dialog.findChild<QLabel *>(QStringLiteral("damagedLinesLabel"));
        QVERIFY(label);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("2 lines could not be read"));
        QCOMPARE(dialog.findChild<QTableView *>(QStringLiteral("eventTable"))->model()->rowCount(), 1);

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(historyFileStart() + "t,draw,LED,3,Cy,\r\n");
        file.close();
        dialog.showHistory(QStringLiteral("A"), path, {"3"}, {"Cy"});
        QVERIFY(!label->isVisible());
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
