#ifndef IMPORTREADER_H
#define IMPORTREADER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// One student recognised in a class list file.
struct ImportedStudent
{
    qint64 id = 0;
    QString name;
};

// The lines of a class list file. CR LF, LF and a lone CR (which
// spreadsheets on a Mac write) each end a line. A byte-order mark names the
// encoding of the whole file; without one each line is decoded on its own,
// as UTF-8 where it is valid UTF-8, otherwise as GB18030, which Chinese
// spreadsheets write and which covers GBK: one line in another encoding
// garbles no other.
QStringList importFileLines(const QByteArray &bytes);

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
