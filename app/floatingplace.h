#ifndef FLOATINGPLACE_H
#define FLOATINGPLACE_H

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>
#include <optional>

// Where the floating draw button and its result sit on the desktop, and
// whether the button is shown; both are kept in the settings area
// "Velmor Zandrel" for the next start.
namespace FloatingPlace {

// The gap between the button, the result and the edges of the screen.
constexpr int kMargin = 16;

// The place for a window of size whose top-left corner was kept at stored,
// given the available area of every screen (the first is the primary one):
// the kept place when the window lies wholly on a screen; moved inside the
// screen that holds most of it when it sticks out; inside the primary screen
// when no screen shows any of it, as when the screen it was left on is gone.
// Without a kept place, the lower right corner of the primary screen.
QPoint onScreen(const std::optional<QPoint> &stored, const QSize &size, const QVector<QRect> &screens);

// The place of the result of a draw beside the button: to its left when
// that fits on the screen, else to its right, level with the button, and
// always inside the screen, clear of its edges.
QPoint besideButton(const QRect &button, const QSize &result, const QRect &screen);

// The pixel height of the result's text on a screen of that height: large
// enough to read from the back of the room, 54 pixels on a 1080-line screen.
int resultTextPixels(int screenHeight);

std::optional<QPoint> storedPosition();
void storePosition(const QPoint &topLeft);
bool storedShown();
void storeShown(bool shown);

}

#endif // FLOATINGPLACE_H
