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
    int number = 0; // the row as the spreadsheet numbers it
    bool numberId = false; // the ID cell is a number cell
};

// Reads the class list of an Excel workbook (.xlsx): the first visible
// sheet with a header row, else the first visible sheet with two filled
// columns, else the first visible sheet. The header row is the first row
// with a cell naming an ID column and one naming the name column; the rows
// above it (a title, merged cells) are passed over. A sheet without one
// gives the first two non-empty cells of each row as ID and name. Every part
// of the workbook is read whole into memory, so each is refused beyond
// 64 MiB, whatever size the zip claims.
class WorkbookReader
{
    Q_DECLARE_TR_FUNCTIONS(WorkbookReader)

public:
    enum Error { NoError, NotAWorkbook, DamagedWorkbook, MissingWorksheet, TooLarge, UncomputedFormulas };

    // Whether a chosen file is to be read as a workbook: by its suffix, or
    // because it starts like a zip file or like the compound file of an old
    // or a password-protected workbook. Peeks without reading.
    static bool isWorkbook(const QString &suffix, QIODevice &device);

    // Reads the class list's sheet whole; false, with nothing read, on error.
    bool read(QIODevice &device);

    Error error() const { return m_error; }
    // A sentence for the teacher on what is wrong with the file.
    QString errorMessage() const;

    const std::vector<WorkbookRow> &rows() const { return m_rows; }
    // The rows whose ID cell holds an ID as a class list file writes it, and
    // the rows that name a student whose ID cannot be taken, among them a
    // number cell of more digits than a spreadsheet keeps.
    ImportedStudents students() const;
    // The sheet read, and how many sheets the workbook has.
    const QString &sheetName() const { return m_sheetName; }
    int sheetCount() const { return m_sheetCount; }

private:
    bool fail(Error error);

    Error m_error = NoError;
    std::vector<WorkbookRow> m_rows;
    QString m_sheetName;
    int m_sheetCount = 0;
};

#endif // WORKBOOKREADER_H
