#ifndef ROSTERBACKUPS_H
#define ROSTERBACKUPS_H

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

// The copies of the roster file the program makes by itself, in the
// settings folder's "backups": Zandrel_ClassSetting-yyyyMMdd-hhmmss.conf,
// the roster as it was just before a save. The roster store makes one before
// the first save of each day and one before a save that removes students or
// a class; the newest 30 are kept.
class RosterBackups
{
public:
    static constexpr int kKept = 30;

    struct Copy
    {
        QString path;
        QDateTime time;
    };

    static QString folder();
    // Every copy there, newest first.
    static std::vector<Copy> copies();
    static bool hasCopyOf(const QDate &day);

    // Copies the roster file as it is now and then lets only the newest
    // copies stay. True also when there is no roster file yet (nothing to
    // keep); false when the copy could not be written.
    static bool makeCopy();

    // The time the copies are named by; tests put a clock of their own here.
    using Clock = std::function<QDateTime()>;
    static void setClock(Clock clock);
    static QDateTime now();

private:
    static void removeOldCopies();
};

#endif // ROSTERBACKUPS_H
