#include "common/drawrandom.h"

#include <limits>

QRandomGenerator &drawRandom()
{
    static QRandomGenerator draws = QRandomGenerator::securelySeeded();
    return draws;
}

void setDrawRandomState(quint32 state)
{
    drawRandom() = QRandomGenerator(state);
}

int drawRandomBelow(int bound)
{
    return bound < 1 ? 0 : int(drawRandom().bounded(quint32(bound)));
}

int drawRandomInt()
{
    return int(drawRandom().bounded(quint32(std::numeric_limits<int>::max()) + 1u));
}
