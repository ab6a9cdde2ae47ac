#include "roster/classhistory.h"

#include "roster/historyfile.h"

ClassHistory::ClassHistory(const QString &dataDir, QObject *parent)
    : QObject(parent)
    , m_dataDir(dataDir)
{
}

void ClassHistory::append(const QString &className, const QByteArray &lines)
{
    const QString path = historyFilePath(m_dataDir, className);
    if (path.isEmpty()) {
        emit noFileName(className);
        return;
    }
    if (m_log.append(path, lines) || m_failureReported)
        return;
    m_failureReported = true;
    emit appendFailed(path);
}
