#include "homework/homeworkfiles.h"

#include "roster/datapaths.h"

#include <QFile>
#include <QFileInfo>

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

bool copyWithoutOverwriting(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QFile out(destination);
    // NewOnly fails when the destination exists, even one created a moment
    // ago by someone else, so an existing file is never touched.
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;

    bool complete = true;
    qint64 copied = 0;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0 || out.write(buffer, n) != n) {
            complete = false;
            break;
        }
        copied += n;
    }
    out.close();
    // A source that is still being written (a download in progress) no longer
    // has the size that was copied, and is left for a later scan.
    complete = complete && out.error() == QFileDevice::NoError
        && QFileInfo(destination).size() == copied && QFileInfo(source).size() == copied;
    if (!complete)
        out.remove();
    return complete;
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

bool transferHomeworkFile(const QString &source, const QString &destination, bool move)
{
    if (!copyWithoutOverwriting(source, destination))
        return false;
    if (!move || QFile::remove(source))
        return true;
    // The source cannot be deleted: undo the copy so that the file is in one
    // place only and a later scan can move it.
    QFile::remove(destination);
    return false;
}
