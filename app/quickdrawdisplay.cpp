#include "app/quickdrawdisplay.h"

#include "roster/drawsession.h"

#include <algorithm>
#include <utility>

std::vector<QString> pickAtRandom(const std::vector<QString> &candidates, int count, const RandomSource &random)
{
    std::vector<QString> pool = candidates;
    const size_t wanted = std::min(pool.size(), size_t(std::max(count, 0)));
    // The first picks of a Fisher-Yates shuffle.
    for (size_t i = 0; i < wanted; ++i)
        std::swap(pool[i], pool[i + size_t(random()) % (pool.size() - i)]);
    pool.resize(wanted);
    return pool;
}

QuickDrawDisplay::QuickDrawDisplay(DrawSession *session, const char *historyName, RandomSource random)
    : m_session(session)
    , m_historyName(historyName)
    , m_random(std::move(random))
{
}

QString QuickDrawDisplay::historyName() const
{
    return QString::fromLatin1(m_historyName);
}

bool QuickDrawDisplay::start()
{
    m_drawn = pickAtRandom(m_session->candidates(), m_count, m_random);
    return !m_drawn.empty();
}

void QuickDrawDisplay::stop()
{
    DrawOutcome outcome;
    outcome.drawn = m_drawn;
    outcome.shown = m_drawn;
    outcome.announced = m_drawn;
    // One ID is read without a separator, several each with a blank after it.
    outcome.separator = m_drawn.size() > 1 ? QStringLiteral(" ") : QString();
    outcome.when = DrawOutcome::AnnounceLater;
    outcome.historyName = historyName();
    m_session->finish(outcome);
}
