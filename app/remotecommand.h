#ifndef REMOTECOMMAND_H
#define REMOTECOMMAND_H

#include <QByteArray>
#include <optional>

// What another start of the program asks of the copy that is running, and
// its form on the local socket between the two: one line of text,
// "draw 2", "score A", "floating on" or "show".
struct RemoteCommand
{
    enum Kind { Draw, Score, Floating, Show };

    // The most students one draw gives at once, as many as the TV roller
    // marks.
    static constexpr int kLargestDrawCount = 15;

    Kind kind = Show;
    // Draw: how many students.
    int count = 1;
    // Score: 'A' to 'F', for the student drawn last.
    char letter = 'A';
    // Floating: show the floating draw button, or hide it.
    bool on = true;

    static RemoteCommand draw(int count);
    static RemoteCommand score(char letter);
    static RemoteCommand floating(bool on);
    static RemoteCommand show();

    // The line that carries the command, ending in '\n'.
    QByteArray toLine() const;
    // The command a line carries (with or without its '\n'); nothing for a
    // line that is not one, or whose count or letter is out of range.
    static std::optional<RemoteCommand> fromLine(const QByteArray &line);

    bool operator==(const RemoteCommand &other) const;
};

#endif // REMOTECOMMAND_H
