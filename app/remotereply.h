#ifndef REMOTEREPLY_H
#define REMOTEREPLY_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The running copy's answer to a command: done or refused, with the text the
// command line prints (the students drawn, or why nothing was done). On the
// socket it is one line, "ok <text>" or "error <text>", in UTF-8; line
// breaks of the text travel as "\n".
struct RemoteReply
{
    bool ok = false;
    QString text;

    static RemoteReply done(const QString &text = QString());
    static RemoteReply refused(const QString &text);

    QByteArray toLine() const;
    // A line that is no answer reads as a refusal that says so.
    static RemoteReply fromLine(const QByteArray &line);

    Q_DECLARE_TR_FUNCTIONS(RemoteReply)
};

#endif // REMOTEREPLY_H
