#include "speech/voiceswitchbutton.h"

#include <QPainter>
#include <QSignalBlocker>

namespace {
const int kDiscDiameter = 20;
const int kFullCircle = 360 * 16;
}

VoiceSwitchButton::VoiceSwitchButton(QWidget *parent)
    : QPushButton(parent)
{
}

QRect VoiceSwitchButton::discRect(const QSize &size)
{
    const int w = size.width();
    const int h = size.height();
    const QPoint topLeft = w >= h ? QPoint((w - h) / 2, 0) : QPoint(0, (h - w) / 2);
    return QRect(topLeft, QSize(kDiscDiameter, kDiscDiameter));
}

void VoiceSwitchButton::showState(bool on)
{
    {
        const QSignalBlocker blocker(this);
        setChecked(on);
    }
    update();
}

void VoiceSwitchButton::setSilent(bool silent)
{
    m_silent = silent;
    update();
}

bool VoiceSwitchButton::isSilent() const
{
    return m_silent;
}

void VoiceSwitchButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor colour(255, 0, 0, 255);
    if (isChecked())
        colour = m_silent ? QColor(160, 160, 160, 255) : QColor(0, 255, 0, 255);
    painter.setPen(colour);
    painter.setBrush(QBrush(colour, Qt::SolidPattern));
    const QRect disc = discRect(size());
    painter.drawPie(disc, 0, kFullCircle);
    painter.setPen(QColor(0, 0, 0));
    painter.drawArc(disc, 0, kFullCircle);
}
