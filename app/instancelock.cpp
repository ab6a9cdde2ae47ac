#include "app/instancelock.h"

#include <QDir>
#include <QMessageBox>

namespace {
const char *const kRestartVariable = "ZANDREL_RESTARTING";
const int kRestartWaitMs = 10000;
}

InstanceLock::InstanceLock(const QString &dataDir)
    : m_dataDir(dataDir)
    , m_lock(dataDir + QStringLiteral("/.zandrel.lock"))
{
    // A lock left by a copy that crashed names a process that no longer
    // runs and is taken over; a running copy never loses its lock.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    QDir().mkpath(m_dataDir);
    const bool restarting = qEnvironmentVariableIsSet(kRestartVariable);
    qunsetenv(kRestartVariable);
    if (m_lock.tryLock(restarting ? kRestartWaitMs : 0))
        return true;
    // An unwritable data directory cannot be locked, but scores are kept in
    // the settings store: do not refuse to start over it.
    return m_lock.error() != QLockFile::LockFailedError;
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
