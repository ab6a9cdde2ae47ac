#include "roster/historylog.h"

#include "roster/historyfile.h"

#include <QFile>
#include <QStringList>

bool HistoryLog::append(const QString &path, const QByteArray &lines)
{
    QByteArray &unwritten = m_unwritten[path];
    unwritten += lines;
    if (unwritten.isEmpty()) {
        m_unwritten.remove(path);
        return true;
    }
    // Unbuffered, so that a short write says how much reached the file.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 sizeBefore = file.size();
    QByteArray start;
    if (sizeBefore == 0) {
        start = historyFileStart();
    } else {
        // A half line left by an earlier run would swallow the first record.
        char last = 0;
        if (!file.seek(sizeBefore - 1) || !file.getChar(&last))
            return false;
        if (last != '\n')
            start = "\r\n";
    }
    const QByteArray bytes = start + unwritten;
    if (file.write(bytes) == bytes.size()) {
        m_unwritten.remove(path);
        return true;
    }
    // What reached the disk is taken back, so that the lines are written
    // again whole and no record is left cut in two.
    file.resize(sizeBefore);
    return false;
}

bool HistoryLog::writeUnwritten()
{
    const QStringList paths = m_unwritten.keys();
    bool written = true;
    for (const QString &path : paths)
        written = append(path, QByteArray()) && written;
    return written;
}
