#include "app/instancelock.h"

#include "common/settingsmap.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {
const char *const kRestartVariable = "ZANDREL_RESTARTING";
const int kRestartWaitMs = 10000;

QString rosterFolder()
{
    return QFileInfo(SettingsMap::settingsFileName(SettingsMap::kRosterArea)).path();
}
}

InstanceLock::InstanceLock(const QString &dataDir)
    : m_dataDir(dataDir)
    , m_settingsFolder(rosterFolder())
    , m_dataDirLock(dataDir + QStringLiteral("/.zandrel.lock"))
    , m_settingsLock(m_settingsFolder + QStringLiteral("/.zandrel.lock"))
{
    // A lock left by a copy that crashed names a process that no longer
    // runs and is taken over; a running copy never loses its lock.
    m_dataDirLock.setStaleLockTime(0);
    m_settingsLock.setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    QDir().mkpath(m_dataDir);
    QDir().mkpath(m_settingsFolder);
    const bool restarting = qEnvironmentVariableIsSet(kRestartVariable);
    qunsetenv(kRestartVariable);
    // A folder that cannot hold a lock file cannot be written by another
    // copy either; the lock in the other folder keeps the guarantee.
    for (QLockFile *lock : {&m_dataDirLock, &m_settingsLock}) {
        if (!lock->tryLock(restarting ? kRestartWaitMs : 0) && lock->error() == QLockFile::LockFailedError)
            return false;
    }
    return true;
}

void InstanceLock::tellAlreadyRunning(QWidget *parent) const
{
    QMessageBox::information(parent, tr("Zandrel"),
                             tr("Zandrel is already running on this computer. Use the open window, "
                                "so that no score is lost."));
}

void InstanceLock::markNextStartAsRestart()
{
    qputenv(kRestartVariable, "1");
}
