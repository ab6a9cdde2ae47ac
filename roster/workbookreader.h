#ifndef WORKBOOKREADER_H
#define WORKBOOKREADER_H

#include "roster/importreader.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class QIODevice;

// One student row of a class list workbook: the text of its ID cell and of
// its name cell, both trimmed; the ID is never empty.
struct WorkbookRow
{
    QString id;
    QString name;
};

// Reads the class list on the first worksheet of an Excel workbook (.xlsx).
// The header row is the first row with a cell naming the ID column and one
// naming the name column; the rows above it (a title, merged cells) are
// passed over. A sheet without one gives the first two non-empty cells of
// each row as ID and name. Every part of the workbook is read whole into
// memory, so each is refused beyond 64 MiB, whatever size the zip claims.
class WorkbookReader
{
    Q_DECLARE_TR_FUNCTIONS(WorkbookReader)

public:
    enum Error { NoError, NotAWorkbook, DamagedWorkbook, MissingWorksheet, TooLarge };

    // Whether a chosen file is to be read as a workbook: by its suffix, or
    // because it starts like a zip file or like the compound file of an old
    // or a password-protected workbook. Peeks without reading.
    static bool isWorkbook(const QString &suffix, QIODevice &device);

    // Reads the whole first worksheet; false, with nothing read, on error.
    bool read(QIODevice &device);

    Error error() const { return m_error; }
    // A sentence for the teacher on what is wrong with the file.
    QString errorMessage() const;

    const std::vector<WorkbookRow> &rows() const { return m_rows; }
    // The rows whose ID cell holds an ID as a class list file writes it.
    std::vector<ImportedStudent> students() const;

private:
    bool fail(Error error);

    Error m_error = NoError;
    std::vector<WorkbookRow> m_rows;
};

#endif // WORKBOOKREADER_H
