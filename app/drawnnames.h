#ifndef DRAWNNAMES_H
#define DRAWNNAMES_H

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The line that shows the students of the last draw by ID and name.

// Each ID with its student's name ("1001 Li Lei"; the ID alone when the name
// is empty), in the order given; empty IDs are left out.
QStringList drawnNamesEntries(const std::vector<QString> &ids,
                              const std::function<QString(const QString &id)> &nameOf);

struct NamesLayout
{
    // The entries, two blanks apart on a line, the lines apart by '\n'.
    QString text;
    int pointSize;
};

// The entries at the largest point size from largest down to smallest at
// which they fit the room, filling each line before the next and never
// parting an ID from its name; at smallest when none fits.
NamesLayout fittedNamesLayout(const QStringList &entries, int largest, int smallest, const QSize &room,
                              const std::function<int(int pointSize, const QString &line)> &lineWidth,
                              const std::function<int(int pointSize)> &lineHeight);

#endif // DRAWNNAMES_H
