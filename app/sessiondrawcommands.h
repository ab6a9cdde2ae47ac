#ifndef SESSIONDRAWCOMMANDS_H
#define SESSIONDRAWCOMMANDS_H

#include "app/drawcommands.h"
#include "app/quickdrawdisplay.h"

#include <QObject>
#include <QStringList>

class DrawSession;
class RosterStore;
class ScoreBook;

// The floating button's and the command line's draws and scores on the
// main window's draw session and score book. What concerns the window
// itself it asks for by signal.
class SessionDrawCommands : public QObject, public DrawCommands
{
    Q_OBJECT

public:
    SessionDrawCommands(DrawSession *session, ScoreBook *scoreBook, RosterStore *store, RandomSource random,
                        QObject *parent = nullptr);

    QuickDraw drawAtOnce(int count, DrawOrigin origin) override;
    QuickDraw lastDraw() const override;
    bool giveScore(const QString &id, char letter, DrawOrigin origin) override;
    void bringMainWindowToFront() override { emit mainWindowWanted(); }
    void setFloatingButtonShown(bool shown) override { emit floatingButtonWanted(shown); }

signals:
    void mainWindowWanted();
    void floatingButtonWanted(bool shown);
    // A draw made here, for the main window's display to show.
    void drawnAtOnce(const QStringList &ids);

private:
    QuickDraw refused(const QString &why) const;
    QuickDraw shown(const QStringList &ids) const;

    DrawSession *m_session;
    ScoreBook *m_scoreBook;
    RosterStore *m_store;
    QuickDrawDisplay m_floatingDraw;
    QuickDrawDisplay m_commandLineDraw;
    // The students of the last draw on any display, in the class drawn.
    QStringList m_lastDrawn;
};

#endif // SESSIONDRAWCOMMANDS_H
