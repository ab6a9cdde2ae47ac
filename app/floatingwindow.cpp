#include "app/floatingwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace FloatingWindow {

void setUp(QWidget *window)
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
                           | Qt::X11BypassWindowManagerHint);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setFocusPolicy(Qt::NoFocus);
    // The program ends with its main window, whether the button shows or not.
    window->setAttribute(Qt::WA_QuitOnClose, false);
}

QVector<QRect> screenAreas()
{
    QVector<QRect> areas;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

}
