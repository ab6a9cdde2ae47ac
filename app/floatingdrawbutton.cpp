#include "app/floatingdrawbutton.h"

#include "app/floatingplace.h"
#include "app/floatingresultwindow.h"
#include "app/floatingwindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>

namespace {
const int kRaiseIntervalMs = 1000;
const QColor kLight(120, 190, 255);
const QColor kDark(20, 90, 190);
}

FloatingDrawButton::FloatingDrawButton(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("floatingDrawButton"));
    FloatingWindow::setUp(this);
    setFixedSize(kDiameter, kDiameter);
    setToolTip(tr("Click to draw a student; drag to move; right-click for more"));
    setCursor(Qt::PointingHandCursor);
    m_result = new FloatingResultWindow(this);
    connect(m_result, &FloatingResultWindow::scoreRequested, this, &FloatingDrawButton::scoreRequested);
    createMenu();
    m_raiseTimer.setInterval(kRaiseIntervalMs);
    connect(&m_raiseTimer, &QTimer::timeout, this, &FloatingDrawButton::keepOnTop);
    // The kept place is left as it is while its screen is away, so that the
    // button goes back there when the projector is plugged in again.
    const auto replace = [this] {
        if (isVisible())
            placeOnScreen();
    };
    connect(qApp, &QGuiApplication::screenRemoved, this, replace);
    connect(qApp, &QGuiApplication::screenAdded, this, replace);
    setWindowOpacity(kIdleOpacity);
}

void FloatingDrawButton::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("floatingMenu"));
    QAction *drawTwo = m_menu->addAction(tr("Draw 2 at Once"));
    drawTwo->setObjectName(QStringLiteral("actionFloatingDrawTwo"));
    connect(drawTwo, &QAction::triggered, this, [this] { emit drawRequested(2); });
    QAction *drawThree = m_menu->addAction(tr("Draw 3 at Once"));
    drawThree->setObjectName(QStringLiteral("actionFloatingDrawThree"));
    connect(drawThree, &QAction::triggered, this, [this] { emit drawRequested(3); });
    m_menu->addSeparator();
    QAction *mainWindow = m_menu->addAction(tr("Open the Main Window"));
    mainWindow->setObjectName(QStringLiteral("actionFloatingMainWindow"));
    connect(mainWindow, &QAction::triggered, this, &FloatingDrawButton::showMainWindowRequested);
    QAction *hideButton = m_menu->addAction(tr("Hide the Button"));
    hideButton->setObjectName(QStringLiteral("actionFloatingHide"));
    connect(hideButton, &QAction::triggered, this, [this] {
        hide();
        emit hideRequested();
    });
}

void FloatingDrawButton::showResult(const QStringList &ids, const QStringList &entries)
{
    m_result->showResult(ids, entries, placeForResult());
    updateOpacity();
}

void FloatingDrawButton::showNotice(const QString &text)
{
    m_result->showNotice(text, placeForResult());
    updateOpacity();
}

QRect FloatingDrawButton::placeForResult()
{
    // A draw from the command line shows where the button would be.
    if (!isVisible())
        placeOnScreen();
    return frameGeometry();
}

void FloatingDrawButton::placeOnScreen()
{
    move(FloatingPlace::onScreen(FloatingPlace::storedPosition(), size(), FloatingWindow::screenAreas()));
}

void FloatingDrawButton::updateOpacity()
{
    const bool busy = m_pressed || underMouse() || m_result->isVisible();
    setWindowOpacity(busy ? 1.0 : kIdleOpacity);
}

void FloatingDrawButton::keepOnTop()
{
    // The button's own menu lies over it.
    if (QApplication::activePopupWidget())
        return;
    raise();
    if (m_result->isVisible())
        m_result->raise();
    updateOpacity();
}

void FloatingDrawButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(rect()).adjusted(1, 1, -1, -1);
    QRadialGradient shade(circle.center() - QPointF(width() / 6.0, height() / 6.0), width() * 0.7);
    shade.setColorAt(0, kLight);
    shade.setColorAt(1, kDark);
    painter.setBrush(shade);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawEllipse(circle);
    QFont font = painter.font();
    font.setPixelSize(height() / 4);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, tr("Draw"));
}

void FloatingDrawButton::resizeEvent(QResizeEvent *event)
{
    // Round without an alpha channel, which a desktop without compositing
    // would paint black.
    setMask(QRegion(rect(), QRegion::Ellipse));
    QWidget::resizeEvent(event);
}

void FloatingDrawButton::showEvent(QShowEvent *event)
{
    placeOnScreen();
    m_raiseTimer.start();
    QWidget::showEvent(event);
}

void FloatingDrawButton::hideEvent(QHideEvent *event)
{
    m_raiseTimer.stop();
    m_result->hide();
    QWidget::hideEvent(event);
}

void FloatingDrawButton::enterEvent(QEvent *event)
{
    setWindowOpacity(1.0);
    QWidget::enterEvent(event);
}

void FloatingDrawButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    updateOpacity();
}

void FloatingDrawButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = true;
    m_dragging = false;
    m_pressPos = event->globalPos();
    m_pressOffset = event->globalPos() - pos();
    setWindowOpacity(1.0);
}

void FloatingDrawButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    if (!m_dragging && (event->globalPos() - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
        m_dragging = true;
    if (m_dragging) {
        move(event->globalPos() - m_pressOffset);
        if (m_result->isVisible())
            m_result->hide();
    }
}

void FloatingDrawButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        move(FloatingPlace::onScreen(pos(), size(), FloatingWindow::screenAreas()));
        FloatingPlace::storePosition(pos());
    } else if (rect().contains(event->pos())) {
        emit drawRequested(1);
    }
    updateOpacity();
}

void FloatingDrawButton::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->popup(event->globalPos());
}
