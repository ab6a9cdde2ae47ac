#include "libreoffice.h"

#include "testenvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace LibreOffice {

QString program()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

Conversion convert(const QString &file, const QStringList &options, const QString &target, const QString &suffix)
{
    QTemporaryDir out;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program(), QStringList{QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://")
                                             + TestEnvironment::homePath() + QStringLiteral("/lo")}
                                 + options
                                 + QStringList{QStringLiteral("--convert-to"), target, QStringLiteral("--outdir"),
                                               out.path(), file});
    Conversion conversion;
    if (!process.waitForFinished(120000))
        process.kill();
    conversion.log = process.readAll();
    QFile converted(out.path() + QLatin1Char('/') + QFileInfo(file).completeBaseName() + QLatin1Char('.') + suffix);
    if (converted.open(QIODevice::ReadOnly))
        conversion.output = converted.readAll();
    return conversion;
}

} // namespace LibreOffice
