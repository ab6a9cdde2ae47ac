#include "homework/homeworkfiles.h"

#include "common/datapaths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_LINUX)
#include <cstdio>
#include <fcntl.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

// The white space of the C locale, which is what atoi skips.
bool isCSpace(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool fail(TransferProblem *problem, TransferProblem::Reason reason, const QString &systemError = QString())
{
    if (problem)
        *problem = {reason, systemError};
    return false;
}

// A rename keeps the file whole with all its times and, told not to
// replace, never takes the place of a file of the same name. Where the system
// cannot rename so, the caller copies instead.
bool renameWithoutReplacing(const QString &source, const QString &destination)
{
#if defined(Q_OS_LINUX)
    return ::renameat2(AT_FDCWD, QFile::encodeName(source).constData(), AT_FDCWD,
                       QFile::encodeName(destination).constData(), RENAME_NOREPLACE)
        == 0;
#elif defined(Q_OS_WIN)
    // Without MOVEFILE_REPLACE_EXISTING the move fails where the name is taken.
    return MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(source).utf16()),
                       reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(destination).utf16()), 0)
        != 0;
#else
    Q_UNUSED(source)
    Q_UNUSED(destination)
    return false;
#endif
}

// A teacher sorts submissions by it. A file system that keeps no such time
// still gets the homework.
void keepModificationTime(const QString &source, const QString &destination)
{
    QFile copy(destination);
    if (copy.open(QIODevice::ReadWrite))
        copy.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
}

bool copyWithoutOverwriting(const QString &source, const QString &destination, TransferProblem *problem)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(problem, TransferProblem::CannotRead, in.errorString());
    QFile out(destination);
    // NewOnly fails when the destination exists, even one created a moment
    // ago by someone else, so an existing file is never touched.
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(destination))
            return fail(problem, TransferProblem::AlreadyThere);
        if (!QFileInfo(QFileInfo(destination).path()).isDir())
            return fail(problem, TransferProblem::NoFolder);
        return fail(problem, TransferProblem::CannotWrite, out.errorString());
    }

    TransferProblem::Reason reason = TransferProblem::None;
    QString systemError;
    qint64 copied = 0;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            reason = TransferProblem::CannotRead;
            systemError = in.errorString();
            break;
        }
        if (out.write(buffer, n) != n) {
            reason = TransferProblem::CannotWrite;
            systemError = out.errorString();
            break;
        }
        copied += n;
    }
    out.close();
    if (reason == TransferProblem::None && out.error() != QFileDevice::NoError) {
        reason = TransferProblem::CannotWrite;
        systemError = out.errorString();
    }
    // A source that is still being written (a download in progress) no longer
    // has the size that was copied, and is left for a later scan.
    if (reason == TransferProblem::None
        && (QFileInfo(destination).size() != copied || QFileInfo(source).size() != copied))
        reason = TransferProblem::StillChanging;
    if (reason != TransferProblem::None) {
        out.remove();
        return fail(problem, reason, systemError);
    }
    keepModificationTime(source, destination);
    return true;
}

}

QString homeworkStudentId(const QString &fileName)
{
    const int length = fileName.size();
    int i = 0;
    while (i < length && isCSpace(fileName.at(i)))
        ++i;
    bool negative = false;
    if (i < length && (fileName.at(i) == QLatin1Char('+') || fileName.at(i) == QLatin1Char('-'))) {
        negative = fileName.at(i) == QLatin1Char('-');
        ++i;
    }
    while (i < length && fileName.at(i) == QLatin1Char('0'))
        ++i;
    const int first = i;
    while (i < length && isAsciiDigit(fileName.at(i)))
        ++i;
    if (i == first)
        return QStringLiteral("0");
    const QString digits = fileName.mid(first, i - first);
    return negative ? QLatin1Char('-') + digits : digits;
}

QString homeworkDestinationDirectory(const QString &dataDir, const QString &className,
                                     const QString &id, bool toStudentDirectory)
{
    return toStudentDirectory ? studentDirectoryPath(dataDir, className, id)
                              : classDirectoryPath(dataDir, className);
}

bool transferHomeworkFile(const QString &source, const QString &destination, bool move,
                          TransferProblem *problem)
{
    // Across file systems, or wherever the rename fails, the copy below
    // finds out why.
    if (move && renameWithoutReplacing(source, destination))
        return true;
    if (!copyWithoutOverwriting(source, destination, problem))
        return false;
    QFile downloaded(source);
    if (!move || downloaded.remove())
        return true;
    // The source cannot be deleted: undo the copy so that the file is in one
    // place only and a later scan can move it.
    QFile::remove(destination);
    return fail(problem, TransferProblem::CannotRemove, downloaded.errorString());
}
