#include "testenvironment.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir *g_root = nullptr;

void makeEmptyDirectory(const QString &path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}
}

namespace TestEnvironment {

void setUp()
{
    g_root = new QTemporaryDir;
    makeEmptyDirectory(homePath());
    makeEmptyDirectory(configPath());
    qputenv("HOME", homePath().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configPath().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    std::atexit([] { delete g_root; });
}

void clearUserData()
{
    makeEmptyDirectory(homePath());
    makeEmptyDirectory(configPath());
}

QString homePath()
{
    return g_root->path() + QStringLiteral("/home");
}

QString configPath()
{
    return g_root->path() + QStringLiteral("/config");
}

QString settingsFile(const QString &application)
{
    return configPath() + QStringLiteral("/Velmor/") + application + QStringLiteral(".conf");
}

}
