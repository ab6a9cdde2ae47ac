#ifndef HISTORYLOG_H
#define HISTORYLOG_H

#include <QByteArray>
#include <QHash>
#include <QString>

// Adds lines to the history files. A file is only ever appended to, never
// rewritten; a new or empty one first gets the byte-order mark and the
// header, and one that does not end with a line break (cut short by a full
// disk or an editor) gets one before the new lines. Lines that the disk did
// not take are kept and go first with the next lines for that file, so a
// full disk loses nothing while the program runs.
class HistoryLog
{
public:
    // Appends the lines (each with its CR LF) to the file at path; false when
    // not all of them, or of those kept from before, could be written.
    bool append(const QString &path, const QByteArray &lines);

    // Lines kept because the disk did not take them.
    bool hasUnwritten() const { return !m_unwritten.isEmpty(); }
    // Tries to write them all again; false while some are still kept.
    bool writeUnwritten();

private:
    QHash<QString, QByteArray> m_unwritten;
};

#endif // HISTORYLOG_H
