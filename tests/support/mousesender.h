#ifndef MOUSESENDER_H
#define MOUSESENDER_H

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events sent straight to a widget, with the buttons held as given:
// for drags, and for clicks outside a widget that a pointer grab would
// bring to it, which QTest cannot send.
inline void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &localPos, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent event(type, localPos, widget->mapToGlobal(localPos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void clickAt(QWidget *widget, const QPoint &localPos)
{
    sendMouse(widget, QEvent::MouseButtonPress, localPos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, localPos, Qt::LeftButton, Qt::NoButton);
}

#endif // MOUSESENDER_H
