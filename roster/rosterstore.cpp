#include "roster/rosterstore.h"

#include "common/datapaths.h"
#include "common/settingsmap.h"
#include "roster/drawsettings.h"
#include "roster/historyfile.h"
#include "roster/rosterbackups.h"
#include "roster/scorefiles.h"
#include "roster/scoreworkbook.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <numeric>

using namespace SettingsMap;

namespace {
const char *const kFirstClassName = "Class 1";

QSettings rosterSettings()
{
    return QSettings(QString::fromLatin1(kOrganization), QString::fromLatin1(kRosterArea));
}

QString rosterFileName()
{
    static const QString name = settingsFileName(kRosterArea);
    return name;
}

// What the file holds now, as a digest; null when there is no file to read.
QByteArray digestOf(const QString &path, QByteArray *content = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray bytes = file.readAll();
    if (content)
        *content = bytes;
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

std::vector<int> firstEntries(int count)
{
    std::vector<int> entries(size_t(std::max(count, 0)));
    std::iota(entries.begin(), entries.end(), 0);
    return entries;
}

// The array entries a file holds, as indices from 0, in order. A damaged
// file may claim far more entries than it holds (a size of two billion with
// a handful of entries); only entries that hold a key are read, so loading
// never walks through entries that are not there. An entry is named by its
// index exactly as the store writes it: "01" or "+1" is not entry 1.
std::vector<int> presentEntries(const QSettings &settings, int claimedSize)
{
    std::vector<int> entries;
    const QStringList groups = settings.childGroups();
    for (const QString &group : groups) {
        bool isIndex = false;
        const int index = group.toInt(&isIndex);
        if (isIndex && index >= 1 && index <= claimedSize && group == QString::number(index))
            entries.push_back(index - 1);
    }
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}

// A save killed at the wrong moment can leave the settings lock file empty,
// naming no process; the settings store would then wait half a minute before
// taking it over, and the program would hang at the next score. Only one copy
// of the program writes the roster, so such a file is always left over.
void removeAbandonedLock(const QSettings &settings)
{
    const QFileInfo lock(settings.fileName() + QStringLiteral(".lock"));
    if (lock.exists() && lock.size() == 0)
        QFile::remove(lock.filePath());
}
}

RosterStore::RosterStore(const QString &dataDir, QObject *parent)
    : QObject(parent)
    , m_dataDir(dataDir)
{
}

void RosterStore::loadClasses()
{
    // Scores that could not be saved stay in memory until a save succeeds.
    if (m_saveFailed) {
        writeRoster();
        if (m_saveFailed) {
            m_currentClass = 0;
            return;
        }
    }

    m_classNames.clear();
    m_ids.clear();
    m_names.clear();
    m_scores.clear();
    m_studentEntries.clear();

    // Read before the settings store reads it: a file replaced in between
    // then only costs a full save at the next score.
    QByteArray bytes;
    const QByteArray digest = digestOf(rosterFileName(), &bytes);
    QSettings settings = rosterSettings();
    // Parses every section, not only the roster's, so that a format error
    // anywhere in the file shows now, before anything is written.
    settings.childGroups();
    m_classEntries = presentEntries(settings, settings.beginReadArray(QString::fromLatin1(kClasses)));
    for (int k : m_classEntries) {
        settings.setArrayIndex(k);
        m_classNames.append(settings.value(QString::fromLatin1(kClassName)).toString());
        QStringList ids, names, scores;
        std::vector<int> studentEntries
            = presentEntries(settings, settings.beginReadArray(QString::fromLatin1(kStudents)));
        for (int i : studentEntries) {
            settings.setArrayIndex(i);
            ids.append(settings.value(QString::fromLatin1(kStudentId)).toString());
            names.append(settings.value(QString::fromLatin1(kStudentName)).toString());
            scores.append(settings.value(QString::fromLatin1(kStudentScore)).toString());
        }
        settings.endArray();
        m_ids.append(ids);
        m_names.append(names);
        m_scores.append(scores);
        m_studentEntries.push_back(std::move(studentEntries));
    }
    settings.endArray();
    // Read back from the file this store wrote last, the classes and
    // students are those it knew; from any other file they are new.
    const bool ownFile = !digest.isNull() && digest == m_fileDigest && rosterMatchesStoredCopy();
    m_classKeys = ownFile ? m_storedClassKeys : newKeys(m_classNames.size());
    m_studentKeys.clear();
    for (int k = 0; k < m_classNames.size(); ++k)
        m_studentKeys.append(ownFile ? m_storedStudentKeys.at(k) : newKeys(m_ids.at(k).size()));
    m_fileDigest = digest;
    // The first save would write the roster over what the settings store
    // could not read, or over whatever a file without a class holds.
    if (!bytes.isEmpty() && (m_classNames.isEmpty() || settings.status() == QSettings::FormatError))
        keepDamagedCopy(settings.fileName(), bytes, digest);
    rememberStoredCopy();
    m_currentClass = 0;

    if (m_classNames.isEmpty())
        appendClass(QString::fromLatin1(kFirstClassName));
    // The first class of an empty roster may have a round before it is
    // ever saved.
    m_filedClassKeys = m_classKeys;
    m_filedClassNames = m_classNames;
}

void RosterStore::saveClasses()
{
    writeRoster();
}

void RosterStore::backUpBeforeSave(bool removing)
{
    const QDate today = RosterBackups::now().date();
    if (!removing && m_backedUpOn == today)
        return;
    if (removing || !RosterBackups::hasCopyOf(today)) {
        if (!RosterBackups::makeCopy()) {
            if (!m_backupFailureTold) {
                m_backupFailureTold = true;
                emit backupFailed(RosterBackups::folder());
            }
            return;
        }
    }
    m_backedUpOn = today;
}

bool RosterStore::removesStudents() const
{
    if (!m_storedCopyKnown)
        return false;
    if (m_classNames.size() < m_storedClassNames.size())
        return true;
    for (int k = 0; k < m_storedIds.size(); ++k) {
        const QStringList &now = m_ids.at(k);
        for (const QString &id : m_storedIds.at(k))
            if (!now.contains(id))
                return true;
    }
    return false;
}

RosterCounts RosterStore::countsOfFile(const QString &rosterFile)
{
    RosterCounts counts;
    QSettings settings(rosterFile, QSettings::IniFormat);
    const std::vector<int> classEntries =
        presentEntries(settings, settings.beginReadArray(QString::fromLatin1(kClasses)));
    for (int k : classEntries) {
        settings.setArrayIndex(k);
        ++counts.classes;
        const std::vector<int> studentEntries =
            presentEntries(settings, settings.beginReadArray(QString::fromLatin1(kStudents)));
        for (int i : studentEntries) {
            settings.setArrayIndex(i);
            ++counts.students;
            counts.scores += settings.value(QString::fromLatin1(kStudentScore)).toString().size();
        }
        settings.endArray();
    }
    settings.endArray();
    return settings.status() == QSettings::NoError ? counts : RosterCounts();
}

void RosterStore::writeRoster()
{
    backUpBeforeSave(removesStudents());
    const QByteArray digestBefore = digestOf(rosterFileName());
    QSettings settings = rosterSettings();
    removeAbandonedLock(settings);
    settings.beginWriteArray(QString::fromLatin1(kClasses));
    for (int k = 0; k < m_classNames.size(); ++k) {
        settings.setArrayIndex(k);
        settings.setValue(QString::fromLatin1(kClassName), m_classNames.at(k));
        settings.beginWriteArray(QString::fromLatin1(kStudents));
        const QStringList &ids = m_ids.at(k);
        for (int i = 0; i < ids.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QString::fromLatin1(kStudentId), ids.at(i));
            settings.setValue(QString::fromLatin1(kStudentName), m_names.at(k).at(i));
            settings.setValue(QString::fromLatin1(kStudentScore), m_scores.at(k).at(i));
        }
        settings.endArray();
    }
    settings.endArray();
    settings.sync();
    if (!checkSaved(settings, digestBefore))
        return;
    followClassChanges();
    m_classEntries = firstEntries(m_classNames.size());
    m_studentEntries.clear();
    for (const QStringList &ids : qAsConst(m_ids))
        m_studentEntries.push_back(firstEntries(ids.size()));
    rememberStoredCopy();
}

bool RosterStore::checkSaved(QSettings &settings, const QByteArray &digestBefore)
{
    const QByteArray digestAfter = digestOf(settings.fileName());
    // The settings store reports the first problem it meets: a file it could
    // not fully parse gives a format error even when it was written anew,
    // and then hides a write that failed. Such a file still unchanged after
    // the write was not written.
    const QSettings::Status status = settings.status();
    m_saveFailed = status == QSettings::AccessError
        || (status == QSettings::FormatError && digestAfter == digestBefore);
    if (!m_saveFailed) {
        m_fileDigest = digestAfter;
        emit saved();
        return true;
    }
    m_storedCopyKnown = false;
    emit saveFailed(settings.fileName());
    return false;
}

void RosterStore::keepDamagedCopy(const QString &settingsFile, const QByteArray &bytes, const QByteArray &digest)
{
    if (digest == m_damagedDigest)
        return;
    // The damage stays in the file until the first save; a copy kept at an
    // earlier start is the copy of this start too.
    const QFileInfo file(settingsFile);
    const QFileInfoList copies =
        file.dir().entryInfoList({file.fileName() + QStringLiteral(".damaged-*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &copy : copies) {
        if (copy.size() == bytes.size() && digestOf(copy.filePath()) == digest) {
            m_damagedDigest = digest;
            return;
        }
    }
    const QString base = settingsFile + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QFile copy(base);
    for (int n = 2; !copy.open(QIODevice::WriteOnly | QIODevice::NewOnly); ++n) {
        if (!copy.exists())
            return;
        copy.setFileName(base + QStringLiteral("-%1").arg(n));
    }
    if (copy.write(bytes) != bytes.size() || !copy.flush()) {
        copy.remove();
        return;
    }
    copy.close();
    m_damagedDigest = digest;
    emit damagedFileKept(copy.fileName());
}

void RosterStore::rememberStoredCopy()
{
    m_storedClassNames = m_classNames;
    m_storedIds = m_ids;
    m_storedNames = m_names;
    m_storedScores = m_scores;
    m_storedClassKeys = m_classKeys;
    m_storedStudentKeys = m_studentKeys;
    m_storedCopyKnown = true;
}

QList<quint64> RosterStore::newKeys(int count)
{
    QList<quint64> keys;
    keys.reserve(count);
    for (int i = 0; i < count; ++i)
        keys.append(newKey());
    return keys;
}

void RosterStore::followClassChanges()
{
    QHash<quint64, int> classNow;
    for (int k = 0; k < m_classKeys.size(); ++k)
        classNow.insert(m_classKeys.at(k), k);
    ClassChanges changes;
    QSet<QString> seen;
    for (int i = 0; i < m_filedClassKeys.size(); ++i) {
        const QString &name = m_filedClassNames.at(i);
        // What is stored under a name belongs to the first class of it.
        if (seen.contains(name))
            continue;
        seen.insert(name);
        const auto now = classNow.constFind(m_filedClassKeys.at(i));
        if (now == classNow.cend())
            changes.removed.append(name);
        else if (m_classNames.at(*now) != name)
            changes.renamed.insert(name, m_classNames.at(*now));
    }
    m_filedClassKeys = m_classKeys;
    m_filedClassNames = m_classNames;
    if (changes.isEmpty())
        return;
    DrawSettings::followClassChanges(changes);
    if (!m_dataDir.isEmpty())
        moveHistoryFiles(m_dataDir, changes, QDateTime::currentDateTime());
}

bool RosterStore::rosterMatchesStoredCopy() const
{
    return m_storedCopyKnown && m_classNames == m_storedClassNames && m_ids == m_storedIds
        && m_names == m_storedNames && m_scores == m_storedScores;
}

bool RosterStore::writeOneScore(int classIndex, int studentIndex)
{
    // The entries were found in the file as it was last read or written; in
    // any other file (a backup put back, the same students in another order,
    // no file at all) they may belong to other students.
    if (m_fileDigest.isNull() || digestOf(rosterFileName()) != m_fileDigest)
        return false;
    if (studentIndex < 0)
        return true;
    backUpBeforeSave(false);
    // The key of the student's own entry, so the file ends up exactly as a
    // full save would leave it.
    QSettings settings = rosterSettings();
    removeAbandonedLock(settings);
    settings.setValue(QStringLiteral("%1/%2/%3/%4/%5")
                          .arg(QLatin1String(kClasses))
                          .arg(m_classEntries[size_t(classIndex)] + 1)
                          .arg(QLatin1String(kStudents))
                          .arg(m_studentEntries[size_t(classIndex)][size_t(studentIndex)] + 1)
                          .arg(QLatin1String(kStudentScore)),
                      m_scores.at(classIndex).at(studentIndex));
    settings.sync();
    if (checkSaved(settings, m_fileDigest))
        m_storedScores[classIndex][studentIndex] = m_scores.at(classIndex).at(studentIndex);
    return true;
}

void RosterStore::classNames(std::vector<QString> &names) const
{
    names.assign(m_classNames.cbegin(), m_classNames.cend());
}

int RosterStore::classIndex(const QString &className) const
{
    return m_classNames.indexOf(className);
}

void RosterStore::studentIds(const QString &className, std::vector<QString> &ids)
{
    ids.clear();
    m_currentClass = classIndex(className);
    if (m_currentClass >= 0)
        ids.assign(m_ids.at(m_currentClass).cbegin(), m_ids.at(m_currentClass).cend());
}

void RosterStore::selectClass(const QString &className)
{
    m_currentClass = classIndex(className);
}

bool RosterStore::hasStudent(const QString &className, const QString &id) const
{
    const int k = classIndex(className);
    return k >= 0 && m_ids.at(k).contains(id);
}

void RosterStore::appendScore(const QString &id, char letter)
{
    if (hasCurrentClass())
        appendScoreIn(m_currentClass, id, letter);
}

bool RosterStore::removeLastScore(const QString &id, char letter)
{
    return hasCurrentClass() && removeLastScoreIn(m_currentClass, m_ids.at(m_currentClass).indexOf(id), letter);
}

void RosterStore::appendScore(const QString &className, const QString &id, char letter)
{
    const int k = classIndex(className);
    if (k >= 0)
        appendScoreIn(k, id, letter);
}

bool RosterStore::removeLastScoreOf(quint64 classKey, quint64 studentKey, char letter)
{
    const int k = classOfKey(classKey);
    return k >= 0 && removeLastScoreIn(k, studentOfKey(k, studentKey), letter);
}

void RosterStore::appendScoreIn(int classIndex, const QString &id, char letter)
{
    const bool onlyThisScoreChanges = rosterMatchesStoredCopy();
    const int student = m_ids.at(classIndex).indexOf(id);
    if (student >= 0)
        m_scores[classIndex][student].append(QChar::fromLatin1(letter));
    saveScoreOf(classIndex, student, onlyThisScoreChanges);
}

bool RosterStore::removeLastScoreIn(int classIndex, int student, char letter)
{
    if (student < 0 || !m_scores.at(classIndex).at(student).endsWith(QChar::fromLatin1(letter)))
        return false;
    const bool onlyThisScoreChanges = rosterMatchesStoredCopy();
    m_scores[classIndex][student].chop(1);
    saveScoreOf(classIndex, student, onlyThisScoreChanges);
    return true;
}

void RosterStore::saveScoreOf(int classIndex, int student, bool onlyThisScoreChanged)
{
    // Edits not yet saved, or a file that changed under us, need the full
    // save.
    if (!onlyThisScoreChanged || !writeOneScore(classIndex, student))
        writeRoster();
}

void RosterStore::classStudents(const QString &className, QStringList &ids, QStringList &names) const
{
    const int k = classIndex(className);
    ids = k >= 0 ? m_ids.at(k) : QStringList();
    names = k >= 0 ? m_names.at(k) : QStringList();
}

QHash<QString, QString> RosterStore::namesById(const QString &className) const
{
    QStringList ids, names;
    classStudents(className, ids, names);
    QHash<QString, QString> byId;
    // Backwards, so that of two students with one ID the first keeps it.
    for (int k = ids.size() - 1; k >= 0; --k)
        byId.insert(ids.at(k), names.value(k));
    return byId;
}

int RosterStore::classOfKey(quint64 key) const
{
    return m_classKeys.indexOf(key);
}

int RosterStore::studentOfKey(int classIndex, quint64 key) const
{
    return classIndex >= 0 && classIndex < m_studentKeys.size() ? m_studentKeys.at(classIndex).indexOf(key) : -1;
}

QString RosterStore::fileNameWarning(const QString &className)
{
    const ClassFileNameProblem problem = classFileNameProblem(className);
    const QPair<QString, int> told(className, int(problem));
    if (problem == ClassFileNameProblem::None || m_toldFileNames.contains(told))
        return QString();
    m_toldFileNames.insert(told);
    return tr("The class name %1 cannot be used as a file name: rename the class to keep its history and score "
              "files.")
        .arg(className);
}

void RosterStore::appendClass(const QString &name)
{
    m_classNames.append(name);
    m_classKeys.append(newKey());
    m_studentKeys.append(QList<quint64>());
    m_ids.append(QStringList());
    m_names.append(QStringList());
    m_scores.append(QStringList());
}

void RosterStore::removeClass(int classIndex)
{
    if (classIndex >= 0 && classIndex < m_classNames.size()) {
        m_classNames.removeAt(classIndex);
        m_classKeys.removeAt(classIndex);
        m_studentKeys.removeAt(classIndex);
        m_ids.removeAt(classIndex);
        m_names.removeAt(classIndex);
        m_scores.removeAt(classIndex);
    }
    if (m_classNames.isEmpty())
        appendClass(QString::fromLatin1(kFirstClassName));
}

void RosterStore::renameClass(int classIndex, const QString &name)
{
    m_classNames[classIndex] = name;
}

void RosterStore::setStudents(int classIndex, const QStringList &ids, const QStringList &names,
                              const QStringList &scores, const QList<quint64> &keys)
{
    const QList<quint64> &held = m_studentKeys.at(classIndex);
    const QSet<quint64> known(held.cbegin(), held.cend());
    QSet<quint64> taken;
    QList<quint64> studentKeys;
    studentKeys.reserve(ids.size());
    for (int i = 0; i < ids.size(); ++i) {
        quint64 key = keys.value(i);
        if (!known.contains(key) || taken.contains(key))
            key = newKey();
        taken.insert(key);
        studentKeys.append(key);
    }
    m_studentKeys[classIndex] = studentKeys;
    m_ids[classIndex] = ids;
    m_names[classIndex] = names;
    m_scores[classIndex] = scores;
}

bool RosterStore::writeScoreFile(const QString &className, double aScore, double fScore, ScoreRounding rounding,
                                 bool csv)
{
    const int k = classIndex(className);
    const QString path = scoreFilePath(m_dataDir, className, csv);
    if (k < 0 || path.isEmpty())
        return false;
    // Written aside and renamed into place, so a failed write leaves the
    // previous file whole rather than cut short.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(scoreFileContent(m_ids.at(k), m_scores.at(k), aScore, fScore, rounding, csv));
    return file.commit();
}

QStringList RosterStore::scoreFilePaths(const QString &className) const
{
    QStringList paths;
    for (const bool csv : {false, true}) {
        const QString path = scoreFilePath(m_dataDir, className, csv);
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

QString RosterStore::writeScoreWorkbook(const QString &className, double aScore, double fScore,
                                        ScoreRounding rounding)
{
    const int k = classIndex(className);
    const QString path = ScoreWorkbook::path(m_dataDir, className);
    if (k < 0 || path.isEmpty())
        return QString();
    if (!ScoreWorkbook::write(path, className, m_ids.at(k), m_names.at(k), m_scores.at(k), aScore, fScore, rounding))
        return QString();
    return path;
}
