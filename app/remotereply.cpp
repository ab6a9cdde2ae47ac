#include "app/remotereply.h"

namespace {
const QByteArray kOk = QByteArrayLiteral("ok");
const QByteArray kError = QByteArrayLiteral("error");

QByteArray escaped(const QString &text)
{
    return text.toUtf8().replace('\\', "\\\\").replace('\n', "\\n");
}

QString unescaped(const QByteArray &bytes)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\\' && i + 1 < bytes.size()) {
            ++i;
            text.append(bytes.at(i) == 'n' ? '\n' : bytes.at(i));
        } else {
            text.append(bytes.at(i));
        }
    }
    return QString::fromUtf8(text);
}
}

RemoteReply RemoteReply::done(const QString &text)
{
    return RemoteReply{true, text};
}

RemoteReply RemoteReply::refused(const QString &text)
{
    return RemoteReply{false, text};
}

QByteArray RemoteReply::toLine() const
{
    QByteArray line = ok ? kOk : kError;
    if (!text.isEmpty())
        line += ' ' + escaped(text);
    return line + '\n';
}

RemoteReply RemoteReply::fromLine(const QByteArray &line)
{
    const QByteArray bare = line.endsWith('\n') ? line.chopped(1) : line;
    const int blank = bare.indexOf(' ');
    const QByteArray word = blank < 0 ? bare : bare.left(blank);
    const QString text = blank < 0 ? QString() : unescaped(bare.mid(blank + 1));
    if (word == kOk)
        return done(text);
    if (word == kError)
        return refused(text);
    return refused(tr("Zandrel gave an answer this start cannot read."));
}
