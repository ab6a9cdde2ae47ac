#ifndef TILEDRAWDISPLAY_H
#define TILEDRAWDISPLAY_H

#include "roster/drawdisplay.h"

#include <QObject>

class DrawSession;
class MicroTileWidget;
class QPushButton;

// The draw on the micro tile board: a trace wanders over the tiles until
// the teacher stops it on one student.
class TileDrawDisplay : public QObject, public DrawDisplay
{
    Q_OBJECT

public:
    TileDrawDisplay(DrawSession *session, QPushButton *button, MicroTileWidget *board, QObject *parent = nullptr);

    QString historyName() const override;
    void fill() override;
    bool start() override;
    void stop() override;
    std::vector<QString> drawnIds() const override;

    // The student the board's score controls give a score to; false when no
    // tile is highlighted.
    bool studentToScore(QString &id) const;

private:
    DrawSession *m_session;
    QPushButton *m_button;
    MicroTileWidget *m_board;
};

#endif // TILEDRAWDISPLAY_H
