#ifndef CLASSHISTORY_H
#define CLASSHISTORY_H

#include "roster/historylog.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The history files of every class, which the draws and the scores add their
// lines to. Lines the disk refuses are kept and go with the next ones.
class ClassHistory : public QObject
{
    Q_OBJECT

public:
    explicit ClassHistory(const QString &dataDir, QObject *parent = nullptr);

    // Nothing is written for a class whose name cannot name a file.
    void append(const QString &className, const QByteArray &lines);

    // Lines the disk did not take, kept while the program runs.
    bool hasUnwritten() const { return m_log.hasUnwritten(); }
    // Tries to add them again; false while some are still kept.
    bool writeUnwritten() { return m_log.writeUnwritten(); }

signals:
    // The first time in a run that lines could not be added, so that the
    // teacher hears of a full disk once, not at every draw.
    void appendFailed(const QString &path);
    // Lines of a class whose name cannot name a file were passed over.
    void noFileName(const QString &className);

private:
    QString m_dataDir;
    HistoryLog m_log;
    bool m_failureReported = false;
};

#endif // CLASSHISTORY_H
