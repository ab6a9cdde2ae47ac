#include "roster/drawsettings.h"

#include "common/settingsmap.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {
using namespace SettingsMap;

const char *const kDateFormat = "yyyy-MM-dd";

struct ClassEntry
{
    QString className;
    QString day;
    QStringList ids;
};

std::vector<ClassEntry> readEntries(const QString &array, const QString &idsKey)
{
    QSettings settings(QString::fromLatin1(kOrganization), QString::fromLatin1(kProgramArea));
    std::vector<ClassEntry> entries;
    const int size = settings.beginReadArray(array);
    for (int k = 0; k < size; ++k) {
        settings.setArrayIndex(k);
        entries.push_back({settings.value(QString::fromLatin1(kEntryClass)).toString(),
                           settings.value(QString::fromLatin1(kEntryDate)).toString(),
                           settings.value(idsKey).toStringList()});
    }
    settings.endArray();
    return entries;
}

// Rewrites the whole array, so that no entry of a longer earlier one stays.
void writeEntries(const QString &array, const QString &idsKey, const std::vector<ClassEntry> &entries,
                  bool withDay)
{
    QSettings settings(QString::fromLatin1(kOrganization), QString::fromLatin1(kProgramArea));
    settings.remove(array);
    settings.beginWriteArray(array);
    for (size_t k = 0; k < entries.size(); ++k) {
        settings.setArrayIndex(int(k));
        settings.setValue(QString::fromLatin1(kEntryClass), entries[k].className);
        if (withDay)
            settings.setValue(QString::fromLatin1(kEntryDate), entries[k].day);
        settings.setValue(idsKey, entries[k].ids);
    }
    settings.endArray();
}

QStringList sortedList(const QSet<QString> &ids)
{
    QStringList list(ids.cbegin(), ids.cend());
    std::sort(list.begin(), list.end());
    return list;
}

QSet<QString> idSet(const QStringList &ids)
{
    return QSet<QString>(ids.cbegin(), ids.cend());
}

// Replaces the class's entry by one with the given IDs, or drops it when
// there are none; keep decides which other entries stay.
template<typename Keep>
std::vector<ClassEntry> replacedEntry(const std::vector<ClassEntry> &entries, const ClassEntry &entry, Keep keep)
{
    std::vector<ClassEntry> kept;
    for (const ClassEntry &each : entries) {
        if (each.className != entry.className && keep(each))
            kept.push_back(each);
    }
    if (!entry.ids.isEmpty())
        kept.push_back(entry);
    return kept;
}

void followChanges(const QString &array, const QString &idsKey, const ClassChanges &changes, bool withDay)
{
    const QSet<QString> targets(changes.renamed.cbegin(), changes.renamed.cend());
    const std::vector<ClassEntry> entries = readEntries(array, idsKey);
    std::vector<ClassEntry> kept;
    for (ClassEntry entry : entries) {
        if (changes.removed.contains(entry.className))
            continue;
        const auto renamed = changes.renamed.constFind(entry.className);
        if (renamed != changes.renamed.cend())
            entry.className = *renamed;
        else if (targets.contains(entry.className))
            continue;
        kept.push_back(entry);
    }
    writeEntries(array, idsKey, kept, withDay);
}
}

namespace DrawSettings {

bool noRepeat()
{
    return readSetting(kProgramArea, kNoRepeat, false).toBool();
}

void setNoRepeat(bool on)
{
    writeSetting(kProgramArea, kNoRepeat, on);
}

QSet<QString> drawnInRound(const QString &className)
{
    for (const ClassEntry &entry : readEntries(QString::fromLatin1(kRounds), QString::fromLatin1(kRoundDrawn))) {
        if (entry.className == className)
            return idSet(entry.ids);
    }
    return {};
}

void setDrawnInRound(const QString &className, const QSet<QString> &ids)
{
    const QString array = QString::fromLatin1(kRounds);
    const QString key = QString::fromLatin1(kRoundDrawn);
    writeEntries(array, key,
                 replacedEntry(readEntries(array, key), {className, QString(), sortedList(ids)},
                               [](const ClassEntry &) { return true; }),
                 false);
}

QSet<QString> absentOn(const QString &className, const QDate &day)
{
    const QString dayText = day.toString(QString::fromLatin1(kDateFormat));
    for (const ClassEntry &entry : readEntries(QString::fromLatin1(kAbsent), QString::fromLatin1(kAbsentIds))) {
        if (entry.className == className)
            return entry.day == dayText ? idSet(entry.ids) : QSet<QString>();
    }
    return {};
}

void setAbsentOn(const QString &className, const QDate &day, const QSet<QString> &ids)
{
    const QString array = QString::fromLatin1(kAbsent);
    const QString key = QString::fromLatin1(kAbsentIds);
    const QString dayText = day.toString(QString::fromLatin1(kDateFormat));
    writeEntries(array, key,
                 replacedEntry(readEntries(array, key), {className, dayText, sortedList(ids)},
                               [&](const ClassEntry &each) { return each.day == dayText; }),
                 true);
}

void followClassChanges(const ClassChanges &changes)
{
    if (changes.isEmpty())
        return;
    followChanges(QString::fromLatin1(kRounds), QString::fromLatin1(kRoundDrawn), changes, false);
    followChanges(QString::fromLatin1(kAbsent), QString::fromLatin1(kAbsentIds), changes, true);
}
}
