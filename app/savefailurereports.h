#ifndef SAVEFAILUREREPORTS_H
#define SAVEFAILUREREPORTS_H

#include <QObject>

class QWidget;
class ClassHistory;
class RosterStore;

// What the main window tells when the disk refuses the history or the daily
// backup, and what it asks before scores or history it could not write are
// lost with it.
class SaveFailureReports : public QObject
{
    Q_OBJECT

public:
    SaveFailureReports(QWidget *window, RosterStore *store, ClassHistory *history);

    // Until all is written or the teacher closes anyway.
    void offerToSaveBeforeClosing();

private:
    void reportHistoryFailure(const QString &path);
    void reportBackupFailure(const QString &folder);
    // True when the teacher asks to try again.
    bool askToTryAgain(const QString &title, const QString &text);

    QWidget *m_window;
    RosterStore *m_store;
    ClassHistory *m_history;
};

#endif // SAVEFAILUREREPORTS_H
