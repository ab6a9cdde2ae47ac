#include "roster/drawsession.h"

#include "common/datapaths.h"
#include "roster/classhistory.h"
#include "roster/drawdisplay.h"
#include "roster/drawsettings.h"
#include "roster/historyfile.h"
#include "roster/rosterstore.h"
#include "roster/studentids.h"

#include <QDate>
#include <QDateTime>

DrawSession::DrawSession(RosterStore *store, ClassHistory *history, const QString &dataDir, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_history(history)
    , m_dataDir(dataDir)
{
    // For a window that hears the announcements from another thread.
    qRegisterMetaType<AnnouncedStudents>();
    m_pool.setNoRepeat(DrawSettings::noRepeat());
    m_laterTimer.setSingleShot(true);
    connect(&m_laterTimer, &QTimer::timeout, this, &DrawSession::announcePending);
}

void DrawSession::setClass(const QString &className)
{
    m_hasClass = true;
    m_className = className;
    std::vector<QString> rosterIds;
    m_store->studentIds(className, rosterIds);
    m_pool.setStudents(sortedUniqueIds(rosterIds));
    m_pool.setAbsent(DrawSettings::absentOn(className, QDate::currentDate()));
    m_pool.setDrawn(DrawSettings::drawnInRound(className));
    m_names = m_store->namesById(className);
    m_candidates = m_pool.candidates();
    ensureClassDirectories(m_dataDir, className, m_pool.students());
}

void DrawSession::setNoRepeat(bool on)
{
    DrawSettings::setNoRepeat(on);
    m_pool.setNoRepeat(on);
}

void DrawSession::newRound()
{
    if (!m_hasClass)
        return;
    m_pool.newRound();
    DrawSettings::setDrawnInRound(m_className, m_pool.drawn());
}

void DrawSession::setAbsentToday(const QSet<QString> &ids)
{
    if (m_hasClass)
        DrawSettings::setAbsentOn(m_className, QDate::currentDate(), ids);
}

QString DrawSession::spokenText(const std::vector<QString> &ids, const QString &separator) const
{
    QString text;
    for (const QString &id : ids)
        text += announcementText(id) + separator;
    return text;
}

AnnouncedStudents DrawSession::announced(const std::vector<QString> &ids) const
{
    AnnouncedStudents students;
    for (const QString &id : ids)
        students.append({announcementText(id), nameOf(id)});
    return students;
}

void DrawSession::startOrStop(DrawDisplay *display)
{
    if (!display)
        return;
    const bool ownsFlag = !display->stopsByItself();
    if (ownsFlag && m_running) {
        m_running = false;
        display->stop();
        return;
    }
    beginDraw();
    if (!display->start())
        return;
    if (ownsFlag)
        m_running = true;
    emit drawStarted();
}

void DrawSession::beginDraw()
{
    if (!m_hasClass)
        return;
    // Absences end with the day, also in a program left running overnight.
    m_pool.setAbsent(DrawSettings::absentOn(m_className, QDate::currentDate()));
    if (m_pool.beginDraw()) {
        DrawSettings::setDrawnInRound(m_className, m_pool.drawn());
        emit newRoundBegun();
    }
    emit countsChanged();

    std::vector<QString> candidates = m_pool.candidates();
    if (candidates == m_candidates)
        return;
    m_candidates = std::move(candidates);
    emit candidatesChanged();
}

void DrawSession::finish(const DrawOutcome &outcome)
{
    if (!outcome.statusText.isEmpty())
        emit statusMessage(outcome.statusText);
    emit namesShown(outcome.shown);
    if (outcome.when == DrawOutcome::AnnounceNow)
        emit announcementReady(announced(outcome.announced), outcome.separator);
    else if (outcome.when == DrawOutcome::AnnounceLater)
        announceLater(announced(outcome.announced), outcome.separator);
    noteDrawn(outcome.drawn, outcome.historyName);
    emit drawFinished(QStringList(outcome.drawn.cbegin(), outcome.drawn.cend()));
}

void DrawSession::noteDrawn(const std::vector<QString> &ids, const QString &historyName)
{
    if (!m_hasClass || ids.empty())
        return;
    const QString time = historyTime(QDateTime::currentDateTime());
    QString display = historyName;
    if (display.isEmpty() && m_display)
        display = m_display->historyName();
    QByteArray lines;
    for (const QString &id : ids)
        lines += historyLine({time, QString::fromLatin1(kHistoryDraw), display, id, nameOf(id), QString()});
    m_history->append(m_className, lines);
    if (m_pool.take(ids)) {
        DrawSettings::setDrawnInRound(m_className, m_pool.drawn());
        emit countsChanged();
    }
}

void DrawSession::announcePending()
{
    if (!m_pendingAnnouncement.isEmpty())
        emit announcementReady(m_pendingAnnouncement, m_pendingSeparator);
}

void DrawSession::announceLater(const AnnouncedStudents &students, const QString &separator)
{
    // Read from the event loop, after the stop has returned; a newer
    // announcement replaces one not read yet.
    m_pendingAnnouncement = students;
    m_pendingSeparator = separator;
    m_laterTimer.start(1);
}
