#include "fuzztargets.h"

#include "common/settingsmap.h"
#include "roster/drawsettings.h"
#include "roster/importreader.h"
#include "roster/rosterstore.h"
#include "roster/studentids.h"
#include "roster/workbookreader.h"

#include <QBuffer>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

using namespace SettingsMap;

namespace {

QSettings rosterSettings()
{
    return QSettings(QString::fromLatin1(kOrganization), QString::fromLatin1(kRosterArea));
}

// Everything the store holds, class by class.
struct Roster
{
    QStringList classNames;
    QList<QStringList> ids;
    QList<QStringList> names;
    QList<QStringList> scores;
    bool operator==(const Roster &other) const
    {
        return classNames == other.classNames && ids == other.ids && names == other.names
            && scores == other.scores;
    }
};

Roster heldBy(const RosterStore &store)
{
    Roster roster;
    roster.classNames = store.classNameList();
    for (int k = 0; k < store.classCount(); ++k) {
        roster.ids.append(store.ids(k));
        roster.names.append(store.names(k));
        roster.scores.append(store.scores(k));
    }
    return roster;
}

// One letter for every student of every class, as a teacher gives them.
void scoreEveryone(RosterStore &store)
{
    for (int k = 0; k < store.classCount(); ++k) {
        store.setCurrentClass(k);
        const QStringList ids = store.ids(k);
        for (int i = 0; i < ids.size(); ++i)
            store.appendScore(ids.at(i), static_cast<char>('A' + (k + i) % 6));
    }
}

// Every score is on its own student: a program started afresh reads what
// the store holds.
bool reloadsAsHeld(const RosterStore &store)
{
    RosterStore fresh{QString()};
    fresh.loadClasses();
    return heldBy(fresh) == heldBy(store);
}

// The same classes with their students in the opposite order, written
// behind the store's back as a restored backup would be.
void writeReversed(const RosterStore &store)
{
    QSettings settings = rosterSettings();
    settings.clear();
    settings.beginWriteArray(QString::fromLatin1(kClasses));
    for (int k = 0; k < store.classCount(); ++k) {
        settings.setArrayIndex(k);
        settings.setValue(QString::fromLatin1(kClassName), store.classNameList().at(k));
        settings.beginWriteArray(QString::fromLatin1(kStudents));
        const int count = store.ids(k).size();
        for (int i = 0; i < count; ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QString::fromLatin1(kStudentId), store.ids(k).at(count - 1 - i));
            settings.setValue(QString::fromLatin1(kStudentScore), store.scores(k).at(count - 1 - i));
        }
        settings.endArray();
    }
    settings.endArray();
}

// Renames the first class to a name no class has and deletes the last
// one, as the class settings window does. False when the round kept under
// the first class's name did not follow it.
bool renameAndDelete(RosterStore &store)
{
    const QStringList before = store.classNameList();
    const QString oldName = before.at(0);
    const QSet<QString> round{QStringLiteral("fuzz")};
    DrawSettings::setDrawnInRound(oldName, round);
    QString newName = QStringLiteral("Renamed");
    while (before.contains(newName))
        newName += QLatin1Char('+');
    store.renameClass(0, newName);
    if (store.classCount() > 1)
        store.removeClass(store.classCount() - 1);
    store.saveClasses();
    // A round under a name two classes share belongs to the first of them,
    // which is the one renamed.
    return DrawSettings::drawnInRound(newName) == round
        && (store.classNameList().contains(oldName) || DrawSettings::drawnInRound(oldName).isEmpty());
}
}

void readImportBytes(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    for (bool csv : {false, true})
        readImportFile(bytes, csv);
}

void readWorkbookBytes(const std::uint8_t *data, std::size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    buffer.open(QIODevice::ReadOnly);
    WorkbookReader reader;
    if (reader.read(buffer))
        reader.students();
    else
        reader.errorMessage();
}

bool loadRosterBytes(const std::uint8_t *data, std::size_t size)
{
    const QString path = rosterSettings().fileName();
    const QDir folder = QFileInfo(path).dir();
    QDir().mkpath(folder.path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    RosterStore store{QString()};
    store.loadClasses();
    std::vector<QString> names, ids;
    store.classNames(names);
    for (const QString &name : names) {
        store.studentIds(name, ids);
        sortedUniqueIds(ids);
    }

    scoreEveryone(store);
    bool landed = reloadsAsHeld(store);
    writeReversed(store);
    scoreEveryone(store);
    landed = landed && reloadsAsHeld(store);

    landed = renameAndDelete(store) && landed;
    landed = landed && reloadsAsHeld(store);
    scoreEveryone(store);
    landed = landed && reloadsAsHeld(store);

    QSettings(QString::fromLatin1(kOrganization), QString::fromLatin1(kProgramArea)).clear();
    QFile::remove(path);
    for (const QString &copy : folder.entryList({QFileInfo(path).fileName() + QStringLiteral(".damaged-*")}))
        QFile::remove(folder.filePath(copy));
    return landed;
}
