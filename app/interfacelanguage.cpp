#include "app/interfacelanguage.h"

#include "app/instancelock.h"
#include "common/settingsmap.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QProcess>

namespace InterfaceLanguage {

namespace {

bool startDetached(const QString &program)
{
    return QProcess::startDetached(program, QStringList());
}

ProgramStarter &programStarter()
{
    static ProgramStarter starter = startDetached;
    return starter;
}
}

QString stored()
{
    return SettingsMap::readSetting(SettingsMap::kLanguageArea, SettingsMap::kLanguage, QStringLiteral("simplify"))
        .toString();
}

void store(const QString &language)
{
    SettingsMap::writeSetting(SettingsMap::kLanguageArea, SettingsMap::kLanguage, language);
}

QString translationFile(const QString &language)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + language + QStringLiteral(".qm");
}

QString toolkitTranslationFile(const QString &language)
{
    const QString directory = QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QLatin1Char('/');
    if (language == QLatin1String("simplify"))
        return directory + QStringLiteral("qtbase_zh_CN.qm");
    if (language == QLatin1String("traditional"))
        return directory + QStringLiteral("qtbase_zh_TW.qm");
    return QString();
}

void setProgramStarter(ProgramStarter starter)
{
    programStarter() = starter ? std::move(starter) : ProgramStarter(startDetached);
}

bool startProgramAgain()
{
    InstanceLock::markNextStartAsRestart();
    return programStarter()(QCoreApplication::applicationFilePath());
}

}
