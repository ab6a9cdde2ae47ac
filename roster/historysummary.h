#ifndef HISTORYSUMMARY_H
#define HISTORYSUMMARY_H

#include "roster/historyfile.h"

#include <QStringList>
#include <vector>

// What the history says about one student.
struct StudentHistory
{
    QString id;
    QString name;
    int timesDrawn = 0;
    // The Time of the student's last draw; empty when never drawn.
    QString lastDrawn;
    // The letters given, in order, without those undone.
    QString lettersGiven;
};

// One entry per student of the class (ids and names in roster order), then
// one per further ID that the history names (a student since removed), in
// the order they first appear there; such a student carries the name the
// history last gave.
std::vector<StudentHistory> summarizeHistory(const std::vector<HistoryEntry> &entries, const QStringList &ids,
                                             const QStringList &names);

#endif // HISTORYSUMMARY_H
