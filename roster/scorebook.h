#ifndef SCOREBOOK_H
#define SCOREBOOK_H

#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

class ClassHistory;
class RosterStore;

// One score given in this run, as undo takes it back: the class and the
// student it went to, by the keys the roster store gave them, the letter,
// and the names, ID and display the history line named.
struct GivenScore
{
    QString className;
    QString id;
    QString name;
    char letter = 0;
    QString display;
    quint64 classKey = 0;
    quint64 studentKey = 0;
};

// Where every score of the program goes: the letter is appended to the
// student's score string in the roster store, which saves at once, the
// history of the class gets its line, and the score can be undone, newest
// first, from the student it was given to: through renames of the class and
// new IDs of the student, never from another class or student that took
// their names.
class ScoreBook : public QObject
{
    Q_OBJECT

public:
    ScoreBook(RosterStore *store, ClassHistory *history, QObject *parent = nullptr);

    // The class scores go to from now on; the history names its students as
    // the roster names them now. Scores given to classes and students the
    // roster no longer holds are no longer offered for undo.
    void setClass(const QString &className);
    const QString &className() const { return m_className; }
    // The Display column of the history lines of the scores given from now on.
    void setDisplay(const QString &display) { m_display = display; }

    // Gives the student of the class the letter 'A' ... 'F'. An ID the class
    // does not hold gets no score, no history line and nothing to undo.
    void give(const QString &id, char letter);
    // The same from elsewhere than the display shown (the floating button,
    // the command line), which the history names.
    void give(const QString &id, char letter, const QString &display);

    bool canUndo() const { return !m_given.empty(); }
    const std::vector<GivenScore> &givenScores() const { return m_given; }
    // Takes the newest score given back from its student, when the student's
    // score string still ends with its letter, and says what it did. Empty
    // when there is nothing to undo.
    QString undo();

signals:
    void undoAvailable(bool available);

private:
    void forgetScoresOfStudentsGone();
    bool stillHolds(const GivenScore &given) const;

    RosterStore *m_store;
    ClassHistory *m_history;
    QString m_className;
    QString m_display;
    QHash<QString, QString> m_names;
    // Newest last.
    std::vector<GivenScore> m_given;
};

#endif // SCOREBOOK_H
