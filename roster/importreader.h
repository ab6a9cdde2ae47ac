#ifndef IMPORTREADER_H
#define IMPORTREADER_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

// One student recognised in a class list file.
struct ImportedStudent
{
    qint64 id = 0;
    QString name;
};

// The text of a class list file: the encoding its byte-order mark names;
// without one UTF-8 when the bytes are valid UTF-8, otherwise GB18030, which
// Chinese spreadsheets write and which covers GBK.
QString decodeImportFile(const QByteArray &bytes);

// Whether the whole text, surrounding white space aside, is an ID (optional
// sign, decimal digits, within 64 bits), as a spreadsheet cell holds one.
bool readStudentId(const QString &text, qint64 &id);

// Reads one line. The plain rule: optional white space, an ID (optional
// sign, decimal digits, within 64 bits), then the next word as the name,
// skipping a lone "," or "." before it. With csv set, a line whose first
// field is such an ID and is followed by a comma is read as spreadsheets
// write it: the name is the whole second field, without its optional double
// quotes. Names come back with white space simplified. False when the line
// does not start with an ID.
bool readImportLine(const QString &line, bool csv, ImportedStudent &student);

// Every student recognised in a file's bytes, in file order.
std::vector<ImportedStudent> readImportFile(const QByteArray &bytes, bool csv);

#endif // IMPORTREADER_H
