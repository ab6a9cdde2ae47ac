#ifndef STUDENTIDS_H
#define STUDENTIDS_H

#include <QString>
#include <QtGlobal>
#include <vector>

// The numeric value of an ID: a signed 64-bit decimal number, surrounding
// white space ignored, 0 when the text is not such a number.
qint64 studentIdValue(const QString &id);

// The IDs in ascending order of their value; of several IDs with one value
// only the first in the given order is kept.
std::vector<QString> sortedUniqueIds(const std::vector<QString> &ids);

// What is read aloud for one ID: its last four characters.
QString announcementText(const QString &id);

#endif // STUDENTIDS_H
