#include "app/instancelock.h"
#include "app/interfacelanguage.h"

#include "../support/modalanswerer.h"
#include "../support/testenvironment.h"

#include <QProcess>
#include <QThread>

class TestInstanceLock : public QObject
{
    Q_OBJECT

private:
    static QString dataDir() { return TestEnvironment::homePath() + QStringLiteral("/Brimvale"); }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void aSecondCopyIsRefusedWhileTheFirstRuns()
    {
        InstanceLock first(dataDir());
        QVERIFY(first.acquire());
        InstanceLock second(dataDir());
        QVERIFY(!second.acquire());

        ModalAnswerer answerer;
        second.tellAlreadyRunning();
        QVERIFY(answerer.answered());
        QVERIFY(answerer.text().contains(QStringLiteral("already running")));
    }

    void theLockHoldsWhenTheDataDirectoryCannotBeWritten()
    {
        // A file where the data directory belongs: nothing can be created in
        // it, whoever runs the program.
        QFile blocker(dataDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        InstanceLock first(dataDir());
        QVERIFY(first.acquire());
        InstanceLock second(dataDir());
        QVERIFY(!second.acquire());
    }

    void theRestartWaitsForTheOldCopyToEnd()
    {
        auto *old = new InstanceLock(dataDir());
        QVERIFY(old->acquire());
        QThread *ending = QThread::create([old] {
            QThread::msleep(300);
            delete old;
        });
        ending->start();

        InstanceLock::markNextStartAsRestart();
        InstanceLock restarted(dataDir());
        QVERIFY(restarted.acquire());
        ending->wait();
        delete ending;
        QVERIFY(!qEnvironmentVariableIsSet("ZANDREL_RESTARTING"));
    }

    void aLockLeftByACrashedCopyIsTakenOver()
    {
        // A process that has ended leaves its lock file behind.
        QProcess crashed;
        crashed.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")});
        QVERIFY(crashed.waitForFinished());
        const qint64 deadPid = crashed.processId() ? crashed.processId() : 999999;
        QDir().mkpath(dataDir());
        QFile stale(dataDir() + QStringLiteral("/.zandrel.lock"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(deadPid) + "\nzandrel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();

        InstanceLock next(dataDir());
        QVERIFY(next.acquire());
    }

    void aLanguageChangeMarksTheNewCopyAsARestart()
    {
        InterfaceLanguage::setProgramStarter([](const QString &) {
            return qEnvironmentVariableIsSet("ZANDREL_RESTARTING");
        });
        QVERIFY(InterfaceLanguage::startProgramAgain());
        InterfaceLanguage::setProgramStarter(nullptr);
        qunsetenv("ZANDREL_RESTARTING");
    }
};

ZANDREL_TEST_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
