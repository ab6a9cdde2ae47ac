#ifndef STUDENTCOUNTS_H
#define STUDENTCOUNTS_H

#include <QObject>

class QLabel;
class QMenuBar;
class DrawSession;

// The count of the chosen class's students beside the class chooser, and
// beside the menus what is left of a No Repeats round.
class StudentCounts : public QObject
{
    Q_OBJECT

public:
    StudentCounts(QLabel *countLabel, QMenuBar *menuBar, DrawSession *session, QObject *parent);

    void show();

private:
    QLabel *m_countLabel;
    QLabel *m_roundLabel;
    DrawSession *m_session;
};

#endif // STUDENTCOUNTS_H
