#ifndef REMOTECOMMANDSERVER_H
#define REMOTECOMMANDSERVER_H

#include "app/remotecommand.h"
#include "app/remotereply.h"

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QLocalSocket;

// The running copy's end of the command line: a local socket in the user's
// runtime folder that only the user can open. Each connection brings one
// command line and takes one answer line back.
class RemoteCommandServer : public QObject
{
    Q_OBJECT

public:
    // Hands the command over and is given the function that sends the
    // answer; it may be called later, once the command is done.
    using Handler = std::function<void(const RemoteCommand &command, std::function<void(const RemoteReply &)> answer)>;

    // A connection that sends nothing, or no whole line, is closed after this.
    static constexpr int kIdleTimeoutMs = 5000;
    // Longer than any command; a longer line is refused unread.
    static constexpr int kLongestLine = 64;

    explicit RemoteCommandServer(Handler handler, QObject *parent = nullptr);
    ~RemoteCommandServer() override;

    // The socket's path: "zandrel-commands" in the runtime folder
    // (XDG_RUNTIME_DIR), empty when there is none.
    static QString defaultPath();

    // Listens at path. The program holds its one-copy lock before it calls
    // this, so a socket left at the path by a copy that crashed is removed.
    bool listen(const QString &path = defaultPath());
    QString errorString() const;

private:
    void accept();
    void read(QLocalSocket *socket);

    Handler m_handler;
    QLocalServer *m_server = nullptr;
};

#endif // REMOTECOMMANDSERVER_H
