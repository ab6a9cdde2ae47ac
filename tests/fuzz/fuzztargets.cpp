#include "fuzztargets.h"

#include "roster/importreader.h"
#include "roster/rosterstore.h"
#include "roster/studentids.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

void readImportBytes(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    for (bool csv : {false, true})
        readImportFile(bytes, csv);
}

void loadRosterBytes(const std::uint8_t *data, std::size_t size)
{
    const QString path = QSettings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting")).fileName();
    QDir().mkpath(QFileInfo(path).path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
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
    QFile::remove(path);
}
