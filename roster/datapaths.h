#ifndef DATAPATHS_H
#define DATAPATHS_H

#include <QString>
#include <vector>

// The per-user data directory: the home directory's "Brimvale".
QString defaultDataDirectory();

// Whether a name can stand inside a file name in the data directory: it holds
// no path separator ("/" or "\\") and no NUL character.
bool fitsInFileName(const QString &name);

// Class names and student IDs become directory and file names under the data
// directory. A name that could lead outside it (a path separator, "." or "..",
// an empty name, a NUL character) is never used as a path.
bool isSafePathComponent(const QString &name);

// dataDir + "/" + className, or an empty string when the name is not safe.
QString classDirectoryPath(const QString &dataDir, const QString &className);

// classDirectoryPath + "/" + id, or an empty string when either is not safe.
QString studentDirectoryPath(const QString &dataDir, const QString &className, const QString &id);

// Creates the directory one level deep when it does not exist yet; an empty
// path is refused. Returns whether the directory exists afterwards.
bool ensureDirectory(const QString &path);

// Creates the class directory and, inside it, the directory of every ID
// that does not have one yet; unsafe names are passed over.
void ensureClassDirectories(const QString &dataDir, const QString &className, const std::vector<QString> &ids);

#endif // DATAPATHS_H
