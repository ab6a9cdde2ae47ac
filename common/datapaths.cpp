#include "common/datapaths.h"

#include <QDir>
#include <QFile>
#include <QSet>

QString defaultDataDirectory()
{
    return QDir::homePath() + QStringLiteral("/Brimvale");
}

namespace {
const int kLongestFileName = 255;
// The longest name of a class's files, that of its score workbook.
const char *const kLongestClassFileSuffix = "_score100.xlsx";

// Whether a name can stand inside a file name in the data directory: it holds
// no path separator and no NUL character.
bool fitsInFileName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

bool isShortEnough(const QString &fileName)
{
    return QFile::encodeName(fileName).size() <= kLongestFileName;
}
}

ClassFileNameProblem classFileNameProblem(const QString &className)
{
    if (!fitsInFileName(className))
        return ClassFileNameProblem::PathCharacter;
    if (!isShortEnough(className + QLatin1String(kLongestClassFileSuffix)))
        return ClassFileNameProblem::TooLong;
    return ClassFileNameProblem::None;
}

QString classFilePath(const QString &dataDir, const QString &className, const QString &suffix)
{
    if (!fitsInFileName(className) || !isShortEnough(className + suffix))
        return QString();
    return dataDir + QLatin1Char('/') + className + suffix;
}

bool isSafePathComponent(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && fitsInFileName(name);
}

QString classDirectoryPath(const QString &dataDir, const QString &className)
{
    if (!isSafePathComponent(className))
        return QString();
    return dataDir + QLatin1Char('/') + className;
}

QString studentDirectoryPath(const QString &dataDir, const QString &className, const QString &id)
{
    const QString classDir = classDirectoryPath(dataDir, className);
    if (classDir.isEmpty() || !isSafePathComponent(id))
        return QString();
    return classDir + QLatin1Char('/') + id;
}

bool ensureDirectory(const QString &path)
{
    if (path.isEmpty())
        return false;
    QDir dir(path);
    return dir.exists() || QDir().mkdir(path);
}

void ensureClassDirectories(const QString &dataDir, const QString &className, const std::vector<QString> &ids)
{
    const QString classDir = classDirectoryPath(dataDir, className);
    if (!ensureDirectory(classDir))
        return;
    // One listing instead of a look-up per student keeps a class change
    // quick for big classes.
    const QStringList present = QDir(classDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    const QSet<QString> existing(present.cbegin(), present.cend());
    for (const QString &id : ids) {
        if (!existing.contains(id) && isSafePathComponent(id))
            QDir().mkdir(classDir + QLatin1Char('/') + id);
    }
}
