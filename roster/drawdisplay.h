#ifndef DRAWDISPLAY_H
#define DRAWDISPLAY_H

#include <QString>
#include <vector>

// A display a draw runs on, as the draw session drives it: the LED display
// stepping or rolling, the tile board, the TV roller or the wheels. Each is
// an adapter of its widget; the session starts and stops it, and it tells
// the session what it drew through DrawSession::finish().
class DrawDisplay
{
public:
    virtual ~DrawDisplay() = default;

    // The display's word in the history.
    virtual QString historyName() const = 0;
    // Shows the session's candidates.
    virtual void fill() = 0;
    // Sets the display running on the candidates; false when it cannot run
    // and nothing changed.
    virtual bool start() = 0;
    // Stops the running display, which then reports its result.
    virtual void stop() = 0;
    // The wheels come to rest by themselves: their button only starts them,
    // and the session's running flag is not theirs.
    virtual bool stopsByItself() const { return false; }
    // The students the display shows as drawn now.
    virtual std::vector<QString> drawnIds() const = 0;
};

#endif // DRAWDISPLAY_H
