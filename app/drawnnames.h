#ifndef DRAWNNAMES_H
#define DRAWNNAMES_H

#include <QString>
#include <functional>
#include <vector>

// The line that shows the students of the last draw by ID and name.

// Each ID with its student's name ("1001 Li Lei"; the ID alone when the name
// is empty), in the order given, two blanks apart; empty IDs are left out.
QString drawnNamesText(const std::vector<QString> &ids, const std::function<QString(const QString &id)> &nameOf);

// The largest point size from largest down to smallest at which the line is
// at most width wide; smallest when even that is wider.
int fittedNamesPointSize(int largest, int smallest, int width,
                         const std::function<int(int pointSize)> &textWidth);

#endif // DRAWNNAMES_H
