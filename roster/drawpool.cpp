#include "roster/drawpool.h"

#include <QHash>

#include <algorithm>
#include <iterator>
#include <limits>

void DrawPool::setStudents(const std::vector<QString> &ids)
{
    m_students = ids;
}

void DrawPool::setAbsent(const QSet<QString> &ids)
{
    m_absent = ids;
}

void DrawPool::setDrawn(const QSet<QString> &ids)
{
    m_round.drawn = ids;
}

void DrawPool::setRound(const DrawRound &round)
{
    m_round = round;
}

void DrawPool::setNoRepeat(bool on)
{
    m_noRepeat = on;
}

bool DrawPool::isPresent(const QString &id) const
{
    return !m_absent.contains(id);
}

std::vector<QString> DrawPool::candidates() const
{
    std::vector<QString> present;
    std::vector<QString> owed;
    std::vector<QString> remaining;
    for (const QString &id : m_students) {
        if (!isPresent(id))
            continue;
        present.push_back(id);
        if (m_round.owed.contains(id))
            owed.push_back(id);
        if (!m_round.drawn.contains(id))
            remaining.push_back(id);
    }
    if (!m_noRepeat)
        return present;
    const std::vector<QString> &offered = !owed.empty() ? owed : !remaining.empty() ? remaining : present;

    QHash<QString, int> drawsAgo;
    for (int k = 0; k < m_round.recent.size(); ++k)
        drawsAgo.insert(m_round.recent.at(k), m_round.recent.size() - k);
    const auto longAgo = [&](const QString &id) { return drawsAgo.value(id, std::numeric_limits<int>::max()); };
    const auto drawnBefore = [&](const std::vector<QString> &ids, int draws) {
        std::vector<QString> spaced;
        std::copy_if(ids.cbegin(), ids.cend(), std::back_inserter(spaced),
                     [&](const QString &id) { return longAgo(id) >= draws; });
        return spaced;
    };
    int longest = 0;
    for (const QString &id : offered)
        longest = std::max(longest, longAgo(id));
    // Half the whole class apart where those offered allow it, so that a few
    // away do not bring a student's turns closer together.
    if (longest >= spacing())
        return drawnBefore(offered, std::min((int(m_students.size()) + 1) / 2, longest));
    // Those offered were all drawn just now (one owed a turn came back late):
    // someone else takes this draw, and they the next ones.
    return drawnBefore(present, spacing());
}

bool DrawPool::beginDraw()
{
    if (!m_noRepeat || remainingCount() > 0 || presentCount() == 0)
        return false;
    for (const QString &id : m_students) {
        if (!isPresent(id) && !m_round.drawn.contains(id))
            m_round.owed.insert(id);
    }
    newRound();
    return true;
}

bool DrawPool::take(const std::vector<QString> &ids)
{
    if (!m_noRepeat)
        return false;
    bool changed = false;
    for (const QString &id : ids) {
        if (std::find(m_students.cbegin(), m_students.cend(), id) == m_students.cend())
            continue;
        if (!m_round.owed.remove(id))
            m_round.drawn.insert(id);
        m_round.recent.append(id);
        changed = true;
    }
    // Half the class is the most the spacing ever looks back.
    const int kept = (int(m_students.size()) + 1) / 2;
    if (m_round.recent.size() > kept)
        m_round.recent.erase(m_round.recent.begin(), m_round.recent.end() - kept);
    return changed;
}

void DrawPool::newRound()
{
    m_round.drawn.clear();
}

int DrawPool::presentCount() const
{
    return int(m_students.size()) - absentCount();
}

int DrawPool::absentCount() const
{
    int count = 0;
    for (const QString &id : m_students)
        count += isPresent(id) ? 0 : 1;
    return count;
}

int DrawPool::remainingCount() const
{
    int count = 0;
    for (const QString &id : m_students)
        count += isPresent(id) && !m_round.drawn.contains(id) ? 1 : 0;
    return count;
}

int DrawPool::spacing() const
{
    return (presentCount() + 1) / 2;
}
