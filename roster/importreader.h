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

// A line or row that names a student whose ID cannot be taken, so that the
// teacher learns which students are missing and why.
struct SkippedStudent
{
    enum Reason { NotWholeNumber, RoundedNumber };
    Reason reason;
    int number; // the line or row, counted from 1
};

// What a class list file gives, in file order.
struct ImportedStudents
{
    std::vector<ImportedStudent> students;
    std::vector<SkippedStudent> skipped;
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

// Why an ID written as this text cannot be taken: it is written as a number
// with an exponent, which a spreadsheet writes once it has rounded the
// number, or it looks like an ID (ASCII letters, digits and number signs,
// with at least one digit: S01, an ID ending in X, a number beyond 64 bits)
// without being one. False for any other text (a title, a header, a note),
// which is no student at all.
bool unreadableIdReason(const QString &text, SkippedStudent::Reason &reason);

// Reads one line. The plain rule: optional white space, an ID (optional
// sign, decimal digits, within 64 bits), then the next word as the name,
// skipping a lone "," or "." before it. With csv set, a line whose first
// field is such an ID and is followed by a comma is read as spreadsheets
// write it: the name is the whole second field, without its optional double
// quotes. Names come back with white space simplified. False when the line
// does not start with an ID.
bool readImportLine(const QString &line, bool csv, ImportedStudent &student);

// Every student recognised in a file's bytes, and the lines that name a
// student whose ID cannot be taken. A line whose first word (with csv, whose
// first field) is a number with an exponent is such a line rather than the
// ID of its leading digits.
ImportedStudents readImportFile(const QByteArray &bytes, bool csv);

#endif // IMPORTREADER_H
