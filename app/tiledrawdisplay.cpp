#include "app/tiledrawdisplay.h"

#include "displays/microtilewidget.h"
#include "roster/drawsession.h"
#include "roster/historyfile.h"

#include <QPushButton>

TileDrawDisplay::TileDrawDisplay(DrawSession *session, QPushButton *button, MicroTileWidget *board, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_button(button)
    , m_board(board)
{
}

QString TileDrawDisplay::historyName() const
{
    return QString::fromLatin1(kHistoryMicroTile);
}

void TileDrawDisplay::fill()
{
    m_board->setNames(m_session->candidates());
    m_board->arrangeTiles(true);
    m_board->update();
}

bool TileDrawDisplay::start()
{
    m_button->setText(tr("Stop Trace!"));
    m_board->startTrace();
    return true;
}

void TileDrawDisplay::stop()
{
    m_button->setText(tr("Trace it!"));
    m_board->stopTrace();
    QString id;
    if (studentToScore(id)) {
        DrawOutcome outcome;
        outcome.drawn = {id};
        outcome.shown = {id};
        outcome.announced = {id};
        outcome.when = DrawOutcome::AnnounceNow;
        m_session->finish(outcome);
    }
}

std::vector<QString> TileDrawDisplay::drawnIds() const
{
    return {m_board->selectedText()};
}

bool TileDrawDisplay::studentToScore(QString &id) const
{
    const int k = m_board->selectedIndex();
    const std::vector<QString> &candidates = m_session->candidates();
    if (k < 0 || k >= static_cast<int>(candidates.size()))
        return false;
    id = candidates[size_t(k)];
    return true;
}
