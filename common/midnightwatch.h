#ifndef MIDNIGHTWATCH_H
#define MIDNIGHTWATCH_H

#include <QDate>
#include <QObject>
#include <functional>

class QTimer;

// Tells when a new day has begun. Marks that count for one day only (the
// absent students) end at midnight, also in a program left running
// overnight or on a computer that slept through it, so the day is looked at
// every few seconds rather than timed once for midnight.
class MidnightWatch : public QObject
{
    Q_OBJECT

public:
    using Today = std::function<QDate()>;
    explicit MidnightWatch(QObject *parent = nullptr, Today today = &QDate::currentDate);

public slots:
    // Emits dayBegan() when the day has changed since the last look.
    void check();

signals:
    void dayBegan();

private:
    Today m_today;
    QDate m_day;
    QTimer *m_timer = nullptr;
};

#endif // MIDNIGHTWATCH_H
