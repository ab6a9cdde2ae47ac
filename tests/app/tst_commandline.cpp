#include "app/commandlineoptions.h"
#include "app/instancelock.h"
#include "app/remotecommandclient.h"
#include "app/remotecommandserver.h"
#include "common/datapaths.h"
#include "common/programversion.h"
#include "common/settingsmap.h"

#include "../support/testenvironment.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <memory>

namespace {

// The command line blocks while it waits for its answer, as the real one
// does; the copy it talks to runs on the test's event loop meanwhile.
RemoteReply deliverFromAnotherThread(RemoteCommandClient &client, const RemoteCommand &command)
{
    RemoteReply reply;
    std::unique_ptr<QThread> thread(QThread::create([&] { reply = client.deliver(command); }));
    thread->start();
    while (!thread->isFinished())
        QTest::qWait(10);
    return reply;
}

QString socketPath()
{
    return RemoteCommandServer::defaultPath();
}

struct Recorder
{
    QList<QByteArray> commands;
    RemoteCommandServer::Handler handler()
    {
        return [this](const RemoteCommand &command, std::function<void(const RemoteReply &)> answer) {
            commands.append(command.toLine());
            answer(RemoteReply::done(QStringLiteral("done: ") + QString::fromLatin1(command.toLine().trimmed())));
        };
    }
};

}

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void theArgumentsAreRead_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        // The command's line for SendCommand, a part of the message for Refuse.
        QTest::addColumn<QString>("expected");
        const int start = CommandLineOptions::StartWindow;
        const int send = CommandLineOptions::SendCommand;
        const int refuse = CommandLineOptions::Refuse;
        QTest::newRow("nothing: the window") << QStringList() << start << QString();
        QTest::newRow("--help") << QStringList{"--help"} << int(CommandLineOptions::PrintHelp) << QString();
        QTest::newRow("-h") << QStringList{"-h"} << int(CommandLineOptions::PrintHelp) << QString();
        QTest::newRow("--version") << QStringList{"--version"} << int(CommandLineOptions::PrintVersion) << QString();
        QTest::newRow("--draw") << QStringList{"--draw"} << send << "draw 1";
        QTest::newRow("--draw 3") << QStringList{"--draw", "3"} << send << "draw 3";
        QTest::newRow("--draw 15") << QStringList{"--draw", "15"} << send << "draw 15";
        QTest::newRow("--score A") << QStringList{"--score", "A"} << send << "score A";
        QTest::newRow("--score f") << QStringList{"--score", "f"} << send << "score F";
        QTest::newRow("--score=C") << QStringList{"--score=C"} << send << "score C";
        QTest::newRow("--floating on") << QStringList{"--floating", "on"} << send << "floating on";
        QTest::newRow("--floating OFF") << QStringList{"--floating", "OFF"} << send << "floating off";
        QTest::newRow("--show") << QStringList{"--show"} << send << "show";
        QTest::newRow("--draw 0") << QStringList{"--draw", "0"} << refuse << "from 1 to 15";
        QTest::newRow("--draw 16") << QStringList{"--draw", "16"} << refuse << "from 1 to 15";
        QTest::newRow("--draw two") << QStringList{"--draw", "two"} << refuse << "\"two\"";
        QTest::newRow("--draw 99999999999") << QStringList{"--draw", "99999999999"} << refuse << "from 1 to 15";
        QTest::newRow("--draw 1 2") << QStringList{"--draw", "1", "2"} << refuse << "\"2\"";
        QTest::newRow("--score G") << QStringList{"--score", "G"} << refuse << "letters A to F";
        QTest::newRow("--score AB") << QStringList{"--score", "AB"} << refuse << "letters A to F";
        QTest::newRow("--score empty") << QStringList{"--score", ""} << refuse << "letters A to F";
        QTest::newRow("--score without letter") << QStringList{"--score"} << refuse << "--score";
        QTest::newRow("--floating maybe") << QStringList{"--floating", "maybe"} << refuse << "on or off";
        QTest::newRow("two commands") << QStringList{"--draw", "--show"} << refuse << "at a time";
        QTest::newRow("unknown option") << QStringList{"--dance"} << refuse << "dance";
        QTest::newRow("a number alone") << QStringList{"3"} << refuse << "\"3\"";
    }

    void theArgumentsAreRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, expected);
        CommandLineOptions options;
        QCOMPARE(int(options.parse(QStringList{"zandrel"} + arguments)), action);
        if (action == CommandLineOptions::SendCommand)
            QCOMPARE(QString::fromLatin1(options.command().toLine().trimmed()), expected);
        if (action == CommandLineOptions::Refuse)
            QVERIFY2(options.errorText().contains(expected), qPrintable(options.errorText()));
    }

    void theCommandLinesTravel_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::newRow("draw 1") << QByteArray("draw 1\n") << true;
        QTest::newRow("draw 15") << QByteArray("draw 15\n") << true;
        QTest::newRow("score F") << QByteArray("score F\n") << true;
        QTest::newRow("floating on") << QByteArray("floating on\n") << true;
        QTest::newRow("floating off") << QByteArray("floating off\n") << true;
        QTest::newRow("show") << QByteArray("show\n") << true;
        QTest::newRow("draw 0") << QByteArray("draw 0\n") << false;
        QTest::newRow("draw 16") << QByteArray("draw 16\n") << false;
        QTest::newRow("draw") << QByteArray("draw\n") << false;
        QTest::newRow("score a") << QByteArray("score a\n") << false;
        QTest::newRow("score G") << QByteArray("score G\n") << false;
        QTest::newRow("score AB") << QByteArray("score AB\n") << false;
        QTest::newRow("floating yes") << QByteArray("floating yes\n") << false;
        QTest::newRow("show now") << QByteArray("show now\n") << false;
        QTest::newRow("empty") << QByteArray("\n") << false;
        QTest::newRow("binary") << QByteArray("\xff\x00\x01\n", 4) << false;
    }

    void theCommandLinesTravel()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        const std::optional<RemoteCommand> command = RemoteCommand::fromLine(line);
        QCOMPARE(bool(command), valid);
        if (command)
            QCOMPARE(command->toLine(), line);
    }

    void theAnswersTravel()
    {
        const RemoteReply drawn = RemoteReply::done(QStringLiteral("1001 Li Lei\n1002 \\ Han"));
        QCOMPARE(RemoteReply::fromLine(drawn.toLine()).text, drawn.text);
        QVERIFY(RemoteReply::fromLine(drawn.toLine()).ok);
        QVERIFY(drawn.toLine().count('\n') == 1);
        const RemoteReply refused = RemoteReply::refused(QStringLiteral("Nothing to draw"));
        QVERIFY(!RemoteReply::fromLine(refused.toLine()).ok);
        QCOMPARE(RemoteReply::fromLine(refused.toLine()).text, refused.text);
        QVERIFY(RemoteReply::fromLine(RemoteReply::done().toLine()).ok);
        QCOMPARE(RemoteReply::fromLine(RemoteReply::done().toLine()).text, QString());
        QVERIFY(!RemoteReply::fromLine("okay\n").ok);
        QVERIFY(!RemoteReply::fromLine(QByteArray()).ok);
    }

    void theRunningCopyTakesEachCommand_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("draw 2") << QByteArray("draw 2\n");
        QTest::newRow("score B") << QByteArray("score B\n");
        QTest::newRow("floating off") << QByteArray("floating off\n");
        QTest::newRow("show") << QByteArray("show\n");
    }

    void theRunningCopyTakesEachCommand()
    {
        QFETCH(QByteArray, line);
        Recorder recorder;
        RemoteCommandServer server(recorder.handler());
        QVERIFY(server.listen());
        RemoteCommandClient client(socketPath());
        const RemoteReply reply = deliverFromAnotherThread(client, *RemoteCommand::fromLine(line));
        QVERIFY2(reply.ok, qPrintable(reply.text));
        QCOMPARE(reply.text, QStringLiteral("done: ") + QString::fromLatin1(line.trimmed()));
        QCOMPARE(recorder.commands, QList<QByteArray>{line});
    }

    void anAnswerMayComeOnceTheCommandIsDone()
    {
        RemoteCommandServer server([](const RemoteCommand &, std::function<void(const RemoteReply &)> answer) {
            QTimer::singleShot(200, [answer] { answer(RemoteReply::refused(QStringLiteral("Nothing to draw"))); });
        });
        QVERIFY(server.listen());
        RemoteCommandClient client(socketPath());
        const RemoteReply reply = deliverFromAnotherThread(client, RemoteCommand::draw(1));
        QVERIFY(!reply.ok);
        QCOMPARE(reply.text, QStringLiteral("Nothing to draw"));
    }

    void onlyTheUserCanOpenTheSocket()
    {
        Recorder recorder;
        RemoteCommandServer server(recorder.handler());
        QVERIFY(server.listen());
        QVERIFY(socketPath().startsWith(TestEnvironment::runtimePath() + QLatin1Char('/')));
        const QFileInfo socket(socketPath());
        QVERIFY(socket.exists());
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(socket.permissions() & others, QFileDevice::Permissions());
        QVERIFY(socket.permissions() & QFileDevice::WriteOwner);
        QCOMPARE(QFileInfo(TestEnvironment::runtimePath()).permissions() & others, QFileDevice::Permissions());
    }

    void aSocketLeftByACrashedCopyIsTakenOver()
    {
        QFile left(socketPath());
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        Recorder recorder;
        RemoteCommandServer server(recorder.handler());
        QVERIFY2(server.listen(), qPrintable(server.errorString()));
        RemoteCommandClient client(socketPath());
        QVERIFY(deliverFromAnotherThread(client, RemoteCommand::show()).ok);
    }

    void aLineThatIsNoCommandIsRefused_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("unknown") << QByteArray("dance\n");
        QTest::newRow("bad letter") << QByteArray("score G\n");
        QTest::newRow("too long, no line end") << QByteArray(200, 'x');
    }

    void aLineThatIsNoCommandIsRefused()
    {
        QFETCH(QByteArray, sent);
        Recorder recorder;
        RemoteCommandServer server(recorder.handler());
        QVERIFY(server.listen());
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        QVERIFY(socket.waitForConnected(1000));
        socket.write(sent);
        QTRY_VERIFY(socket.canReadLine());
        const RemoteReply reply = RemoteReply::fromLine(socket.readLine());
        QVERIFY(!reply.ok);
        QVERIFY2(reply.text.contains(QStringLiteral("does not know")), qPrintable(reply.text));
        QVERIFY(recorder.commands.isEmpty());
    }

    void withNoCopyRunningOnlyADrawStartsOne()
    {
        RemoteCommandClient client(socketPath());
        int starts = 0;
        client.setProgramStarter([&starts] {
            ++starts;
            return true;
        });
        client.setStartTimeout(300);
        for (const RemoteCommand &command :
             {RemoteCommand::score('A'), RemoteCommand::floating(true), RemoteCommand::show()}) {
            const RemoteReply reply = client.deliver(command);
            QVERIFY(!reply.ok);
            QCOMPARE(reply.text, QStringLiteral("Zandrel is not running."));
        }
        QCOMPARE(starts, 0);
        const RemoteReply reply = client.deliver(RemoteCommand::draw(1));
        QVERIFY(!reply.ok);
        QVERIFY2(reply.text.contains(QStringLiteral("did not come up")), qPrintable(reply.text));
        QCOMPARE(starts, 1);
    }

    void aDrawWithNoCopyRunningIsDrawnOnceTheStartedCopyIsUp()
    {
        Recorder recorder;
        RemoteCommandServer server(recorder.handler());
        RemoteCommandClient client(socketPath());
        client.setProgramStarter([&server] {
            QTimer::singleShot(300, &server, [&server] { server.listen(); });
            return true;
        });
        const RemoteReply reply = deliverFromAnotherThread(client, RemoteCommand::draw(2));
        QVERIFY2(reply.ok, qPrintable(reply.text));
        QCOMPARE(recorder.commands, QList<QByteArray>{"draw 2\n"});
    }

    void aCopyThatDoesNotAnswerIsGivenTwoSeconds_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::newRow("running, no socket") << false;
        QTest::newRow("running, no answer") << true;
    }

    void aCopyThatDoesNotAnswerIsGivenTwoSeconds()
    {
        QFETCH(bool, listening);
        InstanceLock running(defaultDataDirectory());
        QVERIFY(running.acquire());
        RemoteCommandServer server([](const RemoteCommand &, std::function<void(const RemoteReply &)>) {});
        if (listening)
            QVERIFY(server.listen());
        RemoteCommandClient client(socketPath());
        client.setProgramStarter([] { return false; });
        QElapsedTimer clock;
        clock.start();
        const RemoteReply reply = deliverFromAnotherThread(client, RemoteCommand::draw(1));
        QVERIFY(!reply.ok);
        QVERIFY2(reply.text.contains(QStringLiteral("did not answer within 2 seconds")), qPrintable(reply.text));
        // Bounded: the wait ends, it does not hang on the copy.
        QVERIFY(clock.elapsed() >= RemoteCommandClient::kAnswerTimeoutMs);
        QVERIFY(clock.elapsed() < 3 * RemoteCommandClient::kAnswerTimeoutMs);
    }

    void helpAndVersionPrintWithoutAWindowOrTheRoster_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("printed");
        QTest::newRow("--help") << QStringLiteral("--help") << QStringLiteral("--draw");
        QTest::newRow("--version") << QStringLiteral("--version") << QStringLiteral("Zandrel ") + programVersion();
    }

    void helpAndVersionPrintWithoutAWindowOrTheRoster()
    {
        QFETCH(QString, option);
        QFETCH(QString, printed);
        QProcess program;
        // A window would need the X display, which is not there.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZANDREL_PROGRAM), {option});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput()).contains(printed));
        QVERIFY(!QFileInfo::exists(SettingsMap::settingsFileName(SettingsMap::kRosterArea)));
        QVERIFY(!QFileInfo::exists(defaultDataDirectory()));
    }

    void theProgramSaysWhyAndEndsWithStatusOne_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad letter") << QStringList{"--score", "G"} << "letters A to F";
        QTest::newRow("no copy running") << QStringList{"--score", "A"} << "Zandrel is not running.";
    }

    void theProgramSaysWhyAndEndsWithStatusOne()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QProcess program;
        program.start(QStringLiteral(ZANDREL_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardError()).contains(message));
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }
};

ZANDREL_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
