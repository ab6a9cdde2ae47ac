#ifndef REMOTECOMMANDCLIENT_H
#define REMOTECOMMANDCLIENT_H

#include "app/remotecommand.h"
#include "app/remotereply.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

// The command line's end: brings one command to the copy that is running
// and returns its answer, or says why there is none. Every wait is bounded,
// so a key bound to "zandrel --draw" never leaves a process hanging.
class RemoteCommandClient
{
    Q_DECLARE_TR_FUNCTIONS(RemoteCommandClient)

public:
    // How long a running copy is given to take the command and answer.
    static constexpr int kAnswerTimeoutMs = 2000;
    // How long a copy started for a draw is given to come up.
    static constexpr int kStartTimeoutMs = 20000;

    // Starts the program that will take the command; tests put their own in.
    using ProgramStarter = std::function<bool()>;

    explicit RemoteCommandClient(const QString &serverPath);

    void setProgramStarter(ProgramStarter starter);
    void setStartTimeout(int ms);

    // The answer of the running copy. With none running a draw starts one
    // and is drawn once it is up; every other command is refused.
    RemoteReply deliver(const RemoteCommand &command);

private:
    enum Outcome { Answered, NobodyListens, NoAnswer };
    struct Exchange
    {
        Outcome outcome;
        RemoteReply reply;
    };

    Exchange exchange(const RemoteCommand &command, int timeoutMs) const;
    // Tries again and again until a copy listens or timeoutMs have passed.
    Exchange exchangeWhenListening(const RemoteCommand &command, int timeoutMs) const;
    RemoteReply startAndDeliver(const RemoteCommand &command);
    RemoteReply notAnswering() const;

    QString m_serverPath;
    ProgramStarter m_starter;
    int m_startTimeoutMs = kStartTimeoutMs;
};

#endif // REMOTECOMMANDCLIENT_H
