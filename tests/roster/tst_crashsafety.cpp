#include "roster/classsettingdialog.h"

#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>

// A score whose save has returned survives the program being killed at any
// moment: the roster file is always whole, and holds every such score (plus
// at most the one being saved when the kill came).
class TestCrashSafety : public QObject
{
    Q_OBJECT

private:
    static int storedLetters()
    {
        const QVector<SeedClass> roster = storedRoster();
        if (roster.size() != 1 || roster[0].ids.size() != 30)
            return -1;
        int letters = 0;
        for (const QString &score : roster[0].scores)
            letters += score.size();
        return letters;
    }

    static int lastAcknowledged(const QByteArray &output)
    {
        const QList<QByteArray> lines = output.split('\n');
        // The last piece may be a line cut short by the kill.
        for (int i = lines.size() - 2; i >= 0; --i) {
            if (!lines[i].isEmpty())
                return lines[i].toInt();
        }
        return 0;
    }

private slots:
    void initTestCase()
    {
        QStringList ids;
        for (int i = 0; i < 30; ++i)
            ids << QString::number(1001 + i);
        seedRoster({{QStringLiteral("Kill"), ids, {}, {}}});
    }

    void scoresSurviveKillsAtRandomMoments()
    {
        int total = storedLetters();
        QCOMPARE(total, 0);
        for (int run = 0; run < 50; ++run) {
            QProcess giver;
            giver.setProgram(QStringLiteral(SCORE_GIVER));
            giver.start();
            QVERIFY(giver.waitForStarted());
            QVERIFY2(giver.waitForReadyRead(10000), "the score giver wrote nothing");
            QThread::msleep(QRandomGenerator::global()->bounded(40));
            ::kill(static_cast<pid_t>(giver.processId()), SIGKILL);
            QVERIFY(giver.waitForFinished(10000));
            const int acknowledged = lastAcknowledged(giver.readAllStandardOutput());

            const int stored = storedLetters();
            QVERIFY2(stored >= total + acknowledged && stored <= total + acknowledged + 1,
                     qPrintable(QStringLiteral("run %1: %2 stored, %3 before, %4 acknowledged")
                                    .arg(run).arg(stored).arg(total).arg(acknowledged)));
            total = stored;
        }
        qInfo("%d scores kept over 50 kills", total);
        QVERIFY(total > 50);
    }
};

ZANDREL_TEST_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
