#include "app/tvrollerdrawdisplay.h"

#include "displays/tvrollerwidget.h"
#include "roster/drawsession.h"
#include "roster/historyfile.h"

#include <QPushButton>

TvRollerDrawDisplay::TvRollerDrawDisplay(DrawSession *session, QPushButton *button, TVRollerWidget *roller,
                                         QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_button(button)
    , m_roller(roller)
{
}

QString TvRollerDrawDisplay::historyName() const
{
    return QString::fromLatin1(kHistoryTvRoller);
}

void TvRollerDrawDisplay::fill()
{
    m_roller->setNames(m_session->candidates());
    m_roller->arrangeRows();
    m_roller->update();
}

bool TvRollerDrawDisplay::start()
{
    m_button->setText(tr("Stop Roll!"));
    m_roller->startTrace();
    return true;
}

void TvRollerDrawDisplay::stop()
{
    m_button->setText(tr("Roll it!"));
    m_roller->stopTrace();
    DrawOutcome outcome;
    outcome.drawn = drawnIds();
    outcome.shown = outcome.drawn;
    outcome.announced = outcome.drawn;
    outcome.separator = QStringLiteral("  ");
    outcome.when = DrawOutcome::AnnounceNow;
    m_session->finish(outcome);
}

std::vector<QString> TvRollerDrawDisplay::drawnIds() const
{
    std::vector<QString> names;
    m_roller->selectedNames(names);
    return names;
}
