#include "roster/drawpool.h"

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
    m_drawn = ids;
}

void DrawPool::setNoRepeat(bool on)
{
    m_noRepeat = on;
}

std::vector<QString> DrawPool::candidates() const
{
    const bool skipDrawn = m_noRepeat && remainingCount() > 0;
    std::vector<QString> ids;
    ids.reserve(m_students.size());
    for (const QString &id : m_students) {
        if (!m_absent.contains(id) && !(skipDrawn && m_drawn.contains(id)))
            ids.push_back(id);
    }
    return ids;
}

bool DrawPool::beginDraw()
{
    if (!m_noRepeat || remainingCount() > 0 || presentCount() == 0)
        return false;
    newRound();
    return true;
}

bool DrawPool::take(const std::vector<QString> &ids)
{
    if (!m_noRepeat)
        return false;
    const int before = m_drawn.size();
    for (const QString &id : ids)
        m_drawn.insert(id);
    return m_drawn.size() != before;
}

void DrawPool::newRound()
{
    m_drawn.clear();
}

int DrawPool::presentCount() const
{
    return int(m_students.size()) - absentCount();
}

int DrawPool::absentCount() const
{
    int count = 0;
    for (const QString &id : m_students)
        count += m_absent.contains(id) ? 1 : 0;
    return count;
}

int DrawPool::remainingCount() const
{
    int count = 0;
    for (const QString &id : m_students)
        count += !m_absent.contains(id) && !m_drawn.contains(id) ? 1 : 0;
    return count;
}
