#include "common/midnightwatch.h"

#include <QTimer>

namespace {
const int kLookEveryMs = 5000;
}

MidnightWatch::MidnightWatch(QObject *parent, Today today)
    : QObject(parent)
    , m_today(std::move(today))
    , m_day(m_today())
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &MidnightWatch::check);
    m_timer->start(kLookEveryMs);
}

void MidnightWatch::check()
{
    const QDate day = m_today();
    if (day == m_day)
        return;
    m_day = day;
    emit dayBegan();
}
