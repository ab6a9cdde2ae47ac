#include "app/remotecommandserver.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

RemoteCommandServer::RemoteCommandServer(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
    , m_server(new QLocalServer(this))
{
    // Owner only: another user on the same computer must not draw or score.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &RemoteCommandServer::accept);
}

RemoteCommandServer::~RemoteCommandServer() = default;

QString RemoteCommandServer::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/zandrel-commands");
}

bool RemoteCommandServer::listen(const QString &path)
{
    if (path.isEmpty())
        return false;
    QLocalServer::removeServer(path);
    return m_server->listen(path);
}

QString RemoteCommandServer::errorString() const
{
    return m_server->errorString();
}

void RemoteCommandServer::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        QTimer::singleShot(kIdleTimeoutMs, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void RemoteCommandServer::read(QLocalSocket *socket)
{
    if (socket->property("answered").toBool())
        return;
    if (!socket->canReadLine() && socket->bytesAvailable() <= kLongestLine)
        return;
    socket->setProperty("answered", true);
    const QByteArray line = socket->readLine(kLongestLine + 1);
    QPointer<QLocalSocket> guarded(socket);
    auto answer = [guarded](const RemoteReply &reply) {
        if (!guarded)
            return;
        guarded->write(reply.toLine());
        guarded->disconnectFromServer();
    };
    const std::optional<RemoteCommand> command = line.endsWith('\n') ? RemoteCommand::fromLine(line) : std::nullopt;
    if (!command) {
        answer(RemoteReply::refused(
            tr("Zandrel does not know the command \"%1\".").arg(QString::fromUtf8(line.trimmed().left(kLongestLine)))));
        return;
    }
    m_handler(*command, answer);
}
