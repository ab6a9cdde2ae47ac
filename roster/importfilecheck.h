#ifndef IMPORTFILECHECK_H
#define IMPORTFILECHECK_H

#include <QCoreApplication>
#include <QString>

class QFile;

// Whether a chosen class list file can be imported at all, and, when it
// cannot, the teacher's words for why nothing was imported.
class ImportFileCheck
{
    Q_DECLARE_TR_FUNCTIONS(ImportFileCheck)

public:
    // A class list of a million students stays far below this; anything
    // larger is not one, and reading it whole would only exhaust memory.
    static const qint64 kLargestFile = 64 * 1024 * 1024;

    // Opens the file for reading. Empty when it is open and may be read
    // whole; otherwise the message to show.
    static QString open(QFile &file);
};

#endif // IMPORTFILECHECK_H
