#include "roster/historylog.h"

#include "roster/historyfile.h"

#include <QFile>

#include <algorithm>

bool HistoryLog::append(const QString &path, const QByteArray &lines)
{
    QByteArray &unwritten = m_unwritten[path];
    unwritten += lines;
    // Unbuffered, so that a short write says how much reached the file.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray start = file.size() == 0 ? historyFileStart() : QByteArray();
    const qint64 written = file.write(start + unwritten);
    if (written == start.size() + unwritten.size()) {
        m_unwritten.remove(path);
        return true;
    }
    unwritten.remove(0, int(std::max<qint64>(written - start.size(), 0)));
    return false;
}
