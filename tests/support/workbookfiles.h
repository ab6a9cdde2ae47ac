#ifndef WORKBOOKFILES_H
#define WORKBOOKFILES_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <xlsxwriter.h>

#include <functional>

// Excel workbooks for the tests, written as spreadsheets write them
// (libxlsxwriter), taken apart into their parts and put together again, so
// that a test can leave a part out or change one.
namespace WorkbookFiles {

// fill writes the cells of the first worksheet. Strings are shared strings,
// or inline strings with constantMemory, as streaming writers store them.
QByteArray build(const std::function<void(lxw_workbook *, lxw_worksheet *)> &fill, bool constantMemory = false);

// One worksheet with these rows: a string becomes a string cell, a number a
// number cell, and an invalid QVariant leaves the cell out.
QByteArray fromRows(const QVector<QVariantList> &rows);

// A worksheet of a workbook with several: its tab name, whether it is
// hidden, and its rows as fromRows takes them.
struct Sheet
{
    QString name;
    bool hidden;
    QVector<QVariantList> rows;
};

// A workbook of these sheets in this order; the first visible one is the
// one shown on opening.
QByteArray withSheets(const QVector<Sheet> &sheets);

// The workbook with the values that its formulas last calculated left out,
// as programs that write workbooks without calculating leave them.
QByteArray withoutCachedValues(const QByteArray &workbook);

// A class list as schools hand it out: a merged title row, then a header
// row (序号, 学号, 姓名), then three students with number IDs and Chinese
// names, 20230101 张伟, 20230102 李娜 (written with blanks around it) and
// 20230103 王芳.
QByteArray schoolClassList();

// Every part of a workbook by its path in the zip.
QMap<QString, QByteArray> parts(const QByteArray &workbook);

// A zip file of these parts, compressed.
QByteArray zip(const QMap<QString, QByteArray> &parts);

// The workbook with some parts replaced or added and some left out.
QByteArray withParts(const QByteArray &workbook, const QMap<QString, QByteArray> &changed,
                     const QStringList &removed = {});

// The workbook with its first worksheet grown to 65 MiB of blanks, which
// compress to a small zip entry.
QByteArray withHugeWorksheet(const QByteArray &workbook);

// The start of a compound file, which is what an old .xls workbook and an
// encrypted .xlsx workbook are.
QByteArray compoundFile();

// Where a libxlsxwriter workbook keeps its first worksheet.
const char *const kFirstSheet = "xl/worksheets/sheet1.xml";

struct Cell
{
    QString type; // the t attribute: "s" for a shared string, empty for a number
    QString text; // the number as stored, or the string's text
};

// The cells of the first worksheet of a workbook by reference ("A2").
QMap<QString, Cell> sheetCells(const QByteArray &workbook);

} // namespace WorkbookFiles

#endif // WORKBOOKFILES_H
