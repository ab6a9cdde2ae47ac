#ifndef SCOREFILES_H
#define SCOREFILES_H

#include "roster/averagescores.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The score files of a class named N lie in the data directory as
// N_score100.txt (ID, one space, average) and N_score100.csv (ID, ", ",
// average), one line per student ending in CR LF on every platform.

// The path of one score file, or an empty string when the class name holds
// a path separator or NUL and so could lead outside the data directory.
QString scoreFilePath(const QString &dataDir, const QString &className, bool csv);

// An average as the files write it: a whole number for RoundOff and
// IntegerOnly; for KeepFloat the single-precision value in at most six
// significant digits without trailing zeros (30, 16.6, 1.23457e+06).
QByteArray formatAverage(double average, ScoreRounding rounding);

// A field of a comma-separated file as spreadsheets read it: quoted, with
// its double quotes doubled, when it holds a comma, a double quote or a line
// break; as it is otherwise. A text that begins with =, +, -, @, a tab or a
// carriage return (after any apostrophes) gets a leading apostrophe, so that
// no spreadsheet runs it as a formula; NUL characters are left out.
QByteArray csvField(const QByteArray &text);

// The text of a field csvField wrote, once its quotes are read: without the
// apostrophe added to keep a formula text.
QByteArray csvFieldText(const QByteArray &field);

// The whole content of one score file. A CSV ID is written by csvField.
QByteArray scoreFileContent(const QStringList &ids, const QStringList &scoreStrings, double aScore,
                            double fScore, ScoreRounding rounding, bool csv);

#endif // SCOREFILES_H
