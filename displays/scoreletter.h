#ifndef SCORELETTER_H
#define SCORELETTER_H

#include <QString>

// The score letter a teacher typed into a score box: 'A' ... 'F' for exactly
// one of those letters in either case, 0 for anything else.
char scoreLetter(const QString &text);

#endif // SCORELETTER_H
