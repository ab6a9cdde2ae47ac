#include "app/remotecommandclient.h"

#include "app/instancelock.h"
#include "common/datapaths.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QThread>

namespace {
const int kRetryMs = 50;

bool startProgram()
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList(), QDir::homePath());
}

// Whether a copy of the program holds its one-copy lock: a copy that is
// still starting, or one too busy to answer, has no socket yet or does not
// accept on it.
bool copyIsRunning()
{
    InstanceLock lock(defaultDataDirectory());
    return !lock.acquire();
}
}

RemoteCommandClient::RemoteCommandClient(const QString &serverPath)
    : m_serverPath(serverPath)
    , m_starter(startProgram)
{
}

void RemoteCommandClient::setProgramStarter(ProgramStarter starter)
{
    m_starter = std::move(starter);
}

void RemoteCommandClient::setStartTimeout(int ms)
{
    m_startTimeoutMs = ms;
}

RemoteReply RemoteCommandClient::deliver(const RemoteCommand &command)
{
    if (m_serverPath.isEmpty())
        return RemoteReply::refused(tr("There is no runtime folder (XDG_RUNTIME_DIR) to reach Zandrel through."));
    const Exchange first = exchange(command, kAnswerTimeoutMs);
    if (first.outcome == Answered)
        return first.reply;
    if (first.outcome == NoAnswer)
        return notAnswering();
    if (copyIsRunning()) {
        const Exchange again = exchangeWhenListening(command, kAnswerTimeoutMs);
        return again.outcome == Answered ? again.reply : notAnswering();
    }
    if (command.kind != RemoteCommand::Draw)
        return RemoteReply::refused(tr("Zandrel is not running."));
    return startAndDeliver(command);
}

RemoteReply RemoteCommandClient::startAndDeliver(const RemoteCommand &command)
{
    // Two keys pressed at once must not start two copies: the second waits
    // for the first to have started one.
    QLockFile starting(QFileInfo(m_serverPath).path() + QStringLiteral("/zandrel-starting.lock"));
    starting.setStaleLockTime(0);
    if (!starting.tryLock(m_startTimeoutMs))
        return notAnswering();
    const Exchange meanwhile = exchange(command, kAnswerTimeoutMs);
    if (meanwhile.outcome == Answered)
        return meanwhile.reply;
    if (!m_starter())
        return RemoteReply::refused(tr("Zandrel could not be started."));
    const Exchange started = exchangeWhenListening(command, m_startTimeoutMs);
    if (started.outcome == Answered)
        return started.reply;
    return RemoteReply::refused(
        tr("Zandrel was started but did not come up within %1 seconds.").arg(m_startTimeoutMs / 1000));
}

RemoteReply RemoteCommandClient::notAnswering() const
{
    return RemoteReply::refused(
        tr("Zandrel is running but did not answer within %1 seconds.").arg(kAnswerTimeoutMs / 1000));
}

RemoteCommandClient::Exchange RemoteCommandClient::exchange(const RemoteCommand &command, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverPath);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return {NobodyListens, RemoteReply()};
    socket.write(command.toLine());
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired())
        socket.waitForReadyRead(int(deadline.remainingTime()));
    // The copy closes the connection right after its answer, which may
    // come in with the close.
    if (!socket.canReadLine() && socket.bytesAvailable() == 0)
        return {NoAnswer, RemoteReply()};
    return {Answered, RemoteReply::fromLine(socket.readLine())};
}

RemoteCommandClient::Exchange RemoteCommandClient::exchangeWhenListening(const RemoteCommand &command,
                                                                         int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const Exchange attempt = exchange(command, int(deadline.remainingTime()));
        if (attempt.outcome != NobodyListens || deadline.hasExpired())
            return attempt;
        QThread::msleep(kRetryMs);
    }
}
