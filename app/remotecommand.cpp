#include "app/remotecommand.h"

#include "displays/scoreletter.h"

#include <QList>
#include <QString>

namespace {
const QByteArray kDraw = QByteArrayLiteral("draw");
const QByteArray kScore = QByteArrayLiteral("score");
const QByteArray kFloating = QByteArrayLiteral("floating");
const QByteArray kShow = QByteArrayLiteral("show");
const QByteArray kOn = QByteArrayLiteral("on");
const QByteArray kOff = QByteArrayLiteral("off");
}

RemoteCommand RemoteCommand::draw(int count)
{
    RemoteCommand command;
    command.kind = Draw;
    command.count = count;
    return command;
}

RemoteCommand RemoteCommand::score(char letter)
{
    RemoteCommand command;
    command.kind = Score;
    command.letter = letter;
    return command;
}

RemoteCommand RemoteCommand::floating(bool on)
{
    RemoteCommand command;
    command.kind = Floating;
    command.on = on;
    return command;
}

RemoteCommand RemoteCommand::show()
{
    return RemoteCommand();
}

QByteArray RemoteCommand::toLine() const
{
    switch (kind) {
    case Draw:
        return kDraw + ' ' + QByteArray::number(count) + '\n';
    case Score:
        return kScore + ' ' + letter + '\n';
    case Floating:
        return kFloating + ' ' + (on ? kOn : kOff) + '\n';
    case Show:
        break;
    }
    return kShow + '\n';
}

std::optional<RemoteCommand> RemoteCommand::fromLine(const QByteArray &line)
{
    const QList<QByteArray> words = (line.endsWith('\n') ? line.chopped(1) : line).split(' ');
    const QByteArray &name = words.first();
    if (name == kShow && words.size() == 1)
        return show();
    if (words.size() != 2)
        return std::nullopt;
    const QByteArray &argument = words.at(1);
    if (name == kDraw) {
        bool isNumber = false;
        const int count = argument.toInt(&isNumber);
        if (isNumber && count >= 1 && count <= kLargestDrawCount)
            return draw(count);
    } else if (name == kScore) {
        // Only the capital letter travels; the command line has upper-cased it.
        const char letter = scoreLetter(QString::fromLatin1(argument));
        if (letter && argument.at(0) == letter)
            return score(letter);
    } else if (name == kFloating && (argument == kOn || argument == kOff)) {
        return floating(argument == kOn);
    }
    return std::nullopt;
}

bool RemoteCommand::operator==(const RemoteCommand &other) const
{
    return toLine() == other.toLine();
}
