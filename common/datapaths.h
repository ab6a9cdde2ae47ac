#ifndef DATAPATHS_H
#define DATAPATHS_H

#include <QString>
#include <vector>

// The per-user data directory: the home directory's "Brimvale".
QString defaultDataDirectory();

// Class names and student IDs become directory and file names under the data
// directory. A name that could lead outside it (a path separator, "." or "..",
// an empty name, a NUL character) is never used as a path.
bool isSafePathComponent(const QString &name);

// dataDir + "/" + className, or an empty string when the name is not safe.
QString classDirectoryPath(const QString &dataDir, const QString &className);

// Why a class's own files cannot be named after it.
enum class ClassFileNameProblem { None, PathCharacter, TooLong };

// The problem with the class name for every file of the class in the data
// directory: a path separator or NUL in it, or a name too long for the
// longest of those file names (255 bytes, the common limit of file systems).
ClassFileNameProblem classFileNameProblem(const QString &className);

// dataDir + "/" + className + suffix: one of the class's own files in the
// data directory itself (score files, score workbook, history). The suffix
// keeps any other name, even "" or "..", a file there; empty when the name
// holds a path separator or NUL or the file name would be too long.
QString classFilePath(const QString &dataDir, const QString &className, const QString &suffix);

// classDirectoryPath + "/" + id, or an empty string when either is not safe.
QString studentDirectoryPath(const QString &dataDir, const QString &className, const QString &id);

// Creates the directory one level deep when it does not exist yet; an empty
// path is refused. Returns whether the directory exists afterwards.
bool ensureDirectory(const QString &path);

// Creates the class directory and, inside it, the directory of every ID
// that does not have one yet; unsafe names are passed over.
void ensureClassDirectories(const QString &dataDir, const QString &className, const std::vector<QString> &ids);

#endif // DATAPATHS_H
