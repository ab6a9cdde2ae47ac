#include "app/interfacelanguage.h"

#include "app/instancelock.h"
#include "roster/settingsmap.h"

#include <QCoreApplication>
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
