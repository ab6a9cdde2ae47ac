#ifndef QUICKDRAWDISPLAY_H
#define QUICKDRAWDISPLAY_H

#include "displays/randomsource.h"
#include "roster/drawdisplay.h"

#include <QString>
#include <vector>

class DrawSession;

// count different candidates in random order, each equally likely.
std::vector<QString> pickAtRandom(const std::vector<QString> &candidates, int count, const RandomSource &random);

// A draw without an animation, for the floating button and the command line:
// it starts and stops at once on the session's candidates, so the same
// absences, rounds and history hold as on every display. The result is read
// aloud from the event loop, so the one who asked has it at once.
class QuickDrawDisplay : public DrawDisplay
{
public:
    // historyName is the word of the history's Display column.
    QuickDrawDisplay(DrawSession *session, const char *historyName, RandomSource random);

    void setCount(int count) { m_count = count; }

    QString historyName() const override;
    void fill() override { }
    // Draws; false when there is nobody to draw.
    bool start() override;
    // Hands the draw to the session.
    void stop() override;
    std::vector<QString> drawnIds() const override { return m_drawn; }

private:
    DrawSession *m_session;
    const char *m_historyName;
    RandomSource m_random;
    int m_count = 1;
    std::vector<QString> m_drawn;
};

#endif // QUICKDRAWDISPLAY_H
