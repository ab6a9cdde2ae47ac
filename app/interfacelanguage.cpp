#include "app/interfacelanguage.h"

#include "app/instancelock.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QSettings>

namespace InterfaceLanguage {

namespace {
const char *const kOrganization = "Velmor";
const char *const kApplication = "Language";
const char *const kKey = "Language";

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
    QSettings settings(kOrganization, kApplication);
    return settings.value(kKey, QStringLiteral("simplify")).toString();
}

void store(const QString &language)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(kKey, language);
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
