#ifndef INSTANCELOCK_H
#define INSTANCELOCK_H

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

class QWidget;

// One running copy of the program per data directory: two copies would each
// rewrite the roster from their own copy and lose each other's scores. The
// lock is taken in the data directory and in the settings folder, where the
// roster lives, so that it holds while either can be written. The restart
// after a language change waits for the old copy to end.
class InstanceLock
{
    Q_DECLARE_TR_FUNCTIONS(InstanceLock)

public:
    explicit InstanceLock(const QString &dataDir);

    // Takes the lock; a restart waits a few seconds for the old copy first.
    bool acquire();
    void tellAlreadyRunning(QWidget *parent = nullptr) const;

    // Marks the copy this process starts next as a restart.
    static void markNextStartAsRestart();

private:
    QString m_dataDir;
    QString m_settingsFolder;
    QLockFile m_dataDirLock;
    QLockFile m_settingsLock;
};

#endif // INSTANCELOCK_H
