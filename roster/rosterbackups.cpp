#include "roster/rosterbackups.h"

#include "common/settingsmap.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {
const char *const kTimeFormat = "yyyyMMdd-hhmmss";

RosterBackups::Clock &backupClock()
{
    static RosterBackups::Clock current;
    return current;
}

QString copyPrefix()
{
    return QLatin1String(SettingsMap::kRosterArea) + QLatin1Char('-');
}

QString copySuffix()
{
    const QString rosterFile = SettingsMap::settingsFileBaseName(SettingsMap::kRosterArea);
    return rosterFile.mid(rosterFile.lastIndexOf(QLatin1Char('.')));
}

// Two copies within one second (a removal just after the day's first save)
// are told apart by a number after the time.
const QRegularExpression &copyName()
{
    static const QRegularExpression pattern(
        QStringLiteral("^%1(\\d{8}-\\d{6})(?:-(\\d+))?%2$")
            .arg(QRegularExpression::escape(copyPrefix()), QRegularExpression::escape(copySuffix())));
    return pattern;
}

struct NamedCopy
{
    RosterBackups::Copy copy;
    int number;
};
}

QString RosterBackups::folder()
{
    return SettingsMap::settingsFolder() + QStringLiteral("/backups");
}

std::vector<RosterBackups::Copy> RosterBackups::copies()
{
    std::vector<NamedCopy> found;
    const QDir dir(folder());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = copyName().match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime time = QDateTime::fromString(match.captured(1), QLatin1String(kTimeFormat));
        if (time.isValid())
            found.push_back({{dir.filePath(name), time}, match.captured(2).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const NamedCopy &a, const NamedCopy &b) {
        return a.copy.time != b.copy.time ? a.copy.time > b.copy.time : a.number > b.number;
    });
    std::vector<Copy> result;
    for (const NamedCopy &named : found)
        result.push_back(named.copy);
    return result;
}

bool RosterBackups::hasCopyOf(const QDate &day)
{
    const std::vector<Copy> all = copies();
    return std::any_of(all.cbegin(), all.cend(), [&day](const Copy &copy) { return copy.time.date() == day; });
}

bool RosterBackups::makeCopy()
{
    const QString rosterFile = SettingsMap::settingsFileName(SettingsMap::kRosterArea);
    if (!QFile::exists(rosterFile))
        return true;
    if (!QDir().mkpath(folder()))
        return false;
    const QString base = folder() + QLatin1Char('/') + copyPrefix() + now().toString(QLatin1String(kTimeFormat));
    QString path = base + copySuffix();
    for (int n = 2; QFile::exists(path); ++n)
        path = base + QStringLiteral("-%1").arg(n) + copySuffix();
    // QFile::copy writes aside and renames, so a copy cut short by a crash
    // never carries a copy's name.
    if (!QFile::copy(rosterFile, path))
        return false;
    removeOldCopies();
    return true;
}

void RosterBackups::removeOldCopies()
{
    const std::vector<Copy> all = copies();
    for (size_t i = kKept; i < all.size(); ++i)
        QFile::remove(all[i].path);
}

void RosterBackups::setClock(Clock clock)
{
    backupClock() = std::move(clock);
}

QDateTime RosterBackups::now()
{
    return backupClock() ? backupClock()() : QDateTime::currentDateTime();
}
