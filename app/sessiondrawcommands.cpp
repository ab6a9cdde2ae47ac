#include "app/sessiondrawcommands.h"

#include "app/drawnnames.h"
#include "roster/drawsession.h"
#include "roster/historyfile.h"
#include "roster/rosterstore.h"
#include "roster/scorebook.h"

SessionDrawCommands::SessionDrawCommands(DrawSession *session, ScoreBook *scoreBook, RosterStore *store,
                                         RandomSource random, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_scoreBook(scoreBook)
    , m_store(store)
    , m_floatingDraw(session, kHistoryFloating, random)
    , m_commandLineDraw(session, kHistoryCommandLine, random)
{
    connect(m_session, &DrawSession::drawFinished, this, [this](const QStringList &ids) {
        if (!ids.isEmpty())
            m_lastDrawn = ids;
    });
}

QuickDraw SessionDrawCommands::drawAtOnce(int count, DrawOrigin origin)
{
    if (!m_session->hasClass())
        return refused(tr("There is no class to draw from: add one in Class > Class Settings."));
    if (m_session->isRunning())
        return refused(tr("A draw is running in the main window: stop it there first."));
    QuickDrawDisplay &display = origin == DrawOrigin::CommandLine ? m_commandLineDraw : m_floatingDraw;
    display.setCount(count);
    m_session->startOrStop(&display);
    if (!m_session->isRunning())
        return refused(tr("Nobody in %1 can be drawn: the class has no students, or all of them are absent today.")
                           .arg(m_session->className()));
    m_session->startOrStop(&display);
    const std::vector<QString> &drawn = display.drawnIds();
    const QStringList ids(drawn.cbegin(), drawn.cend());
    emit drawnAtOnce(ids);
    return shown(ids);
}

QuickDraw SessionDrawCommands::lastDraw() const
{
    return shown(m_lastDrawn);
}

bool SessionDrawCommands::giveScore(const QString &id, char letter, DrawOrigin origin)
{
    if (!m_session->hasClass() || !m_store->hasStudent(m_scoreBook->className(), id))
        return false;
    m_scoreBook->give(id, letter,
                      QString::fromLatin1(origin == DrawOrigin::CommandLine ? kHistoryCommandLine : kHistoryFloating));
    return true;
}

QuickDraw SessionDrawCommands::refused(const QString &why) const
{
    QuickDraw none;
    none.refusal = why;
    return none;
}

QuickDraw SessionDrawCommands::shown(const QStringList &ids) const
{
    QuickDraw drawn;
    drawn.ids = ids;
    drawn.entries = drawnNamesEntries(std::vector<QString>(ids.cbegin(), ids.cend()),
                                      [this](const QString &id) { return m_session->nameOf(id); });
    return drawn;
}
