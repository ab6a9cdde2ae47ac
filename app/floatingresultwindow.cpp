#include "app/floatingresultwindow.h"

#include "app/floatingplace.h"
#include "app/floatingwindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {
const char *const kRowName = "floatingResultRow";
const QColor kBackground(24, 32, 48);
const QColor kBorder(250, 200, 60);
const QColor kText(Qt::white);
// The pointer grab that brings a click outside to this window needs the
// window on screen; the first tries may come before it is.
const int kGrabTries = 4;
const int kGrabRetryMs = 50;

QScreen *screenOf(const QRect &button)
{
    QScreen *screen = QGuiApplication::screenAt(button.center());
    return screen ? screen : QGuiApplication::primaryScreen();
}
}

FloatingResultWindow::FloatingResultWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("floatingResult"));
    FloatingWindow::setUp(this);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kText);
    setPalette(colours);
    m_rows = new QVBoxLayout(this);
    m_rows->setContentsMargins(24, 16, 24, 16);
    m_rows->setSpacing(12);
    m_rows->setSizeConstraint(QLayout::SetFixedSize);
    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, &QWidget::hide);
}

void FloatingResultWindow::setCloseAfter(int ms)
{
    m_closeAfterMs = ms;
}

void FloatingResultWindow::showResult(const QStringList &ids, const QStringList &entries, const QRect &button)
{
    clearRows();
    fitTo(screenOf(button));
    for (int i = 0; i < ids.size() && i < entries.size(); ++i)
        addLetters(addRow(entries.at(i)), ids.at(i));
    m_unscored = std::min(ids.size(), entries.size());
    showBeside(button);
}

void FloatingResultWindow::showNotice(const QString &text, const QRect &button)
{
    clearRows();
    fitTo(screenOf(button));
    addRow(text);
    m_unscored = 0;
    showBeside(button);
}

void FloatingResultWindow::fitTo(const QScreen *screen)
{
    m_textPixels = FloatingPlace::resultTextPixels(screen->geometry().height());
    // One line while it fits three quarters of the screen, wrapped beyond.
    m_widestLine = screen->availableGeometry().width() * 3 / 4;
}

void FloatingResultWindow::clearRows()
{
    // Rows made for a window on screen take their size only once shown, too
    // late for the window's place; the new result is laid out from hidden.
    hide();
    // A row may be the sender of the signal that brought a new result, so
    // it goes once that signal has returned.
    for (QWidget *row : findChildren<QWidget *>(QLatin1String(kRowName), Qt::FindDirectChildrenOnly)) {
        m_rows->removeWidget(row);
        row->hide();
        row->setParent(nullptr);
        row->deleteLater();
    }
}

QWidget *FloatingResultWindow::addRow(const QString &text)
{
    auto *row = new QWidget(this);
    row->setObjectName(QLatin1String(kRowName));
    auto *layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(text, row);
    label->setObjectName(QStringLiteral("floatingResultText"));
    QFont large = label->font();
    large.setPixelSize(m_textPixels);
    large.setBold(true);
    label->setFont(large);
    label->setWordWrap(true);
    label->setMinimumWidth(std::min(QFontMetrics(large).horizontalAdvance(text) + 1, m_widestLine));
    label->setMaximumWidth(m_widestLine);
    layout->addWidget(label);
    m_rows->addWidget(row);
    return row;
}

void FloatingResultWindow::addLetters(QWidget *row, const QString &id)
{
    auto *letters = new QHBoxLayout;
    letters->setSpacing(8);
    QFont font = row->font();
    font.setPixelSize(m_textPixels * 3 / 5);
    font.setBold(true);
    for (char letter = 'A'; letter <= 'F'; ++letter) {
        auto *button = new QPushButton(QString(QLatin1Char(letter)), row);
        button->setObjectName(QStringLiteral("floatingScore") + QLatin1Char(letter));
        button->setToolTip(tr("Give %1 to %2").arg(QLatin1Char(letter)).arg(id));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCheckable(true);
        button->setFont(font);
        button->setMinimumSize(m_textPixels, m_textPixels);
        connect(button, &QPushButton::clicked, this, [this, row, id, letter] { scoreGiven(row, id, letter); });
        letters->addWidget(button);
    }
    static_cast<QVBoxLayout *>(row->layout())->addLayout(letters);
}

void FloatingResultWindow::scoreGiven(QWidget *row, const QString &id, char letter)
{
    // One letter per student from here: a second tap on a projector's
    // touch screen must not give a second score. Undo is in the main window.
    const QString chosen = QStringLiteral("floatingScore") + QLatin1Char(letter);
    for (QPushButton *button : row->findChildren<QPushButton *>()) {
        button->setChecked(button->objectName() == chosen);
        button->setEnabled(false);
    }
    emit scoreRequested(id, letter);
    if (--m_unscored == 0)
        m_closeTimer.start(std::min(m_closeAfterMs, kCloseAfterScoredMs));
}

void FloatingResultWindow::showBeside(const QRect &button)
{
    adjustSize();
    move(FloatingPlace::besideButton(button, size(), screenOf(button)->availableGeometry()));
    show();
    raise();
    m_closeTimer.start(m_closeAfterMs);
}

void FloatingResultWindow::grabClicksOutside()
{
    // A click on another program comes to this window only through a
    // pointer grab; the keyboard is never grabbed, it stays with the slides.
    if (!isVisible() || !windowHandle() || windowHandle()->setMouseGrabEnabled(true) || --m_grabTriesLeft <= 0)
        return;
    QTimer::singleShot(kGrabRetryMs, this, &FloatingResultWindow::grabClicksOutside);
}

bool FloatingResultWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Where the pointer cannot be grabbed, a click on one of the program's
    // own windows still closes the result.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() != this)
        hide();
    return false;
}

void FloatingResultWindow::mousePressEvent(QMouseEvent *event)
{
    if (!rect().contains(event->pos()))
        hide();
    QWidget::mousePressEvent(event);
}

void FloatingResultWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(QPen(kBorder, 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void FloatingResultWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    qApp->installEventFilter(this);
    m_grabTriesLeft = kGrabTries;
    QTimer::singleShot(0, this, &FloatingResultWindow::grabClicksOutside);
}

void FloatingResultWindow::hideEvent(QHideEvent *event)
{
    m_closeTimer.stop();
    qApp->removeEventFilter(this);
    if (windowHandle())
        windowHandle()->setMouseGrabEnabled(false);
    QWidget::hideEvent(event);
}
