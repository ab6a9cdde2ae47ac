#include "common/settingsmap.h"

#include <QFileInfo>
#include <QSettings>

namespace SettingsMap {

QString settingsFileName(const char *area)
{
    // Every area lies in the one folder of the organization, named alike.
    const QFileInfo program(
        QSettings(QString::fromLatin1(kOrganization), QString::fromLatin1(kProgramArea)).fileName());
    return program.path() + QLatin1Char('/') + QLatin1String(area) + QLatin1Char('.') + program.suffix();
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
