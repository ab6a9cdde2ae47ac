#include "displays/scoreletter.h"

bool parseScoreLetter(const QString &text, char &letter)
{
    const QString upper = text.toUpper();
    if (upper.size() != 1 || upper.at(0) < QLatin1Char('A') || upper.at(0) > QLatin1Char('F'))
        return false;
    letter = upper.at(0).toLatin1();
    return true;
}
