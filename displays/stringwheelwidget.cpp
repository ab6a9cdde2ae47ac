#include "displays/stringwheelwidget.h"

#include "displays/wheelshares.h"

#include <QPainter>

StringWheelWidget::StringWheelWidget(bool touch)
    : AbstractWheelWidget(touch)
{
}

void StringWheelWidget::paintItem(QPainter *painter, int index, const QRect &rect)
{
    painter->drawText(rect, Qt::AlignCenter, wheelItemText(m_items.at(index), m_showChars));
}

int StringWheelWidget::itemHeight() const
{
    return fontMetrics().height();
}

int StringWheelWidget::itemCount() const
{
    return m_items.size();
}

void StringWheelWidget::currentItemChanged()
{
    setToolTip(currentText());
}

void StringWheelWidget::setItems(const QStringList &items)
{
    m_items = items;
    if (currentIndex() >= m_items.size())
        setCurrentIndex(m_items.size() - 1);
    else if (currentIndex() < 0 && !m_items.isEmpty())
        // An emptied wheel has no current item; once it has items again, the
        // item painted under its bar must be the one it reports.
        setCurrentIndex(0);
    update();
}

void StringWheelWidget::setShowChars(int count)
{
    m_showChars = count;
}

QString StringWheelWidget::currentText() const
{
    return m_items.value(currentIndex());
}

QSize StringWheelWidget::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(10 * metrics.horizontalAdvance(QLatin1Char('m')) + 6, 7 * metrics.height() + 6);
}

QSize StringWheelWidget::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(5 * metrics.horizontalAdvance(QLatin1Char('m')) + 6, 3 * metrics.height() + 6);
}
