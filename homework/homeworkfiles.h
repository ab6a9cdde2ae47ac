#ifndef HOMEWORKFILES_H
#define HOMEWORKFILES_H

#include <QString>

// The student ID a homework file belongs to: the leading decimal number of
// its name, read as atoi reads it (leading white space, an optional sign,
// then digits up to the first non-digit; no digits give 0), written back in
// decimal without leading zeros. "10322015_2_5.txt" gives "10322015" and
// "0012_a.txt" gives "12". The number is taken whole however many digits it
// has, so a long ID neither wraps nor saturates into another student's ID.
QString homeworkStudentId(const QString &fileName);

// Where the homework of student id goes: the class directory, or the
// student's directory inside it. Empty when the class name or the ID could
// lead outside the data directory.
QString homeworkDestinationDirectory(const QString &dataDir, const QString &className,
                                     const QString &id, bool toStudentDirectory);

// Why a homework file stayed where it was.
struct TransferProblem
{
    enum Reason { None, AlreadyThere, NoFolder, CannotRead, CannotWrite, StillChanging, CannotRemove };
    Reason reason = None;
    // The operating system's own words, where it gave any.
    QString systemError;
};

// Moves or copies source to destination, which must not exist yet; the file
// keeps its modification time either way. A move within one file system is
// a rename; otherwise the source is copied, and with move deleted once the
// copy is complete and has the source's size. On any failure the source
// stays where it was, a destination file this call created is removed again,
// false is returned and problem, when given, says why: no file is ever lost
// or overwritten.
bool transferHomeworkFile(const QString &source, const QString &destination, bool move,
                          TransferProblem *problem = nullptr);

#endif // HOMEWORKFILES_H
