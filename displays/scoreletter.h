#ifndef SCORELETTER_H
#define SCORELETTER_H

#include <QString>

// Reads a typed score: exactly one letter "A" to "F" in either case, given
// back in upper case. Anything else (empty, a blank, two letters, G) is
// refused.
bool parseScoreLetter(const QString &text, char &letter);

#endif // SCORELETTER_H
