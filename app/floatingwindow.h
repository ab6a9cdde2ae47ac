#ifndef FLOATINGWINDOW_H
#define FLOATINGWINDOW_H

#include <QRect>
#include <QVector>

class QWidget;

// What the floating draw button and its result share: they float over every
// other window, full-screen slides included, and never take the keyboard
// from the program in front, so a presenter remote keeps turning the slides.
namespace FloatingWindow {

// Makes window a frameless tool window that stays on top and is shown and
// clicked without taking the focus. Under X11 it is also left out of the
// window manager's stacking, which would put a full-screen presentation
// above every window that asked to stay on top.
void setUp(QWidget *window);

// The available area of every screen, the primary one first.
QVector<QRect> screenAreas();

}

#endif // FLOATINGWINDOW_H
