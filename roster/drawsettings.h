#ifndef DRAWSETTINGS_H
#define DRAWSETTINGS_H

#include "roster/classchanges.h"

#include <QDate>
#include <QSet>
#include <QString>

// What the draw keeps in the settings area "Velmor Zandrel" (organization
// "Velmor"):
//   "Lottery_NoRepeat"  whether No Repeats in a Round is on;
//   "Lottery_Rounds"    an array with one entry per class that has a round:
//                       "Class" (the class name) and "Drawn" (the IDs drawn
//                       in the round so far);
//   "Absent_Students"   an array with one entry per class with students
//                       marked absent: "Class", "Date" (yyyy-MM-dd, the day
//                       the marks were made) and "IDs".
// A class's entries go by its name, so a round lives through a class
// change and a restart; they follow the class when it is renamed and go
// with it when it is deleted. Absent marks count only on their own day.
namespace DrawSettings {
bool noRepeat();
void setNoRepeat(bool on);

QSet<QString> drawnInRound(const QString &className);
void setDrawnInRound(const QString &className, const QSet<QString> &ids);

// The students of the class marked absent on that day; none when the marks
// were made on another day.
QSet<QString> absentOn(const QString &className, const QDate &day);
// Replaces the class's marks by those of the day; marks of other days of
// every class are dropped.
void setAbsentOn(const QString &className, const QDate &day, const QSet<QString> &ids);

// Moves the rounds and absent marks of renamed classes to their new names
// and drops those of deleted classes; an entry left under a name that a
// class takes now belonged to no class and is dropped too.
void followClassChanges(const ClassChanges &changes);
}

#endif // DRAWSETTINGS_H
