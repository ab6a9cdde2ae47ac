#ifndef DRAWPOOL_H
#define DRAWPOOL_H

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

// Where a class stands in its rounds while No Repeats is on: who has been
// drawn in the round, who is owed a turn because the last round ended while
// they were away, and the latest draws, newest last, which keep a student
// from being drawn again too soon after a round's end.
struct DrawRound
{
    QSet<QString> drawn;
    QSet<QString> owed;
    QStringList recent;
};

// The students a draw may pick, the one source every display is filled
// from: the class less the students marked absent and, while No Repeats is
// on, less those already drawn in the current round. With No Repeats off and
// nobody absent it is the whole class, in the class's order.
class DrawPool
{
public:
    // The class's IDs in the order the displays show them.
    void setStudents(const std::vector<QString> &ids);
    void setAbsent(const QSet<QString> &ids);
    void setDrawn(const QSet<QString> &ids);
    void setRound(const DrawRound &round);
    void setNoRepeat(bool on);

    const std::vector<QString> &students() const { return m_students; }
    const QSet<QString> &absent() const { return m_absent; }
    const QSet<QString> &drawn() const { return m_round.drawn; }
    const DrawRound &round() const { return m_round; }
    bool noRepeat() const { return m_noRepeat; }

    // The IDs the displays are filled with, in the class's order. While No
    // Repeats is on, the students owed a turn who are present come first, on
    // their own; a round that is used up offers the whole present class
    // again, since its next draw begins a new round; and nobody drawn fewer
    // than spacing() draws ago is offered.
    std::vector<QString> candidates() const;

    // Called as a draw begins: when No Repeats is on and nobody present is
    // left in the round, a new round begins and the result is true. Who was
    // away and missed the round is owed a turn in the next.
    bool beginDraw();
    // The students a draw announced leave the round, or settle the turn they
    // were owed, while No Repeats is on; false when nothing changed.
    bool take(const std::vector<QString> &ids);
    void newRound();

    int presentCount() const;
    int absentCount() const;
    // The present students not drawn yet in the round.
    int remainingCount() const;
    // The fewest draws after which a student may be drawn again while No
    // Repeats is on: half the present class, rounded up. Where those present
    // allow it, the draws keep half the whole class apart.
    int spacing() const;

private:
    bool isPresent(const QString &id) const;

    std::vector<QString> m_students;
    QSet<QString> m_absent;
    DrawRound m_round;
    bool m_noRepeat = false;
};

#endif // DRAWPOOL_H
