#ifndef ROSTERSEEDER_H
#define ROSTERSEEDER_H

#include <QString>
#include <QStringList>
#include <QVector>

// One class as the roster store keeps it: parallel lists of IDs, names and
// score strings.
struct SeedClass
{
    QString name;
    QStringList ids;
    QStringList names;
    QStringList scores;
};

// Writes the roster arrays of the settings area "Zandrel_ClassSetting" the
// way the program stores them; missing names or scores are written empty.
void seedRoster(const QVector<SeedClass> &classes);

// Reads them back, straight from the settings area.
QVector<SeedClass> storedRoster();

#endif // ROSTERSEEDER_H
