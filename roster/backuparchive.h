#ifndef BACKUPARCHIVE_H
#define BACKUPARCHIVE_H

#include "roster/rosterstore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;

// Everything the program keeps, in one zip file: the roster and the other
// settings files under settings/, the score, workbook and history files of
// the data directory under data/, the class and student folders with the
// collected homework under data/ too when asked for, and manifest.json
// naming the program's version, the date, the counts of classes, students
// and scores, and a SHA-256 digest of every other part. A backup is read
// whole into a folder of its own before anything is put back, so a file
// that is not such a backup, or is damaged, changes nothing.
class BackupArchive
{
    Q_DECLARE_TR_FUNCTIONS(BackupArchive)

public:
    enum Error { NoError, CannotRead, NotABackup, DamagedBackup, TooLarge, CannotWrite, CannotKeepCurrent };

    struct Manifest
    {
        QString programVersion;
        QDateTime date;
        RosterCounts counts;
        bool homework = false;
    };

    BackupArchive();
    ~BackupArchive();

    // Zandrel-backup-yyyyMMdd.zip.
    static QString defaultFileName(const QDate &day);
    // Where the state before a restore is kept: a backup in the folder of
    // the automatic roster copies.
    static QString keptStatePath(const QDateTime &time);

    bool write(const QString &zipPath, const QString &dataDir, bool includeHomework);

    // Reads and checks the backup at zipPath.
    bool open(const QString &zipPath);
    const Manifest &manifest() const { return m_manifest; }

    // Puts the opened backup in place of what the program keeps now. The
    // current state is first kept at keptStatePath (its path in keptCopy);
    // when that fails nothing is changed. Homework files already there are
    // never written over.
    bool restore(const QString &dataDir, QString &keptCopy);

    // Puts an automatic copy of the roster file (RosterBackups) in place of
    // the roster, after keeping the current state as restore does.
    bool restoreRosterCopy(const QString &copyPath, const QString &dataDir, QString &keptCopy);

    Error error() const { return m_error; }
    // A sentence for the teacher on what went wrong.
    QString errorMessage() const;

private:
    bool fail(Error error, const QString &path = QString());
    bool stage(const QString &zipPath);
    bool keepCurrentState(const QString &dataDir, QString &keptCopy);
    bool putInPlace(const QString &dataDir);

    Error m_error = NoError;
    QString m_errorPath;
    Manifest m_manifest;
    std::unique_ptr<QTemporaryDir> m_staging;
    // The parts read, by their path in the zip.
    QStringList m_parts;
};

#endif // BACKUPARCHIVE_H
