#include "roster/backuparchive.h"

#include "common/datapaths.h"
#include "common/programversion.h"
#include "common/settingsmap.h"
#include "roster/historyfile.h"
#include "roster/rosterbackups.h"
#include "roster/scorefiles.h"
#include "roster/scoreworkbook.h"
#include "roster/zippart.h"

// KZip first: the entry headers expect KArchive declared.
#include <KZip>
#include <KArchiveDirectory>
#include <KArchiveFile>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace {
const char *const kManifestPart = "manifest.json";
const char *const kProgramName = "Zandrel";
const int kFormat = 1;
const char *const kSettingsFolder = "settings";
const char *const kDataFolder = "data";
// Homework can be large, so a part may be too; a zip that claims more than
// this in one part, or in all of them, is not one this program wrote.
const qint64 kLargestPart = qint64(1) << 30;
const qint64 kLargestBackup = qint64(16) << 30;
const qint64 kLargestManifest = 1 << 20;

const char *const kSettingsAreas[] = {SettingsMap::kRosterArea, SettingsMap::kProgramArea, SettingsMap::kLanguageArea,
                                      SettingsMap::kSpeechArea};

QString settingsPart(const char *area)
{
    return QLatin1String(kSettingsFolder) + QLatin1Char('/') + SettingsMap::settingsFileBaseName(area);
}

// The endings of the files the program writes into the data directory,
// taken from the rules that name them.
QStringList dataFileEndings()
{
    return {QFileInfo(scoreFilePath(QString(), QString(), false)).fileName(),
            QFileInfo(scoreFilePath(QString(), QString(), true)).fileName(),
            QFileInfo(ScoreWorkbook::path(QString(), QString())).fileName(),
            QFileInfo(historyFilePath(QString(), QString())).fileName()};
}

bool isProgramDataFile(const QString &name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return false;
    for (const QString &ending : dataFileEndings())
        if (name.endsWith(ending))
            return true;
    return false;
}

// The kinds of part a backup holds, by their path in the zip; Unknown for
// any path that could lead elsewhere or that this program does not write.
enum class PartKind { Unknown, Settings, DataFile, Homework };

PartKind kindOf(const QString &part)
{
    const QStringList components = part.split(QLatin1Char('/'));
    if (components.size() == 2 && components.first() == QLatin1String(kSettingsFolder)) {
        for (const char *area : kSettingsAreas)
            if (part == settingsPart(area))
                return PartKind::Settings;
        return PartKind::Unknown;
    }
    if (components.size() < 2 || components.first() != QLatin1String(kDataFolder))
        return PartKind::Unknown;
    for (int i = 1; i < components.size(); ++i)
        if (!isSafePathComponent(components.at(i)))
            return PartKind::Unknown;
    if (components.size() == 2)
        return isProgramDataFile(components.at(1)) ? PartKind::DataFile : PartKind::Unknown;
    return PartKind::Homework;
}

// Where a part goes on disk, or empty for a part that goes nowhere.
QString destinationOf(const QString &part, const QString &dataDir)
{
    switch (kindOf(part)) {
    case PartKind::Settings:
        return SettingsMap::settingsFolder() + part.mid(int(qstrlen(kSettingsFolder)));
    case PartKind::DataFile:
    case PartKind::Homework:
        return dataDir + part.mid(int(qstrlen(kDataFolder)));
    case PartKind::Unknown:
        break;
    }
    return QString();
}

QString partForDataFile(const QString &relativePath)
{
    return QLatin1String(kDataFolder) + QLatin1Char('/') + relativePath;
}

// Streams a file into the zip as one part and gives its digest.
bool addFile(KZip &zip, const QString &source, const QString &part, QByteArray &digest)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!zip.prepareWriting(part, QString(), QString(), file.size()))
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char buffer[1 << 16];
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        hash.addData(buffer, int(got));
        if (!zip.writeData(buffer, got))
            return false;
        total += got;
    }
    digest = hash.result().toHex();
    return zip.finishWriting(total);
}

// Every file below the class folders of the data directory, as paths
// relative to it; links are not followed, so nothing outside is taken.
QStringList homeworkFiles(const QString &dataDir)
{
    QStringList files;
    const QDir data(dataDir);
    for (const QString &folder : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks)) {
        if (!isSafePathComponent(folder))
            continue;
        QDirIterator it(data.filePath(folder), QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = data.relativeFilePath(it.next());
            if (kindOf(partForDataFile(relative)) == PartKind::Homework)
                files.append(relative);
        }
    }
    return files;
}

// Written aside and renamed into place, so that a failed write leaves what
// was there before.
bool writeFileAtomically(const QString &source, const QString &destination)
{
    QFile in(source);
    QSaveFile out(destination);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    char buffer[1 << 16];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            return out.commit();
        if (out.write(buffer, got) != got)
            return false;
    }
}
}

BackupArchive::BackupArchive() = default;
BackupArchive::~BackupArchive() = default;

QString BackupArchive::defaultFileName(const QDate &day)
{
    return QStringLiteral("Zandrel-backup-%1.zip").arg(day.toString(QStringLiteral("yyyyMMdd")));
}

QString BackupArchive::keptStatePath(const QDateTime &time)
{
    return RosterBackups::folder() + QStringLiteral("/Zandrel-before-restore-")
        + time.toString(QStringLiteral("yyyyMMdd-hhmmss")) + QStringLiteral(".zip");
}

bool BackupArchive::fail(Error error, const QString &path)
{
    m_error = error;
    m_errorPath = path;
    return false;
}

bool BackupArchive::write(const QString &zipPath, const QString &dataDir, bool includeHomework)
{
    m_error = NoError;
    // KZip closes the device it writes to, which a QSaveFile refuses; a
    // temporary file beside the target does the same service.
    const QFileInfo target(zipPath);
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return fail(CannotWrite, zipPath);
    KZip zip(&file);
    if (!zip.open(QIODevice::WriteOnly))
        return fail(CannotWrite, zipPath);

    QJsonObject digests;
    const auto add = [&zip, &digests](const QString &source, const QString &part) {
        QByteArray digest;
        if (!addFile(zip, source, part, digest))
            return false;
        digests.insert(part, QString::fromLatin1(digest));
        return true;
    };
    for (const char *area : kSettingsAreas) {
        const QString source = SettingsMap::settingsFileName(area);
        if (QFileInfo::exists(source) && !add(source, settingsPart(area)))
            return fail(CannotWrite, zipPath);
    }
    const QDir data(dataDir);
    for (const QString &name : data.entryList(QDir::Files | QDir::Hidden)) {
        if (isProgramDataFile(name) && !add(data.filePath(name), partForDataFile(name)))
            return fail(CannotWrite, zipPath);
    }
    if (includeHomework) {
        // A backup written into a class folder must not take itself in.
        const QFileInfo beingWritten(file.fileName());
        for (const QString &relative : homeworkFiles(dataDir)) {
            if (QFileInfo(data.filePath(relative)) == beingWritten)
                continue;
            if (!add(data.filePath(relative), partForDataFile(relative)))
                return fail(CannotWrite, zipPath);
        }
    }

    const RosterCounts counts = RosterStore::countsOfFile(SettingsMap::settingsFileName(SettingsMap::kRosterArea));
    QJsonObject manifest;
    manifest.insert(QStringLiteral("program"), QLatin1String(kProgramName));
    manifest.insert(QStringLiteral("format"), kFormat);
    manifest.insert(QStringLiteral("version"), programVersion());
    manifest.insert(QStringLiteral("date"), QDateTime::currentDateTime().toString(Qt::ISODate));
    manifest.insert(QStringLiteral("classes"), counts.classes);
    manifest.insert(QStringLiteral("students"), counts.students);
    manifest.insert(QStringLiteral("scores"), counts.scores);
    manifest.insert(QStringLiteral("homework"), includeHomework);
    manifest.insert(QStringLiteral("files"), digests);
    if (!zip.writeFile(QLatin1String(kManifestPart), QJsonDocument(manifest).toJson()) || !zip.close())
        return fail(CannotWrite, zipPath);
    // Only a whole backup takes the chosen name.
    if (file.error() != QFileDevice::NoError || (QFileInfo::exists(zipPath) && !QFile::remove(zipPath))
        || !file.rename(zipPath))
        return fail(CannotWrite, zipPath);
    file.setAutoRemove(false);
    return true;
}

bool BackupArchive::open(const QString &zipPath)
{
    m_error = NoError;
    m_parts.clear();
    m_manifest = Manifest();
    if (!stage(zipPath)) {
        m_staging.reset();
        m_parts.clear();
        return false;
    }
    return true;
}

bool BackupArchive::stage(const QString &zipPath)
{
    QFile device(zipPath);
    if (!device.open(QIODevice::ReadOnly))
        return fail(CannotRead, zipPath);
    if (device.peek(2) != QByteArray("PK"))
        return fail(NotABackup);
    KZip zip(&device);
    if (!zip.open(QIODevice::ReadOnly))
        return fail(DamagedBackup);
    const KArchiveDirectory *root = zip.directory();

    QByteArray bytes;
    switch (readZipPart(root, QLatin1String(kManifestPart), bytes, kLargestManifest)) {
    case ZipPart::Read:
        break;
    case ZipPart::Missing:
        return fail(NotABackup);
    case ZipPart::TooLarge:
    case ZipPart::Damaged:
        return fail(DamagedBackup);
    }
    QJsonParseError parseError;
    const QJsonObject manifest = QJsonDocument::fromJson(bytes, &parseError).object();
    if (parseError.error != QJsonParseError::NoError)
        return fail(DamagedBackup);
    if (manifest.value(QStringLiteral("program")).toString() != QLatin1String(kProgramName))
        return fail(NotABackup);
    if (manifest.value(QStringLiteral("format")).toInt() != kFormat)
        return fail(NotABackup);
    m_manifest.programVersion = manifest.value(QStringLiteral("version")).toString();
    m_manifest.date = QDateTime::fromString(manifest.value(QStringLiteral("date")).toString(), Qt::ISODate);
    m_manifest.homework = manifest.value(QStringLiteral("homework")).toBool();
    const QJsonObject digests = manifest.value(QStringLiteral("files")).toObject();

    // Every part the zip holds must be one the manifest names, and the
    // other way round; the digests show any damage inside a part.
    QStringList entries;
    std::vector<std::pair<const KArchiveDirectory *, QString>> folders{{root, QString()}};
    while (!folders.empty()) {
        const auto [folder, prefix] = folders.back();
        folders.pop_back();
        for (const QString &name : folder->entries()) {
            const KArchiveEntry *entry = folder->entry(name);
            const QString path = prefix + name;
            if (entry->isDirectory())
                folders.emplace_back(static_cast<const KArchiveDirectory *>(entry), path + QLatin1Char('/'));
            else if (path != QLatin1String(kManifestPart))
                entries.append(path);
        }
    }
    if (entries.size() != digests.size())
        return fail(DamagedBackup);

    m_staging = std::make_unique<QTemporaryDir>();
    if (!m_staging->isValid())
        return fail(CannotWrite, QDir::tempPath());
    qint64 total = 0;
    for (const QString &part : entries) {
        const PartKind kind = kindOf(part);
        if (kind == PartKind::Unknown || (kind == PartKind::Homework && !m_manifest.homework)
            || !digests.contains(part))
            return fail(DamagedBackup);
        const KArchiveEntry *entry = root->entry(part);
        if (!entry || !entry->isFile())
            return fail(DamagedBackup);
        const QString staged = m_staging->filePath(part);
        QDir().mkpath(QFileInfo(staged).path());
        QFile out(staged);
        if (!out.open(QIODevice::WriteOnly))
            return fail(CannotWrite, QDir::tempPath());
        const ZipPart read = copyZipPart(*static_cast<const KArchiveFile *>(entry), out, kLargestPart);
        if (read == ZipPart::TooLarge)
            return fail(TooLarge);
        if (read != ZipPart::Read)
            return fail(DamagedBackup);
        total += out.size();
        if (total > kLargestBackup)
            return fail(TooLarge);
        out.close();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!out.open(QIODevice::ReadOnly) || !hash.addData(&out)
            || hash.result().toHex() != digests.value(part).toString().toLatin1())
            return fail(DamagedBackup);
        m_parts.append(part);
    }

    const QString rosterPart = settingsPart(SettingsMap::kRosterArea);
    if (!m_parts.contains(rosterPart))
        return fail(NotABackup);
    m_manifest.counts = RosterStore::countsOfFile(m_staging->filePath(rosterPart));
    if (m_manifest.counts.classes != manifest.value(QStringLiteral("classes")).toInt()
        || m_manifest.counts.students != manifest.value(QStringLiteral("students")).toInt()
        || m_manifest.counts.scores != manifest.value(QStringLiteral("scores")).toInt())
        return fail(DamagedBackup);
    return true;
}

bool BackupArchive::keepCurrentState(const QString &dataDir, QString &keptCopy)
{
    keptCopy = keptStatePath(RosterBackups::now());
    BackupArchive current;
    if (!QDir().mkpath(RosterBackups::folder()) || !current.write(keptCopy, dataDir, false))
        return fail(CannotKeepCurrent, keptCopy);
    return true;
}

bool BackupArchive::restore(const QString &dataDir, QString &keptCopy)
{
    m_error = NoError;
    if (!m_staging)
        return fail(NotABackup);
    return keepCurrentState(dataDir, keptCopy) && putInPlace(dataDir);
}

bool BackupArchive::restoreRosterCopy(const QString &copyPath, const QString &dataDir, QString &keptCopy)
{
    m_error = NoError;
    const QString rosterFile = SettingsMap::settingsFileName(SettingsMap::kRosterArea);
    if (!keepCurrentState(dataDir, keptCopy))
        return false;
    return writeFileAtomically(copyPath, rosterFile) || fail(CannotWrite, rosterFile);
}

bool BackupArchive::putInPlace(const QString &dataDir)
{
    // What the program keeps becomes what the backup holds: a settings or
    // score file the backup does not have goes (it is in the kept state).
    for (const char *area : kSettingsAreas) {
        const QString part = settingsPart(area);
        if (!m_parts.contains(part) && !QFile::remove(SettingsMap::settingsFileName(area))
            && QFileInfo::exists(SettingsMap::settingsFileName(area)))
            return fail(CannotWrite, SettingsMap::settingsFileName(area));
    }
    const QDir data(dataDir);
    for (const QString &name : data.entryList(QDir::Files | QDir::Hidden)) {
        if (isProgramDataFile(name) && !m_parts.contains(partForDataFile(name)) && !QFile::remove(data.filePath(name)))
            return fail(CannotWrite, data.filePath(name));
    }
    QDir().mkpath(SettingsMap::settingsFolder());
    QDir().mkpath(dataDir);
    for (const QString &part : qAsConst(m_parts)) {
        const QString destination = destinationOf(part, dataDir);
        if (kindOf(part) == PartKind::Homework) {
            if (QFileInfo::exists(destination))
                continue;
            QDir().mkpath(QFileInfo(destination).path());
        }
        if (!writeFileAtomically(m_staging->filePath(part), destination))
            return fail(CannotWrite, destination);
    }
    return true;
}

QString BackupArchive::errorMessage() const
{
    switch (m_error) {
    case NoError:
        break;
    case CannotRead:
        return tr("%1 cannot be read.").arg(QDir::toNativeSeparators(m_errorPath));
    case NotABackup:
        return tr("This file is not a Zandrel backup. Nothing was changed.");
    case DamagedBackup:
        return tr("This backup is damaged and cannot be restored. Nothing was changed.");
    case TooLarge:
        return tr("A part of this file is larger than any Zandrel backup holds. Nothing was changed.");
    case CannotWrite:
        return tr("%1 could not be written.").arg(QDir::toNativeSeparators(m_errorPath));
    case CannotKeepCurrent:
        return tr("The current classes and settings could not be kept in %1 first, so nothing was restored.")
            .arg(QDir::toNativeSeparators(m_errorPath));
    }
    return QString();
}
