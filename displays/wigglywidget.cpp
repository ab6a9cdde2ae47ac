#include "displays/wigglywidget.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

namespace {
const int kStepMs = 60;
const int kRisePerStep = 4;
const int kLastStep = 12;
const int kFadePerPaint = 8;
}

WigglyWidget::WigglyWidget(QWidget *parent)
    : QWidget(parent)
{
    // The banner lies over a working control and must never hide it, nor
    // take the clicks meant for it: a lost click on a score box would send
    // the next letter to the student whose box kept the focus.
    QPalette transparent = palette();
    transparent.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(0, 255, 0, 0)));
    setPalette(transparent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void WigglyWidget::setText(const QString &text)
{
    m_step = 0;
    m_alpha = 255;
    m_text = text;
    m_timer.stop();
    m_timer.start(kStepMs, this);
}

void WigglyWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor::fromHsv(240, 255, 191, m_alpha));
    painter.drawText(QPoint(width() / 2 - 5, height() / 2 + 5), m_text);
    m_alpha = std::max(m_alpha - kFadePerPaint, 0);
}

void WigglyWidget::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    ++m_step;
    move(x(), y() - kRisePerStep);
    update();
    if (m_step > kLastStep) {
        m_step = 0;
        hide();
        m_timer.stop();
    }
}
