#ifndef SCOREWORKBOOK_H
#define SCOREWORKBOOK_H

#include "roster/averagescores.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The score workbook of a class named N, N_score100.xlsx beside its score
// files: one worksheet named after the class, a bold and frozen header row
// in the interface language, and one row per student in roster order with
// the ID as text (so 0012 and 18-digit IDs stay exact), the name, the score
// letters, the count of each letter A to F, the number of letters and the
// average as a number.
class ScoreWorkbook
{
    Q_DECLARE_TR_FUNCTIONS(ScoreWorkbook)

public:
    // Named as the score files are: empty when the class name holds a path
    // separator or NUL.
    static QString path(const QString &dataDir, const QString &className);

    // The class name as a worksheet may be named: without the characters
    // []:*?/\ and control characters, without an apostrophe at either end,
    // and cut to 31 characters. Empty when nothing is left.
    static QString sheetName(const QString &className);

    // Writes the workbook whole or leaves the file at path as it was.
    static bool write(const QString &path, const QString &className, const QStringList &ids,
                      const QStringList &names, const QStringList &scoreStrings, double aScore, double fScore,
                      ScoreRounding rounding);
};

#endif // SCOREWORKBOOK_H
