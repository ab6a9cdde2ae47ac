#include "displays/abstractwheelwidget.h"

#include "app/appservices.h"
#include "displays/wheelhighlight.h"
#include "displays/wheelposition.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollEvent>
#include <QScrollPrepareEvent>
#include <QScroller>

namespace {
int g_spinMs = 5000;
const int kMinimumLineHeight = 25;
// Fonts that do not scale never reach the line height; stop growing them.
const int kMaximumFontSteps = 100;
const int kHighlightAlpha = 150;

QPalette::ColorGroup colorGroup(const QWidget *widget)
{
    return widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
}
}

AbstractWheelWidget::AbstractWheelWidget(bool touch, QWidget *parent)
    : QWidget(parent)
{
    QScroller::grabGesture(this, touch ? QScroller::TouchGesture : QScroller::LeftMouseButtonGesture);
    setupLook();
}

void AbstractWheelWidget::setupLook()
{
    const QPalette palette = QApplication::palette();
    m_frameColor = palette.color(colorGroup(this), QPalette::ButtonText);
    m_fillColor = palette.color(colorGroup(this), QPalette::Button);

    QFont grown = font();
    for (int step = 0; QFontMetrics(grown).height() <= kMinimumLineHeight && step < kMaximumFontSteps; ++step)
        grown.setPointSize(grown.pointSize() + 2);
    setFont(grown);
}

void AbstractWheelWidget::setColors(const QColor &frame, const QColor &fill)
{
    m_frameColor = frame;
    m_fillColor = fill;
}

int AbstractWheelWidget::spinTimeMs()
{
    return g_spinMs;
}

void AbstractWheelWidget::setSpinTimeMs(int ms)
{
    g_spinMs = ms;
}

void AbstractWheelWidget::scrollTo(int index)
{
    // The scroller stops at the end of its range; a farther target is reached
    // by fewer whole rounds, so that the wheel still lands on the item asked for.
    const int height = itemHeight();
    const int target = wheelIndexInRange(index, height, itemCount());
    QScroller *scroller = QScroller::scroller(this);
    scroller->scrollTo(QPointF(0, wheelContentY(target, 0, height)), g_spinMs);
    currentItemChanged();
    // The scroller ignores a target where the wheel already stands (a whole
    // number of rounds on, brought into range); report the rest anyway, from
    // the event loop like every other rest, so that no draw waits forever.
    if (scroller->state() == QScroller::Inactive)
        QMetaObject::invokeMethod(this, &AbstractWheelWidget::comeToRest, Qt::QueuedConnection);
}

void AbstractWheelWidget::comeToRest()
{
    currentItemChanged();
    wheelStopped();
}

bool AbstractWheelWidget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ScrollPrepare: {
        auto *prepare = static_cast<QScrollPrepareEvent *>(event);
        const int height = itemHeight();
        QScroller::scroller(this)->setSnapPositionsY(kWheelOrigin, height);
        prepare->setViewportSize(size());
        prepare->setContentPosRange(QRectF(0, 0, 0, kWheelContentHeight));
        prepare->setContentPos(QPointF(0, wheelContentY(m_currentItem, m_itemOffset, height)));
        prepare->accept();
        return true;
    }
    case QEvent::Scroll: {
        auto *scroll = static_cast<QScrollEvent *>(event);
        const int count = itemCount();
        if (count > 0) {
            const WheelPosition position = wheelPositionAt(scroll->contentPos().y(), itemHeight(), count);
            m_currentItem = position.item;
            m_itemOffset = position.offset;
            currentItemChanged();
        }
        if (scroll->scrollState() == QScrollEvent::ScrollFinished)
            comeToRest();
        update();
        scroll->accept();
        return true;
    }
    default:
        return QWidget::event(event);
    }
}

void AbstractWheelWidget::paintEvent(QPaintEvent *)
{
    const QPalette palette = QApplication::palette();
    const QPalette::ColorGroup group = colorGroup(this);
    const int w = width();
    const int h = height();
    QPainter painter(this);

    QLinearGradient face(0.5, 0, 0.5, 1);
    face.setCoordinateMode(QGradient::ObjectBoundingMode);
    face.setColorAt(0.0, m_frameColor);
    face.setColorAt(0.2, m_fillColor);
    face.setColorAt(0.8, m_fillColor);
    face.setColorAt(1.0, m_frameColor);
    painter.setPen(palette.color(group, QPalette::ButtonText));
    painter.setBrush(face);
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.setPen(palette.color(group, QPalette::Button));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(1, 1, w - 3, h - 3);

    painter.setClipRect(3, 3, w - 6, h - 6);
    const int rowHeight = itemHeight();

    // The bar lies under the items, and the item on it takes a colour that
    // reads against it: drawn over the items, the translucent bar washed the
    // drawn student out.
    QColor highlight = palette.color(group, QPalette::Highlight);
    highlight.setAlpha(kHighlightAlpha);
    const QColor itemText = palette.color(group, QPalette::ButtonText);
    const HighlightBarLook bar = legibleHighlightBar(highlight, m_fillColor, itemText);
    QLinearGradient upper(0.5, 0, 0.5, 1);
    upper.setCoordinateMode(QGradient::ObjectBoundingMode);
    upper.setColorAt(0, highlight);
    upper.setColorAt(1, highlight.lighter(bar.lighterFactor));
    painter.fillRect(QRect(0, h / 2 - rowHeight / 2, w, rowHeight / 2), upper);
    QLinearGradient lower(0.5, 0, 0.5, 1);
    lower.setCoordinateMode(QGradient::ObjectBoundingMode);
    lower.setColorAt(0, highlight);
    lower.setColorAt(1, highlight.darker(bar.darkerFactor));
    painter.fillRect(QRect(0, h / 2, w, rowHeight / 2), lower);

    const int currentTop = h / 2 - m_itemOffset - rowHeight / 2;
    const QVector<WheelRow> rows = visibleWheelRows({m_currentItem, m_itemOffset}, rowHeight, itemCount(), h);
    for (const WheelRow &row : rows) {
        painter.setPen(row.top == currentTop ? bar.itemColour : itemText);
        paintItem(&painter, row.item, QRect(6, row.top, w - 6, rowHeight));
    }
}
