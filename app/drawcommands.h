#ifndef DRAWCOMMANDS_H
#define DRAWCOMMANDS_H

#include <QString>
#include <QStringList>

// The students of one draw as the floating button and the command line show
// them: their IDs and, for each, the line "ID Name"; or why nobody was drawn.
struct QuickDraw
{
    QStringList ids;
    QStringList entries;
    QString refusal;
};

// Where a draw without an animation was asked for, for the history.
enum class DrawOrigin { FloatingButton, CommandLine };

// What the floating button and the command line ask of the program. They
// draw and score through the same session and score book as the main
// window, so every rule of a draw and every record of a score holds.
class DrawCommands
{
public:
    virtual ~DrawCommands() = default;

    // count students of the chosen class at once, without an animation, read
    // aloud and recorded as every draw is.
    virtual QuickDraw drawAtOnce(int count, DrawOrigin origin) = 0;
    // The students of the last draw, from whichever window it was made.
    virtual QuickDraw lastDraw() const = 0;
    // Gives the student of the chosen class the letter, saved at once, in the
    // history and undoable; false when the class no longer holds the student.
    virtual bool giveScore(const QString &id, char letter, DrawOrigin origin) = 0;
    virtual void bringMainWindowToFront() = 0;
    // Shows or hides the floating button as the View menu does, kept for
    // the next start.
    virtual void setFloatingButtonShown(bool shown) = 0;
};

#endif // DRAWCOMMANDS_H
