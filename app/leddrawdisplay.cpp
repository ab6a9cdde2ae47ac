#include "app/leddrawdisplay.h"

#include "app/leddraw.h"
#include "roster/drawsession.h"
#include "roster/historyfile.h"
#include "roster/studentids.h"

#include <QLCDNumber>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>

LedDrawDisplay::LedDrawDisplay(DrawSession *session, QPushButton *button, QLCDNumber *lcd, QSlider *speed,
                               QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_button(button)
    , m_lcd(lcd)
    , m_speed(speed)
{
}

LedDrawDisplay::~LedDrawDisplay()
{
    delete m_drawTimer;
}

void LedDrawDisplay::setMode(LotteryMode mode)
{
    m_mode = mode;
}

QString LedDrawDisplay::historyName() const
{
    return QString::fromLatin1(m_mode == LedRollMode ? kHistoryLedRoll : kHistoryLed);
}

void LedDrawDisplay::fill()
{
    if (m_mode != LedRollMode)
        return;
    m_ring = buildRollerRing(m_session->candidates(), digits());
    m_ringPos = 0;
}

bool LedDrawDisplay::start()
{
    if (m_session->candidates().empty())
        return false;
    m_button->setText(tr("Stop"));
    delete m_drawTimer;
    m_drawTimer = new QTimer;
    if (m_mode == LedRollMode)
        connect(m_drawTimer, &QTimer::timeout, this, &LedDrawDisplay::roll);
    else
        connect(m_drawTimer, &QTimer::timeout, this, &LedDrawDisplay::step);
    runTimer();
    return true;
}

void LedDrawDisplay::stop()
{
    m_button->setText(tr("Start"));
    stopTimer();

    DrawOutcome outcome;
    std::vector<QString> ids = drawnIds();
    if (m_mode == LedRollMode) {
        for (int settle = 1; ids.empty() && settle < digits() && !m_ring.empty(); ++settle) {
            roll();
            m_lcd->repaint();
            ids = drawnIds();
        }
        // An ID longer than the display is never shown whole.
        if (ids.empty()) {
            const QString longest = mostShownId(m_ring, m_ringPos, digits());
            if (!longest.isEmpty())
                ids = {longest};
        }
        if (!ids.empty()) {
            outcome.statusText = m_session->spokenText(ids, QStringLiteral(" "));
            outcome.announced = ids;
            outcome.separator = QStringLiteral(" ");
            outcome.when = DrawOutcome::AnnounceLater;
            outcome.drawn = ids;
        }
    } else {
        const std::vector<QString> &candidates = m_session->candidates();
        if (m_index >= 0 && m_index < static_cast<int>(candidates.size())) {
            // The ID itself, not the number the display makes of it: 0012,
            // an ID ending in X and one longer than a double's precision.
            outcome.drawn = {candidates[size_t(m_index)]};
            outcome.announced = outcome.drawn;
            outcome.when = DrawOutcome::AnnounceNow;
        }
    }
    outcome.shown = std::move(ids);
    m_session->finish(outcome);
}

std::vector<QString> LedDrawDisplay::drawnIds() const
{
    if (m_mode == LedRollMode)
        return completeIdsShown(m_ring, m_ringPos, m_currentText);
    // The display shows the ID without its leading zeros; the ID itself is
    // what names the student's directory, so take the text that was shown.
    return {m_currentText};
}

void LedDrawDisplay::showFirst()
{
    const std::vector<QString> &candidates = m_session->candidates();
    m_index = 0;
    show(candidates.empty() ? QString() : candidates.front());
}

void LedDrawDisplay::showDrawn(const QString &id)
{
    const std::vector<QString> &candidates = m_session->candidates();
    const auto found = std::find(candidates.cbegin(), candidates.cend(), id);
    if (m_mode != LedSingleMode || found == candidates.cend())
        return;
    m_index = int(found - candidates.cbegin());
    show(id);
}

void LedDrawDisplay::restartTimerIfActive()
{
    if (m_drawTimer && m_drawTimer->isActive()) {
        m_drawTimer->stop();
        runTimer();
    }
}

void LedDrawDisplay::stopTimer()
{
    if (m_drawTimer)
        m_drawTimer->stop();
}

void LedDrawDisplay::stepBack()
{
    const int count = static_cast<int>(m_session->candidates().size());
    if (count == 0)
        return;
    if (m_mode == LedSingleMode) {
        --m_index;
        if (m_index < 0)
            m_index = count - 1;
        show(m_session->candidates()[size_t(m_index)]);
    } else if (!m_ring.empty()) {
        const unsigned n = static_cast<unsigned>(m_ring.size());
        m_ringPos = (n + m_ringPos - 2) % n;
        roll();
    }
}

void LedDrawDisplay::stepOn()
{
    if (m_session->candidates().empty())
        return;
    if (m_mode == LedSingleMode)
        step();
    else
        roll();
}

bool LedDrawDisplay::studentToScore(QString &id) const
{
    const std::vector<QString> &candidates = m_session->candidates();
    if (m_mode == LedSingleMode) {
        if (m_index < 0 || m_index >= static_cast<int>(candidates.size()))
            return false;
        id = candidates[size_t(m_index)];
        return true;
    }
    const std::vector<QString> ids = drawnIds();
    if (ids.empty())
        return false;
    id = ids.front();
    return true;
}

int LedDrawDisplay::digits() const
{
    return m_lcd->digitCount();
}

void LedDrawDisplay::show(const QString &text)
{
    m_currentText = text;
    m_lcd->display(text);
}

void LedDrawDisplay::runTimer()
{
    m_drawTimer->start(drawIntervalMs(m_speed->value(), m_mode == LedRollMode));
}

void LedDrawDisplay::step()
{
    const std::vector<QString> &candidates = m_session->candidates();
    const int count = static_cast<int>(candidates.size());
    ++m_index;
    if (m_index >= count)
        m_index = 0;
    if (count > 0)
        show(candidates[size_t(m_index)]);
}

void LedDrawDisplay::roll()
{
    if (m_ring.empty())
        return;
    show(rollerWindow(m_ring, m_ringPos, digits()));
}
