#include "roster/importfilecheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ImportFileCheck::open(QFile &file)
{
    const QString shown = QDir::toNativeSeparators(file.fileName());
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return tr("Nothing was imported: %1 no longer exists.").arg(shown);
    if (info.isDir())
        return tr("Nothing was imported: %1 is a folder.").arg(shown);
    // A device or pipe chosen under "All files" would be read for ever.
    if (!info.isFile())
        return tr("Nothing was imported: %1 is not an ordinary file.").arg(shown);
    if (info.size() > kLargestFile)
        return tr("Nothing was imported: %1 is larger than %2 MB, far more than any class list.")
            .arg(shown)
            .arg(kLargestFile / (1024 * 1024));
    if (!file.open(QIODevice::ReadOnly))
        return tr("Nothing was imported: %1 cannot be read (%2).").arg(shown, file.errorString());
    return QString();
}
