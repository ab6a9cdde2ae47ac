#include "common/settingsmap.h"

#include <QFileInfo>
#include <QSettings>

namespace SettingsMap {

namespace {
// Every area lies in the one folder of the organization, named alike.
QFileInfo programAreaFile()
{
    return QFileInfo(QSettings(QString::fromLatin1(kOrganization), QString::fromLatin1(kProgramArea)).fileName());
}
}

QString settingsFileName(const char *area)
{
    return settingsFolder() + QLatin1Char('/') + settingsFileBaseName(area);
}

QString settingsFolder()
{
    return programAreaFile().path();
}

QString settingsFileBaseName(const char *area)
{
    return QLatin1String(area) + QLatin1Char('.') + programAreaFile().suffix();
}

void writeSetting(const char *area, const char *key, const QVariant &value)
{
    QSettings settings(QString::fromLatin1(kOrganization), QString::fromLatin1(area));
    settings.setValue(QString::fromLatin1(key), value);
}

QVariant readSetting(const char *area, const char *key, const QVariant &defaultValue)
{
    const QSettings settings(QString::fromLatin1(kOrganization), QString::fromLatin1(area));
    return settings.value(QString::fromLatin1(key), defaultValue);
}

} // namespace SettingsMap
