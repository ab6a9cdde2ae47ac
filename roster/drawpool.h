#ifndef DRAWPOOL_H
#define DRAWPOOL_H

#include <QSet>
#include <QString>
#include <vector>

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
    void setNoRepeat(bool on);

    const std::vector<QString> &students() const { return m_students; }
    const QSet<QString> &absent() const { return m_absent; }
    const QSet<QString> &drawn() const { return m_drawn; }
    bool noRepeat() const { return m_noRepeat; }

    // The IDs the displays are filled with, in the class's order. A round
    // that is used up offers the whole present class again, since its next
    // draw begins a new round.
    std::vector<QString> candidates() const;

    // Called as a draw begins: when No Repeats is on and nobody present is
    // left in the round, a new round begins and the result is true.
    bool beginDraw();
    // The students a draw announced leave the round while No Repeats is on;
    // false when the round did not change.
    bool take(const std::vector<QString> &ids);
    void newRound();

    int presentCount() const;
    int absentCount() const;
    // The present students not drawn yet in the round.
    int remainingCount() const;

private:
    std::vector<QString> m_students;
    QSet<QString> m_absent;
    QSet<QString> m_drawn;
    bool m_noRepeat = false;
};

#endif // DRAWPOOL_H
