#ifndef DRAWSESSION_H
#define DRAWSESSION_H

#include "roster/drawpool.h"
#include "speech/announcedstudent.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

class ClassHistory;
class DrawDisplay;
class RosterStore;

// What a display drew, as it reports it to the session.
struct DrawOutcome
{
    enum Announcement { AnnounceNow, AnnounceLater, NoAnnouncement };

    // Into the history and, with No Repeats, out of the round.
    std::vector<QString> drawn;
    // The drawn names line.
    std::vector<QString> shown;
    // For the status bar; none when empty.
    QString statusText;
    // The IDs read aloud, each followed by the separator.
    std::vector<QString> announced;
    QString separator;
    // Later means from the event loop, after the stop has returned.
    Announcement when = NoAnnouncement;
    // The history's Display column when the draw ran elsewhere than on the
    // display shown (the floating button, the command line).
    QString historyName;
};

// One draw at a time on the class being drawn: the candidates every display
// is filled with (the class less today's absent students and, with No
// Repeats, less those drawn in the round), the running flag of the start and
// stop buttons, the announcement of the drawn students and their history
// lines. Any window drives the same session: startOrStop() is what the draw
// button of the display shown does.
class DrawSession : public QObject
{
    Q_OBJECT

public:
    DrawSession(RosterStore *store, ClassHistory *history, const QString &dataDir, QObject *parent = nullptr);

    // The class to draw from: its students ordered by the value of their
    // IDs, today's absent students and the round so far. Creates the class
    // directory and every student directory.
    void setClass(const QString &className);
    bool hasClass() const { return m_hasClass; }
    const QString &className() const { return m_className; }
    // What the displays are filled with. It changes with setClass() and as a
    // draw begins, never as one ends: the display keeps showing the last
    // draw, so that the scores given meanwhile go to the students it shows.
    const std::vector<QString> &candidates() const { return m_candidates; }
    const DrawPool &pool() const { return m_pool; }
    // The name the class gives the student, empty when none.
    QString nameOf(const QString &id) const { return m_names.value(id); }

    // These three are stored at once; setClass() brings the candidates in line.
    void setNoRepeat(bool on);
    void newRound();
    void setAbsentToday(const QSet<QString> &ids);

    // The announcement of the IDs, each followed by the separator: its last
    // four characters.
    QString spokenText(const std::vector<QString> &ids, const QString &separator) const;
    // The students to read aloud: each ID's announcement and the name the
    // class gives the student; whether the name is read is speech's choice.
    AnnouncedStudents announced(const std::vector<QString> &ids) const;

    // The display shown; its word goes into the history.
    void setDisplay(DrawDisplay *display) { m_display = display; }
    DrawDisplay *display() const { return m_display; }
    // A display other than the wheels is running.
    bool isRunning() const { return m_running; }
    // Starts the display when no draw runs, stops it when one does. The flag
    // is one for all displays: a draw left running on another display makes
    // this the stop of the display given.
    void startOrStop(DrawDisplay *display);
    void startOrStop() { startOrStop(m_display); }
    // Forgets a running draw without a result, so that it can start anew.
    void cancel() { m_running = false; }

    // For the displays: what the one stopped drew.
    void finish(const DrawOutcome &outcome);
    // Reads the announcement left for later, if there is one.
    void announcePending();

signals:
    void drawStarted();
    // The round was used up, and the draw beginning starts a new one.
    void newRoundBegun();
    // Present, absent or left in the round.
    void countsChanged();
    // As a draw begins; the displays are to be filled again.
    void candidatesChanged();
    void statusMessage(const QString &text);
    void namesShown(const std::vector<QString> &ids);
    void announcementReady(const AnnouncedStudents &students, const QString &separator);
    // Every draw that stopped, with the students drawn (none when the display
    // showed nobody completely).
    void drawFinished(const QStringList &ids);

private:
    void beginDraw();
    void noteDrawn(const std::vector<QString> &ids, const QString &historyName);
    void announceLater(const AnnouncedStudents &students, const QString &separator);

    RosterStore *m_store;
    ClassHistory *m_history;
    QString m_dataDir;
    DrawPool m_pool;
    bool m_hasClass = false;
    QString m_className;
    QHash<QString, QString> m_names;
    std::vector<QString> m_candidates;
    DrawDisplay *m_display = nullptr;
    bool m_running = false;
    QTimer m_laterTimer;
    AnnouncedStudents m_pendingAnnouncement;
    QString m_pendingSeparator;
};

#endif // DRAWSESSION_H
