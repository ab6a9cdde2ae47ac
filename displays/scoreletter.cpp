#include "displays/scoreletter.h"

#include <QByteArray>

char scoreLetter(const QString &text)
{
    const QByteArray letter = text.toUpper().toLatin1();
    if (letter.size() != 1 || letter.at(0) < 'A' || letter.at(0) > 'F')
        return 0;
    return letter.at(0);
}
