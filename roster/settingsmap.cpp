#include "roster/settingsmap.h"

#include <QSettings>

namespace SettingsMap {

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
